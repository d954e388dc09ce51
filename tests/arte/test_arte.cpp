// The pictures of the game: sizes and formats, the built-in resources as a
// program that links the windows finds them, and every scene picture showing
// each of its hotspots where the hotspot's rectangle is.

#include "arte.h"
#include "zonas.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <array>
#include <vector>

Q_DECLARE_METATYPE(zw::Rect)

namespace {

const QString carpetaGraficos = QStringLiteral(ZW_GRAFICOS);
const QString carpetaDibujos = QStringLiteral(ZW_ARTE_SVG);

QString ficheroEscena(int n)
{
    return carpetaGraficos + QStringLiteral("/%1.jpg").arg(n);
}

// A pixel "differs clearly" from a colour when they are farther apart than
// this in RGB: well above what JPEG noise and anti-aliased edges move a flat
// colour, well below the distance between two different paints.
constexpr int distanciaClara = 60;

int distancia2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// The background of a scene: the few colours that cover most of it outside
// every hotspot. Pixels are counted by colour (32 levels per channel); the
// commonest colour gathers every colour near it, then the commonest of the
// rest, until the gathered pixels make up `parteDeFondo` of the outside.
// Outlines and anti-aliased edges are left out, being rare.
constexpr double parteDeFondo = 0.90;

struct Fondo {
    std::vector<QRgb> colores;

    bool esFondo(QRgb c) const
    {
        return std::any_of(colores.begin(), colores.end(),
                           [c](QRgb f) { return distancia2(c, f) <= distanciaClara * distanciaClara; });
    }
};

std::vector<zw::Rect> rectangulos(int escena)
{
    std::vector<zw::Rect> todos;
    for (const zw::Zona &z : zw::zonas()) {
        if (z.escena != escena)
            continue;
        todos.push_back(z.clic);
        todos.push_back(z.rectRaton());
    }
    return todos;
}

bool fuera(const std::vector<zw::Rect> &rects, int x, int y)
{
    return std::none_of(rects.begin(), rects.end(), [x, y](const zw::Rect &r) { return r.contiene(x, y); });
}

Fondo fondoDe(const QImage &imagen, int escena)
{
    constexpr int niveles = 32, paso = 256 / niveles;
    std::vector<qint64> cuenta(niveles * niveles * niveles, 0);
    const auto colorDe = [](int i) {
        return qRgb((i / (niveles * niveles)) * paso + paso / 2, (i / niveles % niveles) * paso + paso / 2,
                    (i % niveles) * paso + paso / 2);
    };
    const std::vector<zw::Rect> rects = rectangulos(escena);
    qint64 total = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            if (!fuera(rects, x, y))
                continue;
            const QRgb c = imagen.pixel(x, y);
            ++cuenta[(qRed(c) / paso * niveles + qGreen(c) / paso) * niveles + qBlue(c) / paso];
            ++total;
        }
    }
    Fondo fondo;
    const int radio = distanciaClara / 2;
    qint64 reunidos = 0;
    while (reunidos < parteDeFondo * double(total)) {
        const auto mayor = std::max_element(cuenta.begin(), cuenta.end());
        const QRgb centro = colorDe(int(mayor - cuenta.begin()));
        for (size_t i = 0; i < cuenta.size(); ++i) {
            if (cuenta[i] > 0 && distancia2(colorDe(int(i)), centro) <= radio * radio) {
                reunidos += cuenta[i];
                cuenta[i] = 0;
            }
        }
        fondo.colores.push_back(centro);
    }
    return fondo;
}

// How much of a rectangle is drawn: the share of its pixels that differ
// clearly from the background, and whether each third of its width and each
// third of its height has at least `parteDeTercio` of them.
constexpr double parteDibujada = 0.40;
constexpr double parteDeTercio = 0.15;

struct Medida {
    double parte = 0;
    QString tercioVacio; // empty when every third holds some of the drawing
};

Medida medir(const QImage &imagen, const Fondo &fondo, const zw::Rect &rect)
{
    const int ancho = rect.x2 - rect.x1 + 1, alto = rect.y2 - rect.y1 + 1;
    std::array<int, 3> enColumnas{}, enFilas{}, columnas{}, filas{};
    int dibujados = 0;
    for (int y = rect.y1; y <= rect.y2; ++y) {
        for (int x = rect.x1; x <= rect.x2; ++x) {
            const int col = (x - rect.x1) * 3 / ancho, fil = (y - rect.y1) * 3 / alto;
            ++columnas[col];
            ++filas[fil];
            if (fondo.esFondo(imagen.pixel(x, y)))
                continue;
            ++dibujados;
            ++enColumnas[col];
            ++enFilas[fil];
        }
    }
    Medida m;
    m.parte = double(dibujados) / double(ancho * alto);
    for (int i = 0; i < 3 && m.tercioVacio.isEmpty(); ++i) {
        if (enColumnas[i] < parteDeTercio * columnas[i])
            m.tercioVacio = QStringLiteral("column third %1").arg(i + 1);
        else if (enFilas[i] < parteDeTercio * filas[i])
            m.tercioVacio = QStringLiteral("row third %1").arg(i + 1);
    }
    return m;
}

QImage cargarEscena(int n)
{
    return QImage(ficheroEscena(n)).convertToFormat(QImage::Format_RGB32);
}

QImage pintarSvg(const QByteArray &svg)
{
    QSvgRenderer dibujo(svg);
    QImage imagen(372, 303, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujo.render(&pintor);
    return imagen;
}

} // namespace

class TestArte : public QObject {
    Q_OBJECT

private slots:
    void incorporadas_data();
    void incorporadas();
    void iconos();
    void catalogo();
    void escenas_data();
    void escenas();
    void escena1EsLaIncorporada();
    void soloFuentes();
    void fondoLiso_data();
    void fondoLiso();
    void zonasDibujadas_data();
    void zonasDibujadas();
    void zonaVaciaSeNota_data();
    void zonaVaciaSeNota();
    void dibujoDentro_data();
    void dibujoDentro();
};

void TestArte::incorporadas_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QSize>("tam");
    QTest::newRow("cavernicola") << ":/dibujos/cavernicola.svg" << QSize(103, 161);
    QTest::newRow("jugador") << ":/dibujos/jugador.svg" << QSize(179, 225);
    QTest::newRow("bicho") << ":/dibujos/bicho.svg" << QSize(108, 198);
    QTest::newRow("camarero") << ":/dibujos/camarero.svg" << QSize(94, 64);
    QTest::newRow("logo") << ":/dibujos/logo.svg" << QSize(308, 231);
    QTest::newRow("escena1") << ":/dibujos/escena1.svg" << QSize(372, 303);
}

// Found through zarrapio_ventanas, which brings zarrapio_arte along: each
// drawing valid, designed at the size of the control that shows it.
void TestArte::incorporadas()
{
    QFETCH(QString, ruta);
    QFETCH(QSize, tam);
    QVERIFY2(QFile::exists(ruta), qPrintable(ruta));
    QSvgRenderer dibujo(ruta);
    QVERIFY(dibujo.isValid());
    QCOMPARE(dibujo.defaultSize(), tam);
}

// The icon at every size the desktop asks for, each rendered at that size:
// square, see-through outside its rounded corners, solid in the middle.
void TestArte::iconos()
{
    QSet<QString> nombrados;
    QSet<int> tamanos;
    for (const zw::ImagenIncorporada &i : zw::iconos()) {
        const QString ruta = QString::fromUtf8(i.ruta);
        nombrados.insert(ruta);
        tamanos.insert(i.ancho);
        QImageReader lector(ruta);
        QCOMPARE(lector.format(), QByteArray("png"));
        const QImage icono = lector.read();
        QCOMPARE(icono.size(), QSize(i.ancho, i.alto));
        QCOMPARE(i.ancho, i.alto);
        QVERIFY2(icono.hasAlphaChannel(), qPrintable(ruta));
        QCOMPARE(qAlpha(icono.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icono.pixel(i.ancho - 1, i.alto - 1)), 0);
        QCOMPARE(qAlpha(icono.pixel(i.ancho / 2, i.alto / 2)), 255);
    }
    QSet<QString> presentes;
    QDirIterator it(QStringLiteral(":/iconos"));
    while (it.hasNext())
        presentes.insert(it.next());
    QCOMPARE(nombrados, presentes);
    QCOMPARE(tamanos, (QSet<int>{16, 22, 24, 32, 48, 64, 128, 256}));
}

// The catalogue names every built-in picture, with its real size.
void TestArte::catalogo()
{
    QSet<QString> nombrados;
    for (const zw::ImagenIncorporada &i : zw::imagenesIncorporadas()) {
        const QString ruta = QString::fromUtf8(i.ruta);
        nombrados.insert(ruta);
        QCOMPARE(QSvgRenderer(ruta).defaultSize(), QSize(i.ancho, i.alto));
    }
    // Every drawing but the scenes a window never starts on.
    QSet<QString> presentes;
    QDirIterator it(QStringLiteral(":/dibujos"));
    while (it.hasNext())
        if (const QString ruta = it.next(); !ruta.contains(QRegularExpression(QStringLiteral("escena[2-7]"))))
            presentes.insert(ruta);
    QCOMPARE(nombrados, presentes);
    QCOMPARE(presentes.size(), 6);
}

void TestArte::escenas_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 7; ++n)
        QTest::addRow("%d.jpg", n) << n;
}

void TestArte::escenas()
{
    QFETCH(int, n);
    QImageReader lector(ficheroEscena(n));
    QCOMPARE(lector.format(), QByteArray("jpeg"));
    QCOMPARE(lector.size(), QSize(372, 303));
    const QImage imagen = lector.read();
    QVERIFY2(!imagen.isNull(), qPrintable(lector.errorString()));
    QCOMPARE(imagen.size(), QSize(372, 303));
}

// The picture a new game shows and graficos/1.jpg are one drawing.
void TestArte::escena1EsLaIncorporada()
{
    QFile svg(QStringLiteral(":/dibujos/escena1.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QImage incorporada = pintarSvg(svg.readAll());
    const QImage fichero = cargarEscena(1);
    QCOMPARE(incorporada.size(), fichero.size());
    // The file is the same drawing, through JPEG.
    qint64 suma = 0;
    for (int y = 0; y < fichero.height(); ++y)
        for (int x = 0; x < fichero.width(); ++x)
            suma += distancia2(incorporada.pixel(x, y), fichero.pixel(x, y)) > distanciaClara * distanciaClara;
    QVERIFY2(suma < fichero.width() * fichero.height() / 100, qPrintable(QString::number(suma)));
}

// The drawings are kept as SVG; rendered pictures are never kept with them.
void TestArte::soloFuentes()
{
    QStringList dibujos, pintadas;
    QDirIterator it(carpetaDibujos, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString ext = QFileInfo(f).suffix().toLower();
        if (ext == u"svg")
            dibujos << QFileInfo(f).fileName();
        else if (ext == u"jpg" || ext == u"jpeg" || ext == u"bmp" || ext == u"png")
            pintadas << f;
    }
    QCOMPARE(pintadas, QStringList());
    dibujos.sort();
    QCOMPARE(dibujos, QStringList({"1.svg", "2.svg", "3.svg", "4.svg", "5.svg", "6.svg", "7.svg",
                                   "bicho.svg", "camarero.svg", "cavernicola.svg",
                                   "es.trombulenco.ZarrapioWorld.svg", "jugador.svg", "logo.svg"}));
}

void TestArte::fondoLiso_data()
{
    escenas_data();
}

// Outside its hotspots a scene is plain background: a few flat colours cover
// nearly all of it, so nothing drawn in detail stands where no hotspot is.
constexpr size_t coloresDeFondo = 8;

void TestArte::fondoLiso()
{
    QFETCH(int, n);
    const Fondo fondo = fondoDe(cargarEscena(n), n);
    QVERIFY2(fondo.colores.size() <= coloresDeFondo,
             qPrintable(QStringLiteral("the background needs %1 colours").arg(fondo.colores.size())));
}

void TestArte::zonasDibujadas_data()
{
    QTest::addColumn<int>("escena");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<zw::Rect>("rect");
    for (const zw::Zona &z : zw::zonas())
        QTest::addRow("%d %s", z.escena, z.nombre) << z.escena << QString::fromUtf8(z.nombre) << z.clic;
}

// Each hotspot's rectangle holds its drawing: most of it differs clearly from
// the scene's background, and the drawing reaches across the rectangle, so a
// thing painted elsewhere, or only in a corner of its rectangle, fails.
void TestArte::zonasDibujadas()
{
    QFETCH(int, escena);
    QFETCH(zw::Rect, rect);
    const QImage imagen = cargarEscena(escena);
    QVERIFY(!imagen.isNull());
    const Medida m = medir(imagen, fondoDe(imagen, escena), rect);
    QVERIFY2(m.parte >= parteDibujada, qPrintable(QStringLiteral("only %1% drawn").arg(m.parte * 100, 0, 'f', 1)));
    QVERIFY2(m.tercioVacio.isEmpty(), qPrintable(m.tercioVacio + QStringLiteral(" nearly empty")));
}

void TestArte::zonaVaciaSeNota_data()
{
    zonasDibujadas_data();
}

// The measure sees a missing drawing: the same rectangle painted over with the
// scene's commonest background colour is far from drawn.
void TestArte::zonaVaciaSeNota()
{
    QFETCH(int, escena);
    QFETCH(zw::Rect, rect);
    QImage imagen = cargarEscena(escena);
    const Fondo fondo = fondoDe(imagen, escena);
    QVERIFY(!fondo.colores.empty());
    QPainter(&imagen).fillRect(QRect(QPoint(rect.x1, rect.y1), QPoint(rect.x2, rect.y2)), QColor(fondo.colores.front()));
    const Medida m = medir(imagen, fondo, rect);
    QCOMPARE(m.parte, 0.0);
    QVERIFY(!m.tercioVacio.isEmpty());
}

void TestArte::dibujoDentro_data()
{
    zonasDibujadas_data();
}

// In a scene's drawing, what draws a hotspot is the part that starts with the
// comment "<!-- name: ..." and runs to the next comment. Left out, it changes
// no pixel outside the hotspot's rectangle, and a good part of those inside.
void TestArte::dibujoDentro()
{
    QFETCH(int, escena);
    QFETCH(QString, nombre);
    QFETCH(zw::Rect, rect);
    QFile fichero(carpetaDibujos + QStringLiteral("/escenas/%1.svg").arg(escena));
    QVERIFY(fichero.open(QIODevice::ReadOnly));
    const QByteArray svg = fichero.readAll();
    const QByteArray marca = "<!-- " + nombre.toUtf8() + ":";
    QCOMPARE(svg.count(marca), 1);
    const qsizetype inicio = svg.indexOf(marca);
    qsizetype fin = svg.indexOf("<!--", inicio + marca.size());
    if (fin < 0)
        fin = svg.indexOf("</svg>");
    QVERIFY(fin > inicio);
    const QByteArray sinParte = svg.left(inicio) + svg.mid(fin);

    const QImage con = pintarSvg(svg), sin = pintarSvg(sinParte);
    int fuera = 0, dentro = 0;
    for (int y = 0; y < con.height(); ++y) {
        for (int x = 0; x < con.width(); ++x) {
            if (con.pixel(x, y) == sin.pixel(x, y))
                continue;
            if (rect.contiene(x, y))
                ++dentro;
            else
                ++fuera;
        }
    }
    QCOMPARE(fuera, 0);
    const double parte = double(dentro) / double((rect.x2 - rect.x1 + 1) * (rect.y2 - rect.y1 + 1));
    QVERIFY2(parte >= parteDibujada, qPrintable(QStringLiteral("only %1% drawn").arg(parte * 100, 0, 'f', 1)));
}

// Rendering text in the drawings needs fonts, hence a GUI application.
QTEST_MAIN(TestArte)
#include "test_arte.moc"

// Pictures on a screen of density 2 (CTest runs this with QT_SCALE_FACTOR=2):
// each one is drawn for the screen, not a 1× picture enlarged.
#include "apoyo.h"
#include "aplicacion.h"
#include "imagen_escena.h"
#include "empieza.h"
#include "escala.h"
#include "presentacion.h"

#include <QAction>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using namespace zw;

namespace {

const QString carpetaGraficos = QStringLiteral(ZW_GRAFICOS);
const QString carpetaDibujos = QStringLiteral(ZW_ARTE_SVG);

QImage deSvg(const QString &svg, QSize tam)
{
    QImage imagen(tam, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(svg).render(&pintor, QRectF(QPointF(), QSizeF(tam)));
    return imagen;
}

QImage agrandada(const QImage &unaVez, QSize tam)
{
    return unaVez.scaled(tam, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

QImage agrandada(const QString &fichero, QSize tam)
{
    return agrandada(QImage(fichero), tam);
}

// The picture at ×1 on a 1× screen: the scene's file, or a drawing rendered
// at its own size.
QImage aUnoPorUno(const QString &raster, const QString &dibujo)
{
    return raster.isEmpty() ? deSvg(dibujo, QSvgRenderer(dibujo).defaultSize()) : QImage(raster);
}

int distancia(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean difference per colour channel, 0 to 255.
double diferencia(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double suma = 0;
    for (int fila = 0; fila < x.height(); ++fila)
        for (int i = 0; i < x.width(); ++i)
            suma += distancia(x.pixel(i, fila), y.pixel(i, fila));
    return suma / (3.0 * x.width() * x.height());
}

// Of the pixels where two candidates clearly disagree (the edges an
// enlargement blurs), the share where the picture is nearer the first.
double parteMasCerca(const QImage &vista, const QImage &primera, const QImage &segunda)
{
    const QImage v = vista.convertToFormat(QImage::Format_RGB32);
    int distintos = 0, cerca = 0;
    for (int fila = 0; fila < v.height(); ++fila) {
        for (int i = 0; i < v.width(); ++i) {
            const QRgb a = primera.pixel(i, fila), b = segunda.pixel(i, fila);
            if (distancia(a, b) < 90)
                continue;
            ++distintos;
            cerca += distancia(v.pixel(i, fila), a) < distancia(v.pixel(i, fila), b);
        }
    }
    return distintos > 0 ? double(cerca) / distintos : 0;
}

QImage foto(QWidget *w)
{
    return w->grab().toImage();
}

} // namespace

class TestNitidez : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void cleanup() { escala::ponerZoom(1); }

    // The grabbed picture against the drawing rendered for the screen and
    // against the 1× picture enlarged: much closer to the first.
    void dibujadaParaLaPantalla_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("escena");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("dibujo");
        QTest::addColumn<QString>("raster");
        for (double zoom : {1.0, 1.5, 2.0}) {
            QTest::addRow("escena 1 x%g", zoom) << zoom << 1 << "Image1"
                                                << "escenas/1.svg" << carpetaGraficos + "/1.jpg";
            QTest::addRow("escena 4 x%g", zoom) << zoom << 4 << "Image1"
                                                << "escenas/4.svg" << carpetaGraficos + "/4.jpg";
            QTest::addRow("jugador x%g", zoom) << zoom << 1 << "Image2"
                                               << "imagenes/jugador.svg" << QString();
        }
    }
    void dibujadaParaLaPantalla()
    {
        QFETCH(double, zoom);
        QFETCH(int, escena);
        QFETCH(QString, control);
        QFETCH(QString, dibujo);
        QFETCH(QString, raster);
        Aplicacion app(carpetaGraficos);
        app.arrancar(zoom);
        app.jugar();
        if (escena != 1)
            app.juego().irAEscena(escena);
        auto *etiqueta = app.empieza()->findChild<QLabel *>(control);
        QVERIFY(etiqueta);
        const QImage vista = foto(etiqueta);
        const QImage unaVez = aUnoPorUno(raster, carpetaDibujos + "/" + dibujo);
        const QSize tam = unaVez.size() * zoom * 2;
        QCOMPARE(vista.size(), tam);
        const QImage dibujada = deSvg(carpetaDibujos + "/" + dibujo, tam);
        const QImage enGrande = agrandada(unaVez, tam);
        const double aDibujo = diferencia(vista, dibujada), aAgrandada = diferencia(vista, enGrande);
        const double parte = parteMasCerca(vista, dibujada, enGrande);
        QVERIFY2(aDibujo * 2 < aAgrandada && parte > 0.9,
                 qPrintable(QStringLiteral(
                                "%1 to the drawing, %2 to the enlarged picture; nearer the drawing at %3 of the edges")
                                .arg(aDibujo)
                                .arg(aAgrandada)
                                .arg(parte)));
    }

    // A scene picture the player replaced is used even where the denser ones
    // beside it are older; the letter case of the names does not matter.
    void imagenDelJugador()
    {
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        for (const char *nombre : {"1.jpg", "2.jpg", "2@2x.jpg"})
            QVERIFY(
                QFile::copy(carpetaGraficos + "/" + nombre, carpeta.filePath(QString::fromLatin1(nombre).toUpper())));
        QFile base(carpeta.filePath("2.JPG"));
        QVERIFY(base.open(QIODevice::Append));
        QVERIFY(base.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        base.close();

        Aplicacion app(carpeta.path());
        app.arrancar();
        app.jugar();
        app.juego().irAEscena(2);
        auto *imagen = app.empieza()->findChild<ImagenEscena *>("Image1");
        const QSize tam(744, 606);
        QVERIFY(diferencia(foto(imagen), agrandada(carpeta.filePath("2@2X.JPG"), tam)) < 1);

        QImage propia(372, 303, QImage::Format_RGB32);
        propia.fill(Qt::red);
        QVERIFY(propia.save(carpeta.filePath("2.JPG")));
        app.juego().irAEscena(2);
        QVERIFY(diferencia(foto(imagen), agrandada(carpeta.filePath("2.JPG"), tam)) < 1);
    }

    // A denser picture cut short gives way to the next source the scene
    // tries, in play and in a load alike; when none can be shown, the load
    // names the first file that failed, and why.
    void densaCortada_data()
    {
        QTest::addColumn<QStringList>("cortadas");
        QTest::addColumn<QString>("mostrada"); // empty: the load is refused
        QTest::newRow("la de 2x") << QStringList{"2@2x.jpg"} << "2@3x.jpg";
        QTest::newRow("las densas") << QStringList{"2@2x.jpg", "2@3x.jpg"} << "2.jpg";
        QTest::newRow("todas") << QStringList{"2@2x.jpg", "2@3x.jpg", "2.jpg"} << "";
    }
    void densaCortada()
    {
        QFETCH(QStringList, cortadas);
        QFETCH(QString, mostrada);
        QTemporaryDir carpeta;
        for (const char *nombre : {"2.jpg", "2@2x.jpg", "2@3x.jpg"}) {
            QFile original(carpetaGraficos + "/" + nombre);
            QVERIFY(original.open(QIODevice::ReadOnly));
            QByteArray datos = original.readAll();
            // Changed by a byte the picture never shows: a player's file, not the build's own.
            datos.append('\0');
            if (cortadas.contains(nombre))
                datos.truncate(datos.size() / 2);
            QFile copia(carpeta.filePath(nombre));
            QVERIFY(copia.open(QIODevice::WriteOnly));
            copia.write(datos);
        }
        QFile partida(carpeta.filePath("partida"));
        QVERIFY(partida.open(QIODevice::WriteOnly));
        partida.write("1\r\n\"Agua\"\r\n2,0,0,0,0,0\r\n");
        partida.close();

        // Each file refused is read, and logged, once, not at every check, show and paint.
        for (const QString &c : cortadas)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("No se usa el dibujo " + carpeta.filePath(c) + " - está cortado"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No se usa el dibujo")));
        Aplicacion app(carpeta.path());
        QStringList avisos;
        QObject::connect(&app, &Aplicacion::aviso, [&](const QString &, const QString &texto) { avisos << texto; });
        app.arrancar();
        app.presentacion()->findChild<QAction *>("cargarpartida")->trigger();
        if (mostrada.isEmpty()) {
            QCOMPARE(avisos.size(), 1);
            QCOMPARE(avisos.first().section('\n', 1), carpeta.filePath("2@2x.jpg") + ": está cortado");
            QCOMPARE(app.juego().pantalla(), 1);
            return;
        }
        QCOMPARE(avisos, QStringList());
        QCOMPARE(app.juego().pantalla(), 2);
        auto *imagen = app.empieza()->findChild<ImagenEscena *>("Image1");
        const QSize tam(744, 606);
        QVERIFY(diferencia(foto(imagen), agrandada(carpeta.filePath(mostrada), tam)) < 2);
    }
};

ZW_QTEST_MAIN(TestNitidez)
#include "test_nitidez.moc"

// zw_hoja <folder> [<zoom>]
//
// The contact sheet: writes into <folder> one PNG per picture of the game, so
// a person can look at all of them at once: every scene as the game shows it,
// every scene again at double size with its hotspot rectangles outlined and
// named, every built-in picture, and hoja.png with all of them side by side.
//
// Each picture is a "lámina": a file name and a function that paints it. To
// add another picture, push one more lámina in laminas(). Windows are grabbed
// without being on the screen, at the zoom given (×1 unless told), and at the
// screen density QT_SCALE_FACTOR sets.

#include "aplicacion.h"
#include "arte.h"
#include "empieza.h"
#include "presentacion.h"
#include "acerca.h"
#include "conversacion.h"
#include "escala.h"
#include "final.h"
#include "zonas.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Lamina {
    QString nombre;                 // file name without ".png", also the caption
    std::function<QImage()> pintar; // a null image means the picture is missing
};

const QString carpetaGraficos = QStringLiteral(ZW_GRAFICOS);

QImage escena(int n)
{
    return QImage(carpetaGraficos + QStringLiteral("/%1.jpg").arg(n));
}

// A rectangle whose both bounds are inside, as a QRect of the enlarged picture.
QRect aumentado(const zw::Rect &r, int escala)
{
    return QRect(r.x1 * escala, r.y1 * escala, (r.x2 - r.x1 + 1) * escala, (r.y2 - r.y1 + 1) * escala);
}

// The scene at double size with every hotspot outlined on its own pixels and
// named; where hovering uses a smaller rectangle it is drawn dashed inside.
QImage escenaConZonas(int n)
{
    constexpr int escala = 2;
    const QImage base = escena(n);
    if (base.isNull())
        return {};
    QImage imagen = base.scaled(base.size() * escala, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    QPainter p(&imagen);
    QFont letra = QApplication::font();
    letra.setPixelSize(11);
    letra.setBold(true);
    p.setFont(letra);
    const QColor colores[] = {Qt::yellow, Qt::cyan, Qt::magenta, QColor(255, 128, 0), Qt::green};
    int i = 0;
    for (const zw::Zona &z : zw::zonas()) {
        if (z.escena != n)
            continue;
        const QColor color = colores[i++ % std::size(colores)];
        const QRect marco = aumentado(z.clic, escala);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(marco.adjusted(1, 1, -1, -1));
        if (z.raton) {
            p.setPen(QPen(color, 1, Qt::DashLine));
            p.drawRect(aumentado(*z.raton, escala).adjusted(3, 3, -3, -3));
        }
        const QString nombre = QString::fromUtf8(z.nombre) + (z.tipo == zw::Tipo::Lugar ? QStringLiteral(" (lugar)") : QString());
        // Inside the rectangle's top left corner; under it (or over it) when
        // the name would hide a small thing.
        QRect rotulo = p.fontMetrics().boundingRect(nombre).adjusted(-3, -1, 3, 1);
        rotulo.moveTopLeft(marco.topLeft() + QPoint(2, 2));
        if (rotulo.width() > marco.width() - 4 || rotulo.height() > marco.height() / 3) {
            rotulo.moveTopLeft(marco.bottomLeft() + QPoint(0, 2));
            if (rotulo.bottom() >= imagen.height())
                rotulo.moveBottomLeft(marco.topLeft() - QPoint(0, 2));
        }
        if (rotulo.top() < 0)
            rotulo.moveTop(marco.top() + 2);
        if (rotulo.right() >= imagen.width())
            rotulo.moveRight(imagen.width() - 1);
        p.fillRect(rotulo, QColor(0, 0, 0, 190));
        p.setPen(color);
        p.drawText(rotulo, Qt::AlignCenter, nombre);
    }
    return imagen;
}

std::vector<Lamina> laminas(zw::Aplicacion &app)
{
    std::vector<Lamina> todas;
    for (int n = 1; n <= 7; ++n) {
        todas.push_back({QStringLiteral("escena%1").arg(n), [n] { return escena(n); }});
        todas.push_back({QStringLiteral("escena%1-zonas").arg(n), [n] { return escenaConZonas(n); }});
    }
    for (const zw::ImagenIncorporada &imagen : zw::imagenesIncorporadas()) {
        const QString ruta = QString::fromUtf8(imagen.ruta);
        todas.push_back({QStringLiteral("imagen-") + QFileInfo(ruta).completeBaseName(), [ruta] { return QImage(ruta); }});
    }
    // The six windows, the adventure screen as a new game shows it.
    const auto ventana = [&todas](const char *nombre, QWidget *w) {
        todas.push_back({QStringLiteral("ventana-") + QLatin1String(nombre), [w] { return w->grab().toImage(); }});
    };
    ventana("presentacion", app.presentacion());
    ventana("acerca", app.acerca());
    app.juego().iniciar();
    ventana("empieza", app.empieza());
    ventana("charrar1", app.charrar1());
    ventana("camarero", app.camarero());
    ventana("final", app.final());
    return todas;
}

// All the pictures in rows on one sheet, each under its caption.
QImage hojaEntera(const std::vector<std::pair<QString, QImage>> &pintadas)
{
    constexpr int ancho = 1160, margen = 12, pie = 18; // a scene and its outlined copy to a row
    struct Sitio { QPoint origen; const std::pair<QString, QImage> *lamina; };
    std::vector<Sitio> sitios;
    int x = margen, y = margen, altoFila = 0;
    for (const auto &lamina : pintadas) {
        const QSize tam = lamina.second.size();
        if (x > margen && x + tam.width() > ancho - margen) {
            x = margen;
            y += altoFila + pie + margen;
            altoFila = 0;
        }
        sitios.push_back({QPoint(x, y), &lamina});
        x += tam.width() + margen;
        altoFila = std::max(altoFila, tam.height());
    }
    QImage hoja(ancho, y + altoFila + pie + margen, QImage::Format_RGB32);
    hoja.fill(QColor(60, 60, 70));
    QPainter p(&hoja);
    p.setPen(Qt::white);
    for (const Sitio &s : sitios) {
        p.drawImage(s.origen, s.lamina->second);
        p.drawText(QRect(s.origen.x(), s.origen.y() + s.lamina->second.height(), s.lamina->second.width(), pie),
                   Qt::AlignLeft | Qt::AlignVCenter, s.lamina->first);
    }
    return hoja;
}

} // namespace

int main(int argc, char *argv[])
{
    // Widgets, not only images: windows can be photographed here too.
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double zoom = args.size() == 3 ? args.at(2).toDouble() : 1.0;
    if (args.size() < 2 || args.size() > 3 || !zw::escala::esPaso(zoom)) {
        std::fprintf(stderr, "uso: zw_hoja carpeta [1|1.5|2|3|4]\n");
        return 2;
    }
    const QDir carpeta(args.at(1));
    if (!QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "zw_hoja: no se pudo crear %s\n", qPrintable(carpeta.path()));
        return 1;
    }

    int fallos = 0;
    zw::Aplicacion aplicacion(carpetaGraficos);
    zw::escala::ponerZoom(zoom);
    std::vector<std::pair<QString, QImage>> pintadas;
    for (const Lamina &lamina : laminas(aplicacion)) {
        const QImage imagen = lamina.pintar();
        const QString fichero = carpeta.filePath(lamina.nombre + QStringLiteral(".png"));
        if (imagen.isNull() || !imagen.save(fichero)) {
            std::fprintf(stderr, "zw_hoja: falta %s\n", qPrintable(lamina.nombre));
            ++fallos;
            continue;
        }
        pintadas.emplace_back(lamina.nombre, imagen);
    }
    const QString hoja = carpeta.filePath(QStringLiteral("hoja.png"));
    if (!hojaEntera(pintadas).save(hoja)) {
        std::fprintf(stderr, "zw_hoja: no se pudo escribir %s\n", qPrintable(hoja));
        ++fallos;
    }
    std::printf("%zu láminas en %s\n", pintadas.size(), qPrintable(QDir(carpeta).absolutePath()));
    return fallos == 0 ? 0 : 1;
}

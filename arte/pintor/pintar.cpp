// zw_pintar <drawing.svg> <picture> <width> <height> [<times>]
//
// Renders one SVG drawing of arte/ into the picture the game reads: JPEG for
// ".jpg", 24-bit BMP for ".bmp". The drawing's own size must be the picture's,
// because its coordinates are the picture's pixels (the hotspot rectangles are
// measured in them); <times> (2 or 3) renders it that many times denser, for a
// screen as dense (the "N@2x.jpg" beside "N.jpg"). A ".png" into a folder
// "iconos" is an icon: drawn once and rendered at every size the desktop asks
// for, so it is scaled, over a transparent background; any other ".png" is a
// picture rendered ahead without loss. Any warning of the SVG renderer fails the build,
// so a drawing never silently loses a part Qt cannot paint.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int quejas = 0;

void anotarQueja(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    const char *categoria = contexto.category ? contexto.category : "";
    std::fprintf(stderr, "zw_pintar: [%s] %s\n", categoria, qPrintable(texto));
    if (tipo != QtDebugMsg && tipo != QtInfoMsg && qstrncmp(categoria, "qt.svg", 6) == 0)
        ++quejas;
}

int fallo(const QString &texto)
{
    std::fprintf(stderr, "zw_pintar: %s\n", qPrintable(texto));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs the font database, which needs a GUI application.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && args.size() != 6)
        return fallo(QStringLiteral("uso: zw_pintar dibujo.svg imagen.jpg|imagen.bmp|icono.png ancho alto [veces]"));

    const QString dibujo = args.at(1);
    const QString salida = args.at(2);
    bool anchoBien = false, altoBien = false;
    const QSize tam(args.at(3).toInt(&anchoBien), args.at(4).toInt(&altoBien));
    if (!anchoBien || !altoBien || tam.isEmpty())
        return fallo(QStringLiteral("tamaño no válido: %1 x %2").arg(args.at(3), args.at(4)));
    bool vecesBien = true;
    const int veces = args.size() == 6 ? args.at(5).toInt(&vecesBien) : 1;
    if (!vecesBien || veces < 1 || veces > 4)
        return fallo(QStringLiteral("densidad no válida: %1").arg(args.at(5)));

    const QString formato = QFileInfo(salida).suffix().toLower();
    if (formato != u"jpg" && formato != u"bmp" && formato != u"png")
        return fallo(QStringLiteral("formato desconocido: %1").arg(salida));
    const bool icono = formato == u"png" && QFileInfo(salida).dir().dirName() == u"iconos";

    qInstallMessageHandler(anotarQueja);
    QSvgRenderer svg(dibujo);
    if (!svg.isValid())
        return fallo(QStringLiteral("%1 no es un SVG válido").arg(dibujo));
    const QSize propio = icono ? svg.defaultSize().scaled(tam, Qt::KeepAspectRatio) : svg.defaultSize();
    if (propio != tam || svg.viewBoxF() != QRectF(QPointF(0, 0), QSizeF(svg.defaultSize())))
        return fallo(QStringLiteral("%1 debe medir %2 x %3, con viewBox \"0 0 %2 %3\"")
                         .arg(dibujo)
                         .arg(tam.width())
                         .arg(tam.height()));

    // White under a picture: a forgotten background shows up as a hole. An
    // icon keeps its own shape.
    QImage imagen(tam * veces, icono ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    imagen.fill(icono ? Qt::transparent : Qt::white);
    {
        QPainter pintor(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setRenderHint(QPainter::TextAntialiasing);
        svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam * veces)));
    }
    if (quejas > 0)
        return fallo(QStringLiteral("%1: el dibujo tiene partes que no se pueden pintar").arg(dibujo));

    QDir().mkpath(QFileInfo(salida).absolutePath());
    QImageWriter escritor(salida, formato.toLatin1());
    if (formato == u"jpg")
        escritor.setQuality(90);
    // Without alpha Qt writes BMP at 24 bits per pixel.
    if (!escritor.write(imagen.convertToFormat(icono ? QImage::Format_ARGB32 : QImage::Format_RGB888)))
        return fallo(QStringLiteral("no se pudo escribir %1: %2").arg(salida, escritor.errorString()));
    return 0;
}

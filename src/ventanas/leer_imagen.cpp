// Picture files of the player's read without harm: checked before they are decoded.
#include "leer_imagen.h"

#include "ficheros.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <memory>

namespace zw::imagenes {

Q_LOGGING_CATEGORY(registro, "zarrapio.imagenes", QtInfoMsg)

namespace {

// A progressive JPEG keeps every coefficient of the whole picture while it
// decodes, up to six bytes a pixel, however small the picture asked for.
constexpr qint64 pixelesMaximos = qint64(megasMaximos) * 1024 * 1024 / 6;
// No picture within those sizes needs a file this large.
constexpr qint64 bytesMaximos = qint64(megasMaximos) * 1024 * 1024;
// Encoders write ten or so; each costs a pass over the whole picture.
constexpr int pasadasMaximas = 100;

bool empiezaComoJpeg(QByteArrayView d)
{
    return d.size() >= 2 && uchar(d[0]) == 0xFF && uchar(d[1]) == 0xD8;
}

// What a JPEG's markers say of it, read segment by segment and through the
// coded data: empty when it runs to its end-of-image marker and has no more
// scans than a picture needs. A file cut short decodes
// without any error into a picture grey from the cut down, and a progressive
// one of thousands of scans takes a pass over the whole picture for each;
// this is the only way to tell either. Whatever follows the marker is left
// alone, as decoders do.
QString mirarJpeg(QByteArrayView d)
{
    const auto byte = [&d](qsizetype at) { return uchar(d.at(at)); };
    const QString cortado = QStringLiteral("está cortado");
    qsizetype i = 2;
    int pasadas = 0;
    bool enDatos = false; // after a scan's header, in its coded data
    while (i < d.size()) {
        if (byte(i) != 0xFF) {
            if (!enDatos)
                return cortado;
            ++i;
            continue;
        }
        while (i < d.size() && byte(i) == 0xFF)
            ++i;
        if (i >= d.size())
            return cortado;
        const uchar marca = byte(i++);
        if (marca == 0xD9)
            return {};
        // A stuffed FF, a restart marker or TEM: no length, nothing changes.
        if (marca == 0x00 || marca == 0x01 || (marca >= 0xD0 && marca <= 0xD7))
            continue;
        if (d.size() - i < 2)
            return cortado;
        const int largo = byte(i) << 8 | byte(i + 1);
        if (largo < 2 || d.size() - i < largo)
            return cortado;
        i += largo;
        enDatos = marca == 0xDA;
        if (enDatos && ++pasadas > pasadasMaximas)
            return QStringLiteral("tiene más de %1 pasadas").arg(pasadasMaximas);
    }
    return cortado;
}

QString motivoDeApertura(const ficheros::Resultado &r)
{
    switch (r.motivo) {
    case ficheros::Motivo::NoHayFichero: return QStringLiteral("no existe");
    case ficheros::Motivo::NoEsFichero: return QStringLiteral("no es un fichero");
    default: return QStringLiteral("no se ha podido abrir (%1)").arg(r.sistema);
    }
}

// The whole file, read once, when it is a regular file no larger than any picture of ours.
QByteArray abrir(const QString &ruta, QString &porque)
{
    QFile fichero;
    if (const ficheros::Resultado abierto = ficheros::abrirFicheroNormal(ruta, fichero); !abierto) {
        porque = motivoDeApertura(abierto);
        return {};
    }
    if (fichero.size() > bytesMaximos) {
        porque = QStringLiteral("pasa de %1 MB").arg(bytesMaximos / (1024 * 1024));
        return {};
    }
    const QByteArray datos = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError) {
        porque = QStringLiteral("no se ha podido leer (%1)").arg(fichero.errorString());
        return {};
    }
    return datos;
}

// A scene picture is a JPEG by its name and is read as one, whatever its
// content says it is: no other decoder ever sees a player's file.
std::unique_ptr<QImageReader> lectorJpeg(QBuffer &memoria)
{
    memoria.seek(0);
    auto lector = std::make_unique<QImageReader>(&memoria, QByteArrayLiteral("jpeg"));
    lector->setAutoDetectImageFormat(false);
    return lector;
}

// The size the file declares, when it is a whole JPEG not too large for `fisico`.
QSize comprobarCabecera(const QByteArray &datos, QBuffer &memoria, QSize fisico, QString &porque)
{
    if (!empiezaComoJpeg(datos)) {
        porque = QStringLiteral("no es un JPEG");
        return {};
    }
    const QSize declarado = lectorJpeg(memoria)->size();
    if (declarado.isEmpty()) {
        porque = QStringLiteral("no es un dibujo que se pueda leer");
        return {};
    }
    if (declarado.width() > qMin(ladoMaximo, margen * fisico.width())
        || declarado.height() > qMin(ladoMaximo, margen * fisico.height())
        || qint64(declarado.width()) * declarado.height() > pixelesMaximos) {
        porque = QStringLiteral("mide %1 × %2, demasiado para %3 × %4")
                     .arg(declarado.width()).arg(declarado.height()).arg(fisico.width()).arg(fisico.height());
        return {};
    }
    porque = mirarJpeg(datos);
    return porque.isEmpty() ? declarado : QSize();
}

QImage descodificar(QBuffer &memoria, QSize declarado, QSize fisico, QString &porque)
{
    const std::unique_ptr<QImageReader> lector = lectorJpeg(memoria);
    // Shrunk while decoding, much faster than afterwards.
    if (declarado.width() > fisico.width())
        lector->setScaledSize(fisico);
    QImage imagen = lector->read();
    if (imagen.isNull()) {
        porque = QStringLiteral("no se ha podido descodificar (%1)").arg(lector->errorString());
        return {};
    }
    if (imagen.size() != fisico)
        imagen = imagen.scaled(fisico, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return imagen;
}

QImage leerSinAvisar(const QString &ruta, QSize fisico, QString &porque)
{
    if (fisico.isEmpty()) {
        porque = QStringLiteral("se ha pedido a %1 × %2").arg(fisico.width()).arg(fisico.height());
        return {};
    }
    const QByteArray datos = abrir(ruta, porque);
    if (!porque.isEmpty())
        return {};
    QBuffer memoria;
    memoria.setData(datos);
    memoria.open(QIODevice::ReadOnly);
    const QSize declarado = comprobarCabecera(datos, memoria, fisico, porque);
    if (!porque.isEmpty())
        return {};
    return descodificar(memoria, declarado, fisico, porque);
}

} // namespace

void limitarLectores()
{
    QImageReader::setAllocationLimit(megasMaximos);
}

QImage leerFichero(const QString &ruta, QSize fisico, QString *porque)
{
    QString motivo;
    QImage imagen = leerSinAvisar(ruta, fisico, motivo);
    if (imagen.isNull()) {
        qCWarning(registro).noquote() << "No se usa el dibujo" << ruta << "-" << motivo;
        if (porque)
            *porque = motivo;
    }
    return imagen;
}

} // namespace zw::imagenes

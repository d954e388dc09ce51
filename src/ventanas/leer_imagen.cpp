// Picture files of the player's read without harm: checked before they are decoded.
#include "leer_imagen.h"

#include "partida.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace zw::imagenes {

Q_LOGGING_CATEGORY(registro, "zarrapio.imagenes", QtInfoMsg)

namespace {

// A progressive JPEG keeps every coefficient of the whole picture while it
// decodes, up to six bytes a pixel, however small the picture asked for.
constexpr qint64 pixelesMaximos = qint64(megasMaximos) * 1024 * 1024 / 6;
// No picture within those sizes needs a file this large.
constexpr qint64 bytesMaximos = qint64(megasMaximos) * 1024 * 1024;

// Whether a JPEG runs to its end-of-image marker, segment by segment and
// through the coded data. A file cut short decodes without any error into a
// picture grey from the cut down; this is the only way to tell. Whatever
// follows the marker is left alone, as decoders do.
bool jpegEntero(QByteArrayView d)
{
    qsizetype i = 0;
    const auto byte = [&d](qsizetype at) { return uchar(d.at(at)); };
    if (d.size() < 2 || byte(0) != 0xFF || byte(1) != 0xD8)
        return false;
    i = 2;
    bool enDatos = false; // after a scan's header, in its coded data
    while (i < d.size()) {
        if (byte(i) != 0xFF) {
            if (!enDatos)
                return false;
            ++i;
            continue;
        }
        while (i < d.size() && byte(i) == 0xFF)
            ++i;
        if (i >= d.size())
            return false;
        const uchar marca = byte(i++);
        if (marca == 0xD9)
            return true;
        // A stuffed FF, a restart marker or TEM: no length, nothing changes.
        if (marca == 0x00 || marca == 0x01 || (marca >= 0xD0 && marca <= 0xD7))
            continue;
        if (d.size() - i < 2)
            return false;
        const int largo = byte(i) << 8 | byte(i + 1);
        if (largo < 2 || d.size() - i < largo)
            return false;
        i += largo;
        enDatos = marca == 0xDA;
    }
    return false;
}

QString motivoDeApertura(const partida::Resultado &r)
{
    switch (r.motivo) {
    case partida::Motivo::NoHayFichero: return QStringLiteral("no existe");
    case partida::Motivo::NoEsFichero: return QStringLiteral("no es un fichero normal");
    default: return QStringLiteral("no se ha podido abrir (%1)").arg(r.sistema);
    }
}

QImage leerSinAvisar(const QString &ruta, QSize fisico, QString &porque)
{
    if (fisico.isEmpty()) {
        porque = QStringLiteral("se ha pedido a %1 × %2").arg(fisico.width()).arg(fisico.height());
        return {};
    }
    // Qt's limit for the picture a decoder makes, set once for every reader.
    static const bool limitado = [] {
        QImageReader::setAllocationLimit(megasMaximos);
        return true;
    }();
    Q_UNUSED(limitado);

    QFile fichero;
    if (const partida::Resultado abierto = partida::abrirFicheroNormal(ruta, fichero); !abierto) {
        porque = motivoDeApertura(abierto);
        return {};
    }
    if (fichero.size() > bytesMaximos) {
        porque = QStringLiteral("pasa de %1 MB").arg(megasMaximos);
        return {};
    }

    // Read once: the checks and the decoder work on the same bytes.
    const QByteArray datos = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError) {
        porque = QStringLiteral("no se ha podido leer (%1)").arg(fichero.errorString());
        return {};
    }
    QBuffer memoria;
    memoria.setData(datos);
    memoria.open(QIODevice::ReadOnly);
    QSize declarado;
    QByteArray formato;
    {
        QImageReader cabecera(&memoria);
        declarado = cabecera.size();
        formato = cabecera.format();
    }
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
    if (formato == "jpeg" && !jpegEntero(datos)) {
        porque = QStringLiteral("está cortado");
        return {};
    }

    memoria.seek(0);
    QImageReader lector(&memoria);
    // Shrunk while decoding, much faster than afterwards.
    if (declarado.width() > fisico.width())
        lector.setScaledSize(fisico);
    QImage imagen = lector.read();
    if (imagen.isNull()) {
        porque = QStringLiteral("no se ha podido descodificar (%1)").arg(lector.errorString());
        return {};
    }
    if (imagen.size() != fisico)
        imagen = imagen.scaled(fisico, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return imagen;
}

} // namespace

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

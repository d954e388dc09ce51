// What the game remembers between runs (the zoom), read and written only where that is safe.
#include "ajustes.h"

#include "ficheros.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zw::ajustes {

Q_LOGGING_CATEGORY(registro, "zarrapio.ajustes", QtInfoMsg)

namespace {

const QString claveZoom = QStringLiteral("ventanas/zoom");

// Why the file at `ruta` may not be used; empty when it may. A missing file
// may be: it is only written. QSettings opens the file by name and waits on a
// FIFO, reads a device for ever and replaces a link with a file of its own,
// so nothing reaches it before this look, made on the open file itself.
QString porQueNo(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile abierto;
    const ficheros::Resultado r = ficheros::abrirFicheroNormal(ruta, abierto);
    switch (r.motivo) {
    case ficheros::Motivo::Ninguno:
        return abierto.size() > tamanoMaximo ? QStringLiteral("pasa de %1 bytes").arg(tamanoMaximo) : QString();
    case ficheros::Motivo::NoHayFichero: return QStringLiteral("es un enlace a nada");
    case ficheros::Motivo::NoEsFichero: return QStringLiteral("no es un fichero normal");
    default: return QStringLiteral("no se ha podido leer (%1)").arg(r.sistema);
    }
}

// The writer's lock beside the file: QSettings reads one already there, so a
// FIFO in its place would hold every save of the zoom.
QString porQueNoElCerrojo(const QString &ruta)
{
    const QFileInfo cerrojo(ruta + QStringLiteral(".lock"));
    if ((cerrojo.exists() || cerrojo.isSymLink()) && !cerrojo.isFile())
        return QStringLiteral("%1 no es un fichero normal").arg(cerrojo.fileName());
    return {};
}

} // namespace

QString fichero()
{
    // As QSettings() names it under the program's names, in its native format.
    return QStringLiteral("%1/%2/%3.conf")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
             QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

std::optional<double> zoomRecordado()
{
    const QString ruta = fichero();
    if (const QString porque = porQueNo(ruta); !porque.isEmpty()) {
        qCWarning(registro).noquote() << "No se usan los ajustes de" << ruta << "-" << porque;
        return std::nullopt;
    }
    // That one file only: QSettings() would read the organisation's file and
    // the system's too, unchecked.
    bool bien = false;
    const double z = QSettings(ruta, QSettings::IniFormat).value(claveZoom).toDouble(&bien);
    return bien ? std::optional(z) : std::nullopt;
}

void recordarZoom(double z)
{
    const QString ruta = fichero();
    QString porque = porQueNo(ruta);
    if (porque.isEmpty())
        porque = porQueNoElCerrojo(ruta);
    if (!porque.isEmpty()) {
        qCWarning(registro).noquote() << "No se guardan los ajustes en" << ruta << "-" << porque;
        return;
    }
    QSettings ajustes(ruta, QSettings::IniFormat);
    ajustes.setValue(claveZoom, z);
}

} // namespace zw::ajustes

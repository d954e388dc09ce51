#include "carpetas.h"

#include "escenas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zw::carpetas {

namespace {

const QString graficos = QStringLiteral("graficos");
const QString partida = QStringLiteral("partida");
// The installed pictures, below a data folder and from the executable's folder.
const QString enDatos = QStringLiteral("zarrapio-world/graficos");
const QString desdePrograma = QStringLiteral("../share/zarrapio-world/graficos");

bool tieneEscenas(const QString &carpeta)
{
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir())
        return false;
    for (int n = primeraEscena; n <= ultimaEscena; ++n)
        if (!buscarFichero(carpeta, ficheroEscena(n)).isEmpty())
            return true;
    return false;
}

QString dentro(const QString &carpeta, const QString &ruta)
{
    return QDir::cleanPath(QDir(carpeta).filePath(ruta));
}

Carpetas junto(const QString &carpeta)
{
    return {carpeta, dentro(carpeta, partida)};
}

} // namespace

Carpetas elegir(const Lugares &lugares)
{
    for (const QString &carpeta : {dentro(lugares.actual, graficos), dentro(lugares.programa, graficos)})
        if (tieneEscenas(carpeta))
            return junto(carpeta);

    QStringList instaladas{dentro(lugares.programa, desdePrograma)};
    for (const QString &datos : lugares.datos)
        instaladas << dentro(datos, enDatos);
    for (const QString &carpeta : std::as_const(instaladas))
        if (tieneEscenas(carpeta)) {
            // Without a folder of the player's own the game still saves somewhere.
            if (lugares.datosJugador.isEmpty())
                return junto(carpeta);
            return {carpeta, dentro(lugares.datosJugador, partida)};
        }

    return junto(dentro(lugares.actual, graficos));
}

void nombrarPrograma()
{
    QCoreApplication::setOrganizationName(QStringLiteral("trombulenco"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("trombulenco.es"));
    QCoreApplication::setApplicationName(QStringLiteral("zarrapio-world"));
}

Lugares lugaresDelSistema()
{
    return {QDir::currentPath(),
            QCoreApplication::applicationDirPath(),
            QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

bool prepararCarpetaDe(const QString &fichero)
{
    return QDir().mkpath(QFileInfo(fichero).absolutePath());
}

} // namespace zw::carpetas

// Where the scene pictures are read from and where the saved game is kept.
#include "carpetas.h"

#include "escenas.h"
#include "ficheros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>


namespace zw::carpetas {

Q_LOGGING_CATEGORY(registro, "zarrapio.carpetas", QtInfoMsg)

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
        if (QFileInfo(ficheros::buscar(carpeta, ficheroEscena(n))).isFile())
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

// A graficos/ found where anyone may have put it (a shared /tmp as the current
// folder) would show that one's pictures and save through that one's
// "partida" link into any file of the player's. Used only when neither the
// folder nor its saved game could be changed by other users; a group may.
bool esAjena(const QString &carpeta)
{
    QString porque = ficheros::deOtros(carpeta, QStringLiteral("la carpeta"));
    const QString suPartida = dentro(carpeta, partida);
    if (porque.isEmpty() && (QFileInfo::exists(suPartida) || QFileInfo(suPartida).isSymLink()))
        porque = ficheros::deOtros(suPartida, QStringLiteral("su partida"));
    if (porque.isEmpty())
        return false;
    qCWarning(registro).noquote() << "No se usa" << carpeta << "-" << porque;
    return true;
}

} // namespace

Carpetas elegir(const Lugares &lugares)
{
    const QString actual = dentro(lugares.actual, graficos);
    QStringList propias{actual, dentro(lugares.programa, graficos)};
    propias.removeDuplicates();
    bool actualAjena = false;
    for (const QString &carpeta : std::as_const(propias)) {
        if (!tieneEscenas(carpeta))
            continue;
        if (!esAjena(carpeta))
            return junto(carpeta);
        actualAjena = actualAjena || carpeta == actual;
    }

    QStringList instaladas{dentro(lugares.programa, desdePrograma)};
    for (const QString &datos : lugares.datos)
        instaladas << dentro(datos, enDatos);
    const auto instalada = [&lugares](const QString &carpeta) -> Carpetas {
        // Without a folder of the player's own the game still saves somewhere.
        if (lugares.datosJugador.isEmpty())
            return junto(carpeta);
        return {carpeta, dentro(lugares.datosJugador, partida)};
    };
    for (const QString &carpeta : std::as_const(instaladas))
        if (tieneEscenas(carpeta))
            return instalada(carpeta);

    // No pictures anywhere: saved beside the missing pictures as ever, unless
    // others could change that folder, or there is no such folder at all (a
    // lone copy of the program): then in the player's own, as installed.
    if (!QFileInfo(actual).isDir())
        return {actual, instalada(actual).partida};
    if (!actualAjena && !tieneEscenas(actual))
        actualAjena = esAjena(actual);
    return actualAjena ? instalada(instaladas.first()) : junto(actual);
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

// The saved game from the terminal: the same file, folder and bytes as the windows'.
#include "guardado.h"

#include "juego.h"
#include "partida.h"

#include <QDir>
#include <QFileInfo>

namespace zw::texto::guardado {

namespace {

// The file and what stood in the way, as the windows' second line says it.
QString porQue(const QString &fichero, const partida::Resultado &r)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(QFileInfo(fichero).absoluteFilePath()),
                                        partida::explicar(r));
}

} // namespace

Hecho guardar(Juego &juego, const carpetas::Carpetas &carpetas)
{
    if (QFileInfo(carpetas.partida).absoluteDir() != QDir(carpetas.graficos))
        carpetas::prepararCarpetaDe(carpetas.partida);
    const partida::Resultado r = partida::guardar(juego, carpetas.partida);
    if (r)
        return {true, {QStringLiteral("Partida guardada.")}};
    return {false, {QStringLiteral("No se ha podido guardar la partida."), porQue(carpetas.partida, r)}};
}

Hecho cargar(Juego &juego, const carpetas::Carpetas &carpetas)
{
    partida::Guardada guardada;
    const partida::Resultado r = partida::leerGuardada(carpetas.partida, guardada);
    if (!r)
        return {false,
                {QStringLiteral("No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."),
                 porQue(carpetas.partida, r)}};
    partida::aplicar(juego, guardada);
    return {true, {}};
}

} // namespace zw::texto::guardado

// Saving and loading as the player asks for them, from the title window's menu or the terminal.
#include "guardar_cargar.h"

#include "carpetas.h"
#include "partida.h"

#include <QDir>
#include <QFileInfo>

namespace zw {

GuardarCargar::GuardarCargar(Juego &juego, const QString &carpetaGraficos, const QString &rutaPartida)
    : juego_(juego)
    , partida_(rutaPartida)
    , aparte_(QFileInfo(rutaPartida).absoluteDir() != QDir(carpetaGraficos))
{
}

bool GuardarCargar::preguntar() const
{
    return !jugadaOCargada_ && QFileInfo::exists(partida_);
}

QString GuardarCargar::pregunta()
{
    return QStringLiteral("Ya hay una partida guardada. ¿Quieres sustituirla por una partida nueva?");
}

GuardarCargar::Aviso GuardarCargar::fallo(const QString &primera, const QString &fichero, const QString &porque)
{
    return {false, QStringLiteral("Error"),
            QStringLiteral("%1\n%2: %3").arg(primera, QDir::toNativeSeparators(QFileInfo(fichero).absoluteFilePath()), porque)};
}

GuardarCargar::Aviso GuardarCargar::guardar()
{
    if (aparte_)
        carpetas::prepararCarpetaDe(partida_);
    if (const partida::Resultado r = partida::guardar(juego_, partida_); !r)
        return fallo(QStringLiteral("No se ha podido guardar la partida."), partida_, partida::explicar(r));
    return {true, QStringLiteral("Aviso"), QStringLiteral("Partida guardada.")};
}

GuardarCargar::Aviso GuardarCargar::cargar(const Comprobacion &dibujoLegible)
{
    const QString primera = QStringLiteral(
        "No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero.");
    partida::Guardada guardada;
    if (const partida::Resultado r = partida::leerGuardada(partida_, guardada); !r)
        return fallo(primera, partida_, partida::explicar(r));
    if (QString fichero, porque; dibujoLegible && !dibujoLegible(guardada.pantalla(), fichero, porque)) {
        qCWarning(partida::registro).noquote() << "No se ha cargado el dibujo" << fichero << "-" << porque;
        return fallo(primera, fichero, porque);
    }
    jugadaOCargada_ = true;
    partida::aplicar(juego_, guardada);
    return {true, {}, {}};
}

} // namespace zw

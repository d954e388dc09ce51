// The saved game from the terminal: the same file, folder and bytes as the windows'.
#pragma once

#include "carpetas.h"

#include <QStringList>

namespace zw {
class Juego;
}

// Every call the game in a terminal makes to the saved game, one function each
// way.
namespace zw::texto::guardado {

struct Hecho {
    bool bien = false;
    QStringList lineas;  // what to tell the player
};

// Writes the game to the saved game's file, making the player's own folder
// first (never the pictures' folder).
Hecho guardar(Juego &juego, const carpetas::Carpetas &carpetas);

// All or nothing: a file that cannot be read whole changes nothing. The
// terminal shows no picture, so none is checked.
Hecho cargar(Juego &juego, const carpetas::Carpetas &carpetas);

} // namespace zw::texto::guardado

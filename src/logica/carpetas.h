// Where the scene pictures are read from and where the saved game is kept.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace zw {

// Where the scene pictures are read from and where the saved game is kept,
// decided once at start.
namespace carpetas {

// Where a folder passed over says why: "zarrapio.carpetas".
Q_DECLARE_LOGGING_CATEGORY(registro)

// The places the game looks in.
struct Lugares {
    QString actual;        // the current folder
    QString programa;      // the folder of the executable
    QStringList datos;     // the standard data folders, the player's own first
    QString datosJugador;  // the player's own folder for this game's files
};

struct Carpetas {
    QString graficos;  // the folder of the scene pictures
    QString partida;   // the saved game's file
};

// The pictures come from the first of these folders that holds a scene
// picture:
//   1. graficos/ in the current folder, so a folder of pictures put there
//      replaces the game's own;
//   2. graficos/ beside the executable (the build folder, an unpacked copy);
//   3. ../share/zarrapio-world/graficos from the executable, so an install
//      works wherever it was moved;
//   4. zarrapio-world/graficos in each standard data folder.
// The saved game is "partida" beside the pictures in the first two cases and
// in the player's own folder in the other two. The first two count only when
// the folder, and its "partida" when there, belong to the player or root and
// other users may not write them (a group may); one that fails is passed over
// with a line in the log. When none holds a picture, the game stays with
// graficos/ in the current folder and saves there; when there is no such
// folder, in the player's own folder; when others could change it, it goes as
// the third case does. Every scene then shows the missing-picture card.
Carpetas elegir(const Lugares &lugares);

// The program's names, set before the application object is made. They name
// the player's own folder: ~/.local/share/trombulenco/zarrapio-world on Linux.
void nombrarPrograma();

// The places of this run: the current folder, the executable's folder and
// QStandardPaths. Needs the application object and its names in place.
Lugares lugaresDelSistema();

// Makes the folder that is to hold `fichero`. False when it cannot.
bool prepararCarpetaDe(const QString &fichero);

} // namespace carpetas
} // namespace zw

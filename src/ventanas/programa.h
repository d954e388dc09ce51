// What the whole program gets once, before its first window.
#pragma once

class QApplication;

namespace zw {

// The reader's view of the game's controls, the focus mark and the tooltips
// in every window, the pictures' cache, the worker that draws them ahead
// (drained once, as the program ends) and the decoders' limit, the icon and
// the name the desktop knows the game by. Hidden windows keep the game: only
// an explicit end stops the program. Called once, right after the
// application object is made.
void prepararPrograma(QApplication &app);

} // namespace zw

// What a screen reader finds in the game's windows.
#pragma once

class QString;
class QWidget;

namespace zw {

// Each window a window named by its caption, the clickable labels buttons
// with a press action, the scene picture named after its scene with the
// hotspot reached inside it. Installed once, before the first window is
// asked for.
void instalarAccesibilidad();

// Tells the screen reader that `control` now reads `texto` (a new reply, a
// new action line).
void anunciar(QWidget *control, const QString &texto);

} // namespace zw

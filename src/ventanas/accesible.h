#pragma once

class QString;
class QWidget;

namespace zw {

// What a screen reader finds in the game's windows: each window a window named
// by its caption, the clickable labels buttons with a press action, the scene
// picture named after its scene with the hotspot reached inside it. Installed
// once, before the first window is asked for.
void instalarAccesibilidad();

// A visible mark around the control that has the keyboard focus, in every
// window of the game, drawn over the design's colours. Installed once.
void instalarMarcaFoco();

// Tells the screen reader that `control`'s description now reads `texto`
// (a new reply, a new action line).
void anunciar(QWidget *control, const QString &texto);

} // namespace zw

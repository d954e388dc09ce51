#pragma once

class QAccessibleEvent;
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

// Enter, as well as Space, presses the window's focused push button, as it
// does on the desktop the game was designed for. For a window already set up.
void introPulsaBotones(QWidget *ventana);

// Tells the screen reader that `control`'s description now reads `texto`
// (a new reply, a new action line).
void anunciar(QWidget *control, const QString &texto);

// Every notice the game itself sends a screen reader goes through here.
// Qt passes them on only while a reader listens; a test may listen too.
void avisarLector(QAccessibleEvent *aviso);
bool lectorEscucha();
using OyenteLector = void (*)(QAccessibleEvent *aviso);
OyenteLector ponerOyenteLector(OyenteLector nuevo);

} // namespace zw

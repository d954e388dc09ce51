// What every window of the game is set up with, and where it appears.
#pragma once

class QString;
class QWidget;

namespace zw {

// Fixed client size, the size its form gives it (for a main window, its
// central widget's), the same frame and buttons, the dialog font, Enter on
// buttons and the zoom. For a window whose form is set up. Closing it is the
// application's business (Aplicacion ends the program).
void prepararVentana(QWidget *ventana);

// Places a window in the middle of the screen it is on.
void centrar(QWidget *ventana);

// Shows a window above the others, with the keyboard.
void traerAlFrente(QWidget *ventana);

// The player's one kind of message: modal, a title, a text and one OK
// button, no icon; never narrower than caracteresDeCaja characters.
inline constexpr int caracteresDeCaja = 36;
void mostrarAviso(const QString &titulo, const QString &texto);

// A modal question with "Sí" and "No", "No" by default: true for "Sí".
bool preguntarSiNo(const QString &titulo, const QString &texto);

} // namespace zw

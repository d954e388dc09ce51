#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QString;
class QWidget;

namespace zw {

// The Windows system colours the screens were designed with, fixed to the
// classic scheme so the game looks the same on every desktop theme.
enum class ColorSistema {
    TextoMenu = 7,
    Resaltado = 13,
    TextoResaltado = 14,
    TextoBoton = 18,
    TextoTituloInactivo = 19,
    Relieve = 20,
    TextoAyuda = 23,
};
QColor color(ColorSistema c);

// Fonts from Debian's fonts-liberation, sized in pixels so the layout does not
// depend on the screen's dots per inch.
QFont fuenteDialogo();                  // stands in for MS Sans Serif 8.25 pt
QFont fuenteTitulo();                   // Arial 18 pt bold
QFont fuenteNombreJuego();              // Arial Black 27.75 pt italic
QFont fuenteGrande();                   // MS Sans Serif 12 pt bold

// Every window of the game: fixed client size, the same frame and buttons, and
// closing it ends the whole program.
void prepararVentana(QWidget *ventana, int ancho, int alto);

// A built-in picture into its control. A missing picture leaves the control
// empty; it keeps its place and size.
void ponerImagen(QLabel *control, const QString &recurso);

// The game's icon, for the title bars and the task bar.
QIcon iconoDelJuego();

// Ends the program at once: no question, nothing saved, no other window's
// close handling. Tests replace what it does.
void terminarPrograma();
using ManejadorFin = void (*)();
ManejadorFin ponerManejadorFin(ManejadorFin nuevo);

// Places a window in the middle of the screen it is on.
void centrar(QWidget *ventana);

} // namespace zw

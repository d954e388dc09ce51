#pragma once

#include <QSize>
#include <span>

class QPixmap;
class QScreen;
class QString;
class QWidget;

namespace zw::escala {

// Every game window can be shown larger than designed: positions, sizes,
// fonts and pictures are the design's ×1 values times the zoom, so the layout
// stays the one designed. Pictures are drawn for zoom × the screen's pixel
// ratio, never enlarged from a smaller raster.

// The zoom steps, smallest first: 1, 1.5, 2, 3, 4.
std::span<const double> pasos();
bool esPaso(double z);

double zoom();
// Shows every game window at zoom z (a step) at once; the game goes on.
void ponerZoom(double z);
// The player's keys Ctrl + plus, Ctrl + minus and Ctrl + 0: the next step
// (or ×1), remembered for the next run.
void acercar();
void alejar();
void restablecer();

// The zoom of a new run: the remembered one, else the largest step at which
// the adventure screen takes at most half the screen's height (×1 on 1080
// lines, ×2 on a 4K screen without desktop scaling).
double zoomDeInicio(const QScreen *pantalla);
double zoomParaAltura(int alturaPantalla);

// Called once per window, after its controls exist (prepararVentana does it):
// the zoom keys work in it, and it follows the zoom from its first showing.
// Its design is read at the first scaling, so fonts set in the constructor
// after prepararVentana count as designed.
void registrar(QWidget *ventana);

// F11 in this window shows it full screen at the largest factor that fits,
// centred on its own background; F11 or Escape returns to the window.
void permitirPantallaCompleta(QWidget *ventana);
void pantallaCompleta(QWidget *ventana, bool completa);
bool enPantallaCompleta(const QWidget *ventana);

// One of the drawings built into the program (":/dibujos/..."), rendered on
// white at `tam` logical pixels for a screen of the given pixel ratio. Cached
// per size.
QPixmap dibujo(const QString &svg, QSize tam, double ratio);

} // namespace zw::escala

// The zoom of the game's windows: its steps, the player's keys, the first
// zoom of a run and the one remembered for the next.
#pragma once

#include <span>

class QScreen;
class QWidget;

namespace zw::escala {

// Every game window can be shown larger than designed, all at the same zoom.
// The steps, smallest first: 1, 1.5, 2, 3, 4.
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

// Whether the adventure screen, frame included, fits the screen's available
// area (the screen less its panels) at zoom z.
bool cabe(double z, const QScreen *pantalla);
// z, or the largest step below it that fits, with a line on the standard
// error saying so.
double zoomQueCabe(double z, const QScreen *pantalla);

// Called once per window, after its controls exist: the zoom keys work in
// it, and it follows the zoom from its first showing.
void registrar(QWidget *ventana);
// A window whose making is complete (its own fonts set) takes the zoom now,
// so that a window made while the game is zoomed is sized for it at once.
void ajustar(QWidget *ventana);

} // namespace zw::escala

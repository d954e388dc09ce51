// The adventure screen full screen, and back.
#pragma once

class QWidget;

namespace zw::escala {

// F11 in this window shows it full screen at the largest factor that fits,
// centred on its own background; F11 or Escape returns to the window.
void permitirPantallaCompleta(QWidget *ventana);
void pantallaCompleta(QWidget *ventana, bool completa);
bool enPantallaCompleta(const QWidget *ventana);

} // namespace zw::escala

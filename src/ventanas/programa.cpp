// What the whole program gets once, before its first window.
#include "programa.h"

#include "accesibilidad.h"
#include "accesible_escena.h"
#include "adelanto.h"
#include "estilo.h"
#include "ayudas.h"
#include "icono.h"
#include "imagenes.h"
#include "leer_imagen.h"
#include "teclado.h"

#include <QAccessible>
#include <QApplication>

namespace zw {

void prepararPrograma(QApplication &app)
{
    // Before any window exists, so a screen reader never meets a control of
    // the game under Qt's generic description.
    QAccessible::installFactory(accesibleDelJuego);
    QAccessible::installFactory(accesibleDeEscena);
    teclado::instalarMarcaFoco(&app);
    instalarAyudas(&app);
    imagenes::agrandarCache();
    imagenes::prepararAdelantos();
    imagenes::limitarLectores();
    // Qt's own menus and message boxes in the game's face: on a system with
    // few fonts, "Sans Serif" may well be a monospace one.
    QApplication::setFont(fuenteAplicacion());
    QGuiApplication::setDesktopFileName(QStringLiteral("es.trombulenco.ZarrapioWorld"));
    QApplication::setWindowIcon(iconoDelJuego());
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace zw

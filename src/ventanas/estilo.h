// The colours and fonts the windows were designed with, and the game's own.
#pragma once

#include <QColor>
#include <QFont>

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

// The game's own colours, beyond the design's.
enum class ColorPropio {
    Marca,        // the focus mark and the keyboard's outline on the scene: gold
    BordeMarca,   // the dark line around them, so they show on every colour
    FondoRotulo,  // under a hotspot's name on the scene, see-through
    Tarjeta,      // the card in place of a missing picture
    LetraTarjeta,
};
QColor color(ColorPropio c);

// Fonts from Debian's fonts-liberation, sized in pixels so the layout does not
// depend on the screen's dots per inch.
QFont fuenteDialogo();                  // stands in for MS Sans Serif 8.25 pt
QFont fuenteTitulo();                   // Arial 18 pt bold
QFont fuenteNombreJuego();              // Arial Black 27.75 pt italic
QFont fuenteGrande();                   // MS Sans Serif 12 pt bold
// The application's default, for what Qt draws on its own (menus, message
// boxes, tooltips): left to the platform, a system with only fonts-liberation
// resolves "Sans Serif" to Liberation Mono. The windows set fuenteDialogo().
QFont fuenteAplicacion();               // Qt's usual 9 pt at 96 dpi

} // namespace zw

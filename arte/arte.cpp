#include "arte.h"

#include <array>

namespace zw {

namespace {

// clang-format off
const std::array tabla = {
    //                  path                          width height
    ImagenIncorporada{":/imagenes/cavernicola.jpg",  103,  161},
    ImagenIncorporada{":/imagenes/jugador.jpg",      179,  225},
    ImagenIncorporada{":/imagenes/bicho.jpg",        108,  198},
    ImagenIncorporada{":/imagenes/camarero.jpg",      94,   64},
    ImagenIncorporada{":/imagenes/logo.bmp",         308,  231},
    ImagenIncorporada{":/imagenes/escena1.jpg",      372,  303},
};
// clang-format on

} // namespace

std::span<const ImagenIncorporada> imagenesIncorporadas()
{
    return tabla;
}

} // namespace zw

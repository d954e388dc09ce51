#pragma once

#include <span>

namespace zw {

// A picture built into the program, as the windows open it.
struct ImagenIncorporada {
    const char *ruta;  // Qt resource path, ":/imagenes/..."
    int ancho, alto;   // pixels
};

// Every built-in picture; the drawings are in arte/, rendered while building.
std::span<const ImagenIncorporada> imagenesIncorporadas();

// The game's icon at every size it is rendered in, for the windows.
std::span<const ImagenIncorporada> iconos();

} // namespace zw

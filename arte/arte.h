// The drawings built into the program and the icon, as the windows find them.
#pragma once

#include <QString>
#include <span>

namespace zw {

// A picture built into the program, as the windows open it.
struct ImagenIncorporada {
    const char *ruta;  // Qt resource path: ":/dibujos/....svg", ":/iconos/....png"
    int ancho, alto;   // pixels at ×1
};

// Every drawing a window shows, at the size it is designed for.
std::span<const ImagenIncorporada> imagenesIncorporadas();

// The game's icon at every size it is rendered in, for the windows.
std::span<const ImagenIncorporada> iconos();

// The drawing (":/dibujos/escenaN.svg") a scene picture file was built from,
// when the file is still byte for byte the build's graficos/N.jpg; otherwise
// (the player replaced it, or it is no scene) an empty string.
QString dibujoDeEscena(const QString &fichero);

// Whether a file is byte for byte one of the scene pictures the build made
// ("N.jpg", "N@2x.jpg", "N@3x.jpg", any letter case), and not the player's.
bool esDeLaConstruccion(const QString &fichero);

} // namespace zw

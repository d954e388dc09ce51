// The scene picture as a screen reader finds it: a graphic named after its
// scene, holding the hotspot the outline or the pointer reached.
#pragma once

class QAccessibleInterface;

namespace zw {

class ImagenEscena;

QAccessibleInterface *crearAccesibleEscena(ImagenEscena *imagen);

// The reader hears the hotspot reached, as it hears the entry reached in a
// list; with `conFoco`, as the one with the keyboard.
void anunciarZona(ImagenEscena *imagen, bool conFoco);
// The picture's name changed with its scene.
void anunciarEscena(ImagenEscena *imagen);

} // namespace zw

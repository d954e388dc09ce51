// The hotspot maps of the seven scenes.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace zw {

// Rectangle in pixels of the scene picture; both bounds of each axis are inside.
struct Rect {
    int x1, x2, y1, y2;
    bool contiene(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

enum class Tipo { Cosa, Lugar };  // a click on a Lugar completes the action line at once

struct Zona {
    int escena;
    const char *nombre;          // shown in "Objeto:" and appended to the action line
    Rect clic;
    Tipo tipo;
    std::optional<Rect> raton{}; // hover rectangle, where it differs from the click one

    Rect rectRaton() const { return raton.value_or(clic); }
};

// Every hotspot of the seven scenes, each scene in its order of testing.
std::span<const Zona> zonas();

// Name under the pointer for hovering; empty outside every hotspot or scene.
QString zonaBajoRaton(int escena, int x, int y);
const Zona *zonaEnRaton(int escena, int x, int y);  // the same hotspot, or null

struct ZonaPulsada {
    QString nombre;    // empty when the click hit nothing
    bool lugar = false; // a place hotspot was inside (the action line must run now)
};
// Click lookup: every hotspot is tested and a later hit replaces an earlier one.
ZonaPulsada zonaPulsada(int escena, int x, int y);

// The hotspots of a scene in reading order, the order the keyboard walks them:
// the picture is cut into bands of rows where no hotspot crosses the gap, then
// each band into columns, again and again, top to bottom and left to right.
// Empty outside scenes 1-7.
std::vector<const Zona *> zonasEnOrden(int escena);

// A pixel inside the click rectangle of a hotspot that the click lookup maps to
// that very hotspot: where a key press "clicks" it.
struct Punto { int x, y; };
Punto puntoDeClic(const Zona &zona);

// What a screen reader calls each scene's picture; empty outside 1-7.
QString nombreEscena(int escena);

} // namespace zw

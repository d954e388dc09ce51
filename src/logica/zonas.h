#pragma once

#include <QString>
#include <optional>
#include <span>

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

struct ZonaPulsada {
    QString nombre;    // empty when the click hit nothing
    bool lugar = false; // a place hotspot was inside (the action line must run now)
};
// Click lookup: every hotspot is tested and a later hit replaces an earlier one.
ZonaPulsada zonaPulsada(int escena, int x, int y);

} // namespace zw

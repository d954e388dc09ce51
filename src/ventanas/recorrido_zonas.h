// The keyboard's walk over a scene's hotspots, in reading order.
#pragma once

#include <optional>
#include <vector>

class QKeyEvent;

namespace zw {

struct Zona;

// Which hotspot the keyboard outline is on, and which one the pointer is
// over; the outline, where there is one, is the one that counts.
class RecorridoZonas
{
public:
    // A new scene drops the outline and the pointer's hotspot.
    void ponerEscena(int escena);
    int escena() const { return escena_; }
    const std::vector<const Zona *> &orden() const { return orden_; }
    int cuantas() const { return int(orden_.size()); }

    int senalada() const { return senalada_; }
    // False when it is the one outlined already; -1 (or any index outside
    // the scene) takes the outline away.
    bool senalar(int indice);
    void ponerBajoRaton(const Zona *zona) { bajoRaton_ = zona; }

    const Zona *conTeclado() const;
    const Zona *enUso() const; // the outlined one, else the one under the pointer
    int indiceDe(const Zona *zona) const;

    // The outline moved by an arrow key, Home or End: the index it goes to
    // (-1 in a scene without hotspots); nothing for any other key.
    std::optional<int> destinoDeTecla(const QKeyEvent *e) const;
    // Tab and Shift+Tab go on through the hotspots: the next index (the first
    // for Tab when none is outlined), or -1 after the last (before the first),
    // where the focus leaves the picture.
    int siguiente(bool adelante) const;

private:
    int escena_ = 0;
    std::vector<const Zona *> orden_;
    int senalada_ = -1;
    const Zona *bajoRaton_ = nullptr;
};

} // namespace zw

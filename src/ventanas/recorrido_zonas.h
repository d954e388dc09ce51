// The keyboard's walk over a scene's hotspots, in reading order.
#pragma once

#include <optional>
#include <vector>

class QKeyEvent;

namespace zw {

struct Zona;

// Which hotspot of a scene the keyboard outline is on.
class RecorridoZonas
{
public:
    // A new scene drops the outline.
    void ponerEscena(int escena);
    int escena() const { return escena_; }
    const std::vector<const Zona *> &orden() const { return orden_; }
    int cuantas() const { return int(orden_.size()); }

    int senalada() const { return senalada_; }
    // False when it is the one outlined already; -1 (or any index outside
    // the scene) takes the outline away.
    bool senalar(int indice);

    const Zona *conTeclado() const;

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
};

} // namespace zw

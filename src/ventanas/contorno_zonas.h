// The outline of the hotspot the keyboard reached, and every hotspot outlined
// and named while the reveal key is held, drawn over the scene picture.
#pragma once

#include <vector>

class QFont;
class QPainter;

namespace zw {

struct Zona;

// `p` draws in the design's pixels. `todas`: the scene's hotspots, each
// outlined and named; `conTeclado`: the one outlined more thickly (or null).
void pintarZonas(QPainter &p, const QFont &letra, const std::vector<const Zona *> &todas, const Zona *conTeclado);

} // namespace zw

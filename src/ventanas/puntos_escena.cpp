// From the scene picture's points to the design's pixels.
#include "puntos_escena.h"

#include "zonas.h"

#include <algorithm>
#include <cmath>

namespace zw {

// The control is the design's width times the zoom exactly (its height may
// be rounded), so the width gives how many points a design pixel measures.
PuntosEscena::PuntosEscena(int anchoControl)
    : factor_(std::max(1, anchoControl) / double(ancho))
{
}

// A design pixel covers a whole cell of the control's points, so a point maps
// to the pixel it lies in.
QPoint PuntosEscena::aDiseno(QPointF punto) const
{
    const double x = std::floor(punto.x() / factor_), y = std::floor(punto.y() / factor_);
    return QPoint(std::clamp(int(x), 0, ancho - 1), std::clamp(int(y), 0, alto - 1));
}

QTransform PuntosEscena::deDiseno() const
{
    return QTransform::fromScale(factor_, factor_);
}

QRect PuntosEscena::rectangulo(const Rect &r)
{
    return QRect(r.x1, r.y1, r.x2 - r.x1 + 1, r.y2 - r.y1 + 1);
}

} // namespace zw

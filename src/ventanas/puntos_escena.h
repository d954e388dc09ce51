// From the scene picture's points to the design's pixels, the ones the
// hotspot maps are measured in, at every zoom and screen density.
#pragma once

#include <QPoint>
#include <QRect>
#include <QTransform>

namespace zw {

struct Rect;

class PuntosEscena
{
public:
    static constexpr int ancho = 372, alto = 303; // the size every scene is designed at

    // For a picture control `anchoControl` points wide.
    explicit PuntosEscena(int anchoControl);

    // The design pixel a point lies in: 0 <= x < ancho, 0 <= y < alto; the
    // control's edge stays on the last pixel.
    QPoint aDiseno(QPointF punto) const;
    // Design pixels to the control's points, for drawing over the picture.
    QTransform deDiseno() const;

    // A hotspot's rectangle in design pixels, both bounds inside.
    static QRect rectangulo(const Rect &r);

private:
    double factor_;
};

} // namespace zw

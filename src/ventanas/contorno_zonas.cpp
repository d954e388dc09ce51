// Outlines and names of hotspots over the scene picture.
#include "contorno_zonas.h"

#include "estilo.h"
#include "puntos_escena.h"
#include "zonas.h"

#include <QPainter>
#include <algorithm>

namespace zw {

namespace {

// A dark line under a light one stays visible on every colour of the drawings.
void contorno(QPainter &p, const Zona *z, int grueso)
{
    const QRect r = PuntosEscena::rectangulo(z->clic);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color(ColorPropio::BordeMarca), grueso + 2));
    p.drawRect(r);
    p.setPen(QPen(color(ColorPropio::Marca), grueso));
    p.drawRect(r);
}

// Above the hotspot where there is room, else just inside its top.
void rotulo(QPainter &p, const QFontMetrics &medidas, const Zona *z)
{
    const QString nombre = QString::fromUtf8(z->nombre);
    QRect caja = medidas.boundingRect(nombre).adjusted(-2, -1, 2, 1);
    const QRect r = PuntosEscena::rectangulo(z->clic);
    caja.moveTopLeft(QPoint(r.left(), r.top() - caja.height() - 1));
    if (caja.top() < 0)
        caja.moveTop(r.top() + 2);
    caja.moveLeft(std::clamp(caja.left(), 0, std::max(0, PuntosEscena::ancho - caja.width())));
    p.fillRect(caja, color(ColorPropio::FondoRotulo));
    p.setPen(color(ColorPropio::Marca));
    p.drawText(caja, Qt::AlignCenter, nombre);
}

} // namespace

void pintarZonas(QPainter &p, const QFont &letra, const std::vector<const Zona *> &todas, const Zona *conTeclado)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!todas.empty()) {
        QFont pequena = letra;
        pequena.setPixelSize(11);
        p.setFont(pequena);
        const QFontMetrics medidas(pequena);
        for (const Zona *z : todas) {
            contorno(p, z, 1);
            rotulo(p, medidas, z);
        }
    }
    if (conTeclado)
        contorno(p, conTeclado, 3);
    p.restore();
}

} // namespace zw

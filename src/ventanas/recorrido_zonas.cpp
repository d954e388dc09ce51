// The keyboard's walk over a scene's hotspots, in reading order.
#include "recorrido_zonas.h"

#include "zonas.h"

#include <QKeyEvent>
#include <algorithm>

namespace zw {

void RecorridoZonas::ponerEscena(int escena)
{
    escena_ = escena;
    orden_ = zonasEnOrden(escena);
    senalada_ = -1;
}

bool RecorridoZonas::senalar(int indice)
{
    if (indice < -1 || indice >= cuantas())
        indice = -1;
    if (indice == senalada_)
        return false;
    senalada_ = indice;
    return true;
}

const Zona *RecorridoZonas::conTeclado() const
{
    return senalada_ >= 0 ? orden_[size_t(senalada_)] : nullptr;
}

std::optional<int> RecorridoZonas::destinoDeTecla(const QKeyEvent *e) const
{
    const int n = cuantas();
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return n > 0 ? (senalada_ < 0 ? 0 : (senalada_ + 1) % n) : -1;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return n > 0 ? (senalada_ < 0 ? n - 1 : (senalada_ + n - 1) % n) : -1;
    case Qt::Key_Home:
        return n > 0 ? 0 : -1;
    case Qt::Key_End:
        return n - 1;
    default:
        return std::nullopt;
    }
}

int RecorridoZonas::siguiente(bool adelante) const
{
    if (senalada_ < 0)
        return adelante && cuantas() > 0 ? 0 : -1;
    const int otra = senalada_ + (adelante ? 1 : -1);
    return otra >= 0 && otra < cuantas() ? otra : -1;
}

} // namespace zw

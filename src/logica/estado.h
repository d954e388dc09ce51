#pragma once

#include <QtGlobal>

namespace zw {

// The six public words, in the order the saved game stores them.
enum class Palabra { pantalla, ladrill, nohables, tarjetas, dinero, yano };
inline constexpr int numPalabras = 6;

// Everything the adventure screen remembers besides its two lists.
// Zero-filled at creation, like the original window's variables.
struct Estado {
    qint16 pantalla = 0;
    qint16 ladrill = 0;
    qint16 nohables = 0;
    qint16 tarjetas = 0;
    qint16 dinero = 0;
    qint16 yano = 0;
    bool admitecon = false;     // builder: may the "Usar" line get its " con "?
    qint16 faltanobjetos = 0;   // builder: picks still needed before the line runs

    qint16 &palabra(Palabra p)
    {
        switch (p) {
        case Palabra::pantalla: return pantalla;
        case Palabra::ladrill: return ladrill;
        case Palabra::nohables: return nohables;
        case Palabra::tarjetas: return tarjetas;
        case Palabra::dinero: return dinero;
        case Palabra::yano: return yano;
        }
        return pantalla;
    }
    qint16 palabra(Palabra p) const { return const_cast<Estado *>(this)->palabra(p); }
};

} // namespace zw

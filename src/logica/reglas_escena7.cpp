#include "reglas.h"

namespace zw::reglas {

const Tabla &escena7()
{
    static const Tabla tabla = {
    };
    return tabla;
}

} // namespace zw::reglas

#include "reglas.h"

namespace zw::reglas {

const Tabla &escena6()
{
    static const Tabla tabla = {
    };
    return tabla;
}

} // namespace zw::reglas

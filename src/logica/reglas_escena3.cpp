#include "reglas.h"

namespace zw::reglas {

const Tabla &escena3()
{
    static const Tabla tabla = {
    };
    return tabla;
}

} // namespace zw::reglas

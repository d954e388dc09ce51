#include "reglas.h"

namespace zw::reglas {

const Tabla &escena4()
{
    static const Tabla tabla = {
    };
    return tabla;
}

} // namespace zw::reglas

#include "reglas.h"

namespace zw::reglas {

const Tabla &objetos()
{
    static const Tabla tabla = {
    };
    return tabla;
}

} // namespace zw::reglas

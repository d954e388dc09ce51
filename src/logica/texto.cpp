// Text helpers: upper-casing with the Spanish letters, names compared without regard to case.
#include "texto.h"

namespace zw {

QString mayusculas(const QString &texto)
{
    return texto.toUpper();
}

bool mismoNombre(const QString &a, const QString &b)
{
    return mayusculas(a) == mayusculas(b);
}

} // namespace zw

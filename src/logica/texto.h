// Text helpers: upper-casing with the Spanish letters, names compared without regard to case.
#pragma once

#include <QString>

namespace zw {

// The game's one way of upper-casing: accented Spanish letters and ñ get
// their capitals ("Dólares" -> "DÓLARES"), so keys and names compare as players expect.
QString mayusculas(const QString &texto);

// Item names are compared without regard to case, accents kept.
bool mismoNombre(const QString &a, const QString &b);

} // namespace zw

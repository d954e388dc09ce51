// The seven scenes: their numbers and their picture files.
#pragma once

#include <QString>

namespace zw {

inline constexpr int primeraEscena = 1;
inline constexpr int ultimaEscena = 7;
inline bool esEscena(int n) { return n >= primeraEscena && n <= ultimaEscena; }

// Picture file of scene n, exactly as the rules name it ("4.JPG"); empty outside 1-7.
QString ficheroEscena(int n);

} // namespace zw

// The scenes: their numbers and their picture files.
#pragma once

#include <QString>

namespace zw {

inline constexpr int primeraEscena = 1;
inline constexpr int ultimaEscena = ZW_ESCENAS; // as many as their drawings (arte/escenas)
inline bool esEscena(int n) { return n >= primeraEscena && n <= ultimaEscena; }

// The picture file of scene n, as the rules name it ("4.JPG"); for any other
// number (only a damaged saved game holds one) the last character of the
// number and ".jpg", as a loaded game has always named it ("0.jpg", "12"
// gives "2.jpg"). Names are looked up without regard to case.
QString ficheroEscena(int n);

} // namespace zw

// The seven scenes: their numbers, their picture files, and finding a file without regard to case.
#pragma once

#include <QString>

namespace zw {

inline constexpr int primeraEscena = 1;
inline constexpr int ultimaEscena = 7;
inline bool esEscena(int n) { return n >= primeraEscena && n <= ultimaEscena; }

// Picture file of scene n, exactly as the rules name it ("4.JPG"); empty outside 1-7.
QString ficheroEscena(int n);

// Finds `nombre` inside `carpeta` without regard to letter case, so "4.JPG" and
// "4.jpg" reach the same file on every file system. Returns the real path, or
// an empty string when no regular file (after following links) has that name.
QString buscarFichero(const QString &carpeta, const QString &nombre);

} // namespace zw

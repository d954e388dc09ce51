// The game's state words.
#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace zw {

// The six public words, in the order the saved game stores them.
enum class Palabra { pantalla, ladrill, nohables, tarjetas, dinero, yano };
inline constexpr int numPalabras = 6;

// The game's progress: the six words, indexed by the word. Zero-filled at
// creation, like the original window's variables.
struct Estado {
    std::array<qint16, numPalabras> palabras{};

    qint16 &operator[](Palabra p) { return palabras[std::size_t(p)]; }
    qint16 operator[](Palabra p) const { return palabras[std::size_t(p)]; }
    bool operator==(const Estado &) const = default;
};

} // namespace zw

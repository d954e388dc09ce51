#pragma once

#include "estado.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace zw {

class Juego;

// The saved game: one file, "partida", beside the scene pictures. A text file
// in Windows-1252 with CR LF line ends, so that a game saved on one system
// loads on any other and files written by hand or by other tools read too:
//
//   1                  the item count
//   "Mechero"          one quoted item per line
//   1,0,0,0,0,0        pantalla, ladrill, nohables, tarjetas, dinero, yano
namespace partida {

// The six public words in the order the file keeps them.
using Palabras = std::array<qint16, numPalabras>;
Palabras palabrasDe(const Estado &e);
void ponerPalabras(Estado &e, const Palabras &p);

// One byte per character. Bytes 80-9F are the Windows-1252 letters and signs;
// its five holes (81, 8D, 8F, 90, 9D) become U+0081 and so on, so every byte
// survives a round trip. Characters the code page lacks are written as '?'.
QByteArray aWindows1252(QStringView texto);
QString deWindows1252(QByteArrayView bytes);

// The whole file, byte for byte.
QByteArray escribir(const QStringList &objetos, const Estado &e);

// Reads fields the way the game always has: a comma or a line end between
// fields, blanks (space, tab) before a field skipped; a field starting with a
// double quote runs to the next double quote, any other runs to the next
// comma or line end. Numbers are signed 16-bit decimals.
class Lector
{
public:
    explicit Lector(QByteArrayView datos) : datos_(datos) {}

    // False at the end of the data, or when a quoted field is never closed.
    bool leerCadena(QString &valor);
    // False as leerCadena, and also when the field is not a number in 16 bits.
    bool leerNumero(qint16 &valor);

private:
    bool campo(QByteArrayView &texto);

    QByteArrayView datos_;
    qsizetype pos_ = 0;
};

// The count, then that many items, each handed to objetoLeido as soon as it is
// read, then the six words; whatever follows is ignored. On failure the items
// already read have been handed over and `palabras` is left as it was.
bool leer(QByteArrayView datos, const std::function<void(const QString &)> &objetoLeido,
          Palabras &palabras);

// Anything bigger is no game of ours: refused before reading, like a read error.
inline constexpr qint64 tamanoMaximo = 1024 * 1024;

// Saves the inventory and the six words. A game never shown yet is started
// first, so the fresh game is what gets saved. The previous file is replaced
// only once the new one is complete; on any failure it stays as it was and the
// result is false.
bool guardar(Juego &juego, const QString &ruta);

// Loads into the game in the order the game always has, so that a failure
// leaves exactly what the steps before it did: the action line, replies and
// inventory are emptied first, items read before a failure stay, and the six
// words change all together or not at all. The picture is the caller's step.
bool cargar(Juego &juego, const QString &ruta);

// The picture a loaded game shows: the last character of the scene number and
// ".jpg" (scene 0 names "0.jpg", which no scene has).
QString ficheroImagenCargada(qint16 pantalla);

} // namespace partida
} // namespace zw

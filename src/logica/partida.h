// The saved game: its file format, its reader and writer, loading and saving.
#pragma once

#include "estado.h"
#include "ficheros.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QIODevice;

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

// Where every refused load or save says why: "zarrapio.partida".
Q_DECLARE_LOGGING_CATEGORY(registro)

// Anything bigger is no game of ours. The writer never writes more and the
// reader never reads more, so every file the game writes it can read back.
inline constexpr qint64 tamanoMaximo = 1024 * 1024;

// Why a load or a save did not happen: the reasons of every file of the game.
using Motivo = ficheros::Motivo;
using Resultado = ficheros::Resultado;

// The reason in the player's language, for the "Error" box and the log.
QString explicar(const Resultado &r);

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
    // Over bytes already in memory, however many.
    explicit Lector(QByteArrayView datos) : datos_(datos) {}
    // Over a file, taken in pieces only as the fields need them and never more
    // than `maximo` bytes: what follows the last field read is never read.
    Lector(QIODevice &fuente, qint64 maximo) : fuente_(&fuente), maximo_(maximo) {}

    // False at the end of the data, or when a quoted field is never closed.
    bool leerCadena(QString &valor);
    // False as leerCadena, and also when the field is not a number in 16 bits.
    bool leerNumero(qint16 &valor);

    // Why the last failed read failed: the line of the field, the limit, or the device.
    Resultado fallo() const;

private:
    bool campo(QByteArrayView &texto);
    // True when byte i exists, fetching more from the file if needed.
    bool hay(qsizetype i) { return i < datos_.size() || traer(i); }
    bool traer(qsizetype i);

    QByteArrayView datos_;
    qsizetype pos_ = 0;
    qsizetype inicioCampo_ = 0;
    QIODevice *fuente_ = nullptr;
    qint64 maximo_ = 0;
    QByteArray traidos_;
    bool agotada_ = false;
    bool sobrepasada_ = false;
    bool errorLectura_ = false;
    QString errorFuente_;
};

// The count, then that many items, each handed to objetoLeido as soon as it is
// read, then the six words; whatever follows is ignored. On failure the items
// already read have been handed over and `palabras` is left as it was.
Resultado leer(Lector &lector, const std::function<void(const QString &)> &objetoLeido,
               Palabras &palabras);
Resultado leer(QByteArrayView datos, const std::function<void(const QString &)> &objetoLeido,
               Palabras &palabras);

// Saves the inventory and the six words. A game never shown yet is started
// first, so the fresh game is what gets saved. Only a regular file or nothing
// is replaced, in a folder the player's and closed to others, checked at this
// very save, and only once the new file is complete; on any failure the
// previous file stays as it was (ficheros::escribirEnCarpeta).
Resultado guardar(Juego &juego, const QString &ruta);

// A saved game as read, not yet put into any game.
struct Guardada {
    QStringList objetos;
    Palabras palabras{};
    qint16 pantalla() const { return palabras[std::size_t(Palabra::pantalla)]; }
};

// Reads and checks the whole saved game without touching any game, so that a
// load can be refused (a bad file, a missing picture) with nothing changed.
// The folder and the file are checked as a save checks them.
// On failure `salida` is left as it was.
Resultado leerGuardada(const QString &ruta, Guardada &salida);

// What a load does to the game, in the order the game always has: the start-up
// if it never ran, the action line, replies and inventory emptied, the items
// appended as saved, then the six words.
void aplicar(Juego &juego, const Guardada &guardada);

// leerGuardada and then aplicar: a refused load changes nothing. The picture is
// the caller's step, best checked between the two.
Resultado cargar(Juego &juego, const QString &ruta);

} // namespace partida
} // namespace zw

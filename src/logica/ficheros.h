// Files of the player's opened, checked and written without harm: the saved game, the settings, the pictures.
#pragma once

#include <QString>
#include <QtGlobal>

class QFile;

namespace zw::ficheros {

// Why a file could not be read or written.
enum class Motivo {
    Ninguno,          // it could
    NoHayFichero,     // nothing there, or a link to nothing
    NoEsFichero,      // a folder, FIFO, socket or device, or a link to one
    Ilegible,         // there, but it could not be opened or read
    MalFormado,       // ends too early or a field is wrong, at `linea`
    DemasiadoGrande,  // more than the reader or the writer takes
    SinCarpeta,       // the folder is missing
    NoEsCarpeta,      // a file stands where the folder, or one above it, should be
    SinPermiso,       // the folder or the file may not be written
    DiscoLleno,       // no room left: full disk, quota or file size limit
    NoSePuedeEscribir,// any other failure to write or to put the file in place
    DeOtros           // other users could change the folder or the file (`sistema` says how)
};

struct Resultado {
    Resultado() = default;
    Resultado(Motivo m, qsizetype l = 0, const QString &s = {}) : motivo(m), linea(l), sistema(s) {}

    Motivo motivo = Motivo::Ninguno;
    qsizetype linea = 0; // MalFormado: the line, from 1, where reading stopped
    QString sistema;     // the system's own words, or what makes a place others'
    explicit operator bool() const { return motivo == Motivo::Ninguno; }
};

// Finds `nombre` inside `carpeta` without regard to letter case, so "4.JPG" and
// "4.jpg" reach the same file on every file system. Returns the path of
// whatever stands there under that name (a file, or a folder or FIFO that the
// one who opens it then refuses), or an empty string when nothing does.
QString buscar(const QString &carpeta, const QString &nombre);

// Opens `ruta` for reading only when it is a regular file (after following
// links), without ever waiting: a FIFO in its place would block a plain open.
// The check is made on the file opened, so a name swapped since cannot slip by.
Resultado abrirFicheroNormal(const QString &ruta, QFile &fichero);

// Why others could change `ruta` (links followed), told as `que` ("la carpeta",
// "su partida"); empty when only the player or root can (a group may).
QString deOtros(const QString &ruta, const QString &que);

// A file in a folder the player's and closed to other users, read or replaced
// through that very folder: the folder is opened and checked once, and the
// file is reached from it, so neither a folder nor a link swapped after the
// check can take the read or the write anywhere else.
//
// The new bytes go to a hidden name only the game makes (marcaTemporal) and
// are renamed over the file once complete, so a save killed at any moment
// leaves the old or the new file whole; such names left by an interrupted
// write go at the next one. A file-size limit fails the write like a full
// disk instead of ending the program.
Resultado leerEnCarpeta(const QString &ruta, QFile &fichero);
Resultado escribirEnCarpeta(const QString &ruta, const QByteArray &bytes);

// The hidden name a write of `fichero` goes to first: "." + fichero + marca + six letters or digits.
inline constexpr char marcaTemporal[] = ".zarrapio-a-medias.";
bool esTemporal(const QString &nombre, const QString &fichero);

} // namespace zw::ficheros

// Where a picture comes from and how it is read at the size the screen needs,
// through the one cache every picture control paints from.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

namespace zw::imagenes {

// A picture at one density: a scene file "N.jpg" (1), "N@2x.jpg" (2),
// "N@3x.jpg" (3), or a drawing built into the program (any density).
struct Fuente {
    QString ruta;
    int veces;
};
inline constexpr int cualquierDensidad = 1 << 20;

// Room for every scene at the adventure screen's size and every window's
// pictures, up to a 4K screen's full screen. Once, at start.
inline constexpr int kilobytesDeCache = 128 * 1024;
void agrandarCache();

// The drawing of that name built into the program: "jugador" is
// ":/dibujos/jugador.svg".
QString rutaDibujo(const QString &nombre);

// Every picture of the file `ruta`: itself, the denser ones beside it (any
// letter case) unless older than it (the player replaced it), and its drawing
// while the file is the build's own. A drawing alone for a drawing.
QList<Fuente> fuentesDe(const QString &ruta);

// The order to try them in where the screen needs `densidad` of its pixels
// for each pixel of the 1× picture: the least dense that is dense enough
// first, then the densest of the rest.
QList<Fuente> ordenPara(QList<Fuente> fuentes, double densidad);

// The picture read (or drawn) at exactly `fisico` pixels; null, with the
// reason in `porque`, when it cannot be read or is refused (leerFichero).
// Safe on any thread.
QImage leer(const Fuente &fuente, QSize fisico, QString *porque = nullptr);

// The sources the build made itself: drawings, and scene pictures still as
// built. Only these are read ahead of need; a player's file is read when its
// scene is shown.
QList<Fuente> propias(const QList<Fuente> &fuentes);

// The key in the cache of one picture file as it stands (its time and size), at one size.
QString clave(const Fuente &fuente, QSize fisico);

// A drawing rendered on white. Safe on any thread.
QImage pintarDibujo(const QString &svg, QSize fisico);

// A picture that could not be shown: the file tried and why it was refused.
struct Fallo {
    QString fichero;
    QString porque;
};

// The first of `orden` that can be read, at `fisico` pixels for a screen of
// pixel ratio `ratio`: from the cache, else read now and kept there. Null when
// none can be read, with the first source refused in `fallo`. A file refused
// once is not read again until it changes. For the main thread.
QPixmap pixmap(const QList<Fuente> &orden, QSize fisico, double ratio, Fallo *fallo = nullptr);

// Keeps a picture read elsewhere (drawn ahead) under its key.
void guardar(const QString &clave, const QImage &imagen, double ratio);
bool guardada(const QString &clave);

} // namespace zw::imagenes

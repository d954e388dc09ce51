#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

namespace zw::imagenes {

// A picture of a scene at one density: "N.jpg" (1), "N@2x.jpg" (2),
// "N@3x.jpg" (3), or the drawing it was built from (any density).
struct Fuente {
    QString ruta;
    int veces;
};
inline constexpr int cualquierDensidad = 1 << 20;

// Every picture of the scene file `ruta`: itself, the denser ones beside it
// (any letter case) unless older than it (the player replaced it), and its
// drawing while the file is the build's own. A drawing ("...svg") alone.
QList<Fuente> fuentesDe(const QString &ruta);

// The order to try them in for a picture `fisico` pixels wide and high: the
// least dense that is dense enough first, then the densest of the rest.
QList<Fuente> ordenPara(QList<Fuente> fuentes, QSize fisico);

// The picture read (or drawn) at exactly `fisico` pixels; null when it cannot
// be read. Safe on any thread.
QImage leer(const Fuente &fuente, QSize fisico);

// Whether the picture can be read, by its header alone.
bool legible(const Fuente &fuente);

// The key of one picture at one size in QPixmapCache.
QString clave(const Fuente &fuente, QSize fisico);

// A drawing rendered on white, as the build renders it. Safe on any thread.
QImage pintarDibujo(const QString &svg, QSize fisico);

// Draws pictures on a worker thread into QPixmapCache (under clave()), ahead
// of need. Pictures arrive while it lives; deleting it waits for the one
// being drawn.
class Adelanto : public QObject
{
public:
    explicit Adelanto(QObject *parent = nullptr);
    ~Adelanto() override;

    // The first of `orden` that can be read, at `fisico` pixels for a screen
    // of pixel ratio `ratio`; nothing when it is kept or coming already.
    void pedir(const QList<Fuente> &orden, QSize fisico, double ratio);

private:
    QThreadPool trabajador_;
    QSet<QString> pendientes_;
};

} // namespace zw::imagenes

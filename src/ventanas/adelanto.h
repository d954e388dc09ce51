// Pictures drawn ahead of need, on one worker, into the cache of pictures.
#pragma once

#include "imagenes.h"

#include <QBasicTimer>
#include <QObject>
#include <QPointer>
#include <QSize>

namespace zw {
class Imagen;
}

namespace zw::imagenes {

// The worker: one thread, behind anything the player is waiting for, drained
// once as the program ends. Set up once, at start.
void prepararAdelantos();

// The first of `orden` that can be read, at `fisico` pixels for a screen of
// pixel ratio `ratio`, drawn on the worker and kept in the cache under its
// key; nothing when it is kept or coming already.
void adelantar(const QList<Fuente> &orden, QSize fisico, double ratio);

// Waits for the picture being drawn and drops the rest.
void pararAdelantos();

// The pictures of every hidden picture control of the program, the build's
// own only, drawn ahead at the size they will be shown at, so a window opens
// without reading any.
void adelantarOcultas();

// The scenes of a folder drawn ahead at the size a scene picture shows them,
// while the player looks at one, so a change of scene only has to show them:
// a moment after the picture is shown, resized or moved to another screen,
// the build's own pictures only, and only while a few of them fit the cache.
class AdelantoDeEscenas : public QObject
{
public:
    // `anchoDiseno`: the width the scenes are designed at.
    AdelantoDeEscenas(Imagen *imagen, const QString &carpeta, int anchoDiseno);

    // A moment after the picture settles: the time its first paint takes.
    static constexpr int esperaMs = 200;
    // At most this much of the cache for each scene drawn ahead.
    static constexpr qint64 bytesPorEscena = 16 * 1024 * 1024;
    static constexpr int bytesPorPixel = 4;

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override;
    void timerEvent(QTimerEvent *e) override;

private:
    QPointer<Imagen> imagen_;
    QString carpeta_;
    int anchoDiseno_;
    QBasicTimer reloj_;
    QString hecho_; // the size last drawn ahead for
};

} // namespace zw::imagenes

// Pictures drawn ahead of need, on one worker, into the cache of pictures.
#pragma once

#include "imagenes.h"

#include <QSize>

namespace zw::imagenes {

// The first of `orden` that can be read, at `fisico` pixels for a screen of
// pixel ratio `ratio`, drawn on the worker and kept in the cache under its
// key; nothing when it is kept or coming already.
void adelantar(const QList<Fuente> &orden, QSize fisico, double ratio);

// Waits for the picture being drawn and drops the rest; for a control going
// away, or the program ending.
void pararAdelantos();

} // namespace zw::imagenes

// Tab on a terminal: the word being typed completed with a name in sight or an order.
#pragma once

#include "consola.h"

#include <QString>
#include <QStringList>

namespace zw::texto {

// `antes`: the line up to the cursor. `nombres` may stand anywhere in the
// line, names of several words too; `primeras` only as its first word. Case
// and accents do not matter ("callej" finds "Callejón").
Completado completar(const QString &antes, const QStringList &nombres, const QStringList &primeras);

} // namespace zw::texto

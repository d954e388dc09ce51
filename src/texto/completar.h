// Tab on a terminal: the word being typed completed with a name in sight or an order.
#pragma once

#include <QString>
#include <QStringList>

namespace zw::texto {

// What Tab does to the line: take back the last `borrar` characters before
// the cursor and put `poner` there; with several names left, `opciones` lists
// them.
struct Completado {
    qsizetype borrar = 0;
    QString poner;
    QStringList opciones;
};

// `antes`: the line up to the cursor. `nombres` may stand anywhere in the
// line, names of several words too; `primeras` only as its first word. Case
// and accents do not matter ("callej" finds "Callejón").
Completado completar(const QString &antes, const QStringList &nombres, const QStringList &primeras);

} // namespace zw::texto

// The scene picture as a screen reader finds it: a graphic named after its
// scene, holding every hotspot of the scene in reading order.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zw {

// For QAccessible::installFactory: the scene picture's view, for a reader.
QAccessibleInterface *accesibleDeEscena(const QString &clase, QObject *objeto);

} // namespace zw

// What a screen reader finds in the game's windows.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zw {

// The reader's view of the game's own controls: each window of the game a
// window named by its caption, the clickable labels buttons with a press
// action, the portraits and drawings pictures, no decorative line and no
// empty label without a name, in the windows and in the message boxes. For
// QAccessible::installFactory.
QAccessibleInterface *accesibleDelJuego(const QString &clase, QObject *objeto);

} // namespace zw

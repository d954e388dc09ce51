// What a screen reader is told as the game goes on.
#pragma once

class QString;
class QWidget;

namespace zw {

// Tells the screen reader that `control` now reads `texto` (a new reply).
void anunciar(QWidget *control, const QString &texto);

} // namespace zw

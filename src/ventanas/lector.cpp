// What a screen reader is told as the game goes on.
#include "lector.h"

#include <QWidget>

namespace zw {

void anunciar(QWidget *control, const QString &texto)
{
    control->setAccessibleDescription(texto); // Qt tells the reader itself
}

} // namespace zw

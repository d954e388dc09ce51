#include "camarero.h"

namespace zw {

Camarero::Camarero(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Camarero"));
}

} // namespace zw

#include "charrar1.h"

namespace zw {

Charrar1::Charrar1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Charrar1"));
}

} // namespace zw

#include "final.h"

namespace zw {

Final::Final(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Final"));
}

} // namespace zw

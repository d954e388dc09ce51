// The scenes: their numbers and their picture files.
#include "escenas.h"

namespace zw {

QString ficheroEscena(int n)
{
    // The rules name scene 4's "4.JPG"; every other name is lower case.
    if (n == 4)
        return QStringLiteral("4.JPG");
    return (esEscena(n) ? QString::number(n) : QString::number(n).right(1)) + QStringLiteral(".jpg");
}

} // namespace zw

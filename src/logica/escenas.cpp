// The seven scenes: their numbers and their picture files.
#include "escenas.h"


namespace zw {

QString ficheroEscena(int n)
{
    static const char *const ficheros[] = {"1.jpg", "2.jpg", "3.jpg", "4.JPG", "5.jpg", "6.jpg", "7.jpg"};
    return esEscena(n) ? QString::fromLatin1(ficheros[n - primeraEscena]) : QString();
}

} // namespace zw

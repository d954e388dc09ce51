// The seven scenes: their numbers and their picture files.
#include "escenas.h"

#include "ficheros.h"

namespace zw {

QString ficheroEscena(int n)
{
    static const char *const ficheros[] = {"1.jpg", "2.jpg", "3.jpg", "4.JPG", "5.jpg", "6.jpg", "7.jpg"};
    if (esEscena(n))
        return QString::fromLatin1(ficheros[n - primeraEscena]);
    return QString::number(n).right(1) + QStringLiteral(".jpg");
}

QString buscarEscena(const QString &carpeta, int n)
{
    return ficheros::buscar(carpeta, ficheroEscena(n));
}

} // namespace zw

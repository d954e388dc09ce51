#include "escenas.h"

#include <QDir>
#include <QFileInfo>

namespace zw {

QString ficheroEscena(int n)
{
    static const char *const ficheros[] = {"1.jpg", "2.jpg", "3.jpg", "4.JPG", "5.jpg", "6.jpg", "7.jpg"};
    return esEscena(n) ? QString::fromLatin1(ficheros[n - primeraEscena]) : QString();
}

QString buscarFichero(const QString &carpeta, const QString &nombre)
{
    if (nombre.isEmpty() || nombre.contains(QLatin1Char('/')) || nombre.contains(QLatin1Char('\\')))
        return {};
    const QDir dir(carpeta);
    const QString exacto = dir.filePath(nombre);
    if (QFileInfo(exacto).isFile())
        return exacto;
    const QStringList ficheros = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &f : ficheros)
        if (f.compare(nombre, Qt::CaseInsensitive) == 0)
            return dir.filePath(f);
    return {};
}

} // namespace zw

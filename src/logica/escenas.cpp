// The seven scenes: their numbers, their picture files, and finding a file without regard to case.
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
    // Only regular files, links followed: a FIFO named like a picture would make
    // whoever opens it wait for a writer, and a device is no picture either.
    const QFileInfoList ficheros = dir.entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &f : ficheros)
        if (f.isFile() && f.fileName().compare(nombre, Qt::CaseInsensitive) == 0)
            return f.filePath();
    return {};
}

} // namespace zw

#pragma once

// What the window tests share: controls found by their names, the entries of
// a list, and a program end that is counted instead of carried out.

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

namespace prueba {

// Install with zw::ponerManejadorFin(contarFin) and put the old one back after.
inline int finales = 0;
inline void contarFin() { ++finales; }

template<typename T = QWidget>
T *control(const QWidget *ventana, const char *nombre)
{
    T *w = ventana->findChild<T *>(QString::fromLatin1(nombre));
    if (!w)
        qWarning("no control %s in %s", nombre, qPrintable(ventana->objectName()));
    return w;
}

inline QStringList textos(const QListWidget *lista)
{
    QStringList t;
    for (int i = 0; i < lista->count(); ++i)
        t << lista->item(i)->text();
    return t;
}

} // namespace prueba

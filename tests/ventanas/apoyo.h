#pragma once

// What the window tests share: controls found by their names, the entries of
// a list, a program end that is counted instead of carried out, and the
// player's keys, sent where a real keyboard would send them.

#include "aplicacion.h"
#include "programa.h"

#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

namespace prueba {

// Every end of the program a game asks for, counted instead of carried out.
inline int finales = 0;
inline void contarFinales(zw::Aplicacion &app)
{
    QObject::connect(&app, &zw::Aplicacion::terminar, [] { ++finales; });
}

// Every window of the game made now, as the idle moments after the first
// frame make them, for tests that look for them among the top-level windows.
inline void hacerVentanas(zw::Aplicacion &app)
{
    app.acerca();
    app.empieza();
    app.charrar1();
    app.camarero();
    app.final();
}

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

// The window manager's part: when the active window goes away, the window
// left on top gets the keyboard.
inline void activarVisible()
{
    QWidget *activa = QApplication::activeWindow();
    if (activa && activa->isVisible())
        return;
    const auto ventanas = QApplication::topLevelWidgets();
    for (auto it = ventanas.rbegin(); it != ventanas.rend(); ++it) {
        QWidget *w = *it;
        if (w->isVisible() && !w->objectName().isEmpty() && !w->inherits("QMenu")) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            // The platform may still count the window as focused from before it
            // was hidden and then reports no change.
            if (QApplication::activeWindow() != w)
                QApplication::setActiveWindow(w);
            QCOMPARE(QApplication::activeWindow(), w);
            return;
        }
    }
}

// A key pressed and released where the keyboard is: the open menu, else the
// control with the focus, else the active window.
inline void tecla(int tecla, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    activarVisible();
    QWidget *destino = QApplication::activePopupWidget();
    if (!destino)
        destino = QApplication::focusWidget();
    if (!destino)
        destino = QApplication::activeWindow();
    QVERIFY2(destino, "no window has the keyboard");
    QTest::keyClick(destino, Qt::Key(tecla), mods);
}

inline QString conFoco()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Tab until the control called `nombre` has the focus.
inline bool tabulaHasta(const QString &nombre)
{
    for (int i = 0; i < 40 && conFoco() != nombre; ++i)
        tecla(Qt::Key_Tab);
    return conFoco() == nombre;
}

} // namespace prueba

// QTEST_MAIN with what the program sets up once, as main() does.
#define ZW_QTEST_MAIN(Prueba)                                                                                          \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        zw::prepararPrograma(app);                                                                                     \
        Prueba prueba;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&prueba, argc, argv);                                                                      \
    }

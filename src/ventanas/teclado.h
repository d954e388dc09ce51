// The keyboard in every window: Space and Enter as clicks, and the mark
// around the control with the focus, shown only while the keyboard is in use.
#pragma once

#include <QObject>

class QApplication;
class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

namespace zw::teclado {

// Space, Enter or the number pad's Enter, without modifiers: a click.
bool esPulsar(const QKeyEvent *e);

// Enter, as well as Space, presses the window's focused push button, as it
// does on the desktop the game was designed for. For a window already set up.
void introPulsaBotones(QWidget *ventana);

// The focus mark follows the focus in every window of the game. It appears
// once a key is pressed and goes away at the next mouse click, so a player
// who only uses the mouse never sees it. Installed once per application.
void instalarMarcaFoco(QApplication *app);

// Whether the mark shows now; it tells when that changes, so a control that
// draws its own mark (one at the window's edge) can follow.
class Marca : public QObject
{
    Q_OBJECT

public:
    static Marca *instancia();
    bool visible() const { return visible_; }

signals:
    void cambiada();

private:
    friend void instalarMarcaFoco(QApplication *app);
    friend class Vigia;
    void ponerVisible(bool si);
    bool visible_ = false;
};

// The mark's look, two lines dark and light so it shows on the black
// adventure screen and on the grey dialogs alike, along the inside of `r`.
void pintarMarca(QPainter &p, const QRect &r);

} // namespace zw::teclado

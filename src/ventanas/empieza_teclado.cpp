// The adventure screen without a mouse: Tab order, the verbs' number keys, the
// hotspots walked with the arrows, the reveal key; and what a reader hears.
#include "empieza.h"
#include "ui_empieza.h"

#include "juego.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace zw {

void Empieza::prepararTeclado()
{
    // Screen order: the picture, the portrait and the column under it, then
    // the bottom rows. It is the Tab order and, as the stacking order of
    // these non-overlapping controls, the order a screen reader walks.
    QList<QWidget *> enPantalla = {ui->Image1, ui->Image2};
    for (Etiqueta *verbo : etiquetasDeVerbos())
        enPantalla << verbo;
    enPantalla << QList<QWidget *>{ui->objetos, ui->Label6, ui->Label2, ui->Limpiar,
                                   ui->acciones, ui->Label1, ui->muestra, ui->resultado};
    QWidget *anterior = nullptr;
    for (QWidget *w : enPantalla) {
        w->raise();
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (anterior)
            setTabOrder(anterior, w);
        anterior = w;
    }
    // The chain is a ring; where it starts is where the focus lands first.
    ui->Image1->setFocus();

    // 1 to 5 choose the verbs in the order they stand, wherever the focus is.
    int tecla = Qt::Key_1;
    for (const Etiqueta *verbo : etiquetasDeVerbos()) {
        auto *atajo = new QShortcut(QKeySequence(tecla++), this);
        connect(atajo, &QShortcut::activated, verbo, &Etiqueta::pulsar);
    }

    connect(ui->Image1, &ImagenEscena::senalada, ui->muestra, &QLabel::setText);
    qApp->installEventFilter(this);
}

void Empieza::prepararLector()
{
    // A new reply becomes the list's description, which Qt tells the reader of.
    connect(&juego_, &Juego::resultadoCambiado, this, [this] {
        ui->resultado->setAccessibleDescription(juego_.resultado().join(QLatin1Char(' ')));
    });
    // The action line and the name under "Objeto:" read as their text: a
    // label tells the reader itself when its text changes, as the scene
    // picture tells of its hotspots.
}

void Empieza::showEvent(QShowEvent *e)
{
    if (ui->Image1->escena() != juego_.pantalla())
        ui->Image1->ponerEscena(juego_.pantalla());
    QWidget::showEvent(e);
}

// The reveal key, and the keys that take the focus to the inventory (I) and
// back to the scene picture (E), work wherever the focus is in this window,
// even in the inventory, which would otherwise take a letter as a search.
bool Empieza::eventFilter(QObject *objeto, QEvent *e)
{
    const bool tecla = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
    if (tecla && objeto->isWidgetType() && static_cast<QWidget *>(objeto)->window() == this) {
        const auto *k = static_cast<QKeyEvent *>(e);
        if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QWidget::eventFilter(objeto, e);
        const bool pulsada = e->type() == QEvent::KeyPress && !k->isAutoRepeat();
        switch (k->key()) {
        case ImagenEscena::teclaRevelar:
            if (!k->isAutoRepeat())
                ui->Image1->revelar(e->type() == QEvent::KeyPress);
            return true;
        case teclaInventario:
            if (pulsada)
                ui->objetos->setFocus(Qt::ShortcutFocusReason);
            return true;
        case teclaEscena:
            // As Tab would bring it: the first thing of the scene outlined.
            if (pulsada && !ui->Image1->hasFocus())
                ui->Image1->setFocus(Qt::TabFocusReason);
            return true;
        default:
            break;
        }
    }
    if (objeto == this && e->type() == QEvent::WindowDeactivate)
        ui->Image1->revelar(false);  // the release may go to another window
    return QWidget::eventFilter(objeto, e);
}

} // namespace zw

// A label the player clicks, by mouse or by keyboard.
#include "etiqueta.h"

#include "teclado.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zw {

Etiqueta::Etiqueta(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    // Reached by Tab only: a click keeps the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void Etiqueta::keyPressEvent(QKeyEvent *e)
{
    if (teclado::esPulsar(e))
        pulsar();
    else
        QLabel::keyPressEvent(e);
}

void Etiqueta::mousePressEvent(QMouseEvent *e)
{
    pulsada_ = e->button() == Qt::LeftButton;
}

// A click is a press and a release on the same label, as on any button.
void Etiqueta::mouseReleaseEvent(QMouseEvent *e)
{
    const bool clic = pulsada_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsada_ = false;
    if (clic)
        emit clicked();
}

void Etiqueta::mouseMoveEvent(QMouseEvent *)
{
    emit ratonEncima();
}

} // namespace zw

#include "etiqueta.h"

#include <QMouseEvent>

namespace zw {

Etiqueta::Etiqueta(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
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

ImagenEscena::ImagenEscena(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void ImagenEscena::mousePressEvent(QMouseEvent *e)
{
    emit pulsado(e->position().toPoint());
}

void ImagenEscena::mouseMoveEvent(QMouseEvent *e)
{
    emit movido(e->position().toPoint());
}

} // namespace zw

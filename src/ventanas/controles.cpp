#include "controles.h"

#include <QKeyEvent>
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

ListaObjetos::ListaObjetos(QWidget *parent)
    : QListWidget(parent)
{
}

void ListaObjetos::mousePressEvent(QMouseEvent *e)
{
    QListWidget::mousePressEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    if (QListWidgetItem *entrada = itemAt(e->position().toPoint()))
        emit elegida(row(entrada));
}

void ListaObjetos::keyPressEvent(QKeyEvent *e)
{
    const int antes = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != antes && currentRow() >= 0)
        emit elegida(currentRow());
}

} // namespace zw

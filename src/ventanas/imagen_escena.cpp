// The scene picture: pointer, clicks and keys on its hotspots.
#include "imagen_escena.h"

#include "contorno_zonas.h"
#include "teclado.h"
#include "zonas.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zw {

ImagenEscena::ImagenEscena(QWidget *parent)
    : Imagen(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    connect(teclado::Marca::instancia(), &teclado::Marca::cambiada, this, [this] {
        if (hasFocus())
            update();
    });
}

bool ImagenEscena::mostrarFichero(const QString &ruta)
{
    return ponerFichero(ruta, ancho);
}

void ImagenEscena::mostrarTarjeta(const QString &texto)
{
    ponerTarjeta(texto, QSize(ancho, alto));
}

void ImagenEscena::mousePressEvent(QMouseEvent *e)
{
    emit pulsado(aDiseno(e->position()));
}

void ImagenEscena::mouseMoveEvent(QMouseEvent *e)
{
    emit movido(aDiseno(e->position()));
}

void ImagenEscena::ponerEscena(int escena)
{
    const bool otra = escena != recorrido_.escena();
    recorrido_.ponerEscena(escena);
    update();
    if (otra)
        anunciarEscena();
}

void ImagenEscena::senalar(int indice)
{
    if (!recorrido_.senalar(indice))
        return;
    update();
    if (const Zona *z = zonaConTeclado()) {
        emit senalada(QString::fromUtf8(z->nombre));
        anunciarZona();
    }
}

void ImagenEscena::pulsarSenalada()
{
    if (const Zona *z = zonaConTeclado()) {
        const Punto p = puntoDeClic(*z);
        emit pulsado(QPoint(p.x, p.y));
    }
}

void ImagenEscena::revelar(bool si)
{
    if (si != revelar_) {
        revelar_ = si;
        update();
    }
}

void ImagenEscena::keyPressEvent(QKeyEvent *e)
{
    if (const std::optional<int> destino = recorrido_.destinoDeTecla(e))
        senalar(*destino);
    else if (teclado::esPulsar(e) && !zonaConTeclado())
        senalar(recorrido_.siguiente(true)); // nothing outlined yet: the first thing
    else if (teclado::esPulsar(e))
        pulsarSenalada();
    else
        Imagen::keyPressEvent(e);
}

// Tab walks the hotspots first and leaves the picture after the last one.
bool ImagenEscena::focusNextPrevChild(bool next)
{
    if (const int otra = recorrido_.siguiente(next); otra >= 0) {
        senalar(otra);
        return true;
    }
    return Imagen::focusNextPrevChild(next);
}

void ImagenEscena::focusInEvent(QFocusEvent *e)
{
    Imagen::focusInEvent(e);
    if (recorrido_.senalada() < 0 && recorrido_.cuantas() > 0) {
        if (e->reason() == Qt::TabFocusReason)
            senalar(0);
        else if (e->reason() == Qt::BacktabFocusReason)
            senalar(recorrido_.cuantas() - 1);
    }
    // Qt tells the reader about the picture taking the focus after this
    // returns; the hotspot outlined inside it must come after that.
    if (zonaConTeclado())
        QMetaObject::invokeMethod(this, [this] {
            anunciarZona();
        }, Qt::QueuedConnection);
}

void ImagenEscena::focusOutEvent(QFocusEvent *e)
{
    Imagen::focusOutEvent(e);
    // Another window taking the keys keeps the place; moving on inside this
    // one takes the outline away.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        senalar(-1);
}

void ImagenEscena::paintEvent(QPaintEvent *e)
{
    Imagen::paintEvent(e);
    QPainter p(this);
    // The picture fills the window's corner, where the focus mark drawn
    // around it would fall outside the window: it marks itself inside.
    if (hasFocus() && teclado::Marca::instancia()->visible())
        teclado::pintarMarca(p, rect());
    if (!revelar_ && !zonaConTeclado())
        return;
    p.setWorldTransform(PuntosEscena(width()).deDiseno(), true);
    pintarZonas(p, font(), revelar_ ? recorrido_.orden() : std::vector<const Zona *>{}, zonaConTeclado());
}

void ImagenEscena::anunciarZona()
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleInterface *propia = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleInterface *zona = propia ? propia->child(recorrido_.senalada()) : nullptr) {
        QAccessibleEvent enfocada(zona, QAccessible::Focus);
        QAccessible::updateAccessibility(&enfocada);
    }
}

void ImagenEscena::anunciarEscena()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent nombre(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nombre);
    // Another scene, other hotspots inside.
    QAccessibleEvent hijos(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&hijos);
}

} // namespace zw

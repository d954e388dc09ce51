// The scene picture: pointer, clicks and keys on its hotspots.
#include "imagen_escena.h"

#include "adelanto.h"
#include "contorno_zonas.h"
#include "escenas.h"
#include "ficheros.h"
#include "teclado.h"
#include "zonas.h"

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
    if (!ponerFichero(ruta, ancho))
        return false;
    adelantar();
    return true;
}

void ImagenEscena::mostrarAviso(const QString &texto)
{
    ponerAviso(texto, QSize(ancho, alto));
}

void ImagenEscena::mousePressEvent(QMouseEvent *e)
{
    emit pulsado(aDiseno(e->position()));
}

void ImagenEscena::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = aDiseno(e->position());
    const Zona *antes = zonaSenalada();
    recorrido_.ponerBajoRaton(zonaEnRaton(escena(), p.x(), p.y()));
    if (zonaSenalada() != antes)
        emit zonaEnUsoCambiada(false);
    emit movido(p);
}

void ImagenEscena::ponerEscena(int escena)
{
    const bool otra = escena != recorrido_.escena();
    recorrido_.ponerEscena(escena);
    update();
    if (otra)
        emit escenaPuesta();
}

void ImagenEscena::senalar(int indice)
{
    if (!recorrido_.senalar(indice))
        return;
    update();
    if (const Zona *z = zonaConTeclado()) {
        emit senalada(QString::fromUtf8(z->nombre));
        emit zonaEnUsoCambiada(hasFocus());
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
            if (hasFocus())
                emit zonaEnUsoCambiada(true);
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

void ImagenEscena::adelantarDesde(const QString &carpeta)
{
    carpetaEscenas_ = carpeta;
    adelantar();
}

// Started a moment after the picture is shown, so as not to slow its paint.
void ImagenEscena::adelantar()
{
    if (!carpetaEscenas_.isEmpty() && isVisible() && !reloj_.isActive())
        reloj_.start(200, this);
}

// The scenes of the folder, drawn at this size on the worker while the player
// looks at one, so a change of scene only has to show them. Only while a few
// of them fit the cache; larger ones are drawn when needed.
void ImagenEscena::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != reloj_.timerId())
        return Imagen::timerEvent(e);
    reloj_.stop();
    if (!isVisible())
        return;
    const double ratio = devicePixelRatioF();
    const QSize fisico = (QSizeF(size()) * ratio).toSize();
    constexpr qint64 maximo = 16 * 1024 * 1024;
    if (qint64(fisico.width()) * fisico.height() * 4 > maximo)
        return;
    const QString hecho = carpetaEscenas_ + QStringLiteral("|%1x%2").arg(fisico.width()).arg(fisico.height());
    if (std::exchange(adelantado_, hecho) == hecho)
        return;
    const double densidad = fisico.width() / double(ancho);
    for (int n = primeraEscena; n <= ultimaEscena; ++n)
        if (const QString ruta = ficheros::buscar(carpetaEscenas_, ficheroEscena(n)); !ruta.isEmpty())
            imagenes::adelantar(imagenes::propias(imagenes::ordenPara(imagenes::fuentesDe(ruta), densidad)), fisico, ratio);
}

void ImagenEscena::resizeEvent(QResizeEvent *e)
{
    Imagen::resizeEvent(e);
    adelantar();
}

bool ImagenEscena::event(QEvent *e)
{
    // Moved to a screen of another density, or shown for the first time on one.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        adelantar();
    return Imagen::event(e);
}

} // namespace zw

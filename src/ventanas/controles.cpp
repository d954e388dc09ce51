#include "controles.h"

#include "accesible.h"
#include "escenas.h"
#include "estilo.h"
#include "imagenes.h"
#include "zonas.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace zw {

namespace {

// Space, Enter or the number pad's Enter, as a click.
bool esPulsarTeclado(const QKeyEvent *e)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    return !e->isAutoRepeat() && mods == Qt::NoModifier
           && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
}

} // namespace

Etiqueta::Etiqueta(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    // Reached by Tab only: a click keeps the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void Etiqueta::keyPressEvent(QKeyEvent *e)
{
    if (esPulsarTeclado(e))
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

ImagenEscena::ImagenEscena(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

void ImagenEscena::mousePressEvent(QMouseEvent *e)
{
    emit pulsado(aDiseno(e->position()));
}

void ImagenEscena::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = aDiseno(e->position());
    const Zona *antes = zonaSenalada();
    bajoRaton_ = zonaEnRaton(escena_, p.x(), p.y());
    if (zonaSenalada() != antes)
        avisarLectorDePantalla(false);
    emit movido(p);
}

void ImagenEscena::ponerEscena(int escena)
{
    const bool otra = escena != escena_;
    escena_ = escena;
    orden_ = zonasEnOrden(escena);
    senalada_ = -1;
    bajoRaton_ = nullptr;
    update();
    if (otra && lectorEscucha()) {
        QAccessibleEvent cambio(this, QAccessible::NameChanged);
        avisarLector(&cambio);
    }
}

const Zona *ImagenEscena::zonaConTeclado() const
{
    return senalada_ >= 0 ? orden_[size_t(senalada_)] : nullptr;
}

const Zona *ImagenEscena::zonaSenalada() const
{
    return senalada_ >= 0 ? zonaConTeclado() : bajoRaton_;
}

void ImagenEscena::senalar(int indice)
{
    if (indice < -1 || indice >= int(orden_.size()))
        indice = -1;
    if (indice == senalada_)
        return;
    senalada_ = indice;
    update();
    if (const Zona *z = zonaConTeclado()) {
        emit senalada(QString::fromUtf8(z->nombre));
        avisarLectorDePantalla(hasFocus());
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

// The reader hears the hotspot reached, as it hears the entry reached in a list.
void ImagenEscena::avisarLectorDePantalla(bool foco)
{
    if (!lectorEscucha())
        return;
    QAccessibleInterface *imagen = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *zona = imagen ? imagen->child(0) : nullptr;
    if (!zona) {
        QAccessibleEvent cambio(this, QAccessible::ObjectReorder);
        avisarLector(&cambio);
        return;
    }
    QAccessibleEvent nombre(zona, QAccessible::NameChanged);
    avisarLector(&nombre);
    if (foco) {
        QAccessibleEvent enfocada(zona, QAccessible::Focus);
        avisarLector(&enfocada);
    }
}

void ImagenEscena::keyPressEvent(QKeyEvent *e)
{
    const int n = int(orden_.size());
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (n > 0)
            senalar(senalada_ < 0 ? 0 : (senalada_ + 1) % n);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (n > 0)
            senalar(senalada_ < 0 ? n - 1 : (senalada_ + n - 1) % n);
        return;
    case Qt::Key_Home:
        senalar(n > 0 ? 0 : -1);
        return;
    case Qt::Key_End:
        senalar(n - 1);
        return;
    default:
        break;
    }
    if (esPulsarTeclado(e))
        pulsarSenalada();
    else
        QLabel::keyPressEvent(e);
}

// Tab walks the hotspots first and leaves the picture after the last one.
bool ImagenEscena::focusNextPrevChild(bool next)
{
    const int n = int(orden_.size());
    const int otra = senalada_ < 0 ? -1 : senalada_ + (next ? 1 : -1);
    if (otra >= 0 && otra < n) {
        senalar(otra);
        return true;
    }
    return QLabel::focusNextPrevChild(next);
}

void ImagenEscena::focusInEvent(QFocusEvent *e)
{
    QLabel::focusInEvent(e);
    if (senalada_ < 0 && !orden_.empty()) {
        if (e->reason() == Qt::TabFocusReason)
            senalar(0);
        else if (e->reason() == Qt::BacktabFocusReason)
            senalar(int(orden_.size()) - 1);
    }
    // Qt tells the reader about the picture taking the focus after this
    // returns; the hotspot outlined inside it must come after that.
    if (zonaConTeclado())
        QMetaObject::invokeMethod(this, [this] {
            if (hasFocus())
                avisarLectorDePantalla(true);
        }, Qt::QueuedConnection);
}

void ImagenEscena::focusOutEvent(QFocusEvent *e)
{
    QLabel::focusOutEvent(e);
    // Another window taking the keys keeps the place; moving on inside this
    // one takes the outline away.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        senalar(-1);
}

void ImagenEscena::paintEvent(QPaintEvent *e)
{
    QLabel::paintEvent(e);
    QPainter p(this);
    // The picture fills the window's corner, where the focus mark drawn
    // around it would fall outside the window: it marks itself inside.
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 215, 0), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    const Zona *conTeclado = zonaConTeclado();
    if (!revelar_ && !conTeclado)
        return;

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setWorldTransform(deDiseno(), true);
    const auto caja = [](const Zona *z) {
        return QRect(z->clic.x1, z->clic.y1, z->clic.x2 - z->clic.x1 + 1, z->clic.y2 - z->clic.y1 + 1);
    };
    // A dark line under a light one stays visible on every colour of the drawings.
    const auto contorno = [&](const Zona *z, int grueso) {
        const QRect r = caja(z);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, grueso + 2));
        p.drawRect(r);
        p.setPen(QPen(QColor(255, 215, 0), grueso));
        p.drawRect(r);
    };
    if (revelar_) {
        QFont letra = font();
        letra.setPixelSize(11);
        p.setFont(letra);
        const QFontMetrics medidas(letra);
        for (const Zona *z : orden_) {
            contorno(z, 1);
            const QString nombre = QString::fromUtf8(z->nombre);
            QRect rotulo = medidas.boundingRect(nombre).adjusted(-2, -1, 2, 1);
            const QRect r = caja(z);
            // Above the hotspot where there is room, else just inside its top.
            rotulo.moveTopLeft(QPoint(r.left(), r.top() - rotulo.height() - 1));
            if (rotulo.top() < 0)
                rotulo.moveTop(r.top() + 2);
            rotulo.moveLeft(std::clamp(rotulo.left(), 0, std::max(0, ancho - rotulo.width())));
            p.fillRect(rotulo, QColor(0, 0, 0, 200));
            p.setPen(QColor(255, 215, 0));
            p.drawText(rotulo, Qt::AlignCenter, nombre);
        }
    }
    if (conTeclado)
        contorno(conTeclado, 3);
}

// How many of this control's points a design pixel measures. The width is
// the design's times the zoom exactly (the height may be rounded).
double ImagenEscena::factor() const
{
    return std::max(1, width()) / double(ancho);
}

// A design pixel covers a whole cell of the control's points, so a point maps
// to the pixel it lies in; the control's edge stays on the last pixel.
QPoint ImagenEscena::aDiseno(QPointF punto) const
{
    const double x = std::floor(punto.x() / factor()), y = std::floor(punto.y() / factor());
    return QPoint(std::clamp(int(x), 0, ancho - 1), std::clamp(int(y), 0, alto - 1));
}

QTransform ImagenEscena::deDiseno() const
{
    return QTransform::fromScale(factor(), factor());
}

bool ImagenEscena::mostrarFichero(const QString &ruta)
{
    const QList<imagenes::Fuente> fuentes = imagenes::fuentesDe(ruta);
    if (!isVisible()) {
        // Drawn when shown; until then it is enough to know it can be read.
        if (std::none_of(fuentes.begin(), fuentes.end(), imagenes::legible))
            return false;
        fuentes_ = fuentes;
        aviso_.clear();
        pendiente_ = true;
        adelantarPendiente();
        return true;
    }
    const QPixmap imagen = pintar(fuentes);
    if (imagen.isNull())
        return false;
    fuentes_ = fuentes;
    aviso_.clear();
    pendiente_ = false;
    setPixmap(imagen);
    adelantar();
    return true;
}

void ImagenEscena::mostrarAviso(const QString &texto)
{
    aviso_ = texto;
    fuentes_.clear();
    redibujar();
}

QSize ImagenEscena::tamFisico() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

// The picture at this control's size in the screen's pixels, from the first
// of the sources that can be read. Null when none can.
QPixmap ImagenEscena::pintar(const QList<imagenes::Fuente> &fuentes) const
{
    const QSize fisico = tamFisico();
    for (const imagenes::Fuente &f : imagenes::ordenPara(fuentes, fisico)) {
        const QString clave = imagenes::clave(f, fisico);
        QPixmap hecho;
        if (!QPixmapCache::find(clave, &hecho)) {
            const QImage imagen = imagenes::leer(f, fisico);
            if (imagen.isNull())
                continue;
            hecho = QPixmap::fromImage(imagen);
            hecho.setDevicePixelRatio(devicePixelRatioF());
            QPixmapCache::insert(clave, hecho);
        }
        hecho.setDevicePixelRatio(devicePixelRatioF()); // copies only if the screen changed
        return hecho;
    }
    return {};
}

void ImagenEscena::adelantarPendiente()
{
    if (pendiente_ && aviso_.isEmpty())
        adelanto_.pedir(imagenes::ordenPara(fuentes_, tamFisico()), tamFisico(), devicePixelRatioF());
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

// The scenes of the folder, drawn at this size on a worker while the player
// looks at one, so a change of scene only has to show them. Only while a few
// of them fit the cache; larger ones are drawn when needed.
void ImagenEscena::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != reloj_.timerId())
        return QLabel::timerEvent(e);
    reloj_.stop();
    if (!isVisible())
        return;
    const QSize fisico = tamFisico();
    const qint64 bytes = qint64(fisico.width()) * fisico.height() * 4;
    constexpr qint64 maximo = 16 * 1024 * 1024;
    if (bytes > maximo)
        return;
    const QString carpeta = carpetaEscenas_;
    if (std::exchange(adelantado_, carpeta + QStringLiteral("|%1x%2").arg(fisico.width()).arg(fisico.height())) == adelantado_)
        return;
    for (int n = primeraEscena; n <= ultimaEscena; ++n)
        if (const QString ruta = buscarFichero(carpeta, ficheroEscena(n)); !ruta.isEmpty())
            adelanto_.pedir(imagenes::ordenPara(imagenes::fuentesDe(ruta), fisico), fisico, devicePixelRatioF());
}

ImagenEscena::~ImagenEscena() = default;

// A scene whose picture is missing stays playable, so the card is drawn at the
// picture's size, its text in the design's pixels.
void ImagenEscena::redibujar()
{
    if (!isVisible()) {
        pendiente_ = true;
        return;
    }
    pendiente_ = false;
    if (aviso_.isEmpty()) {
        const QPixmap imagen = pintar(fuentes_);
        if (!imagen.isNull())
            setPixmap(imagen);
        return;
    }
    const double ratio = devicePixelRatioF();
    QPixmap hueco((QSizeF(size()) * ratio).toSize());
    hueco.setDevicePixelRatio(ratio);
    hueco.fill(QColor(40, 40, 40));
    QPainter pintor(&hueco);
    pintor.setTransform(deDiseno());
    pintor.setPen(Qt::white);
    pintor.setFont(fuenteDialogo());
    pintor.drawText(QRect(0, 0, ancho, alto), Qt::AlignCenter, aviso_);
    pintor.end();
    setPixmap(hueco);
}

void ImagenEscena::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    if (!fuentes_.isEmpty() || !aviso_.isEmpty())
        redibujar();
    adelantar();
}

bool ImagenEscena::event(QEvent *e)
{
    // Moved to a screen of another density, or shown for the first time on one.
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show) {
        if (pendiente_ || (!pixmap().isNull() && pixmap().devicePixelRatio() != devicePixelRatioF()))
            redibujar();
        adelantar();
    }
    return QLabel::event(e);
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

void ListaObjetos::focusInEvent(QFocusEvent *e)
{
    // The list would make its first entry current as the focus arrives, so the
    // first arrow would go on to the second, and a reader would hear an entry
    // nobody chose; with nothing chosen yet, nothing is current.
    if (selectedItems().isEmpty()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
        return;
    }
    QListWidget::focusInEvent(e);
}

void ListaObjetos::keyPressEvent(QKeyEvent *e)
{
    if (esPulsarTeclado(e)) {
        if (currentRow() >= 0) {
            setCurrentRow(currentRow());
            emit elegida(currentRow());
        }
        return;
    }
    // Control with the arrows moves the cursor without choosing, so a keyboard
    // player can reach any entry and pick only that one with Space.
    if (e->modifiers() == Qt::ControlModifier && count() > 0) {
        int fila = -1;
        switch (e->key()) {
        case Qt::Key_Up: fila = std::max(0, currentRow() - 1); break;
        case Qt::Key_Down: fila = currentRow() < 0 ? 0 : std::min(count() - 1, currentRow() + 1); break;
        case Qt::Key_Home: fila = 0; break;
        case Qt::Key_End: fila = count() - 1; break;
        default: break;
        }
        if (fila >= 0) {
            selectionModel()->setCurrentIndex(model()->index(fila, 0), QItemSelectionModel::NoUpdate);
            return;
        }
    }
    const int antes = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != antes && currentRow() >= 0)
        emit elegida(currentRow());
}

} // namespace zw

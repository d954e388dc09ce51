// A window's design, read once, shown at any zoom or full screen.
#include "diseno_ventana.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QProxyStyle>
#include <QScrollBar>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <cmath>

namespace zw {

namespace {

const QString nombre = QStringLiteral("zw_diseno");

int escalar(int v, double f)
{
    return int(std::lround(v * f));
}

// Both edges are scaled, so controls that touch at ×1 touch at every zoom.
QRect escalar(const QRect &r, double f, QPoint desplazamiento = {})
{
    const QPoint a(escalar(r.left(), f), escalar(r.top(), f));
    const QPoint b(escalar(r.left() + r.width(), f), escalar(r.top() + r.height(), f));
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).translated(desplazamiento);
}

QSize escalar(QSize s, double f)
{
    return escalar(QRect(QPoint(), s), f).size();
}

// Rounded down, so a text that fits its box at ×1 never grows past it.
QFont escalar(QFont fuente, double f)
{
    if (fuente.pixelSize() > 0)
        fuente.setPixelSize(std::max(1, int(std::floor(fuente.pixelSize() * f + 1e-9))));
    else
        fuente.setPointSizeF(fuente.pointSizeF() * f);
    return fuente;
}

// The platform's scroll bar, its width and its slider's least length times
// the window's factor.
class EstiloBarras : public QProxyStyle
{
public:
    double factor = 1.0;

    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        const int v = QProxyStyle::pixelMetric(m, o, w);
        return m == PM_ScrollBarExtent || m == PM_ScrollBarSliderMin ? escalar(v, factor) : v;
    }
};

} // namespace

DisenoVentana::DisenoVentana(QWidget *ventana, double zoom)
    : QObject(ventana)
    , ventana_(ventana)
    , zoom_(zoom)
{
    setObjectName(nombre);
    ventana->installEventFilter(this);
}

DisenoVentana *DisenoVentana::de(const QWidget *ventana)
{
    return ventana ? ventana->findChild<DisenoVentana *>(nombre, Qt::FindDirectChildrenOnly) : nullptr;
}

// The largest of the shown windows' frames: a window the manager has not
// framed yet (just shown) reports none.
QSize DisenoVentana::marco()
{
    std::optional<QSize> mayor;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isFullScreen() && de(w))
            mayor = (w->frameGeometry().size() - w->size()).expandedTo(mayor.value_or(QSize()));
    return mayor.value_or(QSize(0, 32));
}

void DisenoVentana::ponerZoom(double zoom)
{
    zoom_ = zoom;
    aplicar();
}

void DisenoVentana::ponerCompleta(bool completa)
{
    completa_ = completa;
    if (!completa)
        factorDeLaCompleta_ = 0;
    aplicar();
    if (completa)
        factorDeLaCompleta_ = factor_;
}

bool DisenoVentana::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ventana_
        && (evento->type() == QEvent::Show || evento->type() == QEvent::ScreenChangeInternal
            || (completa_ && evento->type() == QEvent::Resize)))
        aplicar();
    return QObject::eventFilter(objeto, evento);
}

// Every control's own font: some classes (menus, menu bars) take theirs
// from the platform rather than from the window.
DisenoVentana::Control DisenoVentana::medir(QWidget *w) const
{
    Control c{w, w->font(), {}, {}, {}};
    // Windows place themselves; a main window lays out its own parts.
    if (!w->isWindow() && !qobject_cast<QMainWindow *>(w->parentWidget()))
        c.geometria = w->geometry();
    if (w->minimumSize() == w->maximumSize())
        c.fijo = w->minimumSize();
    if (auto *marco = qobject_cast<QFrame *>(w);
        marco && (marco->frameShape() == QFrame::HLine || marco->frameShape() == QFrame::VLine))
        c.linea = marco->lineWidth();
    return c;
}

void DisenoVentana::leer()
{
    leido_ = true;
    tam_ = ventana_->size();
    if (auto *principal = qobject_cast<QMainWindow *>(ventana_))
        tam_.setHeight(principal->centralWidget()->height());
    controles_.push_back({ventana_, ventana_->font(), {}, {}, {}});
    for (QWidget *w : ventana_->findChildren<QWidget *>())
        controles_.push_back(medir(w));
}

// The largest factor at which the design fits the screen, and where it
// then starts so that it stands in the middle.
double DisenoVentana::factorCompleto(QPoint &desplazamiento) const
{
    const QSize area = ventana_->screen() ? ventana_->screen()->geometry().size() : ventana_->size();
    const double f = std::min(double(area.width()) / tam_.width(), double(area.height()) / tam_.height());
    const QSize ocupa = escalar(tam_, f);
    desplazamiento = QPoint((area.width() - ocupa.width()) / 2, (area.height() - ocupa.height()) / 2);
    return f;
}

// At most what the available area takes, frame included; never below ×1.
double DisenoVentana::factorQueCabe(double f) const
{
    const QScreen *pantalla = ventana_->screen();
    if (!pantalla || tam_.isEmpty())
        return f;
    const QSize area = pantalla->availableGeometry().size() - marco();
    QSize ocupa = tam_;
    if (auto *principal = qobject_cast<QMainWindow *>(ventana_))
        ocupa.rheight() += principal->menuBar()->sizeHint().height();
    const double cabe = std::min(double(area.width()) / ocupa.width(), double(area.height()) / ocupa.height());
    return std::max(1.0, std::min(f, cabe));
}

void DisenoVentana::aplicar()
{
    if (!leido_)
        leer();
    QPoint desplazamiento;
    const double f = completa_ ? factorCompleto(desplazamiento)
                               : factorQueCabe(std::max(zoom_, factorDeLaCompleta_));
    if (f != factor_ || desplazamiento != desplazamiento_) {
        factor_ = f;
        desplazamiento_ = desplazamiento;
        // The bars first: the lists lay themselves out again for them, and
        // then take the design's geometry scaled.
        escalarBarras();
        escalarControles();
        fijarTamano();
    }
    // Also a window grown while hidden, as it shows.
    if (!completa_ && ventana_->isVisible())
        mantenerEnPantalla();
}

void DisenoVentana::escalarControles()
{
    for (const Control &c : controles_) {
        if (!c.w)
            continue;
        c.w->setFont(escalar(c.fuente, factor_));
        if (c.geometria)
            c.w->setGeometry(escalar(*c.geometria, factor_, c.w->parentWidget() == ventana_ ? desplazamiento_ : QPoint()));
        if (c.fijo)
            c.w->setFixedSize(escalar(*c.fijo, factor_));
        if (c.linea)
            static_cast<QFrame *>(c.w.data())->setLineWidth(std::max(1, escalar(*c.linea, factor_)));
    }
}

void DisenoVentana::escalarBarras()
{
    if (!estiloBarras_) {
        estiloBarras_ = new EstiloBarras;
        estiloBarras_->setParent(this);
        for (QScrollBar *barra : ventana_->findChildren<QScrollBar *>())
            barra->setStyle(estiloBarras_);
    }
    static_cast<EstiloBarras *>(estiloBarras_)->factor = factor_;
    // Each list lays out its bars again at their new width.
    for (QAbstractScrollArea *area : ventana_->findChildren<QAbstractScrollArea *>()) {
        for (QScrollBar *barra : {area->verticalScrollBar(), area->horizontalScrollBar()})
            barra->updateGeometry();
        QEvent cambio(QEvent::StyleChange);
        QCoreApplication::sendEvent(area, &cambio);
    }
}

void DisenoVentana::fijarTamano()
{
    if (completa_) {
        ventana_->setMinimumSize(0, 0);
        ventana_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (auto *principal = qobject_cast<QMainWindow *>(ventana_)) {
        // The client area is the design's; the menu bar takes what its font needs.
        const int ancho = principal->centralWidget()->width();
        principal->setFixedSize(ancho, principal->centralWidget()->height() + principal->menuBar()->heightForWidth(ancho));
    } else {
        ventana_->setFixedSize(escalar(tam_, factor_));
    }
}

// A window grown past the screen's edge is moved back inside it.
void DisenoVentana::mantenerEnPantalla()
{
    const QScreen *pantalla = ventana_->screen();
    if (!pantalla)
        return;
    const QRect zona = pantalla->availableGeometry();
    const QRect marco = ventana_->frameGeometry();
    QPoint esquina = marco.topLeft();
    esquina.setX(std::max(zona.left(), std::min(esquina.x(), zona.right() + 1 - marco.width())));
    esquina.setY(std::max(zona.top(), std::min(esquina.y(), zona.bottom() + 1 - marco.height())));
    if (esquina != marco.topLeft())
        ventana_->move(esquina);
}

} // namespace zw

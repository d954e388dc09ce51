#include "escala.h"

#include "controles.h"
#include "imagenes.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <array>
#include <cmath>

namespace zw::escala {

namespace {

constexpr std::array pasos_ = {1.0, 1.5, 2.0, 3.0, 4.0};

// The adventure screen's designed height, which the first zoom is chosen by.
constexpr int alturaAventura = 387;

double zoom_ = 1.0;

// Under the program's own names (carpetas::nombrarPrograma).
QSettings ajustes()
{
    return QSettings();
}
const QString claveZoom = QStringLiteral("ventanas/zoom");

// Which control shows which drawing. The scene picture is not here: it comes
// from graficos/ and draws itself (ImagenEscena).
struct Retrato {
    const char *ventana, *control, *dibujo;
};
// clang-format off
const Retrato retratos[] = {
    {"Presentacion", "Image2", ":/dibujos/cavernicola.svg"},
    {"Acerca",       "Image1", ":/dibujos/logo.svg"},
    {"Empieza",      "Image2", ":/dibujos/jugador.svg"},
    {"charrar1",     "Image1", ":/dibujos/bicho.svg"},
    {"charrar1",     "Image3", ":/dibujos/jugador.svg"},
    {"Camarero",     "Image1", ":/dibujos/camarero.svg"},
    {"Final",        "Image1", ":/dibujos/cavernicola.svg"},
};
// clang-format on

const char *dibujoDe(const QWidget *ventana, const QWidget *control)
{
    for (const Retrato &r : retratos)
        if (ventana->objectName() == QLatin1String(r.ventana) && control->objectName() == QLatin1String(r.control))
            return r.dibujo;
    return nullptr;
}

int escalar(int v, double f)
{
    return int(std::lround(v * f));
}

// Both edges are scaled, so controls that touch at ×1 touch at every zoom.
QRect escalar(const QRect &r, double f, QPoint desplazamiento)
{
    const QPoint a(escalar(r.left(), f), escalar(r.top(), f));
    const QPoint b(escalar(r.left() + r.width(), f), escalar(r.top() + r.height(), f));
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).translated(desplazamiento);
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

// What the window was designed with, read once, and how it is shown now.
class Diseno : public QObject
{
public:
    explicit Diseno(QWidget *ventana)
        : QObject(ventana)
        , ventana_(ventana)
    {
        setObjectName(QStringLiteral("zw_escala"));
        ventana->installEventFilter(this);
        auto teclas = [ventana](QList<QKeySequence> secuencias, void (*accion)()) {
            auto *atajo = new QShortcut(ventana);
            atajo->setKeys(secuencias);
            QObject::connect(atajo, &QShortcut::activated, ventana, accion);
        };
        teclas({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, acercar);
        teclas({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, alejar);
        teclas({QKeySequence(Qt::CTRL | Qt::Key_0)}, restablecer);
    }

    static Diseno *de(const QWidget *ventana)
    {
        return ventana ? ventana->findChild<Diseno *>(QStringLiteral("zw_escala"), Qt::FindDirectChildrenOnly)
                       : nullptr;
    }

    bool completa = false;
    QPoint antes; // where the window was before full screen

    // Shows the window at the zoom, or full screen at the factor that fits.
    void aplicar()
    {
        if (!leido_)
            leer();
        double f = zoom_;
        QPoint desplazamiento;
        if (completa) {
            const QSize area = ventana_->screen() ? ventana_->screen()->geometry().size() : ventana_->size();
            f = std::min(double(area.width()) / tam_.width(), double(area.height()) / tam_.height());
            desplazamiento = QPoint((area.width() - escalar(tam_.width(), f)) / 2,
                                    (area.height() - escalar(tam_.height(), f)) / 2);
        }
        const double ratio = ventana_->devicePixelRatioF();
        if (f == factor_ && desplazamiento == desplazamiento_ && ratio == ratio_)
            return;
        factor_ = f;
        desplazamiento_ = desplazamiento;
        ratio_ = ratio;

        for (const Control &c : controles_) {
            if (!c.w)
                continue;
            if (c.fuente)
                c.w->setFont(escalar(*c.fuente, f));
            if (c.geometria)
                c.w->setGeometry(escalar(*c.geometria, f, c.w->parentWidget() == ventana_ ? desplazamiento : QPoint()));
            if (c.fijo)
                c.w->setFixedSize(escalar(QRect(QPoint(), *c.fijo), f, {}).size());
            if (c.linea)
                static_cast<QFrame *>(c.w.data())->setLineWidth(std::max(1, escalar(*c.linea, f)));
        }
        if (completa) {
            ventana_->setMinimumSize(0, 0);
            ventana_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else if (auto *principal = qobject_cast<QMainWindow *>(ventana_)) {
            // The client area is the design's; the menu bar takes what its font needs.
            const int ancho = principal->centralWidget()->width();
            principal->setFixedSize(ancho,
                                    principal->centralWidget()->height() + principal->menuBar()->heightForWidth(ancho));
        } else {
            ventana_->setFixedSize(escalar(QRect(QPoint(), tam_), f, {}).size());
        }
        if (!completa && ventana_->isVisible())
            mantenerEnPantalla();
        if (!ventana_->isVisible())
            adelantarDibujos();
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (objeto == ventana_
            && (evento->type() == QEvent::Show || evento->type() == QEvent::ScreenChangeInternal
                || (completa && evento->type() == QEvent::Resize)))
            aplicar();
        if (evento->type() == QEvent::Paint && objeto != ventana_)
            prepararDibujo(objeto);
        return QObject::eventFilter(objeto, evento);
    }

private:
    // A window grown past the screen's edge is moved back inside it.
    void mantenerEnPantalla()
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

    // A picture is drawn for its size and screen just before it is painted,
    // so a start-up draws only what it shows, and a move to a screen of
    // another density draws it again.
    void prepararDibujo(QObject *objeto)
    {
        for (const Control &c : controles_) {
            if (c.w != objeto || !c.dibujo)
                continue;
            auto *etiqueta = static_cast<QLabel *>(c.w.data());
            const QSize tam = escalar(QRect(QPoint(), c.tamDibujo), factor_, {}).size();
            const double ratio = etiqueta->devicePixelRatioF();
            const QPixmap actual = etiqueta->pixmap();
            if (actual.deviceIndependentSize().toSize() != tam || actual.devicePixelRatio() != ratio)
                etiqueta->setPixmap(dibujo(QString::fromLatin1(c.dibujo), tam, ratio));
        }
    }

    // A hidden window's pictures drawn on a worker, to be ready when it shows.
    void adelantarDibujos()
    {
        for (const Control &c : controles_) {
            if (!c.w)
                continue;
            if (c.dibujo) {
                const QSize fisico = (QSizeF(escalar(QRect(QPoint(), c.tamDibujo), factor_, {}).size()) * ratio_).toSize();
                adelanto_.pedir({{QString::fromLatin1(c.dibujo), imagenes::cualquierDensidad}}, fisico, ratio_);
            }
            if (auto *escena = qobject_cast<ImagenEscena *>(c.w.data()))
                escena->adelantarPendiente();
        }
    }

    struct Control {
        QPointer<QWidget> w;
        std::optional<QFont> fuente;
        std::optional<QRect> geometria;
        std::optional<QSize> fijo;
        std::optional<int> linea;
        const char *dibujo = nullptr;
        QSize tamDibujo;
    };

    void leer()
    {
        leido_ = true;
        tam_ = ventana_->size();
        if (auto *principal = qobject_cast<QMainWindow *>(ventana_))
            tam_.setHeight(principal->centralWidget()->height());
        controles_.push_back({ventana_, ventana_->font(), {}, {}, {}, nullptr, {}});
        for (QWidget *w : ventana_->findChildren<QWidget *>()) {
            // Every control's own font: some classes (menus, menu bars) take
            // theirs from the platform rather than from the window.
            Control c{w, w->font(), {}, {}, {}, nullptr, {}};
            // Windows place themselves; a main window lays out its own parts.
            if (!w->isWindow() && !qobject_cast<QMainWindow *>(w->parentWidget()))
                c.geometria = w->geometry();
            if (w->minimumSize() == w->maximumSize())
                c.fijo = w->minimumSize();
            if (auto *marco = qobject_cast<QFrame *>(w);
                marco && (marco->frameShape() == QFrame::HLine || marco->frameShape() == QFrame::VLine))
                c.linea = marco->lineWidth();
            if (auto *etiqueta = qobject_cast<QLabel *>(w); etiqueta && (c.dibujo = dibujoDe(ventana_, w))) {
                c.tamDibujo = etiqueta->pixmap().isNull() ? etiqueta->size()
                                                          : etiqueta->pixmap().deviceIndependentSize().toSize();
                etiqueta->installEventFilter(this);
            }
            controles_.push_back(c);
        }
    }

    QWidget *ventana_;
    bool leido_ = false;
    QSize tam_;
    QList<Control> controles_;
    double factor_ = 1.0;
    QPoint desplazamiento_;
    double ratio_ = 1.0;
    imagenes::Adelanto adelanto_;
};

void aplicarATodas()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (Diseno *d = Diseno::de(w))
            d->aplicar();
}

void cambiarYRecordar(double z)
{
    ponerZoom(z);
    ajustes().setValue(claveZoom, z);
}

} // namespace

std::span<const double> pasos()
{
    return pasos_;
}

bool esPaso(double z)
{
    return std::find(pasos_.begin(), pasos_.end(), z) != pasos_.end();
}

double zoom()
{
    return zoom_;
}

void ponerZoom(double z)
{
    if (!esPaso(z))
        return;
    zoom_ = z;
    aplicarATodas();
}

void acercar()
{
    for (double z : pasos_)
        if (z > zoom_)
            return cambiarYRecordar(z);
}

void alejar()
{
    for (auto z = pasos_.rbegin(); z != pasos_.rend(); ++z)
        if (*z < zoom_)
            return cambiarYRecordar(*z);
}

void restablecer()
{
    cambiarYRecordar(pasos_.front());
}

double zoomParaAltura(int alturaPantalla)
{
    double elegido = pasos_.front();
    for (double z : pasos_)
        if (alturaAventura * z <= alturaPantalla / 2.0)
            elegido = z;
    return elegido;
}

double zoomDeInicio(const QScreen *pantalla)
{
    bool bien = false;
    const double recordado = ajustes().value(claveZoom).toDouble(&bien);
    if (bien && esPaso(recordado))
        return recordado;
    return pantalla ? zoomParaAltura(pantalla->geometry().height()) : pasos_.front();
}

void registrar(QWidget *ventana)
{
    if (!Diseno::de(ventana))
        new Diseno(ventana);
}

void permitirPantallaCompleta(QWidget *ventana)
{
    registrar(ventana);
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), ventana);
    QObject::connect(f11, &QShortcut::activated, ventana,
                     [ventana] { pantallaCompleta(ventana, !enPantallaCompleta(ventana)); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), ventana);
    escape->setEnabled(false);
    escape->setObjectName(QStringLiteral("zw_salir_pantalla_completa"));
    QObject::connect(escape, &QShortcut::activated, ventana, [ventana] { pantallaCompleta(ventana, false); });
}

void pantallaCompleta(QWidget *ventana, bool completa)
{
    Diseno *d = Diseno::de(ventana);
    if (!d || d->completa == completa)
        return;
    d->completa = completa;
    if (auto *escape = ventana->findChild<QShortcut *>(QStringLiteral("zw_salir_pantalla_completa")))
        escape->setEnabled(completa);
    if (completa) {
        d->antes = ventana->pos();
        d->aplicar();
        // Covering the screen by itself as well, for a desktop whose window
        // manager does not do it (or an X server without one).
        if (const QScreen *pantalla = ventana->screen())
            ventana->setGeometry(pantalla->geometry());
        ventana->showFullScreen();
    } else {
        ventana->showNormal();
        d->aplicar();
        ventana->move(d->antes);
    }
}

bool enPantallaCompleta(const QWidget *ventana)
{
    const Diseno *d = Diseno::de(ventana);
    return d && d->completa;
}

QPixmap dibujo(const QString &svg, QSize tam, double ratio)
{
    const QSize fisico = (QSizeF(tam) * ratio).toSize();
    const QString clave = imagenes::clave({svg, imagenes::cualquierDensidad}, fisico);
    QPixmap hecho;
    if (!QPixmapCache::find(clave, &hecho)) {
        hecho = QPixmap::fromImage(imagenes::pintarDibujo(svg, fisico));
        hecho.setDevicePixelRatio(ratio);
        QPixmapCache::insert(clave, hecho);
    }
    hecho.setDevicePixelRatio(ratio); // copies only for another screen's density
    return hecho;
}

} // namespace zw::escala

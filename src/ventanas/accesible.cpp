#include "accesible.h"

#include "controles.h"
#include "zonas.h"

#include <QAccessibleWidget>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QFocusFrame>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace zw {

namespace {

// The verbs, "Limpiar", "Menú" and "Salir a Windows": buttons to a reader.
class AccesibleEtiqueta : public QAccessibleWidget
{
public:
    explicit AccesibleEtiqueta(Etiqueta *e)
        : QAccessibleWidget(e, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = etiqueta()->text();
        return s;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString &accion) override
    {
        if (accion == pressAction())
            etiqueta()->pulsar();
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    Etiqueta *etiqueta() const { return static_cast<Etiqueta *>(widget()); }
};

// The hotspot reached inside the scene picture, by the keyboard outline or by
// the pointer; it has no widget of its own.
class AccesibleZona : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit AccesibleZona(ImagenEscena *imagen) : imagen_(imagen) {}

    bool isValid() const override { return imagen_ && imagen_->zonaSenalada(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return imagen_ ? imagen_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(imagen_.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text t) const override
    {
        const Zona *z = imagen_ ? imagen_->zonaSenalada() : nullptr;
        if (!z)
            return {};
        if (t == QAccessible::Name)
            return QString::fromUtf8(z->nombre);
        if (t == QAccessible::Description)
            return z->tipo == Tipo::Lugar ? QStringLiteral("Lugar: elegirlo termina la acción")
                                    : QStringLiteral("Cosa de la escena");
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = imagen_ && imagen_->hasFocus() && imagen_->zonaConTeclado();
        s.invisible = !imagen_ || !imagen_->isVisible();
        return s;
    }

    QRect rect() const override
    {
        const Zona *z = imagen_ ? imagen_->zonaSenalada() : nullptr;
        if (!z)
            return {};
        const double sx = imagen_->width() / double(ImagenEscena::ancho);
        const double sy = imagen_->height() / double(ImagenEscena::alto);
        const QRect r(qRound(z->clic.x1 * sx), qRound(z->clic.y1 * sy),
                      qRound((z->clic.x2 - z->clic.x1 + 1) * sx), qRound((z->clic.y2 - z->clic.y1 + 1) * sy));
        return r.translated(imagen_->mapToGlobal(QPoint(0, 0)));
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {QStringLiteral("Space")}; }
    void doAction(const QString &accion) override
    {
        if (!imagen_ || accion != pressAction())
            return;
        if (!imagen_->zonaConTeclado()) {
            // A reader pressing the hotspot under the pointer: outline it first.
            const auto orden = zonasEnOrden(imagen_->escena());
            const auto at = std::find(orden.begin(), orden.end(), imagen_->zonaSenalada());
            imagen_->senalar(at == orden.end() ? -1 : int(at - orden.begin()));
        }
        imagen_->pulsarSenalada();
    }

private:
    QPointer<ImagenEscena> imagen_;
};

class AccesibleImagen : public QAccessibleWidget
{
public:
    explicit AccesibleImagen(ImagenEscena *imagen)
        : QAccessibleWidget(imagen, QAccessible::Graphic)
        , zona_(new AccesibleZona(imagen))
    {
        QAccessible::registerAccessibleInterface(zona_);
    }
    ~AccesibleImagen() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(zona_)); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString escena = nombreEscena(imagen()->escena());
            return escena.isEmpty() ? QStringLiteral("Escena") : escena;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return zona_->isValid() ? 1 : 0; }
    QAccessibleInterface *child(int i) const override { return i == 0 && zona_->isValid() ? zona_ : nullptr; }
    int indexOfChild(const QAccessibleInterface *hijo) const override
    {
        return hijo == zona_ && zona_->isValid() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        return zona_->isValid() && zona_->rect().contains(x, y) ? zona_ : nullptr;
    }

private:
    ImagenEscena *imagen() const { return static_cast<ImagenEscena *>(widget()); }

    AccesibleZona *zona_;
};

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(objeto);
    if (clase == QLatin1String("zw::Etiqueta"))
        return new AccesibleEtiqueta(static_cast<Etiqueta *>(w));
    if (clase == QLatin1String("zw::ImagenEscena"))
        return new AccesibleImagen(static_cast<ImagenEscena *>(w));
    // A plain widget shown as a window reads as a "filler"; the title window is
    // a main window and already reads as a window.
    if (w->isWindow() && clase.startsWith(QLatin1String("zw::")) && !qobject_cast<QMainWindow *>(w))
        return new QAccessibleWidget(w, QAccessible::Window);
    return nullptr;
}

// The focus mark: two lines, dark and light, so it shows on the black adventure
// screen and on the grey dialogs alike.
class EstiloMarca : public QProxyStyle
{
public:
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        if (h == SH_FocusFrame_AboveWidget)
            return true;
        return QProxyStyle::styleHint(h, o, w, r);
    }
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        if (m == PM_FocusFrameHMargin || m == PM_FocusFrameVMargin)
            return 2;
        return QProxyStyle::pixelMetric(m, o, w);
    }
};

class MarcaFoco : public QFocusFrame
{
public:
    explicit MarcaFoco(QWidget *parent)
        : QFocusFrame(parent)
    {
        auto *estilo = new EstiloMarca;
        estilo->setParent(this);
        setStyle(estilo);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawRect(r.adjusted(3, 3, -4, -4));
        p.setPen(QPen(QColor(255, 215, 0), 2));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
};

QPointer<MarcaFoco> marca;

void seguirFoco(QWidget *, QWidget *ahora)
{
    const bool conMarca = ahora && !ahora->isWindow() && !qobject_cast<QMenuBar *>(ahora)
                          && !qobject_cast<QMenu *>(ahora->window());
    if (!conMarca) {
        if (marca)
            marca->setWidget(nullptr);
        return;
    }
    if (!marca)
        marca = new MarcaFoco(ahora->parentWidget());  // moves to the window of the control it marks
    marca->setWidget(ahora);
}

class IntroPulsa : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(e);
            const bool intro = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            if (intro && !k->isAutoRepeat() && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                static_cast<QAbstractButton *>(objeto)->click();
                return true;
            }
        }
        return QObject::eventFilter(objeto, e);
    }
};

} // namespace

void introPulsaBotones(QWidget *ventana)
{
    auto *filtro = new IntroPulsa(ventana);
    for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>())
        b->installEventFilter(filtro);
}

void instalarAccesibilidad()
{
    static const bool hecho = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    (void)hecho;
}

void instalarMarcaFoco()
{
    static QPointer<QApplication> instalada;
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || instalada == app)
        return;
    instalada = app;
    QObject::connect(app, &QApplication::focusChanged, app, &seguirFoco);
}

namespace {
OyenteLector oyente = nullptr;
}

void anunciar(QWidget *control, const QString &texto)
{
    control->setAccessibleDescription(texto);  // Qt sends DescriptionChanged itself
    if (oyente) {
        QAccessibleEvent cambio(control, QAccessible::DescriptionChanged);
        oyente(&cambio);
    }
}

void avisarLector(QAccessibleEvent *aviso)
{
    if (oyente)
        oyente(aviso);
    QAccessible::updateAccessibility(aviso);
}

bool lectorEscucha()
{
    return oyente || QAccessible::isActive();
}

OyenteLector ponerOyenteLector(OyenteLector nuevo)
{
    OyenteLector anterior = oyente;
    oyente = nuevo;
    return anterior;
}

} // namespace zw

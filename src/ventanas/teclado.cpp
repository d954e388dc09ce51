// The keyboard in every window: Space and Enter as clicks, and the focus mark.
#include "teclado.h"

#include "estilo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace zw::teclado {

bool esPulsar(const QKeyEvent *e)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    return !e->isAutoRepeat() && mods == Qt::NoModifier
           && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
}

namespace {

class IntroPulsa : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(e);
            if (esPulsar(k) && k->key() != Qt::Key_Space) {
                static_cast<QAbstractButton *>(objeto)->click();
                return true;
            }
        }
        return QObject::eventFilter(objeto, e);
    }
};

// Drawn above the control, a little outside it.
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
        pintarMarca(p, rect());
    }
};

QPointer<MarcaFoco> marco;

// Menus and windows mark themselves.
bool llevaMarca(const QWidget *w)
{
    return w && !w->isWindow() && !qobject_cast<const QMenuBar *>(w) && !qobject_cast<QMenu *>(w->window());
}

void seguirFoco()
{
    QWidget *ahora = QApplication::focusWidget();
    if (!Marca::instancia()->visible() || !llevaMarca(ahora)) {
        if (marco)
            marco->setWidget(nullptr);
        return;
    }
    if (!marco)
        marco = new MarcaFoco(ahora->parentWidget()); // moves to the window of the control it marks
    marco->setWidget(ahora);
}

} // namespace

// Keys show the mark, a mouse click hides it, in every window of the application.
class Vigia : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override
    {
        // A key is first offered to the shortcuts (ShortcutOverride), and a
        // shortcut or a window's own filter may take it before any KeyPress
        // is seen here: either one counts.
        if ((e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) && objeto->isWidgetType()) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            const bool soloModificador = k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt
                                         || k == Qt::Key_Meta || k == Qt::Key_AltGr;
            if (!soloModificador)
                Marca::instancia()->ponerVisible(true);
        } else if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            Marca::instancia()->ponerVisible(false);
        }
        return QObject::eventFilter(objeto, e);
    }
};

Marca *Marca::instancia()
{
    static Marca *marca = new Marca;
    return marca;
}

void Marca::ponerVisible(bool si)
{
    if (si == visible_)
        return;
    visible_ = si;
    seguirFoco();
    emit cambiada();
}

void introPulsaBotones(QWidget *ventana)
{
    auto *filtro = new IntroPulsa(ventana);
    for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>())
        b->installEventFilter(filtro);
}

void instalarMarcaFoco(QApplication *app)
{
    Marca::instancia()->visible_ = false;
    app->installEventFilter(new Vigia(app));
    QObject::connect(app, &QApplication::focusChanged, app, &seguirFoco);
}

void pintarMarca(QPainter &p, const QRect &r)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color(ColorPropio::BordeMarca), 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawRect(r.adjusted(3, 3, -4, -4));
    p.setPen(QPen(color(ColorPropio::Marca), 2));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}

} // namespace zw::teclado

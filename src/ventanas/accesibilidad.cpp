// What a screen reader finds in the game's windows.
#include "accesibilidad.h"

#include "etiqueta.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QFrame>
#include <QMenu>
#include <algorithm>

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

// A drawn line, there only for its looks.
bool esAdorno(const QWidget *w)
{
    const auto *marco = qobject_cast<const QFrame *>(w);
    return marco && (marco->frameShape() == QFrame::HLine || marco->frameShape() == QFrame::VLine);
}

// A window or panel whose decorative lines a reader never meets.
class AccesibleSinAdornos : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(hijos().size()); }
    QAccessibleInterface *child(int i) const override
    {
        const QList<QWidget *> todos = hijos();
        return i >= 0 && i < todos.size() ? QAccessible::queryAccessibleInterface(todos.at(i)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *hijo) const override
    {
        return hijo ? int(hijos().indexOf(qobject_cast<QWidget *>(hijo->object()))) : -1;
    }

private:
    // As Qt lists a widget's children for a reader, less the lines.
    QList<QWidget *> hijos() const
    {
        QList<QWidget *> lista;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !esAdorno(w) && !qobject_cast<QFocusFrame *>(w) && !qobject_cast<QMenu *>(w)
                && !w->objectName().startsWith(QLatin1String("qt_")))
                lista << w;
        }
        return lista;
    }
};

bool tieneAdornos(const QWidget *w)
{
    const QList<QFrame *> marcos = w->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
    return std::any_of(marcos.begin(), marcos.end(), esAdorno);
}

} // namespace

// Classes by their meta-object: a control is asked for by every class it is,
// most derived first, and the first answer counts.
QAccessibleInterface *accesibleDelJuego(const QString &, QObject *objeto)
{
    auto *w = qobject_cast<QWidget *>(objeto);
    if (!w)
        return nullptr;
    if (auto *etiqueta = qobject_cast<Etiqueta *>(w))
        return new AccesibleEtiqueta(etiqueta);
    const QMetaObject *clase = w->metaObject();
    if (clase == &QWidget::staticMetaObject && !w->isWindow() && tieneAdornos(w))
        return new AccesibleSinAdornos(w, QAccessible::Client);
    // A window of the game (a class of its own right above QWidget) would
    // read as a "filler"; the title window is a main window and already reads
    // as a window, and a menu is a window too.
    if (w->isWindow() && clase->superClass() == &QWidget::staticMetaObject && !qobject_cast<QMenu *>(w))
        return new AccesibleSinAdornos(w, QAccessible::Window);
    return nullptr;
}

} // namespace zw

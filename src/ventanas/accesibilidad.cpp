// What a screen reader finds in the game's windows.
#include "accesibilidad.h"

#include "accesible_escena.h"
#include "etiqueta.h"
#include "imagen_escena.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QFrame>
#include <QMainWindow>
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

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(objeto);
    if (clase == QLatin1String("QWidget") && !w->isWindow() && tieneAdornos(w))
        return new AccesibleSinAdornos(w, QAccessible::Client);
    if (clase == QLatin1String("zw::Etiqueta"))
        return new AccesibleEtiqueta(static_cast<Etiqueta *>(w));
    if (clase == QLatin1String("zw::ImagenEscena"))
        return crearAccesibleEscena(static_cast<ImagenEscena *>(w));
    // A plain widget shown as a window reads as a "filler"; the title window is
    // a main window and already reads as a window.
    if (w->isWindow() && clase.startsWith(QLatin1String("zw::")) && !qobject_cast<QMainWindow *>(w))
        return new AccesibleSinAdornos(w, QAccessible::Window);
    return nullptr;
}

} // namespace

void instalarAccesibilidad()
{
    static const bool hecho = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    (void)hecho;
}

void anunciar(QWidget *control, const QString &texto)
{
    control->setAccessibleDescription(texto); // Qt tells the reader itself
}

} // namespace zw

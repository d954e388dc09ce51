// What a screen reader finds in the game's windows.
#include "accesibilidad.h"

#include "accesible_escena.h"
#include "etiqueta.h"
#include "imagen_escena.h"

#include <QAccessibleWidget>
#include <QMainWindow>

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

QAccessibleInterface *fabrica(const QString &clase, QObject *objeto)
{
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(objeto);
    if (clase == QLatin1String("zw::Etiqueta"))
        return new AccesibleEtiqueta(static_cast<Etiqueta *>(w));
    if (clase == QLatin1String("zw::ImagenEscena"))
        return crearAccesibleEscena(static_cast<ImagenEscena *>(w));
    // A plain widget shown as a window reads as a "filler"; the title window is
    // a main window and already reads as a window.
    if (w->isWindow() && clase.startsWith(QLatin1String("zw::")) && !qobject_cast<QMainWindow *>(w))
        return new QAccessibleWidget(w, QAccessible::Window);
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

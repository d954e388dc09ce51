// The scene picture and its hotspots as a screen reader finds them.
#include "accesible_escena.h"

#include "imagen_escena.h"
#include "puntos_escena.h"
#include "zonas.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace zw {

namespace {

// The hotspot reached inside the scene picture, by the keyboard outline or by
// the pointer; it has no widget of its own.
class AccesibleZona : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit AccesibleZona(ImagenEscena *imagen) : imagen_(imagen) {}

    bool isValid() const override { return zona(); }
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
        const Zona *z = zona();
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
        const Zona *z = zona();
        if (!z)
            return {};
        const QRect r = PuntosEscena(imagen_->width()).deDiseno().mapRect(PuntosEscena::rectangulo(z->clic));
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
        // A reader pressing the hotspot under the pointer: outline it first.
        if (!imagen_->zonaConTeclado()) {
            RecorridoZonas recorrido;
            recorrido.ponerEscena(imagen_->escena());
            imagen_->senalar(recorrido.indiceDe(imagen_->zonaSenalada()));
        }
        imagen_->pulsarSenalada();
    }

private:
    const Zona *zona() const { return imagen_ ? imagen_->zonaSenalada() : nullptr; }

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
            const QString escena = nombreEscena(static_cast<ImagenEscena *>(widget())->escena());
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
    AccesibleZona *zona_;
};

} // namespace

QAccessibleInterface *accesibleDeEscena(const QString &, QObject *objeto)
{
    auto *imagen = qobject_cast<ImagenEscena *>(objeto);
    return imagen ? new AccesibleImagen(imagen) : nullptr;
}

} // namespace zw

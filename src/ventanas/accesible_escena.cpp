// The scene picture and its hotspots as a screen reader finds them.
#include "accesible_escena.h"

#include "imagen_escena.h"
#include "puntos_escena.h"
#include "zonas.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace zw {

namespace {

// One hotspot of the scene picture, listed with its name and place; it has no
// widget of its own. Pressing it outlines it and picks it, as Space would.
class AccesibleZona : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccesibleZona(ImagenEscena *imagen, const Zona *zona, int indice)
        : imagen_(imagen), zona_(zona), indice_(indice) {}

    bool isValid() const override { return imagen_ && imagen_->escena() == zona_->escena; }
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
        if (t == QAccessible::Name)
            return QString::fromUtf8(zona_->nombre);
        if (t == QAccessible::Description)
            return zona_->tipo == Tipo::Lugar ? QStringLiteral("Lugar: elegirlo termina la acción")
                                              : QStringLiteral("Cosa de la escena");
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = imagen_ && imagen_->hasFocus() && imagen_->zonaConTeclado() == zona_;
        s.invisible = !imagen_ || !imagen_->isVisible();
        return s;
    }

    QRect rect() const override
    {
        if (!imagen_)
            return {};
        const QRect r = PuntosEscena(imagen_->width()).deDiseno().mapRect(PuntosEscena::rectangulo(zona_->clic));
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
        if (!isValid() || accion != pressAction())
            return;
        imagen_->senalar(indice_);
        imagen_->pulsarSenalada();
    }

private:
    QPointer<ImagenEscena> imagen_;
    const Zona *zona_;
    int indice_;
};

// The picture, named after its scene, with the scene's hotspots as children.
// They are made again for each new scene, when a reader next asks.
class AccesibleImagen : public QAccessibleWidget
{
public:
    explicit AccesibleImagen(ImagenEscena *imagen)
        : QAccessibleWidget(imagen, QAccessible::Graphic)
    {
    }
    ~AccesibleImagen() override { soltar(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString escena = nombreEscena(imagen()->escena());
            return escena.isEmpty() ? QStringLiteral("Escena") : escena;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(zonas().size()); }
    QAccessibleInterface *child(int i) const override
    {
        const auto &todas = zonas();
        return i >= 0 && i < int(todas.size()) ? todas[std::size_t(i)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *hijo) const override
    {
        const auto &todas = zonas();
        const auto it = std::find(todas.begin(), todas.end(), hijo);
        return it == todas.end() ? -1 : int(it - todas.begin());
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (AccesibleZona *z : zonas())
            if (z->rect().contains(x, y))
                return z;
        return nullptr;
    }

private:
    ImagenEscena *imagen() const { return static_cast<ImagenEscena *>(widget()); }

    // The current scene's hotspots, each registered with the reader once.
    const std::vector<AccesibleZona *> &zonas() const
    {
        if (escena_ != imagen()->escena()) {
            soltar();
            escena_ = imagen()->escena();
            const std::vector<const Zona *> &orden = imagen()->enOrden();
            for (std::size_t i = 0; i < orden.size(); ++i) {
                zonas_.push_back(new AccesibleZona(imagen(), orden[i], int(i)));
                QAccessible::registerAccessibleInterface(zonas_.back());
            }
        }
        return zonas_;
    }
    void soltar() const
    {
        for (AccesibleZona *z : zonas_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(z));
        zonas_.clear();
    }

    mutable int escena_ = -1;
    mutable std::vector<AccesibleZona *> zonas_;
};

} // namespace

QAccessibleInterface *accesibleDeEscena(const QString &, QObject *objeto)
{
    auto *imagen = qobject_cast<ImagenEscena *>(objeto);
    return imagen ? new AccesibleImagen(imagen) : nullptr;
}

} // namespace zw

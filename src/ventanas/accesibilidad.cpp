// What a screen reader finds in the game's windows.
#include "accesibilidad.h"

#include "etiqueta.h"
#include "imagen.h"
#include "rotulo.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
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

// The action line and the name under "Objeto:": named by their text, and
// while it is empty by the words their form gives them.
class AccesibleRotulo : public QAccessibleWidget
{
public:
    explicit AccesibleRotulo(Rotulo *r)
        : QAccessibleWidget(r, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *r = static_cast<const Rotulo *>(widget());
        return r->text().isEmpty() ? r->nombreVacio() : r->text();
    }
};

// A drawn line, there only for its looks.
bool esAdorno(const QWidget *w)
{
    const auto *marco = qobject_cast<const QFrame *>(w);
    return marco && (marco->frameShape() == QFrame::HLine || marco->frameShape() == QFrame::VLine);
}

// What a game's window or panel leaves out for a reader: decorative lines and
// Qt's own inner parts.
bool fueraDeVentana(const QWidget *w)
{
    return esAdorno(w) || w->objectName().startsWith(QLatin1String("qt_"));
}

// What a message box leaves out: the empty place of the icon it does not have.
bool fueraDeCaja(const QWidget *w)
{
    const auto *l = qobject_cast<const QLabel *>(w);
    return l && l->text().isEmpty() && l->pixmap().isNull();
}

// A window, panel or message box with only the children a reader should meet.
class AccesibleSinAdornos : public QAccessibleWidget
{
public:
    AccesibleSinAdornos(QWidget *w, QAccessible::Role rol, bool (*fuera)(const QWidget *))
        : QAccessibleWidget(w, rol)
        , fuera_(fuera)
    {
    }

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
            if (w && !w->isWindow() && !qobject_cast<QFocusFrame *>(w) && !qobject_cast<QMenu *>(w) && !fuera_(w))
                lista << w;
        }
        return lista;
    }

    bool (*fuera_)(const QWidget *);
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
    // The portraits and drawings are pictures, not text.
    if (clase == &Imagen::staticMetaObject)
        return new QAccessibleWidget(w, QAccessible::Graphic);
    if (auto *rotulo = qobject_cast<Rotulo *>(w))
        return new AccesibleRotulo(rotulo);
    if (qobject_cast<QMessageBox *>(w))
        return new AccesibleSinAdornos(w, QAccessible::AlertMessage, fueraDeCaja);
    if (clase == &QWidget::staticMetaObject && !w->isWindow() && tieneAdornos(w))
        return new AccesibleSinAdornos(w, QAccessible::Client, fueraDeVentana);
    // A window of the game (a class of its own right above QWidget) would
    // read as a "filler"; the title window is a main window and already reads
    // as a window, and a menu is a window too.
    if (w->isWindow() && clase->superClass() == &QWidget::staticMetaObject && !qobject_cast<QMenu *>(w))
        return new AccesibleSinAdornos(w, QAccessible::Window, fueraDeVentana);
    return nullptr;
}

} // namespace zw

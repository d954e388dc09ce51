// The adventure screen full screen, and back.
#include "pantalla_completa.h"

#include "diseno_ventana.h"
#include "escala.h"

#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace zw::escala {

namespace {

const QString salida = QStringLiteral("zw_salir_pantalla_completa");

} // namespace

void permitirPantallaCompleta(QWidget *ventana)
{
    registrar(ventana);
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), ventana);
    QObject::connect(f11, &QShortcut::activated, ventana,
                     [ventana] { pantallaCompleta(ventana, !enPantallaCompleta(ventana)); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), ventana);
    escape->setEnabled(false);
    escape->setObjectName(salida);
    QObject::connect(escape, &QShortcut::activated, ventana, [ventana] { pantallaCompleta(ventana, false); });
}

void pantallaCompleta(QWidget *ventana, bool completa)
{
    DisenoVentana *d = DisenoVentana::de(ventana);
    if (!d || d->completa() == completa)
        return;
    if (auto *escape = ventana->findChild<QShortcut *>(salida))
        escape->setEnabled(completa);
    if (completa) {
        d->antes = ventana->geometry();
        d->ponerCompleta(true);
        // Covering the screen by itself as well, for a desktop whose window
        // manager does not do it (or an X server without one).
        if (const QScreen *pantalla = ventana->screen())
            ventana->setGeometry(pantalla->geometry());
        ventana->showFullScreen();
    } else {
        ventana->showNormal();
        d->ponerCompleta(false);
        // The inside, not the frame: the window manager may frame the window
        // again only later, and a frame's corner would drift by its title bar.
        ventana->setGeometry(QRect(d->antes.topLeft(), ventana->size()));
        // Windows opened over the full screen go back to the zoom.
        ponerZoom(zoom());
    }
}

bool enPantallaCompleta(const QWidget *ventana)
{
    const DisenoVentana *d = DisenoVentana::de(ventana);
    return d && d->completa();
}

} // namespace zw::escala

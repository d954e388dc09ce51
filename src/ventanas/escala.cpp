// The zoom of the game's windows: steps, keys, start and memory.
#include "escala.h"

#include "ajustes.h"
#include "diseno_ventana.h"
#include "formularios.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <array>
#include <cmath>
#include <cstdio>

namespace zw::escala {

namespace {

constexpr std::array pasos_ = {1.0, 1.5, 2.0, 3.0, 4.0};

// The adventure screen's designed size, which the zoom is chosen by, as its
// form gives it: no window need exist yet.
QSize aventura()
{
    static const QSize tamano = tamanoDeFormulario(QStringLiteral("empieza.ui"));
    return tamano;
}

const QScreen *pantallaDelJuego()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && DisenoVentana::de(w))
            return w->screen();
    return QApplication::primaryScreen();
}

double zoom_ = 1.0;

void cambiarYRecordar(double z)
{
    ponerZoom(z);
    ajustes::recordarZoom(z);
}

void teclas(QWidget *ventana, QList<QKeySequence> secuencias, void (*accion)())
{
    auto *atajo = new QShortcut(ventana);
    atajo->setKeys(secuencias);
    QObject::connect(atajo, &QShortcut::activated, ventana, accion);
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
    for (QWidget *w : QApplication::topLevelWidgets())
        if (DisenoVentana *d = DisenoVentana::de(w))
            d->ponerZoom(z);
}

// Never past the largest step at which the adventure screen fits.
void acercar()
{
    for (double z : pasos_) {
        if (z > zoom_) {
            if (cabe(z, pantallaDelJuego()))
                cambiarYRecordar(z);
            return;
        }
    }
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
        if (aventura().height() * z <= alturaPantalla / 2.0)
            elegido = z;
    return elegido;
}

bool cabe(double z, const QScreen *pantalla)
{
    if (!pantalla)
        return true;
    const QSize area = pantalla->availableGeometry().size() - DisenoVentana::marco();
    return std::lround(aventura().width() * z) <= area.width() && std::lround(aventura().height() * z) <= area.height();
}

double zoomQueCabe(double z, const QScreen *pantalla)
{
    double elegido = pasos_.front();
    for (double paso : pasos_)
        if (paso <= z && cabe(paso, pantalla))
            elegido = paso;
    if (elegido != z)
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("zarrapio-world: a ×%1 la ventana no cabe en la pantalla; se usa ×%2.")
                                    .arg(z)
                                    .arg(elegido)));
    return elegido;
}

double zoomDeInicio(const QScreen *pantalla)
{
    if (const std::optional<double> recordado = ajustes::zoomRecordado(); recordado && esPaso(*recordado))
        return *recordado;
    return pantalla ? zoomParaAltura(pantalla->geometry().height()) : pasos_.front();
}

void ajustar(QWidget *ventana)
{
    if (DisenoVentana *d = DisenoVentana::de(ventana))
        d->aplicar();
}

void registrar(QWidget *ventana)
{
    if (DisenoVentana::de(ventana))
        return;
    new DisenoVentana(ventana, zoom_);
    teclas(ventana, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, acercar);
    teclas(ventana, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, alejar);
    teclas(ventana, {QKeySequence(Qt::CTRL | Qt::Key_0)}, restablecer);
}

} // namespace zw::escala

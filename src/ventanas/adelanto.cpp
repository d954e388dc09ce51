// Pictures drawn ahead of need, on one worker, into the cache of pictures.
#include "adelanto.h"

#include "escenas.h"
#include "ficheros.h"
#include "imagen.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QThreadPool>

namespace zw::imagenes {

namespace {

QThreadPool &trabajador()
{
    static QThreadPool pool;
    return pool;
}

// The keys asked for and not arrived yet; only the main thread touches it.
QSet<QString> &pendientes()
{
    static QSet<QString> claves;
    return claves;
}

} // namespace

void prepararAdelantos()
{
    trabajador().setMaxThreadCount(1);
    // Behind anything the player is waiting for.
    trabajador().setThreadPriority(QThread::LowestPriority);
    // Nothing drawn ahead may arrive for a program that is going away.
    qAddPostRoutine(pararAdelantos);
}

void adelantar(const QList<Fuente> &orden, QSize fisico, double ratio)
{
    if (orden.isEmpty() || fisico.isEmpty() || !QCoreApplication::instance())
        return;
    const QString primera = clave(orden.first(), fisico);
    if (guardada(primera) || pendientes().contains(primera))
        return;
    pendientes().insert(primera);
    trabajador().start([orden, fisico, ratio, primera] {
        QImage imagen;
        QString hecha;
        for (const Fuente &f : orden) {
            imagen = leer(f, fisico);
            if (!imagen.isNull()) {
                hecha = clave(f, fisico);
                break;
            }
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [primera, hecha, imagen = std::move(imagen), ratio] {
                pendientes().remove(primera);
                if (!imagen.isNull())
                    guardar(hecha, imagen, ratio);
            },
            Qt::QueuedConnection);
    });
}

void pararAdelantos()
{
    trabajador().clear();
    trabajador().waitForDone();
    pendientes().clear();
}

void adelantarOcultas()
{
    for (QWidget *ventana : QApplication::topLevelWidgets())
        for (Imagen *imagen : ventana->findChildren<Imagen *>())
            if (!imagen->isVisible() && !imagen->enTarjeta())
                adelantar(propias(imagen->orden()), imagen->fisico(), imagen->devicePixelRatioF());
}

AdelantoDeEscenas::AdelantoDeEscenas(Imagen *imagen, const QString &carpeta, int anchoDiseno)
    : QObject(imagen)
    , imagen_(imagen)
    , carpeta_(carpeta)
    , anchoDiseno_(anchoDiseno)
{
    imagen->installEventFilter(this);
}

bool AdelantoDeEscenas::eventFilter(QObject *objeto, QEvent *e)
{
    // Shown, resized (a new zoom), or moved to a screen of another density.
    if (objeto == imagen_ && !carpeta_.isEmpty() && !reloj_.isActive()
        && (e->type() == QEvent::Show || e->type() == QEvent::Resize || e->type() == QEvent::ScreenChangeInternal))
        reloj_.start(esperaMs, this);
    return QObject::eventFilter(objeto, e);
}

void AdelantoDeEscenas::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != reloj_.timerId())
        return QObject::timerEvent(e);
    reloj_.stop();
    if (!imagen_ || !imagen_->isVisible())
        return;
    const QSize fisico = imagen_->fisico();
    if (qint64(fisico.width()) * fisico.height() * bytesPorPixel > bytesPorEscena)
        return;
    const QString hecho = QStringLiteral("%1x%2").arg(fisico.width()).arg(fisico.height());
    if (std::exchange(hecho_, hecho) == hecho)
        return;
    const double densidad = fisico.width() / double(anchoDiseno_);
    for (int n = primeraEscena; n <= ultimaEscena; ++n)
        if (const QString ruta = ficheros::buscar(carpeta_, ficheroEscena(n)); !ruta.isEmpty())
            adelantar(propias(ordenPara(fuentesDe(ruta), densidad)), fisico, imagen_->devicePixelRatioF());
}

} // namespace zw::imagenes

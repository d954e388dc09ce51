// Pictures drawn ahead of need, on one worker, into the cache of pictures.
#include "adelanto.h"

#include <QCoreApplication>
#include <QSet>
#include <QThreadPool>

namespace zw::imagenes {

namespace {

QThreadPool &trabajador()
{
    static QThreadPool pool;
    static const bool preparado = [] {
        pool.setMaxThreadCount(1);
        // Behind anything the player is waiting for.
        pool.setThreadPriority(QThread::LowestPriority);
        return true;
    }();
    (void)preparado;
    return pool;
}

// The keys asked for and not arrived yet; only the main thread touches it.
QSet<QString> &pendientes()
{
    static QSet<QString> claves;
    return claves;
}

} // namespace

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

} // namespace zw::imagenes

// Where a picture comes from, how it is read, and the one cache of pictures.
#include "imagenes.h"

#include "arte.h"
#include "ficheros.h"
#include "leer_imagen.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>

namespace zw::imagenes {

namespace {

bool esDibujo(const QString &ruta)
{
    return ruta.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

} // namespace

void agrandarCache()
{
    QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), kilobytesDeCache));
}

QString rutaDibujo(const QString &nombre)
{
    return QStringLiteral(":/dibujos/%1.svg").arg(nombre);
}

QList<Fuente> fuentesDe(const QString &ruta)
{
    if (esDibujo(ruta))
        return {{ruta, cualquierDensidad}};
    QList<Fuente> fuentes{{ruta, 1}};
    const QFileInfo base(ruta);
    for (int veces : {2, 3}) {
        const QString nombre = QStringLiteral("%1@%2x.%3").arg(base.completeBaseName()).arg(veces).arg(base.suffix());
        const QString densa = ficheros::buscar(base.absolutePath(), nombre);
        if (!densa.isEmpty() && QFileInfo(densa).lastModified() >= base.lastModified())
            fuentes.append({densa, veces});
    }
    if (const QString dibujo = dibujoDeEscena(ruta); !dibujo.isEmpty())
        fuentes.append({dibujo, cualquierDensidad});
    return fuentes;
}

QList<Fuente> ordenPara(QList<Fuente> fuentes, double densidad)
{
    const auto basta = [densidad](const Fuente &f) { return f.veces >= densidad - 1e-9; };
    std::stable_sort(fuentes.begin(), fuentes.end(), [&basta](const Fuente &a, const Fuente &b) {
        if (basta(a) != basta(b))
            return basta(a);
        return basta(a) ? a.veces < b.veces : a.veces > b.veces;
    });
    return fuentes;
}

QImage pintarDibujo(const QString &svg, QSize fisico)
{
    QImage imagen(fisico, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    QSvgRenderer(svg).render(&pintor, QRectF(QPointF(), QSizeF(fisico)));
    return imagen;
}

// A drawing the build rendered ahead at exactly this size, else rendered now.
QImage leerDibujo(const QString &svg, QSize fisico)
{
    const QString pintado = QStringLiteral(":/pintados/%1-%2x%3.png")
                                .arg(QFileInfo(svg).completeBaseName())
                                .arg(fisico.width())
                                .arg(fisico.height());
    if (QFileInfo::exists(pintado))
        if (QImage imagen(pintado); imagen.size() == fisico)
            return imagen.convertToFormat(QImage::Format_RGB32);
    return pintarDibujo(svg, fisico);
}

QImage leer(const Fuente &fuente, QSize fisico, QString *porque)
{
    if (esDibujo(fuente.ruta))
        return leerDibujo(fuente.ruta, fisico);
    return leerFichero(fuente.ruta, fisico, porque);
}

QList<Fuente> propias(const QList<Fuente> &fuentes)
{
    QList<Fuente> suyas;
    for (const Fuente &f : fuentes)
        if (esDibujo(f.ruta) || esDeLaConstruccion(f.ruta))
            suyas.append(f);
    return suyas;
}

QString clave(const Fuente &fuente, QSize fisico)
{
    const QFileInfo fichero(fuente.ruta);
    return QStringLiteral("zw_imagen|%1|%2|%3|%4x%5")
        .arg(fuente.ruta)
        .arg(fichero.lastModified().toMSecsSinceEpoch())
        .arg(fichero.size())
        .arg(fisico.width())
        .arg(fisico.height());
}

namespace {

// A file refused as it stands, at a size, and why: it is not read again for
// the next check, show or paint, only once it changes (its time and size are
// in its key).
QHash<QString, QString> &rechazadas()
{
    static QHash<QString, QString> porque;
    return porque;
}

} // namespace

QPixmap pixmap(const QList<Fuente> &orden, QSize fisico, double ratio, Fallo *fallo)
{
    Fallo primero;
    for (const Fuente &f : orden) {
        const QString k = clave(f, fisico);
        QPixmap hecho;
        if (!QPixmapCache::find(k, &hecho)) {
            const auto rechazada = rechazadas().constFind(k);
            QString porque = rechazada != rechazadas().cend() ? *rechazada : QString();
            const QImage imagen = porque.isEmpty() ? leer(f, fisico, &porque) : QImage();
            if (imagen.isNull()) {
                rechazadas().insert(k, porque);
                if (primero.fichero.isEmpty())
                    primero = {f.ruta, porque};
                continue;
            }
            hecho = QPixmap::fromImage(imagen);
            hecho.setDevicePixelRatio(ratio);
            QPixmapCache::insert(k, hecho);
        }
        hecho.setDevicePixelRatio(ratio); // copies only if the screen changed
        return hecho;
    }
    if (fallo)
        *fallo = primero;
    return {};
}

void guardar(const QString &clave, const QImage &imagen, double ratio)
{
    if (QPixmapCache::find(clave, nullptr))
        return;
    QPixmap pixmap = QPixmap::fromImage(imagen);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(clave, pixmap);
}

bool guardada(const QString &clave)
{
    return QPixmapCache::find(clave, nullptr);
}

} // namespace zw::imagenes

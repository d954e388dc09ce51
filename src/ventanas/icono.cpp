// The game's icon, for the title bars and the task bar.
#include "icono.h"

#include "arte.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>

#include <algorithm>

namespace zw {

namespace {

// The icon's rasters read one at a time, when a size is asked for: at start
// the platform asks for the few small ones a title bar and a task bar show.
class MotorIcono : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new MotorIcono; }

    QPixmap pixmap(const QSize &tam, QIcon::Mode modo, QIcon::State) override
    {
        const QString clave = QStringLiteral("zw_icono|%1|%2").arg(tam.width()).arg(int(modo));
        QPixmap hecho;
        if (QPixmapCache::find(clave, &hecho))
            return hecho;
        QImage imagen(QString::fromLatin1(rasterPara(tam).ruta));
        if (imagen.size() != tam)
            imagen = imagen.scaled(tam, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        hecho = QPixmap::fromImage(imagen);
        if (modo == QIcon::Disabled)
            hecho = QApplication::style()->generatedIconPixmap(modo, hecho, nullptr);
        QPixmapCache::insert(clave, hecho);
        return hecho;
    }

    void paint(QPainter *p, const QRect &r, QIcon::Mode modo, QIcon::State estado) override
    {
        const double ratio = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(r, pixmap((QSizeF(r.size()) * ratio).toSize(), modo, estado));
    }

    QSize actualSize(const QSize &tam, QIcon::Mode, QIcon::State) override
    {
        const int lado = std::min(tam.width(), tam.height());
        return QSize(lado, lado);
    }

    // What a window manager takes at start; larger ones are drawn on demand.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> tams;
        for (const ImagenIncorporada &i : iconos())
            if (i.ancho <= 64)
                tams.append(QSize(i.ancho, i.alto));
        return tams;
    }

private:
    // The smallest raster at least that large, else the largest.
    static const ImagenIncorporada &rasterPara(QSize tam)
    {
        for (const ImagenIncorporada &i : iconos())
            if (i.ancho >= tam.width() && i.alto >= tam.height())
                return i;
        return iconos().back();
    }
};

} // namespace

QIcon iconoDelJuego()
{
    return QIcon(new MotorIcono);
}

} // namespace zw

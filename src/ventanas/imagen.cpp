// The one picture control: a drawing, a picture file or a card, painted for
// its size and screen.
#include "imagen.h"

#include "estilo.h"

#include <QApplication>
#include <QPainter>

namespace zw {

Imagen::Imagen(QWidget *parent)
    : QLabel(parent)
{
}

void Imagen::ponerDibujo(const QString &nombre)
{
    dibujo_ = nombre;
    cambiar(imagenes::fuentesDe(imagenes::rutaDibujo(nombre)), 0);
}

bool Imagen::legible(const QList<imagenes::Fuente> &fuentes, int anchoDiseno, imagenes::Fallo *fallo) const
{
    const QList<imagenes::Fuente> orden = imagenes::ordenPara(fuentes, fisico().width() / double(anchoDiseno));
    return !imagenes::pixmap(orden, fisico(), devicePixelRatioF(), fallo).isNull();
}

bool Imagen::legible(const QString &ruta, int anchoDiseno, imagenes::Fallo *fallo) const
{
    return legible(imagenes::fuentesDe(ruta), anchoDiseno, fallo);
}

// Read now, so that a picture that cannot be read is known at once, and a
// refused denser one gives way to the next.
bool Imagen::ponerFichero(const QString &ruta, int anchoDiseno)
{
    const QList<imagenes::Fuente> fuentes = imagenes::fuentesDe(ruta);
    if (!legible(fuentes, anchoDiseno))
        return false;
    cambiar(fuentes, anchoDiseno);
    return true;
}

void Imagen::ponerTarjeta(const QString &texto, QSize diseno)
{
    cambiar({}, 0);
    tarjeta_ = texto;
    disenoTarjeta_ = diseno;
}

void Imagen::cambiar(const QList<imagenes::Fuente> &fuentes, int anchoDiseno)
{
    fuentes_ = fuentes;
    anchoDiseno_ = anchoDiseno;
    tarjeta_.clear();
    hecha_ = QPixmap();
    update();
}

QSize Imagen::fisico() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

// A drawing suits any density; a file's denser versions are chosen by how
// many screen pixels each of its 1× pixels needs.
QList<imagenes::Fuente> Imagen::orden() const
{
    if (anchoDiseno_ <= 0)
        return fuentes_;
    return imagenes::ordenPara(fuentes_, fisico().width() / double(anchoDiseno_));
}

QPixmap Imagen::pintarTarjeta() const
{
    const double ratio = devicePixelRatioF();
    QPixmap hueco(fisico());
    hueco.setDevicePixelRatio(ratio);
    hueco.fill(color(ColorPropio::Tarjeta));
    QPainter pintor(&hueco);
    const double f = disenoTarjeta_.width() > 0 ? width() / double(disenoTarjeta_.width()) : 1.0;
    pintor.scale(f, f);
    pintor.setPen(color(ColorPropio::LetraTarjeta));
    pintor.setFont(fuenteDialogo());
    pintor.drawText(QRect(QPoint(), disenoTarjeta_.isValid() ? disenoTarjeta_ : size()), Qt::AlignCenter, tarjeta_);
    return hueco;
}

QPixmap Imagen::pintada() const
{
    const QSize tam = fisico();
    const double ratio = devicePixelRatioF();
    if (!hecha_.isNull() && hecha_.size() == tam && hecha_.devicePixelRatio() == ratio)
        return hecha_;
    if (!tarjeta_.isEmpty())
        hecha_ = pintarTarjeta();
    else if (!fuentes_.isEmpty() && !tam.isEmpty())
        hecha_ = imagenes::pixmap(orden(), tam, ratio);
    return hecha_;
}

void Imagen::paintEvent(QPaintEvent *)
{
    const QPixmap p = pintada();
    if (p.isNull())
        return;
    QPainter pintor(this);
    pintor.drawPixmap(QPoint(), p);
}

} // namespace zw

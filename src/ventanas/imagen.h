// The one picture control of the game's windows.
#pragma once

#include "imagenes.h"

#include <QLabel>

namespace zw {

// A picture: one of the drawings built into the program (named in the forms
// by the property `dibujo`), a picture file with its denser versions, or a
// dark card with a message in place of a missing picture. It paints itself at
// its size for its screen's density, through the cache of pictures, so it is
// sharp at every zoom and on every screen.
class Imagen : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString dibujo READ dibujo WRITE ponerDibujo)

public:
    explicit Imagen(QWidget *parent = nullptr);

    QString dibujo() const { return dibujo_; }
    void ponerDibujo(const QString &nombre);

    // A picture file, `anchoDiseno` pixels wide at 1×, and its denser
    // versions. False when none of them can be read: what it showed stays.
    bool ponerFichero(const QString &ruta, int anchoDiseno);

    // Whether that file (or a denser version) can be read at the size this
    // control would show it, else why not; what is read is kept for the showing.
    bool legible(const QString &ruta, int anchoDiseno, imagenes::Fallo *fallo = nullptr) const;

    // A message on a dark card, written in the design's pixels.
    void ponerTarjeta(const QString &texto, QSize diseno);
    bool enTarjeta() const { return !tarjeta_.isEmpty(); }

    // What it shows now, at its size for its screen.
    QPixmap pintada() const;

    // The pixels it is painted at: its size times its screen's density.
    QSize fisico() const;
    // Its sources in the order they are tried for that size.
    QList<imagenes::Fuente> orden() const;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    bool legible(const QList<imagenes::Fuente> &fuentes, int anchoDiseno, imagenes::Fallo *fallo = nullptr) const;
    void cambiar(const QList<imagenes::Fuente> &fuentes, int anchoDiseno);
    QPixmap pintarTarjeta() const;

    QString dibujo_;
    QList<imagenes::Fuente> fuentes_;
    int anchoDiseno_ = 0;
    QString tarjeta_;
    QSize disenoTarjeta_;
    mutable QPixmap hecha_;
};

} // namespace zw

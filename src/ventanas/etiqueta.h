#pragma once

#include <QLabel>

namespace zw {

// A label the player can click and point at: the verbs, "Limpiar", "Menú"...
class Etiqueta : public QLabel
{
    Q_OBJECT

public:
    explicit Etiqueta(QWidget *parent = nullptr);

signals:
    void clicked();
    void ratonEncima();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    bool pulsada_ = false;
};

// The scene picture: reports pointer moves and button presses in its own pixels.
class ImagenEscena : public QLabel
{
    Q_OBJECT

public:
    explicit ImagenEscena(QWidget *parent = nullptr);

signals:
    void movido(QPoint punto);
    void pulsado(QPoint punto);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
};

} // namespace zw

#pragma once

#include <QLabel>
#include <QListWidget>

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

// The inventory list: reports a pick when the player selects an entry with the
// mouse (the one already selected too) or moves the selection with the keys.
// Filling the list, or the focus arriving, picks nothing.
class ListaObjetos : public QListWidget
{
    Q_OBJECT

public:
    explicit ListaObjetos(QWidget *parent = nullptr);

signals:
    void elegida(int fila);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
};

} // namespace zw

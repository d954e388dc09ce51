#pragma once

#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class Empieza;
}

namespace zw {

class Juego;

// The adventure screen: shows the game and passes the player's clicks to it.
class Empieza : public QWidget
{
    Q_OBJECT

public:
    Empieza(Juego &juego, const QString &carpetaGraficos, QWidget *parent = nullptr);
    ~Empieza() override;

    // The one way a scene picture reaches the screen, in play and from a saved
    // game: the file from the pictures folder, the name matched without regard
    // to case. On failure the picture shown stays as it was.
    bool cargarImagen(const QString &fichero);

signals:
    void menu();

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *e) override;

private:
    // The keyboard and the screen reader (empieza_teclado.cpp).
    void prepararTeclado();
    void prepararLector();

    void conectarVerbos();
    void conectarJuego();
    // A scene change in play: its picture, or the card that says it is missing.
    void mostrarEscena(int escena);
    void mostrarFalta(const QString &fichero);
    void resaltar(QLabel *verbo, bool resaltado);

    std::unique_ptr<Ui::Empieza> ui;
    Juego &juego_;
    QString carpeta_;
};

} // namespace zw

// The adventure screen: shows the game and passes the player's clicks to it.
#pragma once

#include "imagenes.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class Empieza;
}

namespace zw {

class Etiqueta;
class Juego;

// The adventure screen: shows the game and passes the player's clicks to it.
class Empieza : public QWidget
{
    Q_OBJECT

public:
    Empieza(Juego &juego, const QString &carpetaGraficos, QWidget *parent = nullptr);
    ~Empieza() override;

    // Whether the picture of a scene can be shown from any of its sources, in
    // the order the scene tries them, read and ready to be shown; else which
    // file and why not. A saved game is loaded only then.
    bool escenaLegible(int escena, imagenes::Fallo *fallo) const;

    static constexpr Qt::Key teclaInventario = Qt::Key_I, teclaEscena = Qt::Key_E;

signals:
    void menu();
    // "Salir a Windows": the program ends.
    void salir();

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *e) override;

private:
    // The keyboard and the screen reader (empieza_teclado.cpp).
    void prepararTeclado();
    void prepararLector();

    // The verbs' labels, in the order they stand on screen.
    QList<Etiqueta *> etiquetasDeVerbos() const;
    void conectarVerbos();
    void conectarJuego();
    // The one way a scene reaches the screen, in play and from a saved game:
    // its picture, or the card that says it is missing.
    void mostrarEscena(int escena);
    void resaltar(QLabel *verbo, bool resaltado);

    std::unique_ptr<Ui::Empieza> ui;
    Juego &juego_;
    QString carpeta_;
};

} // namespace zw

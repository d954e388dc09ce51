#pragma once

#include <QLabel>
#include <QListWidget>

#include <vector>

namespace zw {

struct Zona;

// A label the player can click and point at: the verbs, "Limpiar", "Menú"...
class Etiqueta : public QLabel
{
    Q_OBJECT

public:
    explicit Etiqueta(QWidget *parent = nullptr);

    // What a click does; Space and Enter do it too when the label has the focus.
    void pulsar() { emit clicked(); }

signals:
    void clicked();
    void ratonEncima();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    bool pulsada_ = false;
};

// The scene picture: reports pointer moves and button presses in its own pixels.
// With the focus, the arrow keys (and Tab, until the last one) walk an outline
// over the scene's hotspots in reading order and Space or Enter presses on the
// one outlined; while the reveal key is held every hotspot is outlined and named.
// The overlay is drawn in the picture's design pixels.
class ImagenEscena : public QLabel
{
    Q_OBJECT

public:
    explicit ImagenEscena(QWidget *parent = nullptr);

    // The scene whose hotspots the keys walk; a new scene drops the outline.
    void ponerEscena(int escena);
    int escena() const { return escena_; }

    // The hotspot under the keyboard outline, else the one the pointer showed last.
    const Zona *zonaSenalada() const;
    const Zona *zonaConTeclado() const;
    void senalar(int indice);       // -1 takes the outline away
    void pulsarSenalada();          // as a press at the outlined hotspot

    void revelar(bool si);
    bool revelando() const { return revelar_; }

    static constexpr int ancho = 372, alto = 303;  // design pixels
    static constexpr Qt::Key teclaRevelar = Qt::Key_Z;

signals:
    void movido(QPoint punto);
    void pulsado(QPoint punto);
    void senalada(const QString &nombre);  // the outline reached a hotspot

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void avisarLectorDePantalla(bool foco);

    int escena_ = 0;
    std::vector<const Zona *> orden_;
    int senalada_ = -1;
    const Zona *bajoRaton_ = nullptr;
    bool revelar_ = false;
};

// The inventory list: reports a pick when the player selects an entry with the
// mouse (the one already selected too) or moves the selection with the keys;
// Space or Enter picks the entry under the cursor, as a click on it would, and
// Control with the arrows, Home or End moves the cursor without picking.
// Filling the list, or the focus arriving, picks nothing, and the first arrow
// key after the focus arrives lands on the first entry.
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
    void focusInEvent(QFocusEvent *e) override;
};

} // namespace zw

#pragma once

#include "imagenes.h"

#include <QBasicTimer>
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

// The scene picture: reports pointer moves and button presses in the design's
// pixels, the ones the hotspot maps are measured in, at every zoom and screen
// density; and draws its picture for its size and the screen's density.
// With the focus, the arrow keys (and Tab, until the last one) walk an outline
// over the scene's hotspots in reading order and Space or Enter presses on the
// one outlined; while the reveal key is held every hotspot is outlined and named.
// The overlay is drawn in the picture's design pixels.
class ImagenEscena : public QLabel
{
    Q_OBJECT

public:
    explicit ImagenEscena(QWidget *parent = nullptr);
    ~ImagenEscena() override;

    // Shows a picture file, or a drawing built into the program (":/...svg").
    // A file "N.jpg" may have denser versions beside it, "N@2x.jpg" and
    // "N@3x.jpg" (any letter case); the least dense one that is sharp enough
    // for the screen is used, unless it is older than "N.jpg" (the player
    // replaced that picture). Where the screen needs more than all of them,
    // a scene picture still the build's own is drawn from its drawing. False
    // when nothing can be read: the picture shown then stays as it was.
    bool mostrarFichero(const QString &ruta);
    // Shows a message on a dark card instead of a picture.
    void mostrarAviso(const QString &texto);
    // The folder whose scene pictures ("1.jpg"...) are drawn ahead, at the
    // size shown, while the control is visible.
    void adelantarDesde(const QString &carpeta);
    // While hidden, the picture it will show is drawn ahead on a worker.
    void adelantarPendiente();

    // The one mapping from this control's points to design pixels:
    // 0 <= x < ancho, 0 <= y < alto.
    QPoint aDiseno(QPointF punto) const;
    // Design pixels to this control's points, for drawing over the picture.
    QTransform deDiseno() const;

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

    static constexpr int ancho = 372, alto = 303;  // design pixels, the size every scene is designed at
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
    void resizeEvent(QResizeEvent *e) override;
    bool event(QEvent *e) override;
    void timerEvent(QTimerEvent *e) override;

private:
    void avisarLectorDePantalla(bool foco);
    double factor() const;
    QSize tamFisico() const;
    QPixmap pintar(const QList<imagenes::Fuente> &fuentes) const;
    void redibujar();
    void adelantar();

    int escena_ = 0;
    std::vector<const Zona *> orden_;
    int senalada_ = -1;
    const Zona *bajoRaton_ = nullptr;
    bool revelar_ = false;
    QList<imagenes::Fuente> fuentes_;
    QString aviso_;
    bool pendiente_ = false; // to be drawn when shown
    imagenes::Adelanto adelanto_;
    QString carpetaEscenas_;
    QBasicTimer reloj_;
    QString adelantado_; // the folder and size last drawn ahead for
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

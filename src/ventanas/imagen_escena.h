// The scene picture of the adventure screen: clicks, pointer and keys on its
// hotspots, reported in the design's pixels.
#pragma once

#include "imagen.h"
#include "puntos_escena.h"
#include "recorrido_zonas.h"


namespace zw {

struct Zona;

// Reports pointer moves and button presses in the design's pixels, the ones
// the hotspot maps are measured in, at every zoom and screen density. With
// the focus, the arrow keys (and Tab, until the last one) walk an outline
// over the scene's hotspots in reading order and Space or Enter presses on
// the one outlined; while the reveal key is held every hotspot is outlined
// and named.
class ImagenEscena : public Imagen
{
    Q_OBJECT

public:
    explicit ImagenEscena(QWidget *parent = nullptr);

    static constexpr int ancho = PuntosEscena::ancho, alto = PuntosEscena::alto;
    static constexpr Qt::Key teclaRevelar = Qt::Key_Z;

    // A scene picture file, "N.jpg" with any denser "N@2x.jpg", "N@3x.jpg"
    // beside it (any letter case); the least dense that is sharp enough for
    // the screen is used, unless it is older than "N.jpg" (the player replaced
    // that picture). False when nothing can be read: the picture stays.
    bool mostrarFichero(const QString &ruta);
    // A message on a dark card instead of a picture.
    void mostrarTarjeta(const QString &texto);

    QPoint aDiseno(QPointF punto) const { return PuntosEscena(width()).aDiseno(punto); }

    // The scene whose hotspots the keys walk; a new scene drops the outline.
    void ponerEscena(int escena);
    int escena() const { return recorrido_.escena(); }

    // The scene's hotspots in reading order, the order the keys walk them.
    const std::vector<const Zona *> &enOrden() const { return recorrido_.orden(); }
    // The hotspot under the keyboard outline, or null.
    const Zona *zonaConTeclado() const { return recorrido_.conTeclado(); }
    void senalar(int indice);   // -1 takes the outline away
    void pulsarSenalada();      // as a press at the outlined hotspot

    void revelar(bool si);
    bool revelando() const { return revelar_; }

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
    // A reader hears the hotspot the outline reached while the picture has the
    // keyboard, as it hears the entry reached in a list (the pointer's is found
    // by the reader's own review of the pointer); and the picture's new name
    // and hotspots with a new scene.
    void anunciarZona();
    void anunciarEscena();

    RecorridoZonas recorrido_;
    bool revelar_ = false;
};

} // namespace zw

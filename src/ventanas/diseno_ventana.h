// A window's design, read once, shown at any zoom or full screen.
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

class QStyle;
class QWidget;

namespace zw {

// Positions, sizes, fonts and line widths are the design's ×1 values times
// the factor, so the layout stays the one designed; pictures paint themselves
// at whatever size their control gets. Full screen, the window is shown at
// the largest factor that fits its screen, centred on its own background;
// a window shown while another is full screen comes at that window's factor.
// No window is ever shown larger than the screen's available area (the
// screen less its panels) lets it, nor smaller than designed.
class DisenoVentana : public QObject
{
public:
    // Its design is read at the first scaling, so fonts set after this count
    // as designed.
    DisenoVentana(QWidget *ventana, double zoom);

    // The one registered for a window, or null.
    static DisenoVentana *de(const QWidget *ventana);
    // What the window manager's frame adds to a window of the game, as it
    // frames a shown one; before any is shown, room for a title bar.
    static QSize marco();

    void ponerZoom(double zoom);
    bool completa() const { return completa_; }
    void ponerCompleta(bool completa);
    // Applies the zoom, or the full-screen factor, to every control.
    void aplicar();

    QRect antes; // where the window's inside was before full screen

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct Control {
        QPointer<QWidget> w;
        QFont fuente;
        std::optional<QRect> geometria;
        std::optional<QSize> fijo;
        std::optional<int> linea;
    };

    void leer();
    Control medir(QWidget *w) const;
    double factorCompleto(QPoint &desplazamiento) const;
    double factorQueCabe(double f) const;
    void escalarBarras();
    void escalarControles();
    void fijarTamano();
    void mantenerEnPantalla();

    QWidget *ventana_;
    double zoom_;
    bool completa_ = false;
    bool leido_ = false;
    QSize tam_; // the client area as designed
    QList<Control> controles_;
    double factor_ = 1.0;
    QPoint desplazamiento_;
    QStyle *estiloBarras_ = nullptr; // scroll bars as wide as the zoom makes them
    // The factor of the window shown full screen, while one is.
    static inline double factorDeLaCompleta_ = 0;
};

} // namespace zw

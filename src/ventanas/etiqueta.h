// A label the player clicks: the verbs, "Limpiar", "Menú", "Salir a Windows".
#pragma once

#include <QLabel>

namespace zw {

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

} // namespace zw

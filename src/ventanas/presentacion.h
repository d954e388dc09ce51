// The title window: the story and the menu that starts, saves, loads and quits.
#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class Presentacion;
}

namespace zw {

// The title window: the story and the menu that starts, saves, loads and quits.
class Presentacion : public QMainWindow
{
    Q_OBJECT

public:
    explicit Presentacion(QWidget *parent = nullptr);
    ~Presentacion() override;

signals:
    void jugar();
    void acercaDe();
    void guardarPartida();
    void cargarPartida();
    void salir();

private:
    std::unique_ptr<Ui::Presentacion> ui;
};

} // namespace zw

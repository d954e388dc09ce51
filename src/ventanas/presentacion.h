#pragma once

#include <QMainWindow>

#include "ui_presentacion.h"

namespace zw {

// The title window: the story and the menu that starts, saves, loads and quits.
class Presentacion : public QMainWindow
{
    Q_OBJECT

public:
    explicit Presentacion(QWidget *parent = nullptr);

signals:
    void jugar();
    void acercaDe();
    void guardarPartida();
    void cargarPartida();

private:
    Ui::Presentacion ui;
};

} // namespace zw

// The title window and its menu.
#include "presentacion.h"
#include "ui_presentacion.h"

#include "estilo.h"
#include "ventana.h"

namespace zw {

Presentacion::Presentacion(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Presentacion>())
{
    ui->setupUi(this);
    ui->Label1->setFont(fuenteTitulo());
    ui->Label3->setFont(fuenteNombreJuego());
    for (QFrame *linea : {ui->Line1, ui->Line2, ui->Line3, ui->Line4}) {
        QPalette p = linea->palette();
        p.setColor(QPalette::WindowText, Qt::black); // the window-frame colour
        linea->setPalette(p);
    }
    prepararVentana(this);

    connect(ui->jugar, &QAction::triggered, this, &Presentacion::jugar);
    connect(ui->acercade, &QAction::triggered, this, &Presentacion::acercaDe);
    connect(ui->salir, &QAction::triggered, this, &Presentacion::salir);
    connect(ui->guardarpartida, &QAction::triggered, this, &Presentacion::guardarPartida);
    connect(ui->cargarpartida, &QAction::triggered, this, &Presentacion::cargarPartida);
}

Presentacion::~Presentacion() = default;

} // namespace zw

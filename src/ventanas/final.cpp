// The ending window.
#include "final.h"

#include "estilo.h"
#include "ui_final.h"
#include "ventana.h"

namespace zw {

Final::Final(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Final>())
{
    ui->setupUi(this);
    prepararVentana(this);
    QFont titular = fuenteDialogo();
    titular.setBold(true);
    titular.setItalic(true);
    ui->Label1->setFont(titular);
    ui->Label6->setFont(fuenteGrande());

    connect(ui->Command1, &QPushButton::clicked, this, &Final::salir);
}

Final::~Final() = default;

} // namespace zw

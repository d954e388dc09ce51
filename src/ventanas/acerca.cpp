// The about window.
#include "acerca.h"
#include "ui_acerca.h"

#include "ventana.h"
#include "reglas.h"

namespace zw {

Acerca::Acerca(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Acerca>())
{
    ui->setupUi(this);
    prepararVentana(this);
    QFont negrita = ui->Label2->font();
    negrita.setBold(true);
    ui->Label2->setFont(negrita);
    ui->Label3->setText(reglas::webDelAutor());
    connect(ui->Command1, &QPushButton::clicked, this, &QWidget::hide);
}

Acerca::~Acerca() = default;

} // namespace zw

#include "final.h"

#include "estilo.h"
#include "ui_final.h"


namespace zw {

Final::Final(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Final>())
{
    ui->setupUi(this);
    prepararVentana(this, 474, 385);
    QFont titular = fuenteDialogo();
    titular.setBold(true);
    titular.setItalic(true);
    ui->Label1->setFont(titular);
    ui->Label6->setFont(fuenteGrande());
    ponerImagen(ui->Image1, QStringLiteral(":/imagenes/cavernicola.jpg"));

    connect(ui->Command1, &QPushButton::clicked, this, &Final::Command1_Click);
}

Final::~Final() = default;

void Final::Command1_Click()
{
    terminarPrograma();
}

} // namespace zw

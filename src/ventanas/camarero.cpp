#include "camarero.h"

#include "estilo.h"
#include "ui_camarero.h"

#include <QPixmap>

namespace zw {

Camarero::Camarero(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Camarero>())
{
    ui->setupUi(this);
    prepararVentana(this, 564, 380);
    // A missing picture leaves an empty card; the label keeps its place.
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/imagenes/camarero.jpg")));
    centrar(this);

    connect(ui->Command1, &QPushButton::clicked, this, &Camarero::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Camarero::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Camarero::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Camarero::Command4_Click);
}

Camarero::~Camarero() = default;

void Camarero::responder(const QStringList &lineas)
{
    ui->List1->clear();
    ui->List1->addItems(lineas);
}

void Camarero::Command1_Click()
{
    responder({
        QStringLiteral("Lo siento, pero la ley dice que no se sirvan copas a los Humanos."),
    });
}

void Camarero::Command2_Click()
{
    responder({
        QStringLiteral("Ese es Mr. Cornelius. Es un toro de las islas 'Moco Happy'."),
        QStringLiteral("Recientemente, es uno de los mejores direcctores de cine, de todo Zarrapio World."),
        QStringLiteral("Y ahora está de celebración, ya que su última película: 'Chorizos in the nigth', ha tenido una gran crítica."),
        QStringLiteral("Por eso está ahí, como un imbecil, bailando ..."),
    });
}

void Camarero::Command3_Click()
{
    responder({
        QStringLiteral("Es cuestión de razas. Aquí, en Zarrapio World, tenemos muchas razas, al igual que el Hombre en la tierra."),
    });
}

void Camarero::Command4_Click()
{
    hide();
    emit salir();
}

} // namespace zw

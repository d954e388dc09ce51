#include "charrar1.h"

#include "estilo.h"
#include "ui_charrar1.h"

#include <QPixmap>

namespace zw {

Charrar1::Charrar1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::charrar1>())
{
    ui->setupUi(this);
    prepararVentana(this, 593, 437);
    // A missing picture leaves an empty card; the labels keep their place.
    ui->Image1->setPixmap(QPixmap(QStringLiteral(":/imagenes/bicho.jpg")));
    ui->Image3->setPixmap(QPixmap(QStringLiteral(":/imagenes/jugador.jpg")));
    centrar(this);

    // List1 starts empty, which is all the first showing has to do; showing
    // the window again keeps the last answer.
    connect(ui->quieneres, &QPushButton::clicked, this, &Charrar1::quieneres_Click);
    connect(ui->salgodeaqui, &QPushButton::clicked, this, &Charrar1::salgodeaqui_Click);
    connect(ui->eresfeo, &QPushButton::clicked, this, &Charrar1::eresfeo_Click);
    connect(ui->dondemanos, &QPushButton::clicked, this, &Charrar1::dondemanos_Click);
    connect(ui->adios, &QPushButton::clicked, this, &Charrar1::adios_Click);
}

Charrar1::~Charrar1() = default;

void Charrar1::responder(const QStringList &lineas)
{
    ui->List1->clear();
    ui->List1->addItems(lineas);
}

void Charrar1::quieneres_Click()
{
    responder({
        QStringLiteral("La pregunta sería así: ¿Quién eres tú?."),
        QStringLiteral("Yo soy un Zarrapio, y veo que tú eres uno de esos"),
        QStringLiteral("Humanos, que a vuelto a traspasar la esfera de entrada a este mundo."),
        QStringLiteral("Verás, hay dos puertas, la de entrada a Zarrapio World, y la de salida de este."),
    });
}

void Charrar1::salgodeaqui_Click()
{
    responder({
        QStringLiteral("¡Eso no te lo diré a no ser que me invites a un refresco!."),
        QStringLiteral("El guardian que vigila la puerta de salida de este mundo, nunca te dejará pasar."),
        QStringLiteral("Así que, cuando me invites a una copa, te diré lo que quieres saber."),
    });
}

void Charrar1::eresfeo_Click()
{
    responder({
        QStringLiteral("¡Ja,ja,ja!, ¡¡yo soy mister Zarrapio, chaval!!."),
        QStringLiteral("Aquí, el único raro eres tú ..."),
    });
}

void Charrar1::dondemanos_Click()
{
    responder({
        QStringLiteral("Los de mi raza no tienemos manos. nos sobra con las piernas y la boca."),
        QStringLiteral("Y no me preguntes como nos hacemos las pajas, porque te lo noto en los ojos ..."),
    });
}

void Charrar1::adios_Click()
{
    // The adventure screen stayed visible behind the conversation.
    hide();
}

} // namespace zw

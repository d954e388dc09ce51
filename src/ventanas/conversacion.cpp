// The two conversation windows, one class driven by a table of questions.
#include "conversacion.h"

#include "ventana.h"
#include "ui_camarero.h"
#include "ui_charrar1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zw {

Conversacion::Conversacion(const Forma &forma, QWidget *parent)
    : QWidget(parent)
{
    forma.montar(this);
    prepararVentana(this);
    centrar(this);

    for (const Pregunta &p : forma.preguntas) {
        QPushButton *boton = findChild<QPushButton *>(QLatin1String(p.boton));
        Q_ASSERT(boton);
        boton->setText(QString::fromUtf8(p.titulo));
        const QStringList respuesta = p.respuesta;
        connect(boton, &QPushButton::clicked, this, [this, respuesta] {
            if (!respuesta.isEmpty()) {
                responder(respuesta);
                return;
            }
            hide();
            emit salir();
        });
    }
    // A player opens a conversation to ask: the focus starts on the first
    // question, not on the empty answer list the tab order begins with.
    findChild<QPushButton *>(QLatin1String(forma.preguntas.front().boton))->setFocus();
}

void Conversacion::responder(const QStringList &lineas)
{
    auto lista = findChild<QListWidget *>(QStringLiteral("List1"));
    lista->clear();
    lista->addItems(lineas);
    lista->setAccessibleDescription(lineas.join(QLatin1Char(' '))); // Qt tells the reader
}

std::unique_ptr<Conversacion> crearCharrar1()
{
    return std::make_unique<Conversacion>(Conversacion::Forma{
        [](QWidget *w) { Ui::charrar1().setupUi(w); }, charlaBicho()});
}

std::unique_ptr<Conversacion> crearCamarero()
{
    return std::make_unique<Conversacion>(Conversacion::Forma{
        [](QWidget *w) { Ui::Camarero().setupUi(w); }, charlaCamarero()});
}

} // namespace zw

// The two conversation windows, one class driven by a table of questions.
#pragma once

#include "charlas.h"

#include <QWidget>

#include <memory>
#include <span>

namespace zw {

// A conversation window: a Designer form with the character cards, question
// buttons and the answer list List1, driven by a table of questions. It tells
// story only and touches no game state; showing it again keeps the last answer.
class Conversacion : public QWidget
{
    Q_OBJECT

public:
    struct Forma {
        void (*montar)(QWidget *ventana);   // builds the Designer form into the window, at its size
        std::span<const Pregunta> preguntas;
    };

    explicit Conversacion(const Forma &forma, QWidget *parent = nullptr);

signals:
    // The way-out button was pressed; the window has already hidden itself.
    void salir();

private:
    void responder(const QStringList &lineas);
};

// The creature of scene 2 (`charrar1`), over the visible adventure screen.
std::unique_ptr<Conversacion> crearCharrar1();
// The waiter of the bar (`Camarero`), while the adventure screen is hidden.
std::unique_ptr<Conversacion> crearCamarero();

} // namespace zw

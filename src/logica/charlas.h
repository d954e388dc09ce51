// The two conversations: their questions and answers, as tables.
#pragma once

#include <QStringList>

#include <span>

namespace zw {

// One question button of a conversation window: the control, its caption and
// the lines the character answers. A button with no answer is the way out.
struct Pregunta {
    const char *boton;
    const char *titulo;
    QStringList respuesta;
};

// The creature of scene 2 and the waiter of the bar, button by button in the
// order of their windows.
std::span<const Pregunta> charlaBicho();
std::span<const Pregunta> charlaCamarero();

} // namespace zw

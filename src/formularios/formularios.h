// The words and sizes of the windows, read from their own Designer forms so they have one home.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace zw {

// `formulario` is a form's file name ("final.ui"); the forms are built into
// the program. The text of one property ("text", "title", "windowTitle") of
// the control or window named `nombre`; empty when there is none.
QString textoDeFormulario(const QString &formulario, const QString &nombre,
                          const QString &propiedad = QStringLiteral("text"));

// The text of every label of the form, in the order the form lists them.
QStringList etiquetasDeFormulario(const QString &formulario);

// The size the form gives its window: its client area as designed.
QSize tamanoDeFormulario(const QString &formulario);

} // namespace zw

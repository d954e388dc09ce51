// The words of the windows, read from their own Designer forms so they have one home.
#pragma once

#include <QString>
#include <QStringList>

namespace zw::texto {

// `formulario` is a form's file name ("final.ui"); the forms are built into
// the program. The text of one property ("text", "title", "windowTitle") of
// the control or window named `nombre`; empty when there is none.
QString textoDeFormulario(const QString &formulario, const QString &nombre,
                          const QString &propiedad = QStringLiteral("text"));

// The text of every label of the form, in the order the form lists them.
QStringList etiquetasDeFormulario(const QString &formulario);

} // namespace zw::texto

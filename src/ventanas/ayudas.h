// Tooltips broken into lines as wide as the control they describe, and never narrower than a short phrase.
#pragma once

class QApplication;

namespace zw {

// Every tooltip of the game's windows is shown wrapped to its control's
// width, or to caracteresMinimos characters where the control is narrower, so
// a short phrase ("Hablar (tecla 1)") stays whole; the text itself stays as
// written. Installed once per application.
inline constexpr int caracteresMinimos = 32;
void instalarAyudas(QApplication *app);

} // namespace zw

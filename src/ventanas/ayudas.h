// Tooltips broken into lines no wider than the control they describe.
#pragma once

class QApplication;

namespace zw {

// Every tooltip of the game's windows is shown wrapped to its control's
// width; the text itself stays as written. Installed once per application.
void instalarAyudas(QApplication *app);

} // namespace zw

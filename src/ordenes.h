// The command line: its options, its usage errors, and a screen that cannot be opened.
#pragma once

#include <QtGlobal>

#include <optional>

class QCoreApplication;

namespace zw {

// What the command line asks for.
struct Ordenes {
    bool texto = false;          // --texto: the game in the terminal
    std::optional<double> zoom;  // --zoom F, a step of the zoom
};

// Read before anything else. --help and --version are answered here without a
// window system; a usage error (an unknown option, a stray argument, a wrong
// or missing value) is told in Spanish on the standard error, naming the
// program and quoting the argument as typed, with exit code 2. Neither returns.
Ordenes leerOrdenes(int &argc, char **argv);

// Qt's own words (buttons, --help, its errors) in the game's language.
void hablarEspanol(QCoreApplication &app);

// Watches the making of the application object: where no screen can be
// opened, the player is told so in Spanish, with the platform tried, and the
// program ends with exit code 1 instead of Qt's abort. What Qt says meanwhile
// is held back, and passed on once the screen is open.
class VigiaPantalla
{
public:
    explicit VigiaPantalla(const char *programa);
    ~VigiaPantalla();
    Q_DISABLE_COPY_MOVE(VigiaPantalla)

    // The screen is open: Qt's messages go their usual way again.
    void soltar();

private:
    bool vigilando_ = true;
};

} // namespace zw

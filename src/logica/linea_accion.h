// The action line built from a verb and one or two picks.
#pragma once

#include <QString>

namespace zw {

enum class Verbo { Hablar, Mentir, Coger, Usar, Mirar };

// "Hablar con ", "Usar "...: how a verb click starts the action line.
QString prefijoVerbo(Verbo v);

// The action line being built: the text the player sees and the builder's own
// two words. It knows nothing of the inventory, the scenes or the rules.
class LineaAccion
{
public:
    bool admitecon = false;     // may a "Usar" line still get its " con "?
    qint16 faltanobjetos = 0;   // picks still needed before the line runs

    const QString &texto() const { return texto_; }
    void poner(const QString &texto) { texto_ = texto; }

    // A verb click: the verb's prefix, and one thing to pick (two for "Usar").
    void empezar(Verbo v);
    // A pick counts only while a line is on screen and still needs a thing.
    bool esperaCosa() const { return !texto_.isEmpty() && faltanobjetos >= 1; }
    // A pick: one thing fewer, its name appended, then ponerCon.
    void anadir(const QString &nombre);
    bool completa() const { return faltanobjetos < 1; }

    // After the first thing of a "Usar" line, appends " con " once.
    void ponerCon();
    // No further picks until the next verb.
    void cerrarAccion();

private:
    QString texto_;
};

} // namespace zw

// A label whose text comes and goes (the action line, the name under "Objeto:").
#pragma once

#include <QLabel>

namespace zw {

// Named by its text for a reader, and while empty by `nombreVacio`, so it is
// never a control without a name.
class Rotulo : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString nombreVacio READ nombreVacio WRITE ponerNombreVacio)

public:
    using QLabel::QLabel;

    QString nombreVacio() const { return nombreVacio_; }
    void ponerNombreVacio(const QString &nombre) { nombreVacio_ = nombre; }

private:
    QString nombreVacio_;
};

} // namespace zw

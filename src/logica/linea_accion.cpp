// The action line built from a verb and one or two picks.
#include "linea_accion.h"

#include "texto.h"

namespace zw {

QString prefijoVerbo(Verbo v)
{
    switch (v) {
    case Verbo::Hablar: return QStringLiteral("Hablar con ");
    case Verbo::Mentir: return QStringLiteral("Mentir a ");
    case Verbo::Coger: return QStringLiteral("Coger ");
    case Verbo::Usar: return QStringLiteral("Usar ");
    case Verbo::Mirar: return QStringLiteral("Mirar ");
    }
    return {};
}

void LineaAccion::empezar(Verbo v)
{
    texto_ = prefijoVerbo(v);
    faltanobjetos = v == Verbo::Usar ? 2 : 1;
}

void LineaAccion::anadir(const QString &nombre)
{
    --faltanobjetos;
    texto_ += nombre;
    ponerCon();
}

void LineaAccion::ponerCon()
{
    const QString linea = mayusculas(texto_);
    if (linea.left(4) == QLatin1String("USAR") && admitecon && !linea.contains(QLatin1String(" CON ")))
        texto_ += QStringLiteral(" con ");
    admitecon = true;
}

void LineaAccion::cerrarAccion()
{
    admitecon = false;
    faltanobjetos = 0;
}

} // namespace zw

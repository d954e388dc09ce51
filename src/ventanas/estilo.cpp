// The colours and fonts the windows were designed with, and the game's own.
#include "estilo.h"

#include <QString>

namespace zw {

QColor color(ColorSistema c)
{
    switch (c) {
    case ColorSistema::TextoMenu: return QColor(0, 0, 0);
    case ColorSistema::Resaltado: return QColor(0, 120, 215);
    case ColorSistema::TextoResaltado: return QColor(255, 255, 255);
    case ColorSistema::TextoBoton: return QColor(0, 0, 0);
    case ColorSistema::TextoTituloInactivo: return QColor(192, 192, 192);
    case ColorSistema::Relieve: return QColor(255, 255, 255);
    case ColorSistema::TextoAyuda: return QColor(0, 0, 0);
    }
    return {};
}

QColor color(ColorPropio c)
{
    switch (c) {
    case ColorPropio::Marca: return QColor(255, 215, 0);
    case ColorPropio::BordeMarca: return QColor(0, 0, 0);
    case ColorPropio::FondoRotulo: return QColor(0, 0, 0, 200);
    case ColorPropio::Tarjeta: return QColor(40, 40, 40);
    case ColorPropio::LetraTarjeta: return QColor(255, 255, 255);
    }
    return {};
}

namespace {

QFont fuente(const char *familia, int pixeles, QFont::Weight peso, bool cursiva)
{
    QFont f(QString::fromLatin1(familia));
    f.setPixelSize(pixeles);
    f.setWeight(peso);
    f.setItalic(cursiva);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace

QFont fuenteDialogo() { return fuente("Liberation Sans Narrow", 11, QFont::Normal, false); }
QFont fuenteTitulo() { return fuente("Liberation Sans", 24, QFont::Bold, false); }
QFont fuenteNombreJuego() { return fuente("Liberation Sans", 37, QFont::Black, true); }
QFont fuenteGrande() { return fuente("Liberation Sans Narrow", 14, QFont::Bold, false); }
QFont fuenteAplicacion() { return fuente("Liberation Sans", 12, QFont::Normal, false); }

} // namespace zw

#include "estilo.h"

#include "accesible.h"
#include "arte.h"
#include "escala.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

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

// Closing any window of the game ends the program.
class CierreTermina : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Close && objeto == parent()) {
            terminarPrograma();
            return false;
        }
        return QObject::eventFilter(objeto, evento);
    }
};

void terminarDeVerdad()
{
    QCoreApplication::exit(0);
}

ManejadorFin manejadorFin = terminarDeVerdad;

} // namespace

QFont fuenteDialogo() { return fuente("Liberation Sans Narrow", 11, QFont::Normal, false); }
QFont fuenteTitulo() { return fuente("Liberation Sans", 24, QFont::Bold, false); }
QFont fuenteNombreJuego() { return fuente("Liberation Sans", 37, QFont::Black, true); }
QFont fuenteGrande() { return fuente("Liberation Sans Narrow", 14, QFont::Bold, false); }

void prepararVentana(QWidget *ventana, int ancho, int alto)
{
    ventana->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint);
    ventana->setFont(fuenteDialogo());
    ventana->setFixedSize(ancho, alto);
    ventana->installEventFilter(new CierreTermina(ventana));
    instalarAccesibilidad();
    instalarMarcaFoco();
    introPulsaBotones(ventana);
    escala::registrar(ventana);
}

QIcon iconoDelJuego()
{
    QIcon icono;
    for (const ImagenIncorporada &i : iconos())
        icono.addFile(QString::fromLatin1(i.ruta), QSize(i.ancho, i.alto));
    return icono;
}

void terminarPrograma()
{
    manejadorFin();
}

ManejadorFin ponerManejadorFin(ManejadorFin nuevo)
{
    ManejadorFin anterior = manejadorFin;
    manejadorFin = nuevo;
    return anterior;
}

void ponerImagen(QLabel *control, const QString &recurso)
{
    control->setPixmap(QPixmap(recurso));
}

void centrar(QWidget *ventana)
{
    if (const QScreen *pantalla = ventana->screen()) {
        QRect marco = ventana->frameGeometry();
        marco.moveCenter(pantalla->availableGeometry().center());
        ventana->move(marco.topLeft());
    }
}

} // namespace zw

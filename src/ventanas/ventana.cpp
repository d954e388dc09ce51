// What every window of the game is set up with, and where it appears.
#include "ventana.h"

#include "accesibilidad.h"
#include "arte.h"
#include "escala.h"
#include "estilo.h"
#include "teclado.h"

#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace zw {

void prepararVentana(QWidget *ventana, int ancho, int alto)
{
    ventana->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint);
    ventana->setFont(fuenteDialogo());
    ventana->setFixedSize(ancho, alto);
    instalarAccesibilidad();
    teclado::instalarMarcaFoco();
    teclado::introPulsaBotones(ventana);
    escala::registrar(ventana);
}

void centrar(QWidget *ventana)
{
    if (const QScreen *pantalla = ventana->screen()) {
        QRect marco = ventana->frameGeometry();
        marco.moveCenter(pantalla->availableGeometry().center());
        ventana->move(marco.topLeft());
    }
}

void traerAlFrente(QWidget *ventana)
{
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

void mostrarAviso(const QString &titulo, const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok);
    caja.exec();
}

QIcon iconoDelJuego()
{
    QIcon icono;
    for (const ImagenIncorporada &i : iconos())
        icono.addFile(QString::fromLatin1(i.ruta), QSize(i.ancho, i.alto));
    return icono;
}

} // namespace zw

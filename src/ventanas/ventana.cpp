// What every window of the game is set up with, and where it appears.
#include "ventana.h"

#include "escala.h"
#include "estilo.h"
#include "teclado.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace zw {

void prepararVentana(QWidget *ventana)
{
    QSize tamano = ventana->size();
    if (auto *principal = qobject_cast<QMainWindow *>(ventana)) {
        // The client area below the menu bar keeps its designed size; the
        // menu bar takes what its font needs.
        QWidget *centro = principal->centralWidget();
        centro->setFixedSize(centro->size());
        tamano = QSize(centro->width(), centro->height() + principal->menuBar()->heightForWidth(centro->width()));
    }
    ventana->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint);
    ventana->setFont(fuenteDialogo());
    ventana->setFixedSize(tamano);
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

namespace {

// A box as wide as a short line at least, so that a window manager has room
// for its title beside its buttons ("Aviso" elided to "A... o" otherwise);
// and its row of buttons, a panel to a reader, named.
void prepararCaja(QMessageBox &caja)
{
    if (auto *rejilla = qobject_cast<QGridLayout *>(caja.layout()))
        rejilla->addItem(new QSpacerItem(caracteresDeCaja * caja.fontMetrics().averageCharWidth(), 0), rejilla->rowCount(),
                         0, 1, rejilla->columnCount());
    if (auto *botones = caja.findChild<QDialogButtonBox *>())
        botones->setAccessibleName(QStringLiteral("Botones"));
}

} // namespace

void mostrarAviso(const QString &titulo, const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok);
    prepararCaja(caja);
    caja.exec();
}

bool preguntarSiNo(const QString &titulo, const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Yes | QMessageBox::No);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("No"));
    caja.setDefaultButton(QMessageBox::No);
    caja.setEscapeButton(QMessageBox::No);
    prepararCaja(caja);
    return caja.exec() == QMessageBox::Yes;
}

} // namespace zw

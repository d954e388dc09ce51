#include "aplicacion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Hidden windows keep the game; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);
    zw::Aplicacion juego;
    juego.arrancar();
    return app.exec();
}

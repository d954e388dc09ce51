#include "accesible.h"
#include "aplicacion.h"
#include "carpetas.h"
#include "estilo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zw::carpetas::nombrarPrograma();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("es.trombulenco.ZarrapioWorld"));
    QApplication::setWindowIcon(zw::iconoDelJuego());
    // Hidden windows keep the game; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window exists, so a screen reader never meets a control of
    // the game under Qt's generic description.
    zw::instalarAccesibilidad();
    const zw::carpetas::Carpetas carpetas = zw::carpetas::elegir(zw::carpetas::lugaresDelSistema());
    zw::Aplicacion juego(carpetas.graficos, carpetas.partida);
    juego.arrancar();
    return app.exec();
}

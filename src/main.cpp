// Zarrapio World: the options of the command line, then the game.
#include "aplicacion.h"
#include "carpetas.h"
#include "escala.h"
#include "modo_texto.h"
#include "ordenes.h"
#include "programa.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zw::carpetas::nombrarPrograma();
    const zw::Ordenes ordenes = zw::leerOrdenes(argc, argv);
    if (ordenes.texto)
        return zw::texto::jugarEnTerminal(argc, argv);
    zw::VigiaPantalla vigia(argv[0]);
    QApplication app(argc, argv);
    vigia.soltar();
    zw::hablarEspanol(app);
    QApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    zw::prepararPrograma(app);

    const double elegido = zw::escala::zoomQueCabe(ordenes.zoom.value_or(
                                                       zw::escala::zoomDeInicio(QApplication::primaryScreen())),
                                                   QApplication::primaryScreen());

    const zw::carpetas::Carpetas carpetas = zw::carpetas::elegir(zw::carpetas::lugaresDelSistema());
    zw::Aplicacion juego(carpetas.graficos, carpetas.partida);
    juego.hablarConElJugador();
    QObject::connect(&juego, &zw::Aplicacion::terminar, &app, [] { QCoreApplication::exit(0); });
    juego.arrancar(elegido);
    return app.exec();
}

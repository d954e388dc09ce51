// Zarrapio World: the options of the command line, then the game.
#include "accesibilidad.h"
#include "aplicacion.h"
#include "carpetas.h"
#include "escala.h"
#include "modo_texto.h"
#include "ordenes.h"
#include "ventana.h"

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
    QGuiApplication::setDesktopFileName(QStringLiteral("es.trombulenco.ZarrapioWorld"));
    QApplication::setWindowIcon(zw::iconoDelJuego());
    QApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    // Hidden windows keep the game; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window exists, so a screen reader never meets a control of
    // the game under Qt's generic description.
    zw::instalarAccesibilidad();

    const double elegido = zw::escala::zoomQueCabe(ordenes.zoom.value_or(
                                                       zw::escala::zoomDeInicio(QApplication::primaryScreen())),
                                                   QApplication::primaryScreen());

    const zw::carpetas::Carpetas carpetas = zw::carpetas::elegir(zw::carpetas::lugaresDelSistema());
    zw::Aplicacion juego(carpetas.graficos, carpetas.partida);
    QObject::connect(&juego, &zw::Aplicacion::aviso, &zw::mostrarAviso);
    QObject::connect(&juego, &zw::Aplicacion::confirmarSustituir, &juego, [&juego](const QString &titulo, const QString &texto) {
        if (zw::preguntarSiNo(titulo, texto))
            juego.sustituirPartida();
    });
    QObject::connect(&juego, &zw::Aplicacion::terminar, &app, [] { QCoreApplication::exit(0); });
    juego.arrancar(elegido);
    return app.exec();
}

// Zarrapio World: the options of the command line, then the game.
#include "accesibilidad.h"
#include "aplicacion.h"
#include "carpetas.h"
#include "escala.h"
#include "ventana.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char *argv[])
{
    zw::carpetas::nombrarPrograma();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("es.trombulenco.ZarrapioWorld"));
    QApplication::setWindowIcon(zw::iconoDelJuego());
    QApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    // Hidden windows keep the game; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window exists, so a screen reader never meets a control of
    // the game under Qt's generic description.
    zw::instalarAccesibilidad();

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("Zarrapio World, una aventura."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    const QCommandLineOption zoom(QStringLiteral("zoom"),
                                  QStringLiteral("Tamaño de las ventanas: 1, 1.5, 2, 3 o 4 (Ctrl + más, Ctrl + menos y Ctrl + 0 mientras se juega)."),
                                  QStringLiteral("F"));
    opciones.addOption(zoom);
    opciones.process(app);
    double elegido = zw::escala::zoomDeInicio(QApplication::primaryScreen());
    if (opciones.isSet(zoom)) {
        elegido = opciones.value(zoom).toDouble();
        if (!zw::escala::esPaso(elegido)) {
            std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("--zoom: %1 no es 1, 1.5, 2, 3 ni 4.").arg(opciones.value(zoom))));
            return 2;
        }
    }

    const zw::carpetas::Carpetas carpetas = zw::carpetas::elegir(zw::carpetas::lugaresDelSistema());
    zw::Aplicacion juego(carpetas.graficos, carpetas.partida);
    QObject::connect(&juego, &zw::Aplicacion::aviso, &zw::mostrarAviso);
    QObject::connect(&juego, &zw::Aplicacion::terminar, &app, [] { QCoreApplication::exit(0); });
    juego.arrancar(elegido);
    return app.exec();
}

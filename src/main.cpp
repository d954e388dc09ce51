// Zarrapio World: the options of the command line, then the game.
#include "accesibilidad.h"
#include "aplicacion.h"
#include "carpetas.h"
#include "escala.h"
#include "estilo.h"
#include "ventana.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <optional>

namespace {

// Qt's own words (buttons, --help, its errors) in the game's language.
void hablarEspanol(QCoreApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

struct Opciones {
    QCommandLineParser parser;
    // Qt's own help option is described in English whatever the translation.
    QCommandLineOption ayuda{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda.")};
    QCommandLineOption zoom{QStringLiteral("zoom"),
                            QStringLiteral("Tamaño de las ventanas: 1, 1.5, 2, 3 o 4 (Ctrl + más, Ctrl + menos y Ctrl + 0 mientras se juega)."),
                            QStringLiteral("F")};

    Opciones()
    {
        parser.setApplicationDescription(QStringLiteral("Zarrapio World, una aventura."));
        parser.addOption(ayuda);
        parser.addVersionOption();
        parser.addOption(zoom);
    }

    // The zoom asked for; exits with a line on the standard error when it is no step.
    std::optional<double> zoomPedido() const
    {
        if (!parser.isSet(zoom))
            return std::nullopt;
        const double z = parser.value(zoom).toDouble();
        if (!zw::escala::esPaso(z)) {
            std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("--zoom: %1 no es 1, 1.5, 2, 3 ni 4.").arg(parser.value(zoom))));
            std::exit(2);
        }
        return z;
    }
};

// Help, the version and a wrong option are answered without a window system,
// so they work where there is no display.
void responderSinPantalla(int &argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Opciones opciones;
    const bool bien = opciones.parser.parse(args);
    if (bien && !opciones.parser.isSet(opciones.ayuda) && !opciones.parser.isSet(QStringLiteral("version"))) {
        opciones.zoomPedido();
        return;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    hablarEspanol(app);
    Opciones traducidas; // the parser's own lines, now in Spanish
    traducidas.parser.process(app); // prints the version or the error, and exits
    traducidas.parser.showHelp(0);
}

} // namespace

int main(int argc, char *argv[])
{
    zw::carpetas::nombrarPrograma();
    responderSinPantalla(argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(zw::fuenteAplicacion()); // Qt's menus and boxes in the game's face
    hablarEspanol(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("es.trombulenco.ZarrapioWorld"));
    QApplication::setWindowIcon(zw::iconoDelJuego());
    QApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    // Hidden windows keep the game; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window exists, so a screen reader never meets a control of
    // the game under Qt's generic description.
    zw::instalarAccesibilidad();

    Opciones opciones;
    opciones.parser.process(app);
    const double elegido = zw::escala::zoomQueCabe(opciones.zoomPedido().value_or(
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

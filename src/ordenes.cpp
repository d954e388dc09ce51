// The command line: its options, its usage errors, and a screen that cannot be opened.
#include "ordenes.h"

#include "escala.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace zw {

namespace {

QString nombrePrograma(const char *argv0)
{
    const QString nombre = QFileInfo(QString::fromLocal8Bit(argv0 ? argv0 : "")).fileName();
    return nombre.isEmpty() ? QStringLiteral("zarrapio-world") : nombre;
}

// Every usage error alike: the program, the argument as typed, why; exit 2.
[[noreturn]] void errorDeUso(const QString &programa, const QString &argumento, const QString &porque)
{
    std::fprintf(stderr, "%s\n%s\n", qPrintable(QStringLiteral("%1: «%2»: %3").arg(programa, argumento, porque)),
                 qPrintable(QStringLiteral("Las opciones están en «%1 --help».").arg(programa)));
    std::exit(2);
}

// The options as --help lists them.
struct Ayuda {
    QCommandLineParser parser;
    // Qt's own help and version options are described in English without
    // Qt's translations, which the game does not need to play in Spanish.
    QCommandLineOption ayuda{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Muestra la versión del juego.")};
    QCommandLineOption zoom{QStringLiteral("zoom"),
                            QStringLiteral("Tamaño de las ventanas: 1, 1.5, 2, 3 o 4 (Ctrl + más, Ctrl + menos y Ctrl + 0 mientras se juega)."),
                            QStringLiteral("F")};
    QCommandLineOption texto{QStringLiteral("texto"),
                             QStringLiteral("Juega en el terminal, sin ventanas ni pantalla: se escribe lo que se "
                                            "quiere hacer (\"coge el ladrillo\") y se lee la respuesta.")};

    Ayuda()
    {
        parser.setApplicationDescription(QStringLiteral("Zarrapio World, una aventura."));
        parser.addOption(ayuda);
        parser.addOption(version);
        parser.addOption(zoom);
        parser.addOption(texto);
    }
};

const QString pasos = QStringLiteral("1, 1.5, 2, 3 o 4");

QString programaVigilado;

// Qt's messages while the application object is made.
struct Mensaje {
    QtMsgType tipo;
    QByteArray fichero, funcion, categoria;
    int linea;
    QString texto;
};
std::vector<Mensaje> retenidos;
QtMessageHandler anterior = nullptr;

QString variable(const char *nombre)
{
    const QString valor = qEnvironmentVariable(nombre);
    return valor.isEmpty() ? QStringLiteral("%1 sin poner").arg(QLatin1String(nombre))
                           : QStringLiteral("%1 «%2»").arg(QLatin1String(nombre), valor);
}

// Qt ends a failed start of its window system with a fatal message, and
// nothing else is fatal while the application object is made.
void vigilar(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (tipo == QtFatalMsg) {
        const QString plataforma = qEnvironmentVariable("QT_QPA_PLATFORM");
        const QString cual = plataforma.isEmpty()
            ? QStringLiteral("la plataforma por omisión (QT_QPA_PLATFORM sin poner; %1, %2)")
                  .arg(variable("DISPLAY"), variable("WAYLAND_DISPLAY"))
            : QStringLiteral("la plataforma «%1» (QT_QPA_PLATFORM)").arg(plataforma);
        const QString dicho = QStringLiteral("%1: no se ha podido abrir ninguna pantalla con %2.\n"
                                             "Sin pantalla se juega en el terminal: %1 --texto\n")
                                  .arg(programaVigilado, cual);
        std::fputs(qPrintable(dicho), stderr);
        std::fflush(stderr);
        // Half-made, Qt's objects must not be torn down: no exit handlers.
        std::_Exit(1);
    }
    retenidos.push_back({tipo, contexto.file, contexto.function, contexto.category, contexto.line, texto});
}

} // namespace

void hablarEspanol(QCoreApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

Ordenes leerOrdenes(int &argc, char **argv)
{
    const QString programa = nombrePrograma(argc > 0 ? argv[0] : nullptr);
    Ordenes ordenes;
    bool ayuda = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            ayuda = true;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            version = true;
        } else if (a == QLatin1String("--texto")) {
            ordenes.texto = true;
        } else if (a == QLatin1String("--zoom") || a.startsWith(QLatin1String("--zoom="))) {
            // "--zoom=F" is one argument, "--zoom F" two: the value is quoted as typed.
            QString dicho = a;
            QString valor = a.mid(7);
            if (a == QLatin1String("--zoom")) {
                if (i + 1 >= argc)
                    errorDeUso(programa, a, QStringLiteral("falta el tamaño: %1.").arg(pasos));
                dicho = valor = QString::fromLocal8Bit(argv[++i]);
            }
            bool numero = false;
            const double z = valor.toDouble(&numero);
            if (!numero || !escala::esPaso(z))
                errorDeUso(programa, dicho, QStringLiteral("--zoom ha de ser %1.").arg(pasos));
            ordenes.zoom = z;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            errorDeUso(programa, a, QStringLiteral("no es ninguna opción del juego."));
        } else {
            errorDeUso(programa, a, QStringLiteral("sobra: el juego no toma más que sus opciones."));
        }
    }
    if (ayuda || version) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
        hablarEspanol(app);
        Ayuda texto; // made now, so its lines come out in Spanish
        if (ayuda)
            texto.parser.showHelp(0);
        texto.parser.showVersion();
    }
    return ordenes;
}

VigiaPantalla::VigiaPantalla(const char *programa)
{
    programaVigilado = nombrePrograma(programa);
    anterior = qInstallMessageHandler(&vigilar);
}

VigiaPantalla::~VigiaPantalla()
{
    soltar();
}

void VigiaPantalla::soltar()
{
    if (!std::exchange(vigilando_, false))
        return;
    qInstallMessageHandler(anterior);
    for (const Mensaje &m : std::exchange(retenidos, {})) {
        const auto texto = [](const QByteArray &b) { return b.isNull() ? nullptr : b.constData(); };
        const QMessageLogContext contexto(texto(m.fichero), m.linea, texto(m.funcion), texto(m.categoria));
        anterior(m.tipo, contexto, m.texto);
    }
}

} // namespace zw

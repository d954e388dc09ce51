// The game in a terminal: the words people type, the whole game from a script,
// and the saved game shared with the windows.
#include "aplicacion.h"
#include "aventura_texto.h"
#include "charlas.h"
#include "consola.h"
#include "final.h"
#include "imagen.h"
#include "juego.h"
#include "presentacion.h"
#include "zonas.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zw;

namespace {

// Plays `escrito` in the terminal game over `juego`, to the end of the input;
// what it wrote, line by line.
QStringList jugarEnTexto(Juego &juego, const carpetas::Carpetas &carpetas, const QStringList &escrito)
{
    QBuffer entrada;
    entrada.setData((escrito.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    entrada.open(QIODevice::ReadOnly);
    QBuffer salida;
    salida.open(QIODevice::WriteOnly);
    texto::ConsolaSimple consola(entrada, salida);
    texto::AventuraTexto(juego, consola, carpetas).jugar();
    return QString::fromUtf8(salida.data()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no hay)");
}

// The texts of a window's labels, in the order its form made them; pictures aside.
QStringList etiquetas(const QWidget &ventana)
{
    QStringList textos;
    for (const QLabel *l : ventana.findChildren<QLabel *>())
        if (!qobject_cast<const Imagen *>(l))
            textos << l->text();
    return textos;
}

QString lista(const QString &cabeza, const QStringList &nombres)
{
    return cabeza + nombres.join(QStringLiteral(", ")) + QLatin1Char('.');
}

// What is carried, and the scene as it is told on arrival: its name, its
// things and its places apart, in reading order, then what is carried.
QString llevas(const Juego &juego)
{
    return lista(QStringLiteral("Llevas: "), juego.objetos());
}

QStringList escena(const Juego &juego)
{
    QStringList cosas, sitios;
    for (const Zona *z : zonasEnOrden(juego.pantalla()))
        (z->tipo == Tipo::Lugar ? sitios : cosas) << QString::fromUtf8(z->nombre);
    return {nombreEscena(juego.pantalla()), lista(QStringLiteral("Cosas: "), cosas),
            lista(QStringLiteral("Sitios: "), sitios), llevas(juego)};
}

// One line of the script: what is typed and the line it must be answered
// under, an action line or a conversation's question.
struct Paso {
    const char *escrito;
    const char *eco = nullptr;
    const Pregunta *pregunta = nullptr;
};

} // namespace

class TestTexto : public QObject
{
    Q_OBJECT

private slots:
    void formasDePalabras_data();
    void formasDePalabras();
    void partidaEnteraDesdeUnGuion();
    void partidaCompartidaConLasVentanas();
};

void TestTexto::formasDePalabras_data()
{
    QTest::addColumn<int>("escena");
    QTest::addColumn<QStringList>("objetos");
    QTest::addColumn<QStringList>("escrito");  // the lines typed; the last one's first answer is checked
    QTest::addColumn<QString>("primera");

    const QStringList m{"Mechero"};
    // clang-format off
    QTest::newRow("mayúsculas y artículo")  << 1 << m << QStringList{"COGE EL LADRILLO"}          << "Coger ladrillo";
    QTest::newRow("dos cosas")              << 1 << m << QStringList{"usar mechero con ladrillo"} << "Usar Mechero con ladrillo";
    QTest::newRow("sin preposición")        << 1 << m << QStringList{"usa el mechero el ladrillo"} << "Usar Mechero con ladrillo";
    QTest::newRow("hablar con")             << 5 << m << QStringList{"habla con el vividor"}      << "Hablar con Vividor";
    QTest::newRow("mentir a")               << 7 << m << QStringList{"miente al vagabundo"}       << "Mentir a Vagabundo";
    QTest::newRow("sin acentos")            << 5 << m << QStringList{"ir al taram-bar ramonin"}   << "Usar Taram-BAR Ramonín";
    QTest::newRow("principio de un nombre") << 3 << QStringList{"Mechero", "Polvo de ladrillo", "Chicle Masticado"}
                                            << QStringList{"usa polvo con chicle"}                << "Usar Polvo de ladrillo con Chicle Masticado";
    QTest::newRow("principio de una palabra") << 1 << m << QStringList{"ve al callej"}             << "Usar Callejón";
    QTest::newRow("nombre entero primero")  << 6 << QStringList{"Tarjeta", "Tarjeta del director"}
                                            << QStringList{"mira la tarjeta"}                     << "Mirar Tarjeta";
    QTest::newRow("ambiguo")                << 3 << QStringList{"Mechero", "Chicle de ladrillo"}
                                            << QStringList{"mira el chicle"}                      << "¿Cuál: Chicle Masticado o Chicle de ladrillo?";
    QTest::newRow("ambiguo aclarado")       << 3 << QStringList{"Mechero", "Chicle de ladrillo"}
                                            << QStringList{"mira el chicle", "el de ladrillo"}    << "Mirar Chicle de ladrillo";
    QTest::newRow("nada con ese nombre")    << 1 << m << QStringList{"coge la escoba"}            << "No veo «escoba» por aquí.";
    QTest::newRow("lugar por su nombre")    << 1 << m << QStringList{"callejon"}                  << "Usar Callejón";
    QTest::newRow("ir a un lugar")          << 4 << m << QStringList{"ve a la puerta"}            << "Usar Puerta a la Tierra";
    QTest::newRow("ir a lo que no es lugar") << 1 << m << QStringList{"ir al ladrillo"}           << "ladrillo no es un sitio al que ir.";
    QTest::newRow("usar a medias")          << 1 << m << QStringList{"usa el mechero"}            << "Usar Mechero con ...";
    QTest::newRow("usar en dos líneas")     << 1 << m << QStringList{"usa el mechero", "ladrillo"} << "Usar Mechero con ladrillo";
    QTest::newRow("un lugar cierra la línea") << 1 << m << QStringList{"usa la puerta con el mechero"} << "Usar puerta";
    // clang-format on
}

void TestTexto::formasDePalabras()
{
    QFETCH(int, escena);
    QFETCH(QStringList, objetos);
    QFETCH(QStringList, escrito);
    QFETCH(QString, primera);

    Juego juego;
    juego.iniciar();
    juego.vaciarObjetos();
    for (const QString &o : objetos)
        juego.anexarObjeto(o);
    juego.estado[Palabra::pantalla] = qint16(escena);

    QBuffer entrada;
    QBuffer salida;
    salida.open(QIODevice::WriteOnly);
    texto::ConsolaSimple consola(entrada, salida);
    QTemporaryDir dir;
    texto::AventuraTexto aventura(juego, consola, {dir.path(), dir.filePath("partida")});
    for (const QString &l : escrito) {
        salida.buffer().clear();
        salida.seek(0);
        aventura.atender(l);
    }
    QCOMPARE(QString::fromUtf8(salida.data()).section(QLatin1Char('\n'), 0, 0), primera);
}

// The whole game typed into the program itself, its input and output
// redirected, with no display at all: the story first, each line echoed as
// the windows build it and answered by the interpreter, the conversations
// asked, the ending's texts last.
void TestTexto::partidaEnteraDesdeUnGuion()
{
    const Pregunta *salgo = &charlaBicho()[1];
    const Pregunta *adios = &charlaBicho().back();
    const Pregunta *baila = &charlaCamarero()[1];
    const Pregunta *largo = &charlaCamarero().back();
    // clang-format off
    const QList<Paso> guion = {
        {"ir al callejón",                         "Usar Callejón"},
        {"habla con el vigilante",                 "Hablar con Vigilante"},
        {"calle",                                  "Usar Calle"},
        {"coge el ladrillo",                       "Coger ladrillo"},
        {"ve a la ciudad",                         "Usar Ciudad"},
        {"coge el chicle",                         "Coger Chicle Masticado"},
        {"usa polvo con chicle",                   "Usar Polvo de ladrillo con Chicle Masticado"},
        {"usa el chicle de ladrillo con la alcantarilla", "Usar Chicle de ladrillo con Alcantarilla"},
        {"calle",                                  "Usar Calle"},
        {"puerta",                                 "Usar puerta"},
        {"usa el chicle con el camarero",          "Usar Chicle sabor mierda con Camarero"},
        {"habla con el bicho",                     "Hablar con Bicho"},
        {"2",                                      nullptr, salgo},
        {"adios",                                  nullptr, adios},
        {"usa el agua con el bicho",               "Usar Agua con Bicho"},
        {"usa papel con bicho",                    "Usar Papel con Bicho"},
        {"habla con el bicho",                     "Hablar con Bicho"},
        {"salida",                                 "Usar salida"},
        {"calles",                                 "Usar Calles"},
        {"habla con el vividor",                   "Hablar con Vividor"},
        {"taram",                                  "Usar Taram-BAR Ramonín"},
        {"usa la tarjeta con el bailaor",          "Usar Tarjeta con Bailaor"},
        {"usa el papel firmado con el deprimido",  "Usar Papel Firmado con Deprimido"},
        {"habla con el camarero",                  "Hablar con Camarero"},
        {"quien es esa cosa",                      nullptr, baila},
        {"4",                                      nullptr, largo},
        {"salida",                                 "Usar Salida"},
        {"usa la tarjeta del director con el vividor", "Usar Tarjeta del director con Vividor"},
        {"ir al disco-pub",                        "Usar Disco-Pub"},
        {"ciudad",                                 "Usar Ciudad"},
        {"rinconcito",                             "Usar Rinconcito"},
        {"coge el agujero",                        "Coger Agujero"},
        {"ciudad",                                 "Usar Ciudad"},
        {"calle",                                  "Usar Calle"},
        {"callejon",                               "Usar Callejón"},
        {"habla con el vigilante",                 "Hablar con Vigilante"},
    };
    // clang-format on

    QTemporaryDir casa;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove(QStringLiteral("DISPLAY"));
    entorno.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Any attempt at a window would fail here at once.
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    entorno.insert(QStringLiteral("HOME"), casa.path());
    entorno.insert(QStringLiteral("XDG_DATA_HOME"), casa.filePath("datos"));
    entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.filePath("config"));
    QProcess juego;
    juego.setProcessEnvironment(entorno);
    juego.setWorkingDirectory(casa.path());
    juego.start(QStringLiteral(ZW_PROGRAMA), {QStringLiteral("--texto")});
    QStringList escrito;
    for (const Paso &p : guion)
        escrito << QString::fromUtf8(p.escrito);
    juego.write((escrito.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    juego.closeWriteChannel();
    QVERIFY(juego.waitForFinished(60000));
    QCOMPARE(juego.exitStatus(), QProcess::NormalExit);
    QCOMPARE(juego.exitCode(), 0);
    const QStringList salida = QString::fromUtf8(juego.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    const Presentacion titulo;
    QCOMPARE(salida.mid(0, 2), (QStringList{titulo.windowTitle(), titulo.findChild<QLabel *>("Label4")->text()}));

    // Each answer as the interpreter gives it to the same line, then the new
    // scene or what is carried, when they changed.
    Juego espejo;
    espejo.iniciar();
    QCOMPARE(salida.mid(3, 4), escena(espejo));
    qsizetype donde = 7;
    for (const Paso &p : guion) {
        QStringList esperado;
        if (p.pregunta) {
            esperado << QString::fromUtf8(p.pregunta->titulo) << p.pregunta->respuesta;
            if (p.pregunta->respuesta.isEmpty())
                esperado << escena(espejo);
        } else {
            const int antes = espejo.pantalla();
            const QStringList llevaba = espejo.objetos();
            espejo.vaciarResultado();
            espejo.ponerAcciones(QString::fromUtf8(p.eco));
            espejo.ejecutarAccion();
            esperado << QString::fromUtf8(p.eco) << espejo.resultado();
            if (espejo.pantalla() != antes)
                esperado << escena(espejo);
            else if (espejo.objetos() != llevaba)
                esperado << llevas(espejo);
        }
        donde = salida.indexOf(esperado.first(), donde);
        QVERIFY2(donde >= 0, p.escrito);
        QCOMPARE(salida.mid(donde, esperado.size()), esperado);
        donde += esperado.size();
    }
    const QStringList final = etiquetas(Final());
    QCOMPARE(salida.mid(donde), final);
}

// A game saved in the terminal loads in the windows, and one saved there loads
// here, each saved again with the very same bytes. Before any line was played
// or a game loaded, saving over a saved game asks first.
void TestTexto::partidaCompartidaConLasVentanas()
{
    QTemporaryDir dir;
    for (int n = 1; n <= 7; ++n) {
        const QString f = QStringLiteral("%1.jpg").arg(n);
        QVERIFY(QFile::copy(QDir(QStringLiteral(ZW_GRAFICOS)).filePath(f), dir.filePath(f)));
    }
    // Kept apart from the pictures, as once installed: its folder made by the first save.
    const carpetas::Carpetas carpetas{dir.path(), dir.filePath("datos/zarrapio-world/partida")};

    Juego enTexto;
    const QStringList dicho = jugarEnTexto(enTexto, carpetas, {"coge el ladrillo", "ve a la ciudad", "guardar"});
    QCOMPARE(dicho.last(), "Partida guardada.");
    const QByteArray deTexto = contenido(carpetas.partida);

    QByteArray deVentanas;
    {
        Aplicacion app(carpetas.graficos, carpetas.partida);
        app.arrancar();
        const auto menu = [&app](const char *accion) {
            app.presentacion()->findChild<QAction *>(QString::fromLatin1(accion))->trigger();
        };
        menu("cargarpartida");
        QCOMPARE(app.juego().objetos(), enTexto.objetos());
        QCOMPARE(app.juego().estado, enTexto.estado);
        QVERIFY(QFile::remove(carpetas.partida));
        menu("guardarpartida");
        QCOMPARE(contenido(carpetas.partida), deTexto);

        // On in the windows: the gum picked up.
        app.juego().ponerAcciones("Coger Chicle Masticado");
        app.juego().ejecutarAccion();
        QCOMPARE(app.juego().objetos().size(), 3);
        menu("guardarpartida");
        deVentanas = contenido(carpetas.partida);
    }

    Juego deNuevo;
    const QStringList respuesta = jugarEnTexto(deNuevo, carpetas, {"guardar", "no", "cargar", "guardar"});
    QVERIFY(respuesta.contains("Ya hay una partida guardada. ¿Quieres sustituirla por una partida nueva?"));
    QCOMPARE(deNuevo.objetos().size(), 3);
    QCOMPARE(contenido(carpetas.partida), deVentanas);
}

QTEST_MAIN(TestTexto)
#include "test_texto.moc"

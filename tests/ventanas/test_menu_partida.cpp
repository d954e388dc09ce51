// Saving and loading from the title window's menu, with its two messages.
#include "apoyo.h"
#include "aplicacion.h"
#include "empieza.h"
#include "imagen.h"
#include "estilo.h"
#include "imagenes.h"
#include "partida.h"
#include "presentacion.h"
#include "ventana.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zw;

namespace {

const QString noSeCarga = QStringLiteral(
    "No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero.");

// The "Error" box of a refused load: its designed line, then the file and why.
QString noSeCargaPor(const QString &fichero, const QString &porque)
{
    return QStringLiteral("Error: %1\n%2: %3").arg(noSeCarga, QDir::toNativeSeparators(fichero), porque);
}

// A pictures folder of our own, so the saved game is written beside real scenes.
struct Carpeta {
    QTemporaryDir dir;
    Carpeta()
    {
        for (int n = 1; n <= 7; ++n) {
            const QString f = QStringLiteral("%1.jpg").arg(n);
            QFile::copy(QDir(QStringLiteral(ZW_GRAFICOS)).filePath(f), dir.filePath(f));
        }
    }
    QString ruta() const { return dir.path(); }
    QByteArray partida() const
    {
        QFile f(dir.filePath(QStringLiteral("partida")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no hay)");
    }
    void escribir(const QByteArray &bytes) const
    {
        QFile f(dir.filePath(QStringLiteral("partida")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

struct Avisos {
    QStringList dichos;
    explicit Avisos(Aplicacion &app)
    {
        QObject::connect(&app, &Aplicacion::aviso,
                         [this](const QString &titulo, const QString &texto) { dichos << titulo + ": " + texto; });
    }
};

void menu(Aplicacion &app, const char *accion)
{
    app.presentacion()->findChild<QAction *>(QString::fromLatin1(accion))->trigger();
}

QStringList objetosEnPantalla(Aplicacion &app)
{
    return prueba::textos(prueba::control<QListWidget>(app.empieza(), "objetos"));
}

QImage imagenEscena(Aplicacion &app)
{
    return app.empieza()->findChild<zw::Imagen *>(QStringLiteral("Image1"))->pintada().toImage();
}

} // namespace

class TestMenuPartida : public QObject
{
    Q_OBJECT

private slots:
    void guardarAntesDeJugar()
    {
        Carpeta carpeta;
        Aplicacion app(carpeta.ruta());
        Avisos avisos(app);
        app.arrancar();
        menu(app, "guardarpartida");
        QCOMPARE(carpeta.partida(), QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n"));
        QCOMPARE(avisos.dichos, QStringList{"Aviso: Partida guardada."});
        QVERIFY(app.presentacion()->isVisible());
        QVERIFY(!app.empieza()->isVisible());
    }

    void guardarSinCarpetaNoMiente()
    {
        Aplicacion app(QStringLiteral("/no/existe/graficos"));
        Avisos avisos(app);
        app.arrancar();
        menu(app, "guardarpartida");
        // The second line names the file and what stood in the way.
        QCOMPARE(avisos.dichos, QStringList{"Error: No se ha podido guardar la partida.\n"
                                            "/no/existe/graficos/partida: la carpeta no existe."});
    }

    void guardarYCargar()
    {
        Carpeta carpeta;
        Aplicacion app(carpeta.ruta());
        Avisos avisos(app);
        app.arrancar();
        menu(app, "jugar");
        Juego &juego = app.juego();
        juego.anexarObjeto("50 Zarra-Dólares del vividor");
        juego.irAEscena(4);
        const QImage escena4 = imagenEscena(app);
        juego.estado[Palabra::dinero] = 1;
        juego.estado[Palabra::tarjetas] = 1;
        menu(app, "guardarpartida");

        juego.irAEscena(1);
        juego.anexarObjeto("Papel");
        juego.estado[Palabra::dinero] = 0;
        juego.pulsarVerbo(Verbo::Usar);
        juego.responder({"algo"});
        menu(app, "cargarpartida");

        QCOMPARE(avisos.dichos, QStringList{"Aviso: Partida guardada."});
        QVERIFY(app.empieza()->isVisible());
        QVERIFY(!app.presentacion()->isVisible());
        QCOMPARE(objetosEnPantalla(app), (QStringList{"Mechero", "50 Zarra-Dólares del vividor"}));
        QCOMPARE(juego.estado[Palabra::pantalla], 4);
        QCOMPARE(juego.estado[Palabra::dinero], 1);
        QCOMPARE(juego.estado[Palabra::tarjetas], 1);
        QVERIFY(juego.acciones().isEmpty());
        QVERIFY(juego.resultado().isEmpty());
        QCOMPARE(imagenEscena(app), escena4);
    }

    // A saved game kept apart from the pictures: its folder is made by the
    // first save, and loading reads exactly what saving wrote there.
    void partidaEnLaCarpetaDelJugador()
    {
        Carpeta carpeta;
        QTemporaryDir casa;
        const QString ruta = casa.filePath(QStringLiteral("datos/zarrapio-world/partida"));
        Aplicacion app(carpeta.ruta(), ruta);
        Avisos avisos(app);
        app.arrancar();
        menu(app, "cargarpartida");
        menu(app, "guardarpartida");
        QFile fichero(ruta);
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        // The refused load left the fresh start, which is what is saved.
        QCOMPARE(fichero.readAll(), QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n"));
        fichero.close();
        QCOMPARE(carpeta.partida(), QByteArray("(no hay)"));

        QVERIFY(fichero.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichero.write("2\r\n\"Papel\"\r\n\"Mechero\"\r\n5,1,0,1,2,0\r\n");
        fichero.close();
        menu(app, "cargarpartida");
        QCOMPARE(avisos.dichos, (QStringList{noSeCargaPor(ruta, "no hay ninguna partida guardada."),
                                             "Aviso: Partida guardada."}));
        QCOMPARE(objetosEnPantalla(app), (QStringList{"Papel", "Mechero"}));
        QCOMPARE(app.juego().estado[Palabra::pantalla], 5);
        QVERIFY(app.empieza()->isVisible());
    }

    // A refused load, missing or cut short, leaves the game in progress
    // exactly as it was, and says which file and why.
    void cargaRechazadaNoCambiaNada_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("fichero"); // the one named, in the folder
        QTest::addColumn<QString>("porque");
        QTest::newRow("no hay") << QByteArray() << "partida" << "no hay ninguna partida guardada.";
        QTest::newRow("cortada") << QByteArray("3\r\n\"Gorro\"\r\n\"basura\"\r\n") << "partida" << "";
        // The file reads well; its scene's picture is there, but cut short.
        QTest::newRow("dibujo cortado") << QByteArray("1\r\n\"Papel\"\r\n2,0,0,0,0,0\r\n") << "2.jpg"
                                        << "está cortado";
    }
    void cargaRechazadaNoCambiaNada()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, fichero);
        QFETCH(QString, porque);
        Carpeta carpeta;
        if (!contenido.isEmpty())
            carpeta.escribir(contenido);
        if (fichero.endsWith(".jpg")) {
            QFile dibujo(carpeta.dir.filePath(fichero));
            QVERIFY(dibujo.open(QIODevice::ReadWrite));
            QVERIFY(dibujo.resize(dibujo.size() / 2));
        }
        Aplicacion app(carpeta.ruta());
        Avisos avisos(app);
        app.arrancar();
        app.jugar();
        app.juego().anexarObjeto("Ladrillo");
        app.juego().anexarObjeto("Tarjeta");
        app.juego().irAEscena(3);
        app.juego().pulsarVerbo(Verbo::Mirar);
        app.juego().estado[Palabra::ladrill] = 1;
        const QImage antes = imagenEscena(app);
        app.empieza()->hide();
        app.presentacion()->show();
        menu(app, "cargarpartida");
        QCOMPARE(avisos.dichos.size(), 1);
        if (!porque.isEmpty())
            QCOMPARE(avisos.dichos.first(), noSeCargaPor(carpeta.dir.filePath(fichero), porque));
        QVERIFY(avisos.dichos.first().startsWith("Error: " + noSeCarga + "\n"));
        QVERIFY(app.presentacion()->isVisible());
        QVERIFY(!app.empieza()->isVisible());
        QCOMPARE(objetosEnPantalla(app), (QStringList{"Mechero", "Ladrillo", "Tarjeta"}));
        QCOMPARE(app.juego().acciones(), "Mirar ");
        QCOMPARE(app.juego().estado[Palabra::ladrill], 1);
        QCOMPARE(app.juego().estado[Palabra::pantalla], 3);
        QCOMPARE(imagenEscena(app), antes);
    }

    // A scene without a picture is refused before anything changes: the
    // adventure screen keeps its picture, and a game not started yet still
    // starts with the Mechero.
    void cargarEscenaSinImagen()
    {
        Carpeta carpeta;
        carpeta.escribir("1\r\n\"Papel\"\r\n0,1,1,1,2,1\r\n");
        Aplicacion app(carpeta.ruta());
        Avisos avisos(app);
        app.arrancar();
        const QImage antes = imagenEscena(app);
        menu(app, "cargarpartida");
        QCOMPARE(avisos.dichos, QStringList{noSeCargaPor(carpeta.dir.filePath("0.jpg"), "no existe")});
        QVERIFY(!app.empieza()->isVisible());
        QCOMPARE(app.juego().estado[Palabra::pantalla], 1);
        QCOMPARE(app.juego().estado[Palabra::dinero], 0);
        QVERIFY(objetosEnPantalla(app).isEmpty());
        QCOMPARE(imagenEscena(app), antes);
        app.jugar();
        QCOMPARE(objetosEnPantalla(app), QStringList{"Mechero"});
    }

    // However many items, a load puts them on screen in one insertion: the
    // work grows with the file, not with its square.
    void cargaGrandeDeUnaVez()
    {
        Carpeta carpeta;
        QStringList nombres;
        for (int i = 0; i < 3000; ++i)
            nombres << QStringLiteral("o%1").arg(i);
        carpeta.escribir(partida::escribir(nombres, Estado{{1}}));
        Aplicacion app(carpeta.ruta());
        app.arrancar();
        app.jugar();
        auto *objetos = prueba::control<QListWidget>(app.empieza(), "objetos");
        QSignalSpy insertadas(objetos->model(), &QAbstractItemModel::rowsInserted);
        menu(app, "cargarpartida");
        QCOMPARE(insertadas.size(), 1);
        QCOMPARE(objetosEnPantalla(app), nombres);
        QCOMPARE(objetos->verticalScrollBar()->value(), objetos->verticalScrollBar()->maximum());
    }

    // A new game shows the first scene's picture file as it stands when the
    // game starts, replaced while the program runs: the player's own, or the
    // card that says it cannot be shown.
    void primeraEscenaDeSuFichero_data()
    {
        QTest::addColumn<bool>("cortado");
        QTest::addColumn<QColor>("color");
        QTest::newRow("del jugador") << false << QColor(Qt::blue);
        QTest::newRow("cortado") << true << color(ColorPropio::Tarjeta);
    }
    void primeraEscenaDeSuFichero()
    {
        QFETCH(bool, cortado);
        QFETCH(QColor, color);
        Carpeta carpeta;
        Aplicacion app(carpeta.ruta());
        app.arrancar();
        prueba::hacerVentanas(app); // made, and drawn ahead, before the play
        QImage propia(372, 303, QImage::Format_RGB32);
        propia.fill(Qt::blue);
        QVERIFY(propia.save(carpeta.dir.filePath("1.jpg")));
        if (cortado) {
            QFile fichero(carpeta.dir.filePath("1.jpg"));
            QVERIFY(fichero.open(QIODevice::ReadWrite) && fichero.resize(fichero.size() / 2));
        }
        app.jugar();
        const QColor esquina = imagenEscena(app).pixelColor(4, 4);
        QVERIFY2(std::abs(esquina.red() - color.red()) + std::abs(esquina.green() - color.green())
                         + std::abs(esquina.blue() - color.blue()) < 40,
                 qPrintable(esquina.name()));
    }

    // Drawing ahead reads the build's own pictures only: one the player put
    // in place after the start is read when its scene is shown, not before.
    void adelantoSoloDeLoPropio()
    {
        Carpeta carpeta;
        Aplicacion app(carpeta.ruta());
        app.arrancar();
        QImage propia(372, 303, QImage::Format_RGB32);
        propia.fill(Qt::green);
        QVERIFY(propia.save(carpeta.dir.filePath("3.jpg")));
        app.jugar();
        const QSize fisico = app.empieza()->findChild<zw::Imagen *>(QStringLiteral("Image1"))->fisico();
        const auto dibujada = [&](int n) {
            return imagenes::guardada(imagenes::clave({carpeta.dir.filePath(QStringLiteral("%1.jpg").arg(n)), 1}, fisico));
        };
        QTRY_VERIFY(dibujada(7)); // the last of the folder, drawn ahead in order
        QVERIFY(dibujada(2));
        QVERIFY(!dibujada(3));
        app.juego().irAEscena(3);
        QVERIFY(dibujada(3));
    }

    void cargarAntesDeJugarNoDejaElMechero()
    {
        Carpeta carpeta;
        carpeta.escribir("1\r\n\"Papel\"\r\n3,0,0,0,0,0\r\n");
        Aplicacion app(carpeta.ruta());
        Avisos avisos(app);
        app.arrancar();
        menu(app, "cargarpartida");
        QVERIFY(avisos.dichos.isEmpty());
        QCOMPARE(objetosEnPantalla(app), QStringList{"Papel"});
        QCOMPARE(app.juego().estado[Palabra::pantalla], 3);
        QVERIFY(app.empieza()->isVisible());
    }

    // Saving before any game was started or loaded in this run, over a saved
    // game, asks first, "No" by default; "No" leaves the file's bytes as they
    // were and says nothing more, "Sí" saves the fresh start as ever. Once a
    // game was played or loaded, saving asks nothing. The boxes are the ones
    // the program itself shows, answered as a player would.
    void guardarSobreUnaPartidaPregunta_data()
    {
        QTest::addColumn<bool>("si");
        QTest::newRow("No") << false;
        QTest::newRow("Sí") << true;
    }
    void guardarSobreUnaPartidaPregunta()
    {
        QFETCH(bool, si);
        Carpeta carpeta;
        const QByteArray guardada("4\r\n\"Mechero\"\r\n\"Papel\"\r\n\"Agua\"\r\n\"Tarjeta\"\r\n6,1,1,1,2,0\r\n");
        const QByteArray nueva("1\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n");
        carpeta.escribir(guardada);
        QStringList cajas; // every box shown: its text, and "[No]" for a question that has No by default
        QTimer contestador;
        QObject::connect(&contestador, &QTimer::timeout, [&] {
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!caja)
                return;
            const bool pregunta = caja->button(QMessageBox::No);
            cajas << caja->text() + (pregunta && caja->defaultButton() == caja->button(QMessageBox::No) ? " [No]" : "");
            caja->button(!pregunta ? QMessageBox::Ok : si ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        contestador.start(10);
        const QString pregunta = "Ya hay una partida guardada. ¿Quieres sustituirla por una partida nueva? [No]";

        Aplicacion app(carpeta.ruta());
        app.hablarConElJugador();
        app.arrancar();
        menu(app, "guardarpartida");
        QCOMPARE(cajas, (si ? QStringList{pregunta, "Partida guardada."} : QStringList{pregunta}));
        QCOMPARE(carpeta.partida(), si ? nueva : guardada);

        cajas.clear();
        app.jugar();
        menu(app, "guardarpartida");
        QCOMPARE(cajas, QStringList{"Partida guardada."});
        QCOMPARE(carpeta.partida(), nueva);

        // A game loaded in this run is saved without a question too.
        carpeta.escribir(guardada);
        Aplicacion otra(carpeta.ruta());
        otra.hablarConElJugador();
        otra.arrancar();
        menu(otra, "cargarpartida");
        otra.juego().quitarObjeto("Agua");
        cajas.clear();
        menu(otra, "guardarpartida");
        QCOMPARE(cajas, QStringList{"Partida guardada."});
        QCOMPARE(carpeta.partida(), QByteArray("3\r\n\"Mechero\"\r\n\"Papel\"\r\n\"Tarjeta\"\r\n" "6,1,1,1,2,0\r\n"));
    }

    // The real message: modal, one OK button, no icon, the exact title and text.
    void cajaDeMensaje()
    {
        Aplicacion app(QStringLiteral("/no/existe"));
        app.hablarConElJugador();
        app.arrancar();
        QString titulo, texto;
        QMessageBox::Icon icono = QMessageBox::Warning;
        int botones = 0;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(caja);
            titulo = caja->windowTitle();
            texto = caja->text();
            icono = caja->icon();
            botones = int(caja->buttons().size());
            modal = caja->isModal();
            caja->button(QMessageBox::Ok)->click();
        });
        menu(app, "cargarpartida");
        QCOMPARE(titulo, "Error");
        QCOMPARE(texto.section('\n', 0, 0), noSeCarga);
        QCOMPARE(icono, QMessageBox::NoIcon);
        QCOMPARE(botones, 1);
        QVERIFY(modal);
    }
};

ZW_QTEST_MAIN(TestMenuPartida)
#include "test_menu_partida.moc"

// The game state, the inventory routines and the refusal.
#include "escenas.h"
#include "ficheros.h"
#include "juego.h"
#include "texto.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace zw;

class TestJuego : public QObject
{
    Q_OBJECT

private slots:
    void partidaNueva()
    {
        Juego juego;
        juego.estado[Palabra::pantalla] = 1;   // what the title window sets at start
        juego.iniciar();
        QCOMPARE(juego.objetos(), QStringList{"Mechero"});
        QCOMPARE(juego.estado[Palabra::pantalla], 1);
        QCOMPARE(juego.estado[Palabra::ladrill] + juego.estado[Palabra::nohables] + juego.estado[Palabra::tarjetas]
                     + juego.estado[Palabra::dinero] + juego.estado[Palabra::yano], 0);
        QVERIFY(juego.linea.admitecon);
        QCOMPARE(juego.linea.faltanobjetos, 0);
        QVERIFY(juego.acciones().isEmpty());
        QVERIFY(juego.resultado().isEmpty());
    }

    void iniciarSoloUnaVez()
    {
        Juego juego;
        juego.iniciar();
        juego.estado[Palabra::pantalla] = 4;
        juego.iniciar();
        QCOMPARE(juego.estado[Palabra::pantalla], 4);
        QCOMPARE(juego.objetos().size(), 1);
    }

    void sinMecheroSiYaHayObjetos()
    {
        Juego juego;
        juego.anexarObjeto("Papel");
        juego.iniciar();
        QCOMPARE(juego.objetos(), QStringList{"Papel"});
    }

    void mayusculasEspanolas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mayus");
        QTest::newRow("dólares") << "50 Zarra-Dólares del vividor" << "50 ZARRA-DÓLARES DEL VIVIDOR";
        QTest::newRow("ñ y tilde") << "Taram-BAR Ramonín, coño" << "TARAM-BAR RAMONÍN, COÑO";
        QTest::newRow("todas") << "áéíóúüñ" << "ÁÉÍÓÚÜÑ";
    }
    void mayusculasEspanolas()
    {
        QFETCH(QString, texto);
        QFETCH(QString, mayus);
        QCOMPARE(mayusculas(texto), mayus);
    }

    void agregarRechazaRepetidoSinCaso()
    {
        Juego juego;
        juego.anexarObjeto("Mechero");
        juego.anexarObjeto("Papel");
        juego.responder({"línea del que llama", "otra"});
        juego.agregarObjeto("PAPEL");
        QCOMPARE(juego.objetos(), (QStringList{"Mechero", "Papel"}));
        QCOMPARE(juego.resultado(), QStringList{"Ya tengo de eso"});

        juego.agregarObjeto("50 ZARRA-DÓLARES DEL VIVIDOR");
        juego.agregarObjeto("50 Zarra-Dólares del vividor");
        QCOMPARE(juego.objetos().last(), "50 ZARRA-DÓLARES DEL VIVIDOR");
        QCOMPARE(juego.objetos().size(), 3);
    }

    void agregarNuevoAlFinalSinTocarRespuestas()
    {
        Juego juego;
        juego.anexarObjeto("Mechero");
        juego.responder({"hola"});
        QSignalSpy anexado(&juego, &Juego::objetosAnexados);
        juego.agregarObjeto("Papel");
        QCOMPARE(juego.objetos(), (QStringList{"Mechero", "Papel"}));
        QCOMPARE(juego.resultado(), QStringList{"hola"});
        QCOMPARE(anexado.size(), 1);
        QCOMPARE(anexado.at(0).at(0).toStringList(), QStringList{"Papel"});
    }

    void quitarSoloElPrimero()
    {
        Juego juego;
        for (const char *o : {"Mechero", "Agua", "Papel", "agua"})
            juego.anexarObjeto(o);
        QSignalSpy quitado(&juego, &Juego::objetoQuitado);
        juego.quitarObjeto("AGUA");
        QCOMPARE(juego.objetos(), (QStringList{"Mechero", "Papel", "agua"}));
        QCOMPARE(quitado.size(), 1);
        QCOMPARE(quitado.at(0).at(0).toInt(), 1);

        juego.quitarObjeto("Tarjeta"); // not held: nothing happens
        QCOMPARE(juego.objetos().size(), 3);
        QCOMPARE(quitado.size(), 1);
    }

    void quitarComparaNombresEnteros()
    {
        Juego juego;
        juego.anexarObjeto("Tarjeta del director");
        juego.quitarObjeto("TARJETA");
        QCOMPARE(juego.objetos(), QStringList{"Tarjeta del director"});
    }

    void rechazoUnaLineaDeLasCinco()
    {
        Juego juego;
        QCOMPARE(rechazos().size(), 5);
        for (int i = 0; i < 50; ++i) {
            juego.responder({"a", "b", "c"});
            juego.rechazarAccion();
            QCOMPARE(juego.resultado().size(), 1);
            QVERIFY2(rechazos().contains(juego.resultado().first()), qPrintable(juego.resultado().first()));
        }
    }

    // Moving to a scene empties the replies and reports the scene, already the
    // current one, so the screen can show its picture.
    void irAEscenaVaciaYAvisa()
    {
        Juego juego;
        int escenaAlAvisar = 0;
        QObject::connect(&juego, &Juego::escenaCambiada, &juego, [&] { escenaAlAvisar = juego.pantalla(); });
        QSignalSpy cambiada(&juego, &Juego::escenaCambiada);
        juego.responder({"algo"});
        juego.irAEscena(4);
        QCOMPARE(juego.estado[Palabra::pantalla], 4);
        QVERIFY(juego.resultado().isEmpty());
        QCOMPARE(cambiada.size(), 1);
        QCOMPARE(cambiada.at(0).at(0).toInt(), 4);
        QCOMPARE(ficheroEscena(cambiada.at(0).at(0).toInt()), QStringLiteral("4.JPG"));
        QCOMPARE(escenaAlAvisar, 4);
    }

    void ficherosDeEscenas()
    {
        // As the rules name them; any other number (a damaged saved game) by its last character.
        QStringList nombres;
        for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, -3, -32768})
            nombres << ficheroEscena(n);
        QCOMPARE(nombres, (QStringList{"0.jpg", "1.jpg", "2.jpg", "3.jpg", "4.JPG", "5.jpg", "6.jpg", "7.jpg", "8.jpg",
                                       "2.jpg", "3.jpg", "8.jpg"}));
    }

    void buscarFicheroSinCaso()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *f : {"4.jpg", "1.JPG"}) {
            QFile fichero(dir.filePath(f));
            QVERIFY(fichero.open(QIODevice::WriteOnly));
        }
        QCOMPARE(QFileInfo(ficheros::buscar(dir.path(), "4.JPG")).fileName(), "4.jpg");
        QCOMPARE(QFileInfo(ficheros::buscar(dir.path(), "4.jpg")).fileName(), "4.jpg");
        QCOMPARE(QFileInfo(ficheros::buscar(dir.path(), "1.jpg")).fileName(), "1.JPG");
        QVERIFY(ficheros::buscar(dir.path(), "2.jpg").isEmpty());
        QVERIFY(ficheros::buscar(dir.path(), "").isEmpty());
        QVERIFY(ficheros::buscar(dir.path(), "../4.jpg").isEmpty());
        QVERIFY(ficheros::buscar(dir.filePath("no-existe"), "4.jpg").isEmpty());
        // Whatever stands under the name is found, for its reader to refuse with the reason.
        QVERIFY(QDir(dir.path()).mkdir("3.JPG"));
        QCOMPARE(QFileInfo(ficheros::buscar(dir.path(), "3.jpg")).fileName(), "3.JPG");
    }
};

QTEST_GUILESS_MAIN(TestJuego)
#include "test_juego.moc"

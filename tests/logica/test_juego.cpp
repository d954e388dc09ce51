// The game state, the inventory routines and the refusal.
#include "escenas.h"
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
        juego.estado.pantalla = 1;   // what the title window sets at start
        juego.iniciar();
        QCOMPARE(juego.objetos(), QStringList{"Mechero"});
        QCOMPARE(juego.estado.pantalla, 1);
        QCOMPARE(juego.estado.ladrill + juego.estado.nohables + juego.estado.tarjetas
                     + juego.estado.dinero + juego.estado.yano, 0);
        QVERIFY(juego.estado.admitecon);
        QCOMPARE(juego.estado.faltanobjetos, 0);
        QVERIFY(juego.acciones().isEmpty());
        QVERIFY(juego.resultado().isEmpty());
    }

    void iniciarSoloUnaVez()
    {
        Juego juego;
        juego.iniciar();
        juego.estado.pantalla = 4;
        juego.iniciar();
        QCOMPARE(juego.estado.pantalla, 4);
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
        QSignalSpy anexado(&juego, &Juego::objetoAnexado);
        juego.agregarObjeto("Papel");
        QCOMPARE(juego.objetos(), (QStringList{"Mechero", "Papel"}));
        QCOMPARE(juego.resultado(), QStringList{"hola"});
        QCOMPARE(anexado.size(), 1);
        QCOMPARE(anexado.at(0).at(0).toString(), "Papel");
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

    void irAEscenaVaciaYCargaImagen()
    {
        Juego juego;
        QStringList pedidos;
        juego.cargadorImagen = [&](const QString &f) { pedidos << f; return true; };
        QSignalSpy falta(&juego, &Juego::imagenNoDisponible);
        juego.responder({"algo"});
        juego.irAEscena(4);
        QCOMPARE(juego.estado.pantalla, 4);
        QVERIFY(juego.resultado().isEmpty());
        QCOMPARE(pedidos, QStringList{"4.JPG"});
        QCOMPARE(falta.size(), 0);
    }

    // A missing picture leaves the game playable in the new scene, and the
    // screen is told which file is missing.
    void irAEscenaSinImagen()
    {
        Juego juego;
        qint16 escenaAlCargar = 0;
        juego.cargadorImagen = [&](const QString &) {
            escenaAlCargar = juego.estado.pantalla;
            return false;
        };
        QSignalSpy falta(&juego, &Juego::imagenNoDisponible);
        juego.irAEscena(3);
        QCOMPARE(escenaAlCargar, 3); // the scene was already the new one
        QCOMPARE(juego.estado.pantalla, 3);
        QCOMPARE(falta.size(), 1);
        QCOMPARE(falta.at(0).at(0).toString(), "3.jpg");
    }

    void ficherosDeEscenas()
    {
        QStringList nombres;
        for (int n = 0; n <= 8; ++n)
            nombres << ficheroEscena(n);
        QCOMPARE(nombres, (QStringList{"", "1.jpg", "2.jpg", "3.jpg", "4.JPG", "5.jpg", "6.jpg", "7.jpg", ""}));
    }

    void buscarFicheroSinCaso()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *f : {"4.jpg", "1.JPG"}) {
            QFile fichero(dir.filePath(f));
            QVERIFY(fichero.open(QIODevice::WriteOnly));
        }
        QCOMPARE(QFileInfo(buscarFichero(dir.path(), "4.JPG")).fileName(), "4.jpg");
        QCOMPARE(QFileInfo(buscarFichero(dir.path(), "4.jpg")).fileName(), "4.jpg");
        QCOMPARE(QFileInfo(buscarFichero(dir.path(), "1.jpg")).fileName(), "1.JPG");
        QVERIFY(buscarFichero(dir.path(), "2.jpg").isEmpty());
        QVERIFY(buscarFichero(dir.path(), "").isEmpty());
        QVERIFY(buscarFichero(dir.path(), "../4.jpg").isEmpty());
        QVERIFY(buscarFichero(dir.filePath("no-existe"), "4.jpg").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJuego)
#include "test_juego.moc"

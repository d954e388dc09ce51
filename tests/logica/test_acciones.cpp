// Building the action line with verbs, inventory picks and clicks on the picture.
#include "juego.h"

#include <QSignalSpy>
#include <QTest>

using namespace zw;

namespace {

// Plays a script of steps: "Usar" (a verb), "#1" (inventory entry 1),
// "@30,30" (mouse button down on the picture), "Limpiar".
void jugar(Juego &juego, const QString &pasos)
{
    static const QHash<QString, Verbo> verbos = {
        {"Hablar", Verbo::Hablar}, {"Mentir", Verbo::Mentir}, {"Coger", Verbo::Coger},
        {"Usar", Verbo::Usar},     {"Mirar", Verbo::Mirar},
    };
    for (const QString &paso : pasos.split(' ', Qt::SkipEmptyParts)) {
        if (paso == "Limpiar") {
            juego.limpiar();
        } else if (paso.startsWith('#')) {
            juego.elegirObjeto(paso.mid(1).toInt());
        } else if (paso.startsWith('@')) {
            const QStringList xy = paso.mid(1).split(',');
            juego.pulsarImagen(xy.at(0).toInt(), xy.at(1).toInt());
        } else {
            QVERIFY2(verbos.contains(paso), qPrintable(paso));
            juego.pulsarVerbo(verbos.value(paso));
        }
    }
}

// Records every line the interpreter is asked to answer.
struct Interprete {
    QStringList lineas;
    explicit Interprete(Juego &juego)
    {
        QObject::connect(&juego, &Juego::accionEjecutada, &juego,
                         [this](const QString &linea) { lineas << linea; });
    }
};

} // namespace

class TestAcciones : public QObject
{
    Q_OBJECT

private slots:
    void secuencias_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<int>("faltan");
        QTest::addColumn<QString>("pedida"); // what the interpreter was asked, if anything

        // Inventory: 0 "Mechero", 1 "Papel".  Scene 1: ladrillo (16-63, 16-39),
        // puerta (53-182, 60-251, a place), Calles (16-364, 258-295, a place).
        QTest::newRow("usar")              << 1 << "Usar"              << "Usar "                     << 2  << "";
        QTest::newRow("usar mechero")      << 1 << "Usar #0"           << "Usar Mechero con "         << 1  << "";
        QTest::newRow("usar mechero ladrillo") << 1 << "Usar #0 @30,30" << "Usar Mechero con ladrillo" << 0 << "USAR MECHERO CON LADRILLO";
        QTest::newRow("mirar puerta")      << 1 << "Mirar @100,100"    << "Mirar puerta"              << -1 << "MIRAR PUERTA";
        QTest::newRow("usar calles")       << 1 << "Usar @100,270"     << "Usar Calles"               << -1 << "USAR CALLES";
        QTest::newRow("hablar bicho")      << 2 << "Hablar @30,200"    << "Hablar con Bicho"          << 0  << "HABLAR CON BICHO";
        QTest::newRow("usar bicho papel")  << 2 << "Usar @30,200 #1"   << "Usar Bicho con Papel"      << 0  << "USAR BICHO CON PAPEL";
        QTest::newRow("coger ladrillo")    << 1 << "Coger @16,16"      << "Coger ladrillo"            << 0  << "COGER LADRILLO";
        QTest::newRow("mirar mechero")     << 1 << "Mirar #0"          << "Mirar Mechero"             << 0  << "MIRAR MECHERO";
        QTest::newRow("mentir")            << 2 << "Mentir @290,30"    << "Mentir a Camarero"         << 0  << "MENTIR A CAMARERO";
        // A place picked after one thing closes the line as T1 " con " place.
        QTest::newRow("usar mechero puerta") << 1 << "Usar #0 @100,100" << "Usar Mechero con puerta" << -1 << "USAR MECHERO CON PUERTA";
        // The same thing twice.
        QTest::newRow("usar ladrillo ladrillo") << 1 << "Usar @20,20 @60,35" << "Usar ladrillo con ladrillo" << 0 << "USAR LADRILLO CON LADRILLO";
        // A verb replaces a half-built line.
        QTest::newRow("verbo reemplaza")   << 1 << "Usar #0 Mirar"     << "Mirar "                    << 1  << "";
        QTest::newRow("verbo tras linea hecha") << 1 << "Mirar #0 Coger" << "Coger "                  << 1  << "MIRAR MECHERO";
        // Picks with no verb, after "Limpiar", or after the line ran are ignored.
        QTest::newRow("sin verbo")         << 1 << "#0 @30,30"         << ""                          << 0  << "";
        QTest::newRow("limpiar en usar")   << 1 << "Usar #0 Limpiar #1 @30,30" << ""                  << 1  << "";
        QTest::newRow("tras ejecutar")     << 1 << "Mirar #0 #1 @30,30" << "Mirar Mechero"            << 0  << "MIRAR MECHERO";
        QTest::newRow("fuera de zonas")    << 1 << "Mirar @200,10"     << "Mirar "                    << 1  << "";
        QTest::newRow("escena sin zonas")  << 0 << "Mirar @100,100"    << "Mirar "                    << 1  << "";
    }
    void secuencias()
    {
        QFETCH(int, escena);
        QFETCH(QString, pasos);
        QFETCH(QString, linea);
        QFETCH(int, faltan);
        QFETCH(QString, pedida);

        Juego juego;
        juego.iniciar();
        juego.anexarObjeto("Papel");
        juego.estado[Palabra::pantalla] = qint16(escena);
        Interprete interprete(juego);
        jugar(juego, pasos);

        QCOMPARE(juego.acciones(), linea);
        QCOMPARE(juego.linea.faltanobjetos, faltan);
        QCOMPARE(interprete.lineas, pedida.isEmpty() ? QStringList() : QStringList{pedida});
        QVERIFY(juego.linea.admitecon);
    }

    void verboVaciaRespuestas()
    {
        Juego juego;
        juego.iniciar();
        juego.responder({"una", "dos"});
        juego.pulsarVerbo(Verbo::Hablar);
        QVERIFY(juego.resultado().isEmpty());
        QCOMPARE(juego.acciones(), "Hablar con ");
    }

    void objetoSinVerboNoBorraRespuestas()
    {
        Juego juego;
        juego.iniciar();
        juego.responder({"una"});
        juego.elegirObjeto(0);
        QCOMPARE(juego.resultado(), QStringList{"una"});
    }

    void limpiarDejaFaltanobjetos()
    {
        Juego juego;
        juego.iniciar();
        jugar(juego, "Usar");
        juego.responder({"x"});
        juego.limpiar();
        QVERIFY(juego.acciones().isEmpty());
        QVERIFY(juego.resultado().isEmpty());
        QCOMPARE(juego.linea.faltanobjetos, 2);
    }

    // Scene 3: "Calle" is clickable from y 160 but hovers only from y 164; the
    // sewer and the corner are places, the gum is not.
    void escena3()
    {
        Juego juego;
        juego.iniciar();
        juego.estado[Palabra::pantalla] = 3;
        Interprete interprete(juego);

        jugar(juego, "Usar @330,161");
        QCOMPARE(juego.acciones(), "Usar Calle");
        QCOMPARE(interprete.lineas, QStringList{"USAR CALLE"});

        juego.estado[Palabra::pantalla] = 3; // the line above has left the scene
        jugar(juego, "Usar @10,100");
        QCOMPARE(juego.acciones(), "Usar Rinconcito");

        juego.estado[Palabra::pantalla] = 3;
        jugar(juego, "Usar @50,190");
        QCOMPARE(juego.acciones(), "Usar Chicle Masticado con ");
        QCOMPARE(juego.linea.faltanobjetos, 1);
    }

    void clicSinVerboNoCierra()
    {
        Juego juego;
        juego.iniciar();
        juego.linea.faltanobjetos = 2;    // a line was cleared with "Limpiar"
        juego.pulsarImagen(100, 100);      // the door, a place
        QVERIFY(juego.linea.admitecon);
        QCOMPARE(juego.linea.faltanobjetos, 2);
        QVERIFY(juego.acciones().isEmpty());
    }

    // The " con " rule looks for an existing " CON " anywhere, in any case.
    void ponerCon_data()
    {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<bool>("admitecon");
        QTest::addColumn<QString>("despues");
        QTest::newRow("usar primera cosa") << "Usar Papel" << true << "Usar Papel con ";
        QTest::newRow("ya tiene con")      << "Usar Papel con Bicho" << true << "Usar Papel con Bicho";
        QTest::newRow("con en mayusculas") << "usar Papel CON Bicho" << true << "usar Papel CON Bicho";
        QTest::newRow("lugar")             << "Usar Calles" << false << "Usar Calles";
        QTest::newRow("otro verbo")        << "Mirar Papel" << true << "Mirar Papel";
        QTest::newRow("hablar con")        << "Hablar con Bicho" << true << "Hablar con Bicho";
        QTest::newRow("usar en minusculas") << "usar Papel" << true << "usar Papel con ";
    }
    void ponerCon()
    {
        QFETCH(QString, antes);
        QFETCH(bool, admitecon);
        QFETCH(QString, despues);
        Juego juego;
        juego.ponerAcciones(antes);
        juego.linea.admitecon = admitecon;
        juego.ponerCon();
        QCOMPARE(juego.acciones(), despues);
        QVERIFY(juego.linea.admitecon);
    }
};

QTEST_GUILESS_MAIN(TestAcciones)
#include "test_acciones.moc"

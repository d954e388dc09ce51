// The game without a mouse: Tab order, the verbs' keys, the hotspot outline,
// the reveal key, the inventory's keys, and the whole adventure by keys alone.
#include "apoyo.h"

#include "acerca.h"
#include "aplicacion.h"
#include "imagen_escena.h"
#include "conversacion.h"
#include "empieza.h"
#include "estilo.h"
#include "teclado.h"
#include "final.h"
#include "zonas.h"

#include <QFocusFrame>
#include <QLabel>

using namespace zw;
using namespace prueba;

namespace {

// The game started with "J&ugar" and the adventure screen holding the keyboard.
struct Partida {
    mutable Aplicacion app{QStringLiteral(ZW_GRAFICOS)};
    explicit Partida(int escena = 1, bool jugar = true)
    {
        contarFinales(app);
        hacerVentanas(app);
        app.arrancar();
        if (jugar)
            app.jugar();
        if (escena != 1)
            app.juego().irAEscena(escena);
        activarVisible();
    }
    QString acciones() const { return app.juego().acciones(); }
    QString muestra() const { return control<QLabel>(app.empieza(), "muestra")->text(); }
    ImagenEscena *imagen() const { return control<ImagenEscena>(app.empieza(), "Image1"); }
    QStringList inventario() const { return textos(control<QListWidget>(app.empieza(), "objetos")); }

    // A verb by its number key, then each thing: an inventory entry reached
    // with Control and the arrows and picked with Space, else a hotspot of
    // the scene reached with the arrows and picked with Enter.
    void haz(int verbo, const QStringList &cosas)
    {
        tecla(Qt::Key_0 + verbo);
        for (const QString &cosa : cosas) {
            const int fila = int(inventario().indexOf(cosa));
            QVERIFY(tabulaHasta(fila >= 0 ? "objetos" : "Image1"));
            if (fila >= 0) {
                tecla(Qt::Key_Home, Qt::ControlModifier);
                for (int i = 0; i < fila; ++i)
                    tecla(Qt::Key_Down, Qt::ControlModifier);
            }
            for (int i = 0; fila < 0 && i < 8 && muestra() != cosa; ++i)
                tecla(Qt::Key_Right);
            tecla(fila >= 0 ? Qt::Key_Space : Qt::Key_Return);
        }
    }
};

enum { Hablar = 1, Mentir, Coger, Usar, Mirar };

} // namespace

class TestTeclado : public QObject
{
    Q_OBJECT

private slots:

    // First of all slots, so that no key has been pressed in this process
    // yet: the focus mark is not there as the game opens. It shows once a key
    // moves the focus, and goes at the next click, in any window.
    void marcaSoloConTeclado()
    {
        Partida p;
        const auto marcada = [] {
            for (QFocusFrame *marca : QApplication::activeWindow()->findChildren<QFocusFrame *>())
                if (marca->isVisible())
                    return true;
            return false;
        };
        QCOMPARE(conFoco(), "Image1");
        QVERIFY(!marcada());
        const QImage sinMarca = p.imagen()->grab().toImage();
        tecla(Qt::Key_Tab);
        QCOMPARE(conFoco(), "Image1");
        QVERIFY(p.imagen()->grab().toImage().pixel(1, 1) != sinMarca.pixel(1, 1)); // drawn inside its edge
        tecla(Qt::Key_I);
        QVERIFY(marcada());
        QTest::mouseClick(control(p.app.empieza(), "Limpiar"), Qt::LeftButton);
        QVERIFY(!marcada());
        QCOMPARE(p.imagen()->grab().toImage().pixel(1, 1), sinMarca.pixel(1, 1));
        // After a click, the first key shows it again, even one the window or
        // a shortcut takes for itself before any control sees it.
        for (const auto &[k, destino] : {std::pair(Qt::Key_I, "objetos"), std::pair(Qt::Key_E, "Image1"),
                                         std::pair(Qt::Key_2, "Image1")}) {
            QTest::mouseClick(control(p.app.empieza(), "Limpiar"), Qt::LeftButton);
            QVERIFY(!teclado::Marca::instancia()->visible());
            tecla(k);
            QVERIFY2(teclado::Marca::instancia()->visible(), qPrintable(QKeySequence(k).toString()));
            QCOMPARE(conFoco(), destino);
        }
    }

    // Real Tab and Shift+Tab presses round the ring, from where the focus lands
    // as the window opens; inside the picture Tab walks the hotspots first.
    void ordenDeTabulacion_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("orden");
        QTest::newRow("Empieza") << "Empieza" << QStringList{"Image1", "Hablar", "Mentir", "Coger", "Usar", "Mirar",
                                                             "objetos", "Label6", "Label2", "Limpiar", "resultado"};
        QTest::newRow("Acerca") << "Acerca" << QStringList{"Command1"};
        // A conversation opens on its first question; the answer list stays first in the ring.
        QTest::newRow("charrar1") << "charrar1"
            << QStringList{"quieneres", "salgodeaqui", "eresfeo", "dondemanos", "adios", "List1"};
        QTest::newRow("Camarero") << "Camarero" << QStringList{"Command1", "Command2", "Command3", "Command4", "List1"};
        QTest::newRow("Final") << "Final" << QStringList{"Command1"};
    }
    void ordenDeTabulacion()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, orden);
        Partida p;
        for (QWidget *w : QApplication::topLevelWidgets())
            w->setVisible(w->objectName() == ventana);
        activarVisible();
        for (const auto &[teclaTab, mods] : {std::pair(Qt::Key_Tab, Qt::NoModifier),
                                              std::pair(Qt::Key_Backtab, Qt::ShiftModifier)}) {
            QStringList visto{conFoco()};
            for (int i = 0; i < 60; ++i) {
                tecla(teclaTab, mods);
                if (conFoco() == visto.first() && visto.size() > 1)
                    break;
                if (conFoco() != visto.last())
                    visto << conFoco();
            }
            QCOMPARE(visto, orden);
            std::reverse(orden.begin() + 1, orden.end());
        }
    }

    // Space and Enter on a label, and the keys 1 to 5 anywhere, as clicks;
    // each verb's tooltip names its key.
    void etiquetasYTeclasDeVerbos()
    {
        Partida p;
        const QStringList verbos = {"Hablar", "Mentir", "Coger", "Usar", "Mirar"};
        const QStringList lineas = {"Hablar con ", "Mentir a ", "Coger ", "Usar ", "Mirar "};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(tabulaHasta("Limpiar"));
            tecla(Qt::Key_Return);
            QVERIFY(p.acciones().isEmpty());
            QVERIFY(tabulaHasta(verbos[i]));
            tecla(i % 2 ? Qt::Key_Space : Qt::Key_Enter, i % 2 ? Qt::NoModifier : Qt::KeypadModifier);
            QCOMPARE(p.acciones(), lineas[i]);
            QVERIFY(control(p.app.empieza(), qPrintable(verbos[i]))->toolTip().contains(QStringLiteral("tecla %1").arg(i + 1)));
            QVERIFY(tabulaHasta(i % 2 ? "objetos" : "resultado"));
            tecla(Qt::Key_1 + (i + 1) % 5);
            QCOMPARE(p.acciones(), lineas[(i + 1) % 5]);
        }
        QVERIFY(tabulaHasta("Label2"));
        tecla(Qt::Key_Space);
        QVERIFY(!p.app.empieza()->isVisible());
        p.app.jugar();
        const int antes = finales;
        QVERIFY(tabulaHasta("Label6"));
        tecla(Qt::Key_Return);
        QCOMPARE(finales, antes + 1);
    }

    // The outline walks the scene in reading order and wraps round at both
    // ends (a first Space, with nothing outlined, outlines the first); the
    // name shows in muestra; at the picture's edges the pick is the click's,
    // and a place still runs the line at once.
    void contornoYElegirEnLosBordes_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("pasos");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<int>("escenaDespues");
        QTest::newRow("1: un primer espacio, la primera") << 1 << int(Qt::Key_Space) << 1 << "ladrillo" << "Usar ladrillo con " << 1;
        QTest::newRow("1: ciudad, borde izquierdo") << 1 << int(Qt::Key_Right) << 2 << "Ciudad" << "Usar Ciudad" << 3;
        QTest::newRow("1: desde el final, calles abajo") << 1 << int(Qt::Key_Left) << 1 << "Calles" << "Usar Calles" << 5;
        QTest::newRow("2: vuelta al principio") << 2 << int(Qt::Key_Down) << 4 << "salida" << "Usar salida" << 1;
        QTest::newRow("3: una cosa espera") << 3 << int(Qt::Key_Right) << 2 << "Chicle Masticado" << "Usar Chicle Masticado con " << 3;
        QTest::newRow("6: camarero, borde superior") << 6 << int(Qt::Key_Right) << 1 << "Camarero" << "Usar Camarero con " << 6;
        QTest::newRow("7: ciudad, borde derecho") << 7 << int(Qt::Key_Up) << 1 << "Ciudad" << "Usar Ciudad" << 3;
    }
    void contornoYElegirEnLosBordes()
    {
        QFETCH(int, escena);
        QFETCH(int, tecla);
        QFETCH(int, pasos);
        QFETCH(QString, nombre);
        QFETCH(QString, linea);
        QFETCH(int, escenaDespues);
        Partida p(escena);
        QCOMPARE(conFoco(), "Image1");
        QVERIFY(!p.imagen()->zonaConTeclado());
        const QImage sinContorno = p.imagen()->grab().toImage();
        for (int i = 0; i < pasos; ++i)
            prueba::tecla(tecla);
        const Zona *z = p.imagen()->zonaConTeclado();
        QVERIFY(z);
        QCOMPARE(QString::fromUtf8(z->nombre), nombre);
        QCOMPARE(p.muestra(), nombre);
        // Drawn along the hotspot's edges, not over its inside.
        const QImage conContorno = p.imagen()->grab().toImage();
        const QPoint centro((z->clic.x1 + z->clic.x2) / 2, (z->clic.y1 + z->clic.y2) / 2);
        for (const QPoint borde : {QPoint(z->clic.x1 + 1, centro.y()), QPoint(centro.x(), z->clic.y1 + 1)})
            QVERIFY(conContorno.pixel(borde) != sinContorno.pixel(borde));
        QCOMPARE(conContorno.pixel(centro), sinContorno.pixel(centro));

        p.app.juego().pulsarVerbo(Verbo::Usar);
        prueba::tecla(Qt::Key_Space);
        QCOMPARE(p.acciones(), linea);
        QCOMPARE(p.app.juego().pantalla(), escenaDespues);
        QCOMPARE(p.imagen()->zonaConTeclado() != nullptr, escenaDespues == escena);
    }

    // While Z is held, wherever the focus is, every hotspot is outlined;
    // releasing it, or leaving the window, hides them.
    void revelar()
    {
        Partida p(2);
        QVERIFY(p.imagen()->toolTip().contains(QStringLiteral("tecla Z")));
        QVERIFY(tabulaHasta("objetos"));   // which would take a letter as a search
        const QImage antes = p.imagen()->grab().toImage();
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Z);
        QVERIFY(p.imagen()->revelando());
        const QImage revelada = p.imagen()->grab().toImage();
        for (const Zona *z : zonasEnOrden(2))
            QVERIFY2(revelada.pixel(z->clic.x2, z->clic.y2) != antes.pixel(z->clic.x2, z->clic.y2), z->nombre);
        QCOMPARE(conFoco(), "objetos");
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Z);
        QCOMPARE(p.imagen()->grab().toImage(), antes);

        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Z);
        p.app.acercaDe();
        QVERIFY(QTest::qWaitForWindowActive(p.app.acerca()));
        QVERIFY(!p.imagen()->revelando());
    }

    // The first arrow after the list takes the focus picks the first entry;
    // Control with the arrows moves without picking, Space picks.
    void inventarioConTeclas()
    {
        Partida p;
        p.app.juego().anexarObjeto("Papel");
        p.app.juego().anexarObjeto("Agua");
        tecla(Qt::Key_5);
        QVERIFY(tabulaHasta("objetos"));
        tecla(Qt::Key_Down);
        QCOMPARE(p.acciones(), "Mirar Mechero");
        tecla(Qt::Key_4);
        tecla(Qt::Key_End, Qt::ControlModifier);
        tecla(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(p.acciones(), "Usar ");
        tecla(Qt::Key_Space);
        tecla(Qt::Key_Down);
        QCOMPARE(p.acciones(), "Usar Papel con Agua");
    }

    // From the first "J&ugar" to "FINAL" with nothing but keys.
    void juegoEnteroConTeclas()
    {
        const int antes = finales;
        Partida p(1, false);
        tecla(Qt::Key_J, Qt::AltModifier);
        tecla(Qt::Key_U);
        QVERIFY(p.app.empieza()->isVisible());
        p.haz(Coger, {"ladrillo"});
        p.haz(Usar, {"Ciudad"});
        p.haz(Coger, {"Chicle Masticado"});
        p.haz(Usar, {"Chicle Masticado", "Polvo de ladrillo"});
        p.haz(Usar, {"Chicle de ladrillo", "Alcantarilla"});
        p.haz(Usar, {"Calle"});
        p.haz(Usar, {"puerta"});
        p.haz(Hablar, {"Bicho"});
        QVERIFY(QTest::qWaitForWindowActive(p.app.charrar1()));
        for (const char *boton : {"salgodeaqui", "adios"}) {
            QVERIFY(tabulaHasta(boton));
            tecla(Qt::Key_Space);
        }
        QVERIFY(!p.app.charrar1()->isVisible());
        p.haz(Usar, {"Chicle sabor mierda", "Camarero"});
        p.haz(Usar, {"Agua", "Bicho"});
        p.haz(Usar, {"Bicho", "Papel"});
        p.haz(Usar, {"salida"});
        p.haz(Usar, {"Calles"});
        p.haz(Hablar, {"Vividor"});
        p.haz(Usar, {"Taram-BAR Ramonín"});
        p.haz(Hablar, {"Camarero"});
        QVERIFY(!p.app.empieza()->isVisible());
        QVERIFY(tabulaHasta("Command4"));
        tecla(Qt::Key_Return);
        p.haz(Usar, {"Tarjeta", "Bailaor"});
        p.haz(Usar, {"Papel Firmado", "Deprimido"});
        p.haz(Usar, {"Salida"});
        p.haz(Usar, {"Tarjeta del director", "Vividor"});
        p.haz(Usar, {"Disco-Pub"});
        p.haz(Usar, {"Ciudad"});
        p.haz(Usar, {"Rinconcito"});
        p.haz(Coger, {"Agujero"});
        QCOMPARE(p.app.juego().estado[Palabra::dinero], 3);
        p.haz(Usar, {"Ciudad"});
        p.haz(Usar, {"Calle"});
        p.haz(Usar, {"Callejón"});
        p.haz(Hablar, {"Vigilante"});
        QVERIFY(QTest::qWaitForWindowActive(p.app.final()));
        QCOMPARE(conFoco(), "Command1");
        QCOMPARE(finales, antes);
        tecla(Qt::Key_Space);
        QCOMPARE(finales, antes + 1);
    }

    // From the adventure screen as "J&ugar" leaves it, every key counted:
    // the verb, the inventory and its first entry, the scene with its first
    // thing (the brick) outlined at once, and the pick.
    void usarMecheroConLadrilloEnCincoTeclas()
    {
        Partida p;
        for (const int t : {int(Qt::Key_4), int(Qt::Key_I), int(Qt::Key_Down), int(Qt::Key_E)})
            tecla(t);
        QCOMPARE(p.imagen()->zonaConTeclado(), zonasEnOrden(1).front());
        QCOMPARE(p.muestra(), "ladrillo");
        tecla(Qt::Key_Space);
        QCOMPARE(p.acciones(), "Usar Mechero con ladrillo");
        QCOMPARE(p.app.juego().resultado(), QStringList{"He calentado el ladrillo, se ha puesto cachondo."});
    }
};

ZW_QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"

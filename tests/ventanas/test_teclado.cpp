// The game without a mouse: Tab order, the verbs' keys, the hotspot outline,
// the reveal key, the inventory's keys, and the whole adventure by keys alone.
#include "apoyo.h"

#include "acerca.h"
#include "aplicacion.h"
#include "conversacion.h"
#include "controles.h"
#include "empieza.h"
#include "estilo.h"
#include "final.h"
#include "presentacion.h"
#include "zonas.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace zw;
using namespace prueba;

namespace {

// The player at the keyboard, on the adventure screen.
class Teclista
{
public:
    explicit Teclista(Aplicacion &app) : app_(app), e_(app.empieza()) {}

    // A verb by its number key, then each thing: an inventory entry if one has
    // that name, else a hotspot of this scene.
    void haz(const QString &verbo, const QStringList &cosas)
    {
        const QStringList verbos = {"Hablar", "Mentir", "Coger", "Usar", "Mirar"};
        QVERIFY(verbos.contains(verbo));
        tecla(Qt::Key_1 + int(verbos.indexOf(verbo)));
        QVERIFY2(app_.juego().acciones().startsWith(verbo), qPrintable(app_.juego().acciones()));
        for (const QString &cosa : cosas)
            elegir(cosa);
    }

    QStringList inventario() const { return textos(lista()); }
    QStringList respuestas() const { return textos(e_->findChild<QListWidget *>(QStringLiteral("resultado"))); }

private:
    QListWidget *lista() const { return e_->findChild<QListWidget *>(QStringLiteral("objetos")); }

    void elegir(const QString &cosa)
    {
        const int fila = int(inventario().indexOf(cosa));
        if (fila >= 0) {
            QVERIFY(tabulaHasta(QStringLiteral("objetos")));
            tecla(Qt::Key_Home, Qt::ControlModifier);
            for (int i = 0; i < fila; ++i)
                tecla(Qt::Key_Down, Qt::ControlModifier);
            tecla(Qt::Key_Space);
            return;
        }
        QVERIFY(tabulaHasta(QStringLiteral("Image1")));
        auto *muestra = e_->findChild<QLabel *>(QStringLiteral("muestra"));
        for (int i = 0; i < 8 && muestra->text() != cosa; ++i)
            tecla(Qt::Key_Right);
        QCOMPARE(muestra->text(), cosa);
        tecla(Qt::Key_Return);
    }

    Aplicacion &app_;
    Empieza *e_;
};

// Tab pressed again and again from the control with the focus, until the ring
// comes back: the controls in the order they got the focus.
QStringList vueltaConTab(int teclaTab, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QStringList orden{conFoco()};
    for (int i = 0; i < 60; ++i) {
        tecla(teclaTab, mods);
        if (conFoco() == orden.first())
            break;
        if (conFoco() != orden.last())
            orden << conFoco();
    }
    return orden;
}

ImagenEscena *imagen(Aplicacion &app)
{
    return app.empieza()->findChild<ImagenEscena *>(QStringLiteral("Image1"));
}

QString muestra(Aplicacion &app)
{
    return app.empieza()->findChild<QLabel *>(QStringLiteral("muestra"))->text();
}

} // namespace

class TestTeclado : public QObject
{
    Q_OBJECT

    ManejadorFin anterior = nullptr;

private slots:
    void initTestCase() { anterior = ponerManejadorFin(contarFin); }
    void cleanupTestCase() { ponerManejadorFin(anterior); }

    void ordenDeTabulacion_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("orden");
        QTest::newRow("Empieza") << "Empieza"
            << QStringList{"Image1", "Hablar", "Mentir", "Coger", "Usar", "Mirar", "objetos",
                           "Label6", "Label2", "Limpiar", "resultado"};
        QTest::newRow("Acerca") << "Acerca" << QStringList{"Command1"};
        QTest::newRow("charrar1") << "charrar1"
            << QStringList{"List1", "quieneres", "salgodeaqui", "eresfeo", "dondemanos", "adios"};
        QTest::newRow("Camarero") << "Camarero"
            << QStringList{"List1", "Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("Final") << "Final" << QStringList{"Command1"};
    }
    // Real Tab and Shift+Tab presses, from where the focus lands as the window opens.
    void ordenDeTabulacion()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, orden);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        QWidget *w = nullptr;
        for (QWidget *v : {static_cast<QWidget *>(app.empieza()), static_cast<QWidget *>(app.acerca()),
                           static_cast<QWidget *>(app.charrar1()), static_cast<QWidget *>(app.camarero()),
                           static_cast<QWidget *>(app.final())})
            if (v->objectName() == ventana)
                w = v;
        QVERIFY(w);
        if (w != app.empieza())
            app.empieza()->hide();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(conFoco(), orden.first());

        // Inside the picture Tab walks the hotspots first; only distinct
        // controls count.
        QCOMPARE(vueltaConTab(Qt::Key_Tab), orden);
        QStringList alReves = orden;
        std::reverse(alReves.begin() + 1, alReves.end());
        QCOMPARE(vueltaConTab(Qt::Key_Backtab, Qt::ShiftModifier), alReves);
    }

    // The title window has no control to Tab to; its menu opens by its keys.
    void menuDelTituloPorTeclas()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.presentacion()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.presentacion()));
        tecla(Qt::Key_J, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        tecla(Qt::Key_A);
        QVERIFY(app.acerca()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(app.acerca()));
        QCOMPARE(conFoco(), "Command1");
        tecla(Qt::Key_Space);
        QVERIFY(!app.acerca()->isVisible());
    }

    void etiquetasConEspacioEIntro_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("linea");
        QTest::newRow("Hablar con espacio") << "Hablar" << int(Qt::Key_Space) << "Hablar con ";
        QTest::newRow("Mentir con intro") << "Mentir" << int(Qt::Key_Return) << "Mentir a ";
        QTest::newRow("Coger con intro del teclado numérico") << "Coger" << int(Qt::Key_Enter) << "Coger ";
        QTest::newRow("Usar") << "Usar" << int(Qt::Key_Space) << "Usar ";
        QTest::newRow("Mirar") << "Mirar" << int(Qt::Key_Space) << "Mirar ";
        QTest::newRow("Limpiar") << "Limpiar" << int(Qt::Key_Space) << "";
    }
    void etiquetasConEspacioEIntro()
    {
        QFETCH(QString, control);
        QFETCH(int, tecla);
        QFETCH(QString, linea);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.juego().pulsarVerbo(Verbo::Usar);
        app.juego().responder({"algo"});
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QVERIFY(tabulaHasta(control));
        prueba::tecla(tecla, tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(app.juego().acciones(), linea);
        QVERIFY(app.juego().resultado().isEmpty());
    }

    void menuYSalirConTeclas()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QVERIFY(tabulaHasta("Label2"));
        tecla(Qt::Key_Return);
        QVERIFY(!app.empieza()->isVisible());
        QVERIFY(app.presentacion()->isVisible());

        app.jugar();
        const int antes = finales;
        QVERIFY(tabulaHasta("Label6"));
        tecla(Qt::Key_Space);
        QCOMPARE(finales, antes + 1);
    }

    // 1 to 5 are the verbs as they stand on screen, wherever the focus is;
    // a verb's tooltip names its key.
    void teclasDeLosVerbos()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        const QStringList lineas = {"Hablar con ", "Mentir a ", "Coger ", "Usar ", "Mirar "};
        const QStringList verbos = {"Hablar", "Mentir", "Coger", "Usar", "Mirar"};
        for (const char *donde : {"Image1", "objetos", "Limpiar", "resultado"}) {
            QVERIFY(tabulaHasta(donde));
            for (int i = 0; i < 5; ++i) {
                tecla(Qt::Key_1 + i);
                QCOMPARE(app.juego().acciones(), lineas[i]);
                QCOMPARE(conFoco(), donde);
            }
        }
        for (int i = 0; i < 5; ++i) {
            auto *verbo = app.empieza()->findChild<QWidget *>(verbos[i]);
            QVERIFY(verbo->toolTip().contains(QStringLiteral("tecla %1").arg(i + 1)));
        }
        tecla(Qt::Key_6);
        QCOMPARE(app.juego().acciones(), "Mirar ");
    }

    // The outline walks the scene in reading order and wraps round at both
    // ends; the name shows in muestra; the edges of the picture pick as clicks.
    void contornoYElegirEnLosBordes_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("pasos");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<int>("escenaDespues");
        // "Ciudad", a place at the picture's left edge, runs at once.
        QTest::newRow("1: ciudad, borde izquierdo") << 1 << int(Qt::Key_Right) << 2 << "Ciudad" << "Usar Ciudad" << 3;
        // Left from nothing outlined starts at the last: "Calles", the bottom edge.
        QTest::newRow("1: calles, borde inferior") << 1 << int(Qt::Key_Left) << 1 << "Calles" << "Usar Calles" << 5;
        // Right after the last wraps to the first.
        QTest::newRow("2: vuelta al principio") << 2 << int(Qt::Key_Down) << 4 << "salida" << "Usar salida" << 1;
        QTest::newRow("3: rinconcito, borde izquierdo") << 3 << int(Qt::Key_Down) << 1 << "Rinconcito" << "Usar Rinconcito" << 7;
        // A thing does not finish a "Usar" line.
        QTest::newRow("3: chicle") << 3 << int(Qt::Key_Right) << 2 << "Chicle Masticado" << "Usar Chicle Masticado con " << 3;
        QTest::newRow("7: ciudad, borde derecho") << 7 << int(Qt::Key_Up) << 1 << "Ciudad" << "Usar Ciudad" << 3;
        QTest::newRow("6: camarero, borde superior") << 6 << int(Qt::Key_Right) << 1 << "Camarero" << "Usar Camarero con " << 6;
    }
    void contornoYElegirEnLosBordes()
    {
        QFETCH(int, escena);
        QFETCH(int, tecla);
        QFETCH(int, pasos);
        QFETCH(QString, nombre);
        QFETCH(QString, linea);
        QFETCH(int, escenaDespues);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.juego().irAEscena(escena);
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QCOMPARE(conFoco(), "Image1");      // the focus lands on the picture, nothing outlined
        QVERIFY(!imagen(app)->zonaConTeclado());
        const QImage sinContorno = imagen(app)->grab().toImage();

        for (int i = 0; i < pasos; ++i)
            prueba::tecla(tecla);
        const Zona *z = imagen(app)->zonaConTeclado();
        QVERIFY(z);
        QCOMPARE(QString::fromUtf8(z->nombre), nombre);
        QCOMPARE(muestra(app), nombre);

        // The outline is drawn along the hotspot's rectangle and nowhere else.
        const QImage conContorno = imagen(app)->grab().toImage();
        const QPoint centro((z->clic.x1 + z->clic.x2) / 2, (z->clic.y1 + z->clic.y2) / 2);
        const QPoint bordeIzquierdo(z->clic.x1 + 1, centro.y()), bordeSuperior(centro.x(), z->clic.y1 + 1);
        QVERIFY(conContorno.pixel(bordeIzquierdo) != sinContorno.pixel(bordeIzquierdo));
        QVERIFY(conContorno.pixel(bordeSuperior) != sinContorno.pixel(bordeSuperior));
        QCOMPARE(conContorno.pixel(centro), sinContorno.pixel(centro));

        app.juego().pulsarVerbo(Verbo::Usar);
        prueba::tecla(Qt::Key_Space);
        QCOMPARE(app.juego().acciones(), linea);
        QCOMPARE(app.juego().pantalla(), escenaDespues);
        if (escenaDespues != escena)    // a new scene takes the outline away
            QVERIFY(!imagen(app)->zonaConTeclado());
    }

    // Tab inside the picture walks its hotspots, then goes on to the verbs;
    // Shift+Tab from the verbs comes back in at the last hotspot.
    void tabDentroDeLaImagen()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QVERIFY(tabulaHasta("Hablar"));
        tecla(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(conFoco(), "Image1");
        QCOMPARE(muestra(app), "Calles");
        QStringList vistos{muestra(app)};
        for (int i = 0; i < 4; ++i) {
            tecla(Qt::Key_Backtab, Qt::ShiftModifier);
            vistos.prepend(muestra(app));
        }
        QCOMPARE(vistos, (QStringList{"ladrillo", "Ciudad", "puerta", "Callejón", "Calles"}));
        tecla(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(conFoco(), "resultado");
        QVERIFY(!imagen(app)->zonaConTeclado());
        tecla(Qt::Key_Tab);
        QCOMPARE(conFoco(), "Image1");
        QCOMPARE(muestra(app), "ladrillo");
        // No verb: Enter on a hotspot changes nothing, as a click would.
        tecla(Qt::Key_Return);
        QVERIFY(app.juego().acciones().isEmpty());
    }

    // While Z is held every hotspot is outlined and named; releasing hides them.
    void revelar()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.juego().irAEscena(2);
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QVERIFY(imagen(app)->toolTip().contains(QStringLiteral("tecla Z")));
        QVERIFY(tabulaHasta("objetos"));   // the inventory would take a letter as a search
        const QImage antes = imagen(app)->grab().toImage();

        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Z);
        QVERIFY(imagen(app)->revelando());
        const QImage revelada = imagen(app)->grab().toImage();
        for (const Zona *z : zonasEnOrden(2)) {
            const QPoint esquina(z->clic.x2, z->clic.y2);
            QVERIFY2(revelada.pixel(esquina) != antes.pixel(esquina), z->nombre);
        }
        QCOMPARE(conFoco(), "objetos");
        QCOMPARE(textos(app.empieza()->findChild<QListWidget *>("objetos")), QStringList{"Mechero"});
        QVERIFY(app.juego().acciones().isEmpty());

        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Z);
        QVERIFY(!imagen(app)->revelando());
        QCOMPARE(imagen(app)->grab().toImage(), antes);

        // Leaving the window while the key is down hides them too.
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Z);
        QVERIFY(imagen(app)->revelando());
        app.acercaDe();
        QVERIFY(QTest::qWaitForWindowActive(app.acerca()));
        QVERIFY(!imagen(app)->revelando());
    }

    // The first arrow after the list takes the focus picks the first entry;
    // Control with the arrows moves without picking and Space picks.
    void inventarioConTeclas()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.juego().anexarObjeto("Papel");
        app.juego().anexarObjeto("Agua");
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        tecla(Qt::Key_5);
        QVERIFY(tabulaHasta("objetos"));
        QCOMPARE(app.juego().acciones(), "Mirar ");
        tecla(Qt::Key_Down);
        QCOMPARE(app.juego().acciones(), "Mirar Mechero");

        tecla(Qt::Key_4);
        tecla(Qt::Key_End, Qt::ControlModifier);
        tecla(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(app.juego().acciones(), "Usar ");
        tecla(Qt::Key_Space);
        QCOMPARE(app.juego().acciones(), "Usar Papel con ");
        tecla(Qt::Key_Down);
        QCOMPARE(app.juego().acciones(), "Usar Papel con Agua");

        // Leaving and coming back: the next arrow goes on from the chosen entry.
        tecla(Qt::Key_5);
        QVERIFY(tabulaHasta("Limpiar"));
        QVERIFY(tabulaHasta("objetos"));
        tecla(Qt::Key_Up);
        QCOMPARE(app.juego().acciones(), "Mirar Papel");
    }

    // From the first "J&ugar" to "FINAL" with nothing but keys.
    void juegoEnteroConTeclas()
    {
        finales = 0;
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.presentacion()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.presentacion()));
        tecla(Qt::Key_J, Qt::AltModifier);
        tecla(Qt::Key_U);
        QVERIFY(app.empieza()->isVisible());
        QVERIFY(!app.presentacion()->isVisible());
        Teclista yo(app);
        const Estado &estado = app.juego().estado;

        yo.haz("Coger", {"ladrillo"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Polvo de ladrillo"}));
        yo.haz("Usar", {"Ciudad"});
        QCOMPARE(estado[Palabra::pantalla], 3);
        yo.haz("Coger", {"Chicle Masticado"});
        yo.haz("Usar", {"Chicle Masticado", "Polvo de ladrillo"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Chicle de ladrillo"}));
        yo.haz("Usar", {"Chicle de ladrillo", "Alcantarilla"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Chicle sabor mierda"}));
        yo.haz("Usar", {"Calle"});
        yo.haz("Usar", {"puerta"});
        QCOMPARE(estado[Palabra::pantalla], 2);

        yo.haz("Hablar", {"Bicho"});
        QVERIFY(QTest::qWaitForWindowActive(app.charrar1()));
        QVERIFY(tabulaHasta("salgodeaqui"));
        tecla(Qt::Key_Space);
        QCOMPARE(app.charrar1()->findChild<QListWidget *>("List1")->count(), 3);
        QVERIFY(tabulaHasta("adios"));
        tecla(Qt::Key_Space);
        QVERIFY(!app.charrar1()->isVisible());

        yo.haz("Usar", {"Chicle sabor mierda", "Camarero"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Agua"}));
        yo.haz("Usar", {"Agua", "Bicho"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel"}));
        yo.haz("Usar", {"Bicho", "Papel"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel Firmado"}));

        yo.haz("Usar", {"salida"});
        yo.haz("Usar", {"Calles"});
        QCOMPARE(estado[Palabra::pantalla], 5);
        yo.haz("Hablar", {"Vividor"});
        QCOMPARE(estado[Palabra::tarjetas], 1);
        yo.haz("Usar", {"Taram-BAR Ramonín"});
        QCOMPARE(estado[Palabra::pantalla], 6);

        yo.haz("Hablar", {"Camarero"});
        QVERIFY(QTest::qWaitForWindowActive(app.camarero()));
        QVERIFY(!app.empieza()->isVisible());
        QVERIFY(tabulaHasta("Command4"));
        tecla(Qt::Key_Return);
        QVERIFY(!app.camarero()->isVisible());
        QVERIFY(app.empieza()->isVisible());

        yo.haz("Usar", {"Tarjeta", "Bailaor"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel Firmado", "Tarjeta del director"}));
        yo.haz("Usar", {"Papel Firmado", "Deprimido"});
        QCOMPARE(estado[Palabra::dinero], 1);
        yo.haz("Usar", {"Salida"});
        yo.haz("Usar", {"Tarjeta del director", "Vividor"});
        QCOMPARE(estado[Palabra::dinero], 2);

        yo.haz("Usar", {"Disco-Pub"});
        yo.haz("Usar", {"Ciudad"});
        yo.haz("Usar", {"Rinconcito"});
        QCOMPARE(estado[Palabra::pantalla], 7);
        yo.haz("Coger", {"Agujero"});
        QCOMPARE(estado[Palabra::dinero], 3);

        yo.haz("Usar", {"Ciudad"});
        yo.haz("Usar", {"Calle"});
        yo.haz("Usar", {"Callejón"});
        QCOMPARE(estado[Palabra::pantalla], 4);
        yo.haz("Hablar", {"Vigilante"});
        QVERIFY(QTest::qWaitForWindowActive(app.final()));
        QCOMPARE(conFoco(), "Command1");
        QCOMPARE(finales, 0);
        tecla(Qt::Key_Space);
        QCOMPARE(finales, 1);
    }
};

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"

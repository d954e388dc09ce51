// What a screen reader finds in the game's windows, through the same
// interfaces the desktop's accessibility bridge reads.
#include "apoyo.h"

#include "accesible.h"
#include "acerca.h"
#include "aplicacion.h"
#include "conversacion.h"
#include "controles.h"
#include "empieza.h"
#include "estilo.h"
#include "final.h"
#include "presentacion.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

using namespace zw;
using namespace prueba;

namespace {

struct Aviso {
    QAccessible::Event tipo;
    QString objeto;   // object name, empty for a hotspot
    QString nombre;
    QAccessible::Role rol;
};
QList<Aviso> avisos;

void apuntar(QAccessibleEvent *e)
{
    QAccessibleInterface *i = e->accessibleInterface();
    if (!i)
        return;
    avisos << Aviso{e->type(), e->object() ? e->object()->objectName() : QString(),
                    i->text(QAccessible::Name), i->role()};
}

bool hubo(QAccessible::Event tipo, const QString &objeto, const QString &nombre = {})
{
    for (const Aviso &a : std::as_const(avisos))
        if (a.tipo == tipo && a.objeto == objeto && (nombre.isEmpty() || a.nombre == nombre))
            return true;
    return false;
}

QWidget *ventana(Aplicacion &app, const QString &nombre)
{
    for (QWidget *w : {static_cast<QWidget *>(app.presentacion()), static_cast<QWidget *>(app.acerca()),
                       static_cast<QWidget *>(app.empieza()), static_cast<QWidget *>(app.charrar1()),
                       static_cast<QWidget *>(app.camarero()), static_cast<QWidget *>(app.final())})
        if (w->objectName() == nombre)
            return w;
    return nullptr;
}

QAccessibleInterface *interfaz(Aplicacion &app, const QString &enVentana, const QString &control)
{
    QWidget *v = ventana(app, enVentana);
    QWidget *w = control.isEmpty() ? v : v->findChild<QWidget *>(control);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

} // namespace

class TestAccesibilidad : public QObject
{
    Q_OBJECT

    ManejadorFin anterior = nullptr;

private slots:
    void initTestCase() { anterior = ponerManejadorFin(contarFin); }
    void cleanupTestCase() { ponerManejadorFin(anterior); }

    void rolesYNombres_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("rol");
        QTest::addColumn<QString>("nombre");
        const int boton = QAccessible::Button, lista = QAccessible::List, texto = QAccessible::StaticText,
                  dibujo = QAccessible::Graphic, ventana = QAccessible::Window;
        QTest::newRow("Presentacion") << "Presentacion" << "" << ventana << "Zarrapio World";
        QTest::newRow("Acerca") << "Acerca" << "" << ventana << "Acerca de ...";
        QTest::newRow("Empieza") << "Empieza" << "" << ventana << "Zarrapio World";
        QTest::newRow("charrar1") << "charrar1" << "" << ventana << "Conversación con un Zarrapio";
        QTest::newRow("Camarero") << "Camarero" << "" << ventana << "Conversación con el Camarero";
        QTest::newRow("Final") << "Final" << "" << ventana << "Zarrapio World";
        QTest::newRow("Hablar") << "Empieza" << "Hablar" << boton << "Verbo Hablar";
        QTest::newRow("Mentir") << "Empieza" << "Mentir" << boton << "Verbo Mentir";
        QTest::newRow("Coger") << "Empieza" << "Coger" << boton << "Verbo Coger";
        QTest::newRow("Usar") << "Empieza" << "Usar" << boton << "Verbo Usar";
        QTest::newRow("Mirar") << "Empieza" << "Mirar" << boton << "Verbo Mirar";
        QTest::newRow("Limpiar") << "Empieza" << "Limpiar" << boton << "Limpiar";
        QTest::newRow("Menú") << "Empieza" << "Label2" << boton << "Menú";
        QTest::newRow("Salir a Windows") << "Empieza" << "Label6" << boton << "Salir a Windows";
        QTest::newRow("objetos") << "Empieza" << "objetos" << lista << "Inventario";
        QTest::newRow("resultado") << "Empieza" << "resultado" << lista << "Respuestas";
        QTest::newRow("acciones") << "Empieza" << "acciones" << texto << "Acción";
        QTest::newRow("muestra") << "Empieza" << "muestra" << texto << "Nombre de lo señalado";
        QTest::newRow("Objeto:") << "Empieza" << "Label1" << texto << "Objeto:";
        QTest::newRow("Image1") << "Empieza" << "Image1" << dibujo << "Escena 1: la calle delante del Disco-Pub";
        QTest::newRow("Image2") << "Empieza" << "Image2" << dibujo << "Retrato del protagonista";
        QTest::newRow("Volver") << "Acerca" << "Command1" << boton << "Volver";
        QTest::newRow("logotipo") << "Acerca" << "Image1" << dibujo << "Logotipo de Trombulenco Juegos";
        QTest::newRow("cavernícola") << "Presentacion" << "Image2" << dibujo << "Dibujo del cavernícola";
        QTest::newRow("respuestas del Zarrapio") << "charrar1" << "List1" << lista << "Respuestas del Zarrapio";
        QTest::newRow("¿Quién eres?") << "charrar1" << "quieneres" << boton << "¿Quién eres?";
        QTest::newRow("Zarrapio") << "charrar1" << "Image1" << dibujo << "Retrato del Zarrapio";
        QTest::newRow("respuestas del camarero") << "Camarero" << "List1" << lista << "Respuestas del camarero";
        QTest::newRow("camarero") << "Camarero" << "Image1" << dibujo << "Retrato del camarero";
        QTest::newRow("FINAL") << "Final" << "Command1" << boton << "FINAL";
        QTest::newRow("final, cavernícola") << "Final" << "Image1" << dibujo << "Dibujo del cavernícola";
    }
    void rolesYNombres()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(int, rol);
        QFETCH(QString, nombre);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        QAccessibleInterface *i = interfaz(app, ventana, control);
        QVERIFY(i);
        QCOMPARE(int(i->role()), rol);
        QCOMPARE(i->text(QAccessible::Name), nombre);
        if (rol == QAccessible::Button)
            QVERIFY(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    // Every control the keyboard reaches, in every window, has a name.
    void todoLoAlcanzableTieneNombre()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        for (const char *v : {"Presentacion", "Acerca", "Empieza", "charrar1", "Camarero", "Final"}) {
            const auto controles = ventana(app, v)->findChildren<QWidget *>();
            for (QWidget *w : controles) {
                if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QString nombre = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                QVERIFY2(!nombre.trimmed().isEmpty(), qPrintable(w->objectName()));
            }
        }
        const QStringList verbos = {"Hablar", "Mentir", "Coger", "Usar", "Mirar"};
        for (int n = 0; n < 5; ++n)
            QCOMPARE(interfaz(app, "Empieza", verbos[n])->text(QAccessible::Description), QStringLiteral("Tecla %1").arg(n + 1));
    }

    // A reader's "press" on a label does what a click does.
    void pulsarDesdeElLector_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("linea");
        QTest::newRow("Hablar") << "Hablar" << "Hablar con ";
        QTest::newRow("Mentir") << "Mentir" << "Mentir a ";
        QTest::newRow("Coger") << "Coger" << "Coger ";
        QTest::newRow("Usar") << "Usar" << "Usar ";
        QTest::newRow("Mirar") << "Mirar" << "Mirar ";
        QTest::newRow("Limpiar") << "Limpiar" << "";
    }
    void pulsarDesdeElLector()
    {
        QFETCH(QString, control);
        QFETCH(QString, linea);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.juego().pulsarVerbo(Verbo::Usar);
        QAccessibleInterface *i = interfaz(app, "Empieza", control);
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(app.juego().acciones(), linea);
    }

    void menuDesdeElLector()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        interfaz(app, "Empieza", "Label2")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!app.empieza()->isVisible());
        QVERIFY(app.presentacion()->isVisible());
        const int antes = finales;
        interfaz(app, "Empieza", "Label6")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(finales, antes + 1);
    }

    // The reader walks the adventure screen in the order it stands on screen.
    void ordenDeLectura()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        QAccessibleInterface *e = interfaz(app, "Empieza", "");
        QStringList orden;
        for (int n = 0; n < e->childCount(); ++n)
            if (QObject *o = e->child(n)->object())
                orden << o->objectName();
        QCOMPARE(orden, (QStringList{"Image1", "Image2", "Hablar", "Mentir", "Coger", "Usar", "Mirar", "objetos",
                                     "Label6", "Label2", "Limpiar", "acciones", "Label1", "muestra", "resultado"}));
    }

    // The picture holds the hotspot under the outline or the pointer, and the
    // reader is told when it is reached, when the scene changes, when a reply
    // comes and when a window opens.
    void loQueOyeElLector()
    {
        avisos.clear();
        const OyenteLector oyenteAnterior = ponerOyenteLector(apuntar);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        app.empieza()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.empieza()));
        QAccessibleInterface *imagen = interfaz(app, "Empieza", "Image1");
        QCOMPARE(imagen->childCount(), 0);

        app.juego().irAEscena(2);
        QVERIFY(hubo(QAccessible::NameChanged, "Image1", "Escena 2: dentro del Disco-Pub"));

        tecla(Qt::Key_1);
        tecla(Qt::Key_Down);
        tecla(Qt::Key_Down);
        tecla(Qt::Key_Down);
        QCOMPARE(imagen->childCount(), 1);
        QAccessibleInterface *zona = imagen->child(0);
        QCOMPARE(zona->text(QAccessible::Name), "Bicho");
        QCOMPARE(zona->role(), QAccessible::Button);
        QVERIFY(zona->state().focused);
        QCOMPARE(zona->parent(), imagen);
        QCOMPARE(imagen->indexOfChild(zona), 0);
        const QRect sitio = zona->rect();
        QCOMPARE(imagen->childAt(sitio.center().x(), sitio.center().y()), zona);
        QCOMPARE(sitio.topLeft(), app.empieza()->findChild<QWidget *>("Image1")->mapToGlobal(QPoint(12, 125)));
        bool oido = false;
        for (const Aviso &a : std::as_const(avisos))
            oido = oido || (a.tipo == QAccessible::Focus && a.nombre == "Bicho" && a.rol == QAccessible::Button);
        QVERIFY(oido);

        // The reader's own press on the hotspot talks to the creature.
        zona->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(app.charrar1()->isVisible());
        QTest::mouseClick(app.charrar1()->findChild<QPushButton *>("eresfeo"), Qt::LeftButton);
        QVERIFY(hubo(QAccessible::DescriptionChanged, "List1"));
        QVERIFY(app.charrar1()->findChild<QWidget *>("List1")->accessibleDescription().startsWith("¡Ja,ja,ja!"));

        avisos.clear();
        app.juego().pulsarVerbo(Verbo::Mirar);
        app.juego().pulsarImagen(280, 25);   // the waiter
        QVERIFY(hubo(QAccessible::DescriptionChanged, "resultado"));
        QCOMPARE(app.empieza()->findChild<QWidget *>("resultado")->accessibleDescription(),
                 app.juego().resultado().join(' '));
        QVERIFY(hubo(QAccessible::DescriptionChanged, "acciones"));

        // The pointer reaches a hotspot too.
        QMouseEvent encima(QEvent::MouseMove, QPointF(20, 50), QPointF(20, 50), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        auto *imagen1 = app.empieza()->findChild<ImagenEscena *>("Image1");
        imagen1->senalar(-1);
        QApplication::sendEvent(imagen1, &encima);
        QCOMPARE(imagen->child(0)->text(QAccessible::Name), "salida");
        QVERIFY(!imagen->child(0)->state().focused);

        ponerOyenteLector(oyenteAnterior);
    }
};

QTEST_MAIN(TestAccesibilidad)
#include "test_accesibilidad.moc"

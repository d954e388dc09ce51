// What a screen reader finds in the game's windows, through the interfaces
// the desktop's accessibility bridge reads.
#include "apoyo.h"

#include "accesibilidad.h"
#include "aplicacion.h"
#include "imagen_escena.h"
#include "conversacion.h"
#include "empieza.h"
#include "presentacion.h"
#include "zonas.h"
#include "ventana.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QFrame>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace zw;
using namespace prueba;

namespace {

QStringList oido;   // "event name" for every notice the game sends

void apuntar(QAccessibleEvent *e)
{
    if (QAccessibleInterface *i = e->accessibleInterface())
        oido << QStringLiteral("%1 %2").arg(int(e->type())).arg(i->text(QAccessible::Name));
}

QAccessibleInterface *interfaz(const QString &ventana, const QString &control)
{
    for (QWidget *v : QApplication::topLevelWidgets())
        if (v->objectName() == ventana)
            return QAccessible::queryAccessibleInterface(control.isEmpty() ? v : v->findChild<QWidget *>(control));
    return nullptr;
}

void pulsar(QAccessibleInterface *i)
{
    QVERIFY(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class TestAccesibilidad : public QObject
{
    Q_OBJECT

private slots:

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
        // Captioned as the title window, but told apart by name.
        QTest::newRow("Final") << "Final" << "" << ventana << "Final de Zarrapio World";
        QTest::newRow("Hablar") << "Empieza" << "Hablar" << boton << "Verbo Hablar";
        QTest::newRow("Limpiar") << "Empieza" << "Limpiar" << boton << "Limpiar";
        QTest::newRow("Menú") << "Empieza" << "Label2" << boton << "Menú";
        QTest::newRow("Salir a Windows") << "Empieza" << "Label6" << boton << "Salir a Windows";
        QTest::newRow("objetos") << "Empieza" << "objetos" << lista << "Inventario";
        QTest::newRow("resultado") << "Empieza" << "resultado" << lista << "Respuestas";
        // The action line and the name under "Objeto:" read as what they
        // show, and have a name while they show nothing.
        QTest::newRow("acciones") << "Empieza" << "acciones" << texto << "Ninguna acción";
        QTest::newRow("muestra") << "Empieza" << "muestra" << texto << "Nada señalado";
        // Portraits and drawings are pictures.
        QTest::newRow("retrato") << "Empieza" << "Image2" << dibujo << "Retrato del protagonista";
        QTest::newRow("logotipo") << "Acerca" << "Image1" << dibujo << "Logotipo de Trombulenco Juegos";
        QTest::newRow("Image1") << "Empieza" << "Image1" << dibujo << "Escena 1: la calle delante del Disco-Pub";
        QTest::newRow("del Zarrapio") << "charrar1" << "List1" << lista << "Respuestas del Zarrapio";
        QTest::newRow("FINAL") << "Final" << "Command1" << boton << "FINAL";
    }
    void rolesYNombres()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(int, rol);
        QFETCH(QString, nombre);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        hacerVentanas(app);
        app.arrancar();
        app.jugar();
        QAccessibleInterface *i = interfaz(ventana, control);
        QVERIFY(i);
        QCOMPARE(int(i->role()), rol);
        QCOMPARE(i->text(QAccessible::Name), nombre);
        if (rol == QAccessible::Button)
            QVERIFY(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    // Every control the keyboard reaches has a name; the reader walks the
    // adventure screen in screen order; its presses do what clicks do.
    void nombresOrdenYPulsaciones()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        contarFinales(app);
        app.arrancar();
        app.jugar();
        for (QWidget *v : QApplication::topLevelWidgets())
            for (QWidget *w : v->findChildren<QWidget *>())
                if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().startsWith(QLatin1String("qt_")))
                    QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty(),
                             qPrintable(w->objectName()));
        QAccessibleInterface *e = interfaz("Empieza", "");
        QStringList orden;
        for (int n = 0; n < e->childCount(); ++n)
            orden << e->child(n)->object()->objectName();
        QCOMPARE(orden, (QStringList{"Image1", "Image2", "Hablar", "Mentir", "Coger", "Usar", "Mirar", "objetos",
                                     "Label6", "Label2", "Limpiar", "acciones", "Label1", "muestra", "resultado"}));
        QCOMPARE(interfaz("Empieza", "Coger")->text(QAccessible::Description), "Tecla 3");
        pulsar(interfaz("Empieza", "Mentir"));
        QCOMPARE(app.juego().acciones(), "Mentir a ");
        pulsar(interfaz("Empieza", "Limpiar"));
        QVERIFY(app.juego().acciones().isEmpty());
        pulsar(interfaz("Empieza", "Label2"));
        QVERIFY(app.presentacion()->isVisible() && !app.empieza()->isVisible());
        const int antes = finales;
        pulsar(interfaz("Empieza", "Label6"));
        QCOMPARE(finales, antes + 1);
    }

    // A reader walking every window meets no decorative line and no name with
    // blanks around it, and tells the title window from the adventure screen.
    void arbolDelLector()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        hacerVentanas(app);
        app.arrancar();
        int vistos = 0;
        std::function<void(QAccessibleInterface *)> recorrer = [&](QAccessibleInterface *i) {
            ++vistos;
            auto *marco = qobject_cast<QFrame *>(i->object());
            QVERIFY2(!marco || (marco->frameShape() != QFrame::HLine && marco->frameShape() != QFrame::VLine),
                     qPrintable(i->object()->objectName()));
            const QString nombre = i->text(QAccessible::Name);
            QCOMPARE(nombre, nombre.trimmed());
            for (int n = 0; n < i->childCount(); ++n)
                recorrer(i->child(n));
        };
        for (QWidget *v : QApplication::topLevelWidgets())
            if (!v->objectName().isEmpty())
                recorrer(QAccessible::queryAccessibleInterface(v));
        QVERIFY(vistos > 60);
        QCOMPARE(interfaz("Presentacion", "Frame1")->text(QAccessible::Name), "HISTORIA");
        // Every window says what it is.
        for (const auto &[ventana, descripcion] : {std::pair("Presentacion", "Pantalla de título"),
                                                   std::pair("Empieza", "Pantalla de juego"),
                                                   std::pair("charrar1", "Pantalla de conversación"),
                                                   std::pair("Camarero", "Pantalla de conversación"),
                                                   std::pair("Final", "Pantalla final")})
            QCOMPARE(interfaz(ventana, "")->text(QAccessible::Description), descripcion);

        // A message box: its text and its buttons, each part named, no empty
        // place; and, however short its text, room for its title on any desktop.
        for (const bool pregunta : {false, true}) {
            QStringList partes;
            bool ancha = false;
            QTimer::singleShot(0, [&] {
                QWidget *caja = QApplication::activeModalWidget();
                QVERIFY(caja);
                ancha = caja->width() >= caja->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('n')));
                std::function<void(QAccessibleInterface *)> anotar = [&](QAccessibleInterface *i) {
                    partes << i->text(QAccessible::Name);
                    for (int n = 0; n < i->childCount(); ++n)
                        anotar(i->child(n));
                };
                anotar(QAccessible::queryAccessibleInterface(caja));
                caja->findChild<QPushButton *>()->click();
            });
            if (pregunta)
                preguntarSiNo("Aviso", "¿Sí?");
            else
                mostrarAviso("Error", "No se puede.");
            const QStringList esperadas = pregunta ? QStringList{"Aviso", "¿Sí?", "Botones", "Sí", "No"}
                                                   : QStringList{"Error", "No se puede.", "Botones", "OK"};
            QCOMPARE(partes, esperadas);
            QVERIFY(ancha);
        }
    }

    // The picture lists every hotspot of its scene, each with its name and
    // place; the reader is told when the keys reach one, when the scene
    // changes, and when a reply comes. An inventory entry reads as focused
    // only while the inventory has the keys.
    void loQueOyeElLector()
    {
        oido.clear();
        // Qt's own way to hear what a reader would, as its own accessibility
        // tests do: a reader listening, every notice handed to the test.
        QPlatformAccessibility *plataforma = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!plataforma)
            QSKIP("this platform has no accessibility");
        plataforma->setActive(true);
        QAccessible::installUpdateHandler(apuntar);
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        hacerVentanas(app);
        app.arrancar();
        app.jugar();
        activarVisible();
        QAccessibleInterface *imagen = interfaz("Empieza", "Image1");
        const auto nombres = [imagen] {
            QStringList n;
            for (int i = 0; i < imagen->childCount(); ++i)
                n << imagen->child(i)->text(QAccessible::Name);
            return n;
        };
        const auto enOrden = [](int escena) {
            QStringList n;
            for (const Zona *z : zonasEnOrden(escena))
                n << QString::fromUtf8(z->nombre);
            return n;
        };
        QCOMPARE(nombres(), enOrden(1));
        app.juego().irAEscena(2);
        QVERIFY(oido.contains(QStringLiteral("%1 Escena 2: dentro del Disco-Pub").arg(int(QAccessible::NameChanged))));
        QVERIFY(oido.contains(QStringLiteral("%1 Escena 2: dentro del Disco-Pub").arg(int(QAccessible::ObjectReorder))));
        QCOMPARE(nombres(), enOrden(2));
        for (int i = 0; i < imagen->childCount(); ++i)
            QVERIFY(!imagen->child(i)->state().focused);

        tecla(Qt::Key_1);
        tecla(Qt::Key_End);
        QAccessibleInterface *zona = imagen->child(imagen->childCount() - 1);
        QCOMPARE(zona->text(QAccessible::Name), "Bicho");
        QCOMPARE(zona->role(), QAccessible::Button);
        QVERIFY(zona->state().focused);
        QVERIFY(!imagen->child(0)->state().focused);
        QCOMPARE(zona->parent(), imagen);
        QCOMPARE(imagen->indexOfChild(zona), imagen->childCount() - 1);
        QCOMPARE(zona->rect().topLeft(), control(app.empieza(), "Image1")->mapToGlobal(QPoint(12, 125)));
        QCOMPARE(imagen->childAt(zona->rect().center().x(), zona->rect().center().y()), zona);
        QVERIFY(oido.contains(QStringLiteral("%1 Bicho").arg(int(QAccessible::Focus))));

        pulsar(zona);   // talks to the creature
        QVERIFY(app.charrar1()->isVisible());
        control<QPushButton>(app.charrar1(), "eresfeo")->click();
        QVERIFY(control(app.charrar1(), "List1")->accessibleDescription().startsWith("¡Ja,ja,ja!"));
        app.juego().pulsarVerbo(Verbo::Mirar);
        pulsar(imagen->child(0));   // a hotspot pressed by a reader that the keys never reached
        QCOMPARE(app.juego().acciones(), "Mirar " + enOrden(2).first());
        QCOMPARE(control(app.empieza(), "resultado")->accessibleDescription(), app.juego().resultado().join(' '));
        QCOMPARE(interfaz("Empieza", "acciones")->text(QAccessible::Name), app.juego().acciones());
        QCOMPARE(interfaz("Empieza", "acciones")->text(QAccessible::Description), "Acción");
        QVERIFY(oido.contains(QStringLiteral("%1 %2").arg(int(QAccessible::NameChanged)).arg(app.juego().acciones())));
        QVERIFY(oido.contains(QStringLiteral("%1 Respuestas").arg(int(QAccessible::DescriptionChanged))));

        // The inventory's chosen entry, focused with the list only, and
        // again when the list has the keys back.
        app.juego().anexarObjeto("Papel");
        activarVisible();
        tecla(Qt::Key_I);
        tecla(Qt::Key_Down);
        tecla(Qt::Key_Down);
        QAccessibleInterface *entrada = interfaz("Empieza", "objetos")->child(1);
        QVERIFY(entrada->state().focused);
        tecla(Qt::Key_E);
        QVERIFY(!entrada->state().focused);
        QVERIFY(entrada->state().selected);
        tecla(Qt::Key_I);
        QVERIFY(entrada->state().focused);
        QAccessible::installUpdateHandler(nullptr);
        plataforma->setActive(false);
    }
};

ZW_QTEST_MAIN(TestAccesibilidad)
#include "test_accesibilidad.moc"

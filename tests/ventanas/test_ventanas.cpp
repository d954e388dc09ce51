// The title, about and adventure windows, driven through their real controls.
#include "acerca.h"
#include "aplicacion.h"
#include "apoyo.h"
#include "conversacion.h"
#include "empieza.h"
#include "escala.h"
#include "estilo.h"
#include "final.h"
#include "imagen.h"
#include "presentacion.h"
#include "reglas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QToolTip>

using namespace zw;
using namespace prueba;

namespace {

void clic(QWidget *w, QPoint p = {})
{
    QTest::mouseClick(w, Qt::LeftButton, {}, p.isNull() ? w->rect().center() : p);
}

void clicEnLista(QListWidget *lista, int fila)
{
    const QRect r = lista->visualItemRect(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
}

void mover(QWidget *w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void activar(QWidget *ventana)
{
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
}

void filasDeZoom()
{
    QTest::addColumn<double>("zoom");
    for (double zoom : escala::pasos())
        QTest::addRow("x%g", zoom) << zoom;
}

QColor colorTexto(QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class TestVentanas : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        finales = 0;
    }
    void cleanup()
    {
        escala::ponerZoom(1);
    }

    void arrancaEnLaPresentacion()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        QVERIFY(app.presentacion()->isVisible());
        QCOMPARE(app.presentacion()->objectName(), "Presentacion");
        QCOMPARE(app.presentacion()->windowTitle(), "Zarrapio World");
        QCOMPARE(app.presentacion()->centralWidget()->size(), QSize(577, 421));
        for (QWidget *w : std::initializer_list<QWidget *>{app.empieza(), app.acerca(), app.charrar1(), app.camarero(), app.final()})
            QVERIFY(!w->isVisible());
        QCOMPARE(app.juego().estado[Palabra::pantalla], 1);
        QVERIFY(!app.juego().iniciado()); // the adventure screen's start-up waits for its first use
    }

    void menuCompleto()
    {
        Aplicacion app;
        const QList<std::pair<const char *, const char *>> acciones = {
            {"jugar", "J&ugar"}, {"acercade", "&Acerca de ..."}, {"salir", "&Salir"},
            {"guardarpartida", "&Guardar Partida"}, {"cargarpartida", "&Cargar partida"},
        };
        for (const auto &[nombre, texto] : acciones) {
            auto *a = app.presentacion()->findChild<QAction *>(nombre);
            QVERIFY2(a, nombre);
            QCOMPARE(a->text(), QString::fromUtf8(texto));
            QVERIFY(a->shortcut().isEmpty());
        }
        auto *juego = app.presentacion()->findChild<QMenu *>("juego");
        auto *partida = app.presentacion()->findChild<QMenu *>("partida");
        QVERIFY(juego && partida);
        QCOMPARE(juego->title(), "&Juego");
        QCOMPARE(partida->title(), "&Partida");
        QCOMPARE(juego->actions().size(), 3);
        QCOMPARE(partida->actions().size(), 2);
    }

    void jugarMenuJugarSigueDondeEstaba()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.presentacion()->findChild<QAction *>("jugar")->trigger();
        QVERIFY(app.empieza()->isVisible());
        QVERIFY(!app.presentacion()->isVisible());
        auto *objetos = control<QListWidget>(app.empieza(), "objetos");
        QCOMPARE(textos(objetos), QStringList{"Mechero"});

        app.juego().irAEscena(3);
        app.juego().anexarObjeto("Papel");
        app.juego().responder({"una respuesta"});
        clic(control(app.empieza(), "Label2"));   // "Menú"
        QVERIFY(!app.empieza()->isVisible());
        QVERIFY(app.presentacion()->isVisible());

        app.presentacion()->findChild<QAction *>("jugar")->trigger();
        QVERIFY(app.empieza()->isVisible());
        QCOMPARE(app.juego().estado[Palabra::pantalla], 3);
        QCOMPARE(textos(objetos), (QStringList{"Mechero", "Papel"}));
        QCOMPARE(textos(control<QListWidget>(app.empieza(), "resultado")), QStringList{"una respuesta"});
    }

    void acercaDeUnaSolaVez()
    {
        Aplicacion app;
        contarFinales(app);
        app.arrancar();
        auto *acercade = app.presentacion()->findChild<QAction *>("acercade");
        acercade->trigger();
        acercade->trigger();
        int cuantas = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            cuantas += w->objectName() == "Acerca";
        QCOMPARE(cuantas, 1);
        QVERIFY(app.acerca()->isVisible());
        QVERIFY(app.presentacion()->isVisible());
        clic(control(app.acerca(), "Command1"));  // "Volver"
        QVERIFY(!app.acerca()->isVisible());
        QVERIFY(app.presentacion()->isVisible());
        acercade->trigger();
        QVERIFY(app.acerca()->isVisible());
        QCOMPARE(finales, 0);
    }

    void todoTerminaElPrograma()
    {
        Aplicacion app;
        contarFinales(app);
        app.arrancar();
        app.presentacion()->findChild<QAction *>("salir")->trigger();
        QCOMPARE(finales, 1);
        app.jugar();
        clic(control(app.empieza(), "Label6"));   // "Salir a Windows"
        QCOMPARE(finales, 2);
        int esperados = 2;
        for (QWidget *w : std::initializer_list<QWidget *>{app.presentacion(), app.acerca(), app.empieza(),
                                                             app.charrar1(), app.camarero(), app.final()}) {
            w->show();
            w->close();
            QCOMPARE(finales, ++esperados);
        }
    }

    void ventanasDeTamanoFijo()
    {
        Aplicacion app;
        QCOMPARE(app.acerca()->size(), QSize(326, 360));
        QCOMPARE(app.empieza()->size(), QSize(561, 387));
        for (QWidget *w : std::initializer_list<QWidget *>{app.presentacion(), app.acerca(), app.empieza()})
            QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    void textosCaben_data() { filasDeZoom(); }
    // Every text of every window, wrapped at its control's width, fits its height.
    void textosCaben()
    {
        QFETCH(double, zoom);
        Aplicacion app;
        escala::ponerZoom(zoom);
        app.acerca()->show();
        int revisados = 0;
        for (QWidget *ventana : std::initializer_list<QWidget *>{app.presentacion(), app.acerca(), app.empieza(),
                                                                   app.charrar1(), app.camarero(), app.final()}) {
            for (QLabel *l : ventana->findChildren<QLabel *>()) {
                if (l->text().isEmpty())
                    continue;
                const QFontMetrics fm(l->font());
                const QRect necesita = fm.boundingRect(QRect(0, 0, l->width(), 10000),
                                                       Qt::AlignLeft | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
                QVERIFY2(necesita.width() <= l->width() && necesita.height() <= l->height(),
                         qPrintable(QStringLiteral("%1/%2 needs %3x%4, has %5x%6").arg(ventana->objectName(), l->objectName())
                                        .arg(necesita.width()).arg(necesita.height()).arg(l->width()).arg(l->height())));
                ++revisados;
            }
            for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>()) {
                const QFontMetrics fm(b->font());
                QVERIFY2(fm.horizontalAdvance(b->text()) <= b->width() - 8, qPrintable(b->objectName()));
                ++revisados;
            }
        }
        QVERIFY(revisados > 40);
    }

    // Every reply line of every rule fits the reply list, and every item the
    // inventory, without a scroll bar hiding part of it.
    void respuestasCaben_data() { filasDeZoom(); }
    void respuestasCaben()
    {
        QFETCH(double, zoom);
        Aplicacion app;
        escala::ponerZoom(zoom);
        auto *resultado = control<QListWidget>(app.empieza(), "resultado");
        auto *objetos = control<QListWidget>(app.empieza(), "objetos");
        const QFontMetrics fm(resultado->font());
        const int margen = 2 * resultado->frameWidth() + 8;
        int lineas = 0;
        for (int n = 0; n <= 7; ++n) {
            for (const reglas::Regla &r : n == 0 ? reglas::objetos() : reglas::escena(n)) {
                for (const auto *efectos : {&r.efectos, &r.siNo}) {
                    for (const reglas::Efecto &e : *efectos) {
                        for (const QString &l : e.lineas) {
                            QVERIFY2(fm.horizontalAdvance(l) <= resultado->width() - margen, qPrintable(l));
                            ++lineas;
                        }
                        if (e.hace == reglas::Hace::Dar)
                            QVERIFY2(fm.horizontalAdvance(e.objeto) <= objetos->width() - margen - 16, qPrintable(e.objeto));
                    }
                }
            }
        }
        QVERIFY(lineas > 100);
    }

    void fuentesDeLosTitulos()
    {
        Aplicacion app;
        const QFontInfo titulo(control(app.presentacion(), "Label1")->font());
        QVERIFY(titulo.bold());
        const QFontInfo nombre(control(app.presentacion(), "Label3")->font());
        QVERIFY(nombre.italic());
        QVERIFY(nombre.pixelSize() > titulo.pixelSize());
        // The dialog font must really be installed: a fallback would be wider.
        QCOMPARE(QFontInfo(fuenteDialogo()).family(), "Liberation Sans Narrow");
        // What Qt draws on its own (menus, message boxes) is in the sans face,
        // never whatever the platform makes of "Sans Serif".
        const QFontInfo qt(QApplication::font());
        QCOMPARE(qt.family(), "Liberation Sans");
        QVERIFY(!qt.fixedPitch());
    }

    // Usar, the inventory's "Mechero", then the brick on the picture.
    void lineaConElRaton()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        Empieza *e = app.empieza();
        auto *acciones = control<QLabel>(e, "acciones");
        auto *objetos = control<QListWidget>(e, "objetos");
        auto *imagen = control(e, "Image1");

        clicEnLista(objetos, 0);                   // no verb yet: ignored
        QVERIFY(acciones->text().isEmpty());
        clic(control(e, "Usar"));
        QCOMPARE(acciones->text(), "Usar ");
        clicEnLista(objetos, 0);                   // already selected, still a pick
        QCOMPARE(acciones->text(), "Usar Mechero con ");
        QTest::mousePress(imagen, Qt::RightButton, {}, QPoint(30, 30));
        QCOMPARE(acciones->text(), "Usar Mechero con ladrillo");
        QCOMPARE(app.juego().linea.faltanobjetos, 0);
        QCOMPARE(control<QListWidget>(e, "resultado")->count(), 1);

        clic(control(e, "Limpiar"));
        QVERIFY(acciones->text().isEmpty());
        QCOMPARE(control<QListWidget>(e, "resultado")->count(), 0);
    }

    // The platform focuses the list before the press arrives; that is no pick,
    // and no entry becomes current, so the click is the only pick.
    void elFocoNoElige()
    {
        Aplicacion app;
        app.arrancar();
        app.jugar();
        activar(app.empieza());
        auto *objetos = control<QListWidget>(app.empieza(), "objetos");
        clic(control(app.empieza(), "Usar"));
        objetos->setFocus(Qt::TabFocusReason);
        QVERIFY(objetos->hasFocus());
        QCOMPARE(objetos->currentRow(), -1);
        QCOMPARE(app.juego().acciones(), "Usar ");
        clicEnLista(objetos, 0);
        QCOMPARE(app.juego().acciones(), "Usar Mechero con ");
    }

    void teclasEnElInventario()
    {
        Aplicacion app;
        app.arrancar();
        app.jugar();
        app.juego().anexarObjeto("Papel");
        auto *objetos = control<QListWidget>(app.empieza(), "objetos");
        QCOMPARE(objetos->currentRow(), -1);       // filling the list picks nothing
        objetos->setFocus();
        objetos->setCurrentRow(0);                 // no verb yet: ignored
        clic(control(app.empieza(), "Mirar"));
        QTest::keyClick(objetos, Qt::Key_Down);
        QCOMPARE(control<QLabel>(app.empieza(), "acciones")->text(), "Mirar Papel");
    }

    void quitarDelInventarioNoEsElegir()
    {
        Aplicacion app;
        app.arrancar();
        app.jugar();
        app.juego().anexarObjeto("Agua");
        auto *objetos = control<QListWidget>(app.empieza(), "objetos");
        clic(control(app.empieza(), "Usar"));
        clicEnLista(objetos, 1);
        QCOMPARE(app.juego().acciones(), "Usar Agua con ");
        app.juego().quitarObjeto("AGUA");           // the selected entry goes away
        app.juego().vaciarObjetos();
        QCOMPARE(app.juego().acciones(), "Usar Agua con ");
        QCOMPARE(app.juego().linea.faltanobjetos, 1);
    }

    void ratonNombraZonas()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        auto *imagen = control(app.empieza(), "Image1");
        auto *muestra = control<QLabel>(app.empieza(), "muestra");
        mover(imagen, {53, 60});
        QCOMPARE(muestra->text(), "puerta");
        mover(imagen, {52, 60});
        QCOMPARE(muestra->text(), "");
        mover(imagen, {182, 251});
        QCOMPARE(muestra->text(), "puerta");
        // A change of scene leaves the last name until the pointer moves again.
        clic(control(app.empieza(), "Usar"));
        QTest::mousePress(imagen, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(app.juego().estado[Palabra::pantalla], 2);
        QCOMPARE(muestra->text(), "puerta");
        mover(imagen, {30, 200});
        QCOMPARE(muestra->text(), "Bicho");
    }

    void verbosResaltados()
    {
        Aplicacion app;
        app.arrancar();
        app.jugar();
        Empieza *e = app.empieza();
        QWidget *mirar = control(e, "Mirar");
        QWidget *hablar = control(e, "Hablar");
        const QColor resaltado = color(ColorSistema::Resaltado);
        const QColor normal = color(ColorSistema::TextoResaltado);
        QVERIFY(resaltado != normal);

        mover(mirar, {5, 5});
        QCOMPARE(colorTexto(mirar), resaltado);
        mover(control(e, "Image1"), {200, 10});        // the picture keeps it
        mover(control(e, "resultado"), {5, 5});
        mover(control(e, "Label1"), {5, 5});
        QCOMPARE(colorTexto(mirar), resaltado);
        mover(e, {558, 260});                           // bare background
        QCOMPARE(colorTexto(mirar), normal);
        QCOMPARE(colorTexto(hablar), normal);
        mover(control(e, "Limpiar"), {5, 5});           // no highlight of its own
        QCOMPARE(colorTexto(control(e, "Limpiar")), color(ColorSistema::TextoResaltado));
    }

    void coloresFijos()
    {
        Aplicacion app;
        Empieza *e = app.empieza();
        QCOMPARE(e->palette().color(QPalette::Window), QColor(Qt::black));
        for (const char *nombre : {"acciones", "muestra"})
            QCOMPARE(control(e, nombre)->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(control(e, "resultado")->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(control(e, "Usar")->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(control(e, "Usar")->palette().color(QPalette::Window), QColor(Qt::black));
    }

    // A scene whose picture is gone still plays: the scene changes and the
    // picture says which file is missing.
    void escenaSinImagen()
    {
        Aplicacion app(QStringLiteral("/no/existe"));
        app.arrancar();
        app.jugar();
        auto *imagen = control<Imagen>(app.empieza(), "Image1");
        const QImage antes = imagen->pintada().toImage();
        clic(control(app.empieza(), "Usar"));
        QTest::mousePress(imagen, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(app.juego().estado[Palabra::pantalla], 2);
        QVERIFY(imagen->pintada().toImage() != antes);
        QCOMPARE(imagen->pintada().size(), QSize(372, 303));
        clic(control(app.empieza(), "Hablar"));
        QTest::mousePress(imagen, Qt::LeftButton, {}, QPoint(30, 200));
        QCOMPARE(app.juego().acciones(), "Hablar con Bicho");
    }

    // Every tooltip as the player sees it: every word there, whole; a short
    // phrase on one line; a line no wider than its control, or than a short
    // phrase where the control is narrower.
    void ayudasQueCaben()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar();
        app.jugar();
        int vistas = 0;
        for (QWidget *w : app.empieza()->findChildren<QWidget *>()) {
            if (w->toolTip().isEmpty())
                continue;
            QHelpEvent ayuda(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &ayuda);
            const QLabel *mostrada = nullptr;
            for (QWidget *v : QApplication::topLevelWidgets())
                if (v->inherits("QTipLabel") && v->isVisible())
                    mostrada = qobject_cast<QLabel *>(v);
            QVERIFY2(mostrada, qPrintable(w->objectName()));
            ++vistas;
            const QStringList lineas = mostrada->text().split(QLatin1Char('\n'));
            QCOMPARE(lineas.join(QLatin1Char(' ')), w->toolTip());
            const QFontMetrics medidas(mostrada->font());
            const int frase = medidas.horizontalAdvance(QString(30, QLatin1Char('n')));
            if (w->toolTip().size() <= 30)
                QCOMPARE(lineas.size(), 1);
            for (const QString &l : lineas)
                QVERIFY2(medidas.horizontalAdvance(l) <= std::max(w->width(), frase + frase / 4), qPrintable(l));
            QToolTip::hideText();
        }
        QCOMPARE(vistas, 7);
    }
};

ZW_QTEST_MAIN(TestVentanas)
#include "test_ventanas.moc"

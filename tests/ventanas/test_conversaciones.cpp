#include "apoyo.h"
#include "aplicacion.h"
#include "conversacion.h"
#include "escala.h"
#include "estilo.h"
#include "final.h"
#include "imagen.h"

#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace prueba;

namespace {

// The windows of a new game, whose ends of the program are counted.
std::unique_ptr<zw::Aplicacion> app;

QWidget *crear(const QString &ventana)
{
    if (ventana == QLatin1String("charrar1"))
        return app->charrar1();
    if (ventana == QLatin1String("Camarero"))
        return app->camarero();
    if (ventana == QLatin1String("Final"))
        return app->final();
    return nullptr;
}

QString textoDe(const QWidget *control)
{
    if (auto etiqueta = qobject_cast<const QLabel *>(control))
        return etiqueta->text();
    if (auto boton = qobject_cast<const QAbstractButton *>(control))
        return boton->text();
    return {};
}

const QString comillas = QStringLiteral("\"");

const QString profesionJugador = QStringLiteral(
    "PROFESIÓN: Investiga la fauna animal. Actualmente, trabaja en en la selva  ")
    + comillas + QStringLiteral("Yukikokumatimasg") + comillas
    + QStringLiteral(", en un trabajo sobre los caracoles silvestres.");

const QString finHistoria = QStringLiteral(
    "Le das tus 150 Zarra-Dólares al guardián de la puerta, y este accede a dejarte pasar. "
    "Poco después, te encuentras de nuevo en la selva, de dónde todo empezó. Con una gran "
    "satisfación por el gran logro, decides invitarte a tí mismo a una copa de batido de "
    "chocolate en el pequeño bar que había en el hotel dónde tú estabas. Coges tu coche y, "
    "en un momento te plantas ahí, cuando de repente, escuchas un ronroneo a tus espaldas, "
    "te das la vuelta y ... ¡COÑO, es el puto gorila del principio!. Te mira fíjamente a la "
    "cara, y te das cuenta de que era tu tío Paco, que estaba disfrazado de gorila.");

const QString periodico = comillas + QStringLiteral(
    "  ... Investigador de la fauna animal, destinado en la selva  Yukikokumatimasg, en un "
    "ataque de locura, coge a su tío, atándolo de pies y manos, y lo encierra en una jaula en "
    "bolas, y con el culo en pompa. Lo más curioso, es que en la jaula que lo encerró, había "
    "un gorila en celo, al cual le estaban realizando unas pruebas de anti-follar. Dicho "
    "gorila, era muy temido por sus inacabables ganas de sexo hacia cualquier cosa, y bla, "
    "bla, bla, bla ...") + comillas;

} // namespace

class TestConversaciones : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        finales = 0;
        app = std::make_unique<zw::Aplicacion>(QStringLiteral(ZW_GRAFICOS));
        contarFinales(*app);
    }
    void cleanup()
    {
        app.reset();
        zw::escala::ponerZoom(1);
    }

    void ventanas_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("charrar1") << "charrar1" << "Conversación con un Zarrapio" << QSize(593, 437);
        QTest::newRow("Camarero") << "Camarero" << "Conversación con el Camarero" << QSize(564, 380);
        QTest::newRow("Final") << "Final" << "Zarrapio World" << QSize(474, 385);
    }
    void ventanas()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, titulo);
        QFETCH(QSize, tamano);
        auto w = crear(ventana);
        QCOMPARE(w->objectName(), ventana);
        QCOMPARE(w->windowTitle(), titulo);
        QCOMPARE(w->size(), tamano);
        QCOMPARE(w->minimumSize(), tamano);
        QCOMPARE(w->maximumSize(), tamano);
        QVERIFY(w->isWindow());
        QCOMPARE(w->font().family(), zw::fuenteDialogo().family());
        QCOMPARE(w->font().pixelSize(), zw::fuenteDialogo().pixelSize());
    }

    void controles_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometria");
        QTest::addColumn<QString>("texto");

        auto fila = [](const char *ventana, const char *control, QRect r, const QString &texto) {
            QTest::addRow("%s.%s", ventana, control)
                << QString::fromLatin1(ventana) << QString::fromLatin1(control) << r << texto;
        };
        fila("charrar1", "Image1", {8, 16, 108, 198}, {});
        fila("charrar1", "Label1", {120, 16, 121, 17}, QStringLiteral("NOMBRE: µm-Ü±"));
        fila("charrar1", "Label2", {120, 32, 113, 17}, QStringLiteral("PLANETA: Zarrapio"));
        fila("charrar1", "Label3", {120, 48, 121, 177}, QStringLiteral(
            "PROFESIÓN: La principal especialidad de este individio, es cazar culos con patas. "
            "Ya que en el planeta Zarrapio, muchos de estos culos vagan por la ciudad. Es como en "
            "la tierra las ratas, que muchos profesionales, se dedican a exterminar estos "
            "animales, los cuales no tienen culpa de nada."));
        fila("charrar1", "Line1", {248, 16, 1, 209}, {});
        fila("charrar1", "Label4", {256, 16, 97, 17}, QStringLiteral("NOMBRE: McMister"));
        fila("charrar1", "Label5", {256, 32, 89, 17}, QStringLiteral("PLANETA: Tierra"));
        fila("charrar1", "Label6", {256, 48, 145, 81}, profesionJugador);
        fila("charrar1", "Image3", {408, 8, 179, 225}, {});
        fila("charrar1", "quieneres", {16, 232, 233, 33}, QStringLiteral("¿Quién eres?"));
        fila("charrar1", "salgodeaqui", {16, 272, 233, 33}, QStringLiteral("¿Cómo salgo de aquí?"));
        fila("charrar1", "eresfeo", {16, 312, 233, 33}, QStringLiteral("Joder, que feo que eres"));
        fila("charrar1", "dondemanos", {344, 272, 233, 33}, QStringLiteral("¿Dónde tienes las manos?"));
        fila("charrar1", "adios", {344, 312, 233, 33}, QStringLiteral("Bueno, me largo, adiós"));
        fila("charrar1", "List1", {8, 352, 577, 69}, {});

        fila("Camarero", "Image1", {24, 16, 94, 64}, {});
        fila("Camarero", "Label1", {24, 96, 105, 17}, QStringLiteral("NOMBRE: Pk77z's"));
        fila("Camarero", "Label2", {24, 112, 145, 17}, QStringLiteral("PLANETA: Zarrapio World"));
        fila("Camarero", "Label3", {24, 128, 337, 41}, QStringLiteral(
            "PROFESIÓN:  Fué propietario de un puti - club, pero tuvo que dejarlo, ya que sólo se "
            "dedicaba a trincarse a las putas, que para él trabajaban. Actualmente, es el "
            "camarero del: 'Taram-Bar, Ramonín'."));
        fila("Camarero", "Command1", {24, 184, 257, 41}, QStringLiteral("Hola, ¿me pones un Bitter Klass con hielo?"));
        fila("Camarero", "Command2", {296, 184, 257, 41}, QStringLiteral("¿Quién es esa cosa rara de ahí que baila?"));
        fila("Camarero", "Command3", {24, 232, 257, 41}, QStringLiteral("¿Por qué tu tienes manos, y hay algunos que no?"));
        fila("Camarero", "Command4", {296, 232, 257, 41}, QStringLiteral("Bueno, mejor de largo, adios"));
        fila("Camarero", "List1", {8, 288, 545, 82}, {});

        fila("Final", "Label1", {32, 8, 281, 17}, QStringLiteral("ENHORABUENA, TE HAS PASADO EL JUEGO"));
        fila("Final", "Label2", {8, 32, 329, 121}, finHistoria);
        fila("Final", "Image1", {352, 48, 103, 161}, {});
        fila("Final", "Label3", {8, 168, 313, 41}, QStringLiteral(
            "- ¡HEY!, ¿Es que ya no  me recuerdas?. Joder, antes te has ido corriendo asustado, "
            "que no me dió tiempo a decirte que todo era una broma ..."));
        fila("Final", "Label4", {8, 224, 425, 17}, QStringLiteral(
            "Cual sería la gracia que a ti te hizo, que al día siguiente, los periódicos "
            "publicaron esto:"));
        fila("Final", "Label5", {8, 248, 449, 73}, periodico);
        // Two pixels taller than drawn, so the large bold font's line fits whole.
        fila("Final", "Label6", {8, 344, 65, 17}, QStringLiteral("The FiN"));
        fila("Final", "Command1", {392, 336, 73, 41}, QStringLiteral("FINAL"));
    }
    void controles()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(QRect, geometria);
        QFETCH(QString, texto);
        auto w = crear(ventana);
        // Pictures and labels must not move or grow once the window is on screen.
        w->show();
        auto c = w->findChild<QWidget *>(control);
        QVERIFY2(c, qPrintable(control));
        QCOMPARE(c->geometry(), geometria);
        QCOMPARE(textoDe(c), texto);
        if (auto etiqueta = qobject_cast<QLabel *>(c))
            QVERIFY(etiqueta->alignment() & Qt::AlignLeft);
    }

    void longitudes_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("largo");
        QTest::addColumn<int>("dobles");
        QTest::newRow("charrar1.Label6") << "charrar1" << "Label6" << 140 << 2;
        QTest::newRow("Final.Label2") << "Final" << "Label2" << 592 << 0;
        QTest::newRow("Final.Label5") << "Final" << "Label5" << 452 << 2;
    }
    void longitudes()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(int, largo);
        QFETCH(int, dobles);
        auto w = crear(ventana);
        auto etiqueta = w->findChild<QLabel *>(control);
        QVERIFY(etiqueta);
        QCOMPARE(etiqueta->text().size(), largo);
        QCOMPARE(etiqueta->text().count(QLatin1Char('"')), dobles);
        QVERIFY(etiqueta->wordWrap());
    }

    void fuentesFinal()
    {
        zw::Final &w = *app->final();
        auto titular = w.findChild<QLabel *>(QStringLiteral("Label1"));
        auto fin = w.findChild<QLabel *>(QStringLiteral("Label6"));
        QVERIFY(titular && fin);
        QCOMPARE(titular->font().family(), zw::fuenteDialogo().family());
        QCOMPARE(titular->font().pixelSize(), zw::fuenteDialogo().pixelSize());
        QVERIFY(titular->font().bold());
        QVERIFY(titular->font().italic());
        QCOMPARE(fin->font(), zw::fuenteGrande());
    }

    // Every caption shows whole in its control with the window's fonts.
    void textosCaben_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("captions");
        QTest::addColumn<double>("zoom");
        for (double zoom : zw::escala::pasos()) {
            QTest::addRow("charrar1 x%g", zoom) << "charrar1" << 11 << zoom;
            QTest::addRow("Camarero x%g", zoom) << "Camarero" << 7 << zoom;
            QTest::addRow("Final x%g", zoom) << "Final" << 7 << zoom;
        }
    }
    void textosCaben()
    {
        QFETCH(QString, ventana);
        QFETCH(int, captions);
        QFETCH(double, zoom);
        auto w = crear(ventana);
        zw::escala::ponerZoom(zoom);
        int revisados = 0;
        for (const QLabel *etiqueta : w->findChildren<QLabel *>()) {
            if (etiqueta->text().isEmpty())
                continue;
            int banderas = Qt::AlignLeft | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0);
            QRect caja = QFontMetrics(etiqueta->font())
                             .boundingRect(QRect(0, 0, etiqueta->width(), 10000), banderas,
                                           etiqueta->text());
            QVERIFY2(caja.width() <= etiqueta->width() && caja.height() <= etiqueta->height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                    .arg(etiqueta->objectName())
                                    .arg(caja.width())
                                    .arg(caja.height())
                                    .arg(etiqueta->width())
                                    .arg(etiqueta->height())));
            ++revisados;
        }
        for (const QPushButton *boton : w->findChildren<QPushButton *>()) {
            QFontMetrics medida(boton->font());
            QVERIFY2(medida.horizontalAdvance(boton->text()) <= boton->width() - 8
                         && medida.height() <= boton->height() - 8,
                     qPrintable(boton->objectName()));
            QVERIFY(!boton->isDefault());
            QVERIFY(!boton->autoDefault());
            ++revisados;
        }
        QCOMPARE(revisados, captions);
    }

    void ordenTabulacion_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("orden");
        QTest::newRow("charrar1") << "charrar1"
            << QStringList{"List1", "quieneres", "salgodeaqui", "eresfeo", "dondemanos", "adios"};
        QTest::newRow("Camarero") << "Camarero"
            << QStringList{"List1", "Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("Final") << "Final" << QStringList{"Command1"};
    }
    void ordenTabulacion()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, orden);
        auto w = crear(ventana);
        QWidget *primero = w->findChild<QWidget *>(orden.first());
        QVERIFY(primero);
        QStringList visto;
        QWidget *c = primero;
        do {
            if (c->focusPolicy() & Qt::TabFocus)
                visto << c->objectName();
            c = c->nextInFocusChain();
        } while (c != primero && visto.size() <= orden.size());
        QCOMPARE(visto, orden);
    }

    void listas_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::newRow("charrar1") << "charrar1";
        QTest::newRow("Camarero") << "Camarero";
    }
    void listas()
    {
        QFETCH(QString, ventana);
        auto w = crear(ventana);
        auto lista = w->findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(lista);
        QCOMPARE(lista->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!lista->isSortingEnabled());
        w->show();
        QCOMPARE(lista->count(), 0);
    }

    void preguntas_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("otra");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("quieneres") << "charrar1" << "quieneres" << "eresfeo" << QStringList{
            QStringLiteral("La pregunta sería así: ¿Quién eres tú?."),
            QStringLiteral("Yo soy un Zarrapio, y veo que tú eres uno de esos"),
            QStringLiteral("Humanos, que a vuelto a traspasar la esfera de entrada a este mundo."),
            QStringLiteral("Verás, hay dos puertas, la de entrada a Zarrapio World, y la de salida de este.")};
        QTest::newRow("salgodeaqui") << "charrar1" << "salgodeaqui" << "quieneres" << QStringList{
            QStringLiteral("¡Eso no te lo diré a no ser que me invites a un refresco!."),
            QStringLiteral("El guardian que vigila la puerta de salida de este mundo, nunca te dejará pasar."),
            QStringLiteral("Así que, cuando me invites a una copa, te diré lo que quieres saber.")};
        QTest::newRow("eresfeo") << "charrar1" << "eresfeo" << "quieneres" << QStringList{
            QStringLiteral("¡Ja,ja,ja!, ¡¡yo soy mister Zarrapio, chaval!!."),
            QStringLiteral("Aquí, el único raro eres tú ...")};
        QTest::newRow("dondemanos") << "charrar1" << "dondemanos" << "quieneres" << QStringList{
            QStringLiteral("Los de mi raza no tienemos manos. nos sobra con las piernas y la boca."),
            QStringLiteral("Y no me preguntes como nos hacemos las pajas, porque te lo noto en los ojos ...")};
        QTest::newRow("Command1") << "Camarero" << "Command1" << "Command2" << QStringList{
            QStringLiteral("Lo siento, pero la ley dice que no se sirvan copas a los Humanos.")};
        QTest::newRow("Command2") << "Camarero" << "Command2" << "Command1" << QStringList{
            QStringLiteral("Ese es Mr. Cornelius. Es un toro de las islas 'Moco Happy'."),
            QStringLiteral("Recientemente, es uno de los mejores direcctores de cine, de todo Zarrapio World."),
            QStringLiteral("Y ahora está de celebración, ya que su última película: 'Chorizos in the nigth', ha tenido una gran crítica."),
            QStringLiteral("Por eso está ahí, como un imbecil, bailando ...")};
        QTest::newRow("Command3") << "Camarero" << "Command3" << "Command2" << QStringList{
            QStringLiteral("Es cuestión de razas. Aquí, en Zarrapio World, tenemos muchas razas, al igual que el Hombre en la tierra.")};
    }
    void preguntas()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, boton);
        QFETCH(QString, otra);
        QFETCH(QStringList, lineas);
        auto w = crear(ventana);
        w->show();
        auto lista = w->findChild<QListWidget *>(QStringLiteral("List1"));
        auto pulsado = w->findChild<QPushButton *>(boton);
        QVERIFY(lista && pulsado);

        // Another question first: the answer replaces it instead of following it.
        w->findChild<QPushButton *>(otra)->click();
        QVERIFY(lista->count() > 0);

        pulsado->click();
        QCOMPARE(textos(lista), lineas);
        pulsado->click();
        QCOMPARE(textos(lista), lineas);
        QVERIFY(w->isVisible());
        QCOMPARE(finales, 0);
    }

    void adiosOculta()
    {
        QWidget &w = *app->charrar1();
        w.show();
        auto lista = w.findChild<QListWidget *>(QStringLiteral("List1"));
        w.findChild<QPushButton *>(QStringLiteral("dondemanos"))->click();
        const QStringList antes = textos(lista);
        QCOMPARE(antes.size(), 2);

        w.findChild<QPushButton *>(QStringLiteral("adios"))->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(finales, 0);

        w.show();
        QCOMPARE(textos(lista), antes);
    }

    void camareroSale()
    {
        zw::Conversacion &w = *app->camarero();
        w.show();
        auto lista = w.findChild<QListWidget *>(QStringLiteral("List1"));
        w.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        const QStringList antes = textos(lista);
        QCOMPARE(antes.size(), 1);

        QSignalSpy salidas(&w, &zw::Conversacion::salir);
        bool visibleAlSalir = true;
        connect(&w, &zw::Conversacion::salir, this, [&] { visibleAlSalir = w.isVisible(); });
        w.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        QCOMPARE(salidas.count(), 1);
        QVERIFY(!visibleAlSalir);
        QVERIFY(!w.isVisible());
        QCOMPARE(finales, 0);

        w.show();
        QCOMPARE(textos(lista), antes);
    }

    void finalTermina()
    {
        zw::Final &w = *app->final();
        w.show();
        w.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(finales, 1);
    }

    void cierreTermina_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::newRow("charrar1") << "charrar1";
        QTest::newRow("Camarero") << "Camarero";
        QTest::newRow("Final") << "Final";
    }
    void cierreTermina()
    {
        QFETCH(QString, ventana);
        auto w = crear(ventana);
        w->show();
        QCOMPARE(finales, 0);
        w->close();
        QCOMPARE(finales, 1);
    }

    void imagenes_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("recurso");
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("bicho") << "charrar1" << "Image1" << ":/dibujos/bicho.svg" << QSize(108, 198);
        QTest::newRow("jugador") << "charrar1" << "Image3" << ":/dibujos/jugador.svg" << QSize(179, 225);
        QTest::newRow("camarero") << "Camarero" << "Image1" << ":/dibujos/camarero.svg" << QSize(94, 64);
        QTest::newRow("cavernicola") << "Final" << "Image1" << ":/dibujos/cavernicola.svg" << QSize(103, 161);
    }
    void imagenes()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(QString, recurso);
        QFETCH(QSize, tamano);
        auto w = crear(ventana);
        w->show();
        auto imagen = w->findChild<QLabel *>(control);
        QVERIFY(imagen);
        QCOMPARE(imagen->size(), tamano);
        // The drawings are built in by the art library; without them the card stays blank.
        const QPixmap dibujo = static_cast<zw::Imagen *>(imagen)->pintada();
        if (QFile::exists(recurso))
            QCOMPARE(dibujo.deviceIndependentSize().toSize(), tamano);
        else
            QVERIFY(dibujo.isNull());
    }
};

ZW_QTEST_MAIN(TestConversaciones)
#include "test_conversaciones.moc"

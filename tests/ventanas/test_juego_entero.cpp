// The whole adventure, played with the mouse on the real windows.
#include "apoyo.h"
#include "aplicacion.h"
#include "conversacion.h"
#include "empieza.h"
#include "estilo.h"
#include "final.h"
#include "presentacion.h"
#include "zonas.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zw;
using namespace prueba;

namespace {

class Jugador
{
public:
    explicit Jugador(Aplicacion &app) : app_(app), e_(app.empieza()) {}

    // "Usar Chicle Masticado, Polvo de ladrillo": a verb, then things; each thing
    // is an inventory entry if one has that name, else a hotspot of this scene.
    void haz(const QString &verbo, const QStringList &cosas)
    {
        QTest::mouseClick(e_->findChild<QWidget *>(verbo), Qt::LeftButton);
        for (const QString &cosa : cosas)
            elegir(cosa);
    }

    QStringList inventario() const { return textos(lista()); }
    QStringList respuestas() const { return textos(control<QListWidget>(e_, "resultado")); }

private:
    QListWidget *lista() const { return e_->findChild<QListWidget *>(QStringLiteral("objetos")); }

    void elegir(const QString &cosa)
    {
        const auto encontrados = lista()->findItems(cosa, Qt::MatchExactly);
        if (!encontrados.isEmpty()) {
            lista()->scrollToItem(encontrados.first());
            const QRect r = lista()->visualItemRect(encontrados.first());
            QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, r.center());
            return;
        }
        for (const Zona &z : zonas()) {
            if (z.escena == app_.juego().estado[Palabra::pantalla] && QString::fromUtf8(z.nombre) == cosa) {
                const QPoint centro((z.clic.x1 + z.clic.x2) / 2, (z.clic.y1 + z.clic.y2) / 2);
                QTest::mousePress(e_->findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton, {}, centro);
                return;
            }
        }
        QFAIL(qPrintable("nothing to pick called " + cosa));
    }

    Aplicacion &app_;
    Empieza *e_;
};

} // namespace

class TestJuegoEntero : public QObject
{
    Q_OBJECT

private slots:
    void deLaSelvaALaSelva()
    {
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        contarFinales(app);
        app.arrancar();
        app.presentacion()->findChild<QAction *>(QStringLiteral("jugar"))->trigger();
        Jugador yo(app);
        const Estado &estado = app.juego().estado;

        yo.haz("Coger", {"ladrillo"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Polvo de ladrillo"}));
        QCOMPARE(estado[Palabra::ladrill], 1);

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

        // The creature talks in a window over the adventure screen.
        yo.haz("Hablar", {"Bicho"});
        QVERIFY(app.charrar1()->isVisible());
        QVERIFY(app.empieza()->isVisible());
        QTest::mouseClick(app.charrar1()->findChild<QPushButton *>(QStringLiteral("salgodeaqui")), Qt::LeftButton);
        QCOMPARE(app.charrar1()->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 3);
        QTest::mouseClick(app.charrar1()->findChild<QPushButton *>(QStringLiteral("adios")), Qt::LeftButton);
        QVERIFY(!app.charrar1()->isVisible());

        yo.haz("Usar", {"Chicle sabor mierda", "Camarero"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Agua"}));
        yo.haz("Usar", {"Agua", "Bicho"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel"}));
        QCOMPARE(estado[Palabra::nohables], 1);
        QCOMPARE(yo.respuestas().size(), 5);
        yo.haz("Usar", {"Bicho", "Papel"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel Firmado"}));
        yo.haz("Hablar", {"Bicho"});
        QCOMPARE(yo.respuestas(), QStringList{"Prefiero dejarlo ahí quieto ..."});
        QVERIFY(!app.charrar1()->isVisible());

        yo.haz("Usar", {"salida"});
        yo.haz("Usar", {"Calles"});
        QCOMPARE(estado[Palabra::pantalla], 5);
        yo.haz("Hablar", {"Vividor"});
        QCOMPARE(yo.respuestas().size(), 13);
        QCOMPARE(estado[Palabra::tarjetas], 1);
        yo.haz("Usar", {"Taram-BAR Ramonín"});
        QCOMPARE(estado[Palabra::pantalla], 6);

        // The waiter's conversation hides the adventure screen until the player leaves.
        yo.haz("Hablar", {"Camarero"});
        QVERIFY(app.camarero()->isVisible());
        QVERIFY(!app.empieza()->isVisible());
        QTest::mouseClick(app.camarero()->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
        QVERIFY(!app.camarero()->isVisible());
        QVERIFY(app.empieza()->isVisible());

        yo.haz("Usar", {"Tarjeta", "Bailaor"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Papel Firmado", "Tarjeta del director"}));
        yo.haz("Usar", {"Papel Firmado", "Deprimido"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "Tarjeta del director", "50 Zarra-Dólares del deprimido"}));
        QCOMPARE(estado[Palabra::dinero], 1);
        yo.haz("Usar", {"Salida"});
        yo.haz("Usar", {"Tarjeta del director", "Vividor"});
        QCOMPARE(yo.inventario(), (QStringList{"Mechero", "50 Zarra-Dólares del deprimido", "50 Zarra-Dólares del vividor"}));
        QCOMPARE(estado[Palabra::dinero], 2);

        yo.haz("Usar", {"Disco-Pub"});
        yo.haz("Usar", {"Ciudad"});
        yo.haz("Usar", {"Rinconcito"});
        QCOMPARE(estado[Palabra::pantalla], 7);
        yo.haz("Coger", {"Agujero"});
        QCOMPARE(estado[Palabra::dinero], 3);
        QCOMPARE(estado[Palabra::yano], 1);
        QCOMPARE(yo.inventario().last(), "50 Zarra-Dólares del Vagabundo");

        yo.haz("Usar", {"Ciudad"});
        yo.haz("Usar", {"Calle"});
        yo.haz("Usar", {"Callejón"});
        QCOMPARE(estado[Palabra::pantalla], 4);
        yo.haz("Hablar", {"Vigilante"});
        QVERIFY(app.final()->isVisible());
        QVERIFY(!app.empieza()->isVisible());

        QCOMPARE(finales, 0);
        QTest::mouseClick(app.final()->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(finales, 1);
    }
};

ZW_QTEST_MAIN(TestJuegoEntero)
#include "test_juego_entero.moc"

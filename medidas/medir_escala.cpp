// Timings of the windows at a larger zoom, run by scripts/medir.sh (never by
// ctest): a change of scene, and the adventure screen's first paint, each at
// ×1 and ×2 in the same run. Run it under QT_SCALE_FACTOR=2 for a 2× screen.
// "frío" rows draw every picture anew each time (nothing kept, nothing drawn
// ahead); the others are a player's usual case: the other scenes were drawn
// ahead while the first one was looked at.
#include "aplicacion.h"
#include "programa.h"
#include "empieza.h"
#include "escala.h"

#include <QElapsedTimer>
#include <QPixmapCache>
#include <QTest>

using namespace zw;

class MedirEscala : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qInfo("densidad de la pantalla: %g", qApp->devicePixelRatio()); }

    void cambioDeEscena_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("frio");
        for (double zoom : {1.0, 2.0}) {
            QTest::addRow("x%g frio", zoom) << zoom << true;
            QTest::addRow("x%g", zoom) << zoom << false;
        }
    }
    // From the click that changes the scene to the picture painted.
    void cambioDeEscena()
    {
        QFETCH(double, zoom);
        QFETCH(bool, frio);
        QPixmapCache::clear();
        Aplicacion app(QStringLiteral(ZW_GRAFICOS));
        app.arrancar(zoom);
        app.jugar();
        QWidget *imagen = app.empieza()->findChild<QWidget *>(QStringLiteral("Image1"));
        QVERIFY(QTest::qWaitForWindowExposed(app.empieza()));
        if (!frio)
            QTest::qWait(1500); // the player looks at the first scene
        int n = 1;
        QBENCHMARK
        {
            if (frio)
                QPixmapCache::clear();
            n = n % 7 + 1;
            app.juego().irAEscena(n);
            imagen->grab(); // painted, as on the screen
        }
    }

    void primeraPintura_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("titulo");
        for (double zoom : {1.0, 2.0}) {
            QTest::addRow("x%g sin pausa", zoom) << zoom << 0;
            QTest::addRow("x%g tras 0.3 s en el titulo", zoom) << zoom << 300;
        }
    }
    // From nothing to the adventure screen painted, as after "J&ugar"; the
    // player's pause on the title window, and closing, are not counted.
    void primeraPintura()
    {
        QFETCH(double, zoom);
        QFETCH(int, titulo);
        constexpr int veces = 10;
        qint64 total = 0;
        for (int i = 0; i < veces; ++i) {
            QPixmapCache::clear();
            QElapsedTimer reloj;
            reloj.start();
            Aplicacion app(QStringLiteral(ZW_GRAFICOS));
            app.arrancar(zoom);
            qint64 pausa = 0;
            if (titulo > 0) {
                QElapsedTimer mirando;
                mirando.start();
                QTest::qWait(titulo);
                pausa = mirando.nsecsElapsed();
            }
            app.jugar();
            app.empieza()->grab(); // painted, as on the screen
            total += reloj.nsecsElapsed() - pausa;
        }
        QTest::setBenchmarkResult(total / 1e6 / veces, QTest::WalltimeMilliseconds);
    }
};

// As the game sets itself up.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zw::prepararPrograma(app);
    MedirEscala medida;
    return QTest::qExec(&medida, argc, argv);
}
#include "medir_escala.moc"

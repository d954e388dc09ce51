// Timings of the player's files, run by scripts/medir.sh (never by ctest):
// loading the largest saved game the format holds (32,767 items), from the
// menu to the adventure screen painted, where the work must grow with the
// file and not with its square; and the worst pictures a player can put in
// graficos/, each of which must cost under a second and 300 MB.
#include "aplicacion.h"
#include "programa.h"
#include "leer_imagen.h"
#include "empieza.h"
#include "partida.h"
#include "presentacion.h"

#include <QAction>
#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <sys/resource.h>

using namespace zw;

class MedirCarga : public QObject
{
    Q_OBJECT

private slots:
    void cargarPartidaGrande_data()
    {
        QTest::addColumn<int>("objetos");
        for (int n : {1000, 8000, int(std::numeric_limits<qint16>::max())})
            QTest::addRow("%d objetos", n) << n;
    }
    void cargarPartidaGrande()
    {
        QFETCH(int, objetos);
        QTemporaryDir carpeta;
        QVERIFY(QFile::copy(QStringLiteral(ZW_GRAFICOS "/1.jpg"), carpeta.filePath(QStringLiteral("1.jpg"))));
        QStringList nombres;
        for (int i = 0; i < objetos; ++i)
            nombres << QStringLiteral("o%1").arg(i);
        QFile partida(carpeta.filePath(QStringLiteral("partida")));
        QVERIFY(partida.open(QIODevice::WriteOnly));
        partida.write(partida::escribir(nombres, Estado{{1}}));
        partida.close();

        Aplicacion app(carpeta.path());
        app.arrancar();
        app.empieza();
        QAction *cargar = app.presentacion()->findChild<QAction *>(QStringLiteral("cargarpartida"));
        QBENCHMARK
        {
            cargar->trigger();
            app.empieza()->grab(); // painted, as on the screen
        }
    }

    // As large as the reader takes for a full-screen scene on a 4K screen.
    void dibujosHostiles_data()
    {
        QTest::addColumn<QByteArray>("datos");
        QByteArray svg("<svg xmlns='http://www.w3.org/2000/svg' width='372' height='303'>");
        for (int i = 0; i < 400000; ++i)
            svg += QStringLiteral("<circle cx='%1' cy='%2' r='%3'/>").arg(i % 372).arg(i % 303).arg(i % 50).toLatin1();
        svg += "</svg>";
        QTest::newRow("SVG de 400.000 círculos") << svg;
        // Noise, the most a JPEG codes per pixel, at the most pixels the reader takes.
        QImage ruido(3344, 3344, QImage::Format_RGB32);
        for (int y = 0; y < ruido.height(); ++y)
            for (int x = 0; x < ruido.width(); ++x)
                ruido.setPixel(x, y, QRandomGenerator::global()->generate());
        for (bool progresivo : {false, true}) {
            QBuffer b;
            b.open(QIODevice::WriteOnly);
            QImageWriter escritor(&b, "jpeg");
            escritor.setQuality(100);
            escritor.setProgressiveScanWrite(progresivo);
            escritor.write(ruido);
            QTest::newRow(progresivo ? "JPEG progresivo de ruido" : "JPEG de ruido") << b.data();
        }
    }
    void dibujosHostiles()
    {
        QFETCH(QByteArray, datos);
        QTemporaryDir carpeta;
        QFile fichero(carpeta.filePath(QStringLiteral("3.jpg")));
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(datos);
        fichero.close();
        rusage antes{}, despues{};
        getrusage(RUSAGE_SELF, &antes);
        QBENCHMARK_ONCE
        {
            imagenes::leerFichero(fichero.fileName(), QSize(2076, 1690));
        }
        getrusage(RUSAGE_SELF, &despues);
        // Processor time too: the wall clock counts whatever else the machine runs.
        const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
        qInfo("%lld bytes, %.0f ms de procesador, pico de memoria del proceso %ld MB", qint64(datos.size()),
              ms(despues.ru_utime) + ms(despues.ru_stime) - ms(antes.ru_utime) - ms(antes.ru_stime),
              despues.ru_maxrss / 1024);
    }
};

// As the game sets itself up.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zw::prepararPrograma(app);
    MedirCarga medida;
    return QTest::qExec(&medida, argc, argv);
}
#include "medir_carga.moc"

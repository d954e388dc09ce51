// A player's picture file is read at the size asked, or refused without harm:
// never decoded past its declared size, never waited on, never half shown.
#include "../sin_bloquear.h"
#include "leer_imagen.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define ZW_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZW_ASAN 1
#endif
#endif

using namespace zw;

using prueba::sinBloquear;

namespace {

const QSize escena(372, 303);

// A real JPEG: a gradient, so its coded data is not trivial.
QByteArray jpeg(QSize tamano, bool progresivo)
{
    QImage dibujo(tamano, QImage::Format_RGB32);
    for (int y = 0; y < tamano.height(); ++y)
        for (int x = 0; x < tamano.width(); ++x)
            dibujo.setPixel(x, y, qRgb(x * 255 / tamano.width(), y * 255 / tamano.height(), (x ^ y) & 0xFF));
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QImageWriter escritor(&b, "jpeg");
    escritor.setProgressiveScanWrite(progresivo);
    escritor.write(dibujo);
    return b.data();
}

// The frame header made to declare `lado` × `lado`; the data stays a few KB.
QByteArray declarar(QByteArray datos, int lado)
{
    for (qsizetype i = 2; i + 8 < datos.size();) {
        const auto marca = uchar(datos[i + 1]);
        if (marca >= 0xC0 && marca <= 0xCF && marca != 0xC4 && marca != 0xC8 && marca != 0xCC) {
            for (qsizetype j : {i + 5, i + 7}) {
                datos[j] = char(lado >> 8);
                datos[j + 1] = char(lado & 0xFF);
            }
            return datos;
        }
        i += 2 + (uchar(datos[i + 2]) << 8 | uchar(datos[i + 3]));
    }
    return {};
}

// The same picture as a progressive one of `veces` scans: its first scan
// again and again. Decoders would give up somewhere in it; the count comes first.
QByteArray conPasadas(const QByteArray &datos, int veces)
{
    const qsizetype desde = datos.indexOf("\xFF\xDA"), hasta = datos.indexOf("\xFF\xDA", desde + 2);
    return datos.left(hasta) + datos.mid(desde, hasta - desde).repeated(veces - 1) + datos.mid(hasta);
}

bool escribir(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}


} // namespace

class TestLeerImagen : public QObject
{
    Q_OBJECT

private slots:
    void rechazadas_data()
    {
        QTest::addColumn<QByteArray>("datos"); // or "fifo", "carpeta"
        QTest::addColumn<QString>("porque");

        const QByteArray buena = jpeg(QSize(400, 300), false);
        QTest::newRow("progresiva de 20000 × 20000")
            << declarar(jpeg(QSize(64, 48), true), 20000) << "mide 20000 × 20000, demasiado para 372 × 303";
        QTest::newRow("más de cuatro veces lo pedido")
            << jpeg(QSize(1489, 40), false) << "mide 1489 × 40, demasiado para 372 × 303";
        QTest::newRow("cortada") << buena.left(buena.size() * 2 / 3) << "está cortado";
        QTest::newRow("no es un dibujo") << QByteArray("\xFF\xD8\xFF y nada más") << "no es un dibujo que se pueda leer";
        QTest::newRow("alta, más de cuatro veces lo pedido")
            << jpeg(QSize(40, 1213), false) << "mide 40 × 1213, demasiado para 372 × 303";
        QTest::newRow("ciento una pasadas") << conPasadas(jpeg(QSize(64, 48), true), 101) << "tiene más de 100 pasadas";
        // Read as what its name says, whatever a decoder would make of it.
        QTest::newRow("SVG con nombre de JPEG")
            << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='372' height='303'/>") << "no es un JPEG";
        QByteArray png;
        {
            QBuffer b(&png);
            b.open(QIODevice::WriteOnly);
            QImage(escena, QImage::Format_RGB32).save(&b, "png");
        }
        QTest::newRow("PNG con nombre de JPEG") << png << "no es un JPEG";
        QTest::newRow("FIFO") << QByteArray("fifo") << "no es un fichero";
        QTest::newRow("carpeta") << QByteArray("carpeta") << "no es un fichero";
    }
    void rechazadas()
    {
        QFETCH(QByteArray, datos);
        QFETCH(QString, porque);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("3.jpg"));
        if (datos == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
        else if (datos == "carpeta")
            QVERIFY(QDir().mkdir(ruta));
        else
            QVERIFY(escribir(ruta, datos));

#ifndef ZW_ASAN
        // Whatever slips past the checks fails here instead of taking gigabytes.
        rlimit antes{};
        QCOMPARE(getrlimit(RLIMIT_AS, &antes), 0);
        rlimit limite = antes;
        limite.rlim_cur = std::min(rlim_t(1) << 30, antes.rlim_max);
        QCOMPARE(setrlimit(RLIMIT_AS, &limite), 0);
#endif
        QTest::ignoreMessage(QtWarningMsg, qPrintable("No se usa el dibujo " + ruta + " - " + porque));
        QImage imagen(1, 1, QImage::Format_RGB32);
        QString dicho;
        const bool seguido = sinBloquear([&] { imagen = imagenes::leerFichero(ruta, escena, &dicho); }, ruta);
#ifndef ZW_ASAN
        setrlimit(RLIMIT_AS, &antes);
#endif
        QVERIFY(seguido);
        QVERIFY(imagen.isNull());
        QCOMPARE(dicho, porque);
    }

    void aLoPedido_data()
    {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QSize>("fisico");

        QTest::newRow("densa, reducida") << jpeg(escena * 2, true) << escena;
        QTest::newRow("pequeña, ampliada, con bytes tras el final")
            << jpeg(QSize(186, 151), false) + QByteArray(100, '\0') << escena * 3;
        QTest::newRow("justo cuatro veces") << jpeg(QSize(1488, 40), false) << escena;
        QTest::newRow("justo cuatro veces de alto") << jpeg(QSize(40, 1212), false) << escena;
    }
    void aLoPedido()
    {
        QFETCH(QByteArray, datos);
        QFETCH(QSize, fisico);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("3.jpg"));
        QVERIFY(escribir(ruta, datos));
        QString porque = QStringLiteral("sin tocar");
        const QImage imagen = imagenes::leerFichero(ruta, fisico, &porque);
        QCOMPARE(imagen.size(), fisico);
        QCOMPARE(porque, QStringLiteral("sin tocar"));
        // The gradient came through: red grows left to right.
        QVERIFY(qRed(imagen.pixel(fisico.width() - 2, 1)) > qRed(imagen.pixel(1, 1)) + 150);
    }
};

QTEST_GUILESS_MAIN(TestLeerImagen)
#include "test_leer_imagen.moc"

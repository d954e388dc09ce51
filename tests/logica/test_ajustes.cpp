// The remembered zoom: the same file and key as ever, and nothing but a
// regular file of a sensible size at that place is ever read or written.
#include "../sin_bloquear.h"
#include "ajustes.h"
#include "carpetas.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zw;

using prueba::sinBloquear;

namespace {

// What stands at `ruta`, down to the bytes, to tell it was left alone.
QByteArray huella(const QString &ruta)
{
    const QFileInfo info(ruta);
    QFile f(ruta);
    const QByteArray bytes = info.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return QFile::encodeName(info.symLinkTarget()) + (info.isDir() ? " carpeta " : info.isFile() ? " fichero " : " otro ")
        + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}


} // namespace

class TestAjustes : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        // The settings live in the test's own folder, set before anything looks.
        QVERIFY(dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        carpetas::nombrarPrograma();
    }

    void zoom_data()
    {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<double>("recordado"); // 0: nothing read
        QTest::addColumn<bool>("escrito");

        QTest::newRow("ninguno aun") << "nada" << 0.0 << true;
        QTest::newRow("de antes") << "de antes" << 1.5 << true;
        QTest::newRow("FIFO") << "fifo" << 0.0 << false;
        QTest::newRow("enlace a un FIFO") << "enlace" << 0.0 << false;
        QTest::newRow("carpeta") << "carpeta" << 0.0 << false;
        QTest::newRow("enlace roto") << "roto" << 0.0 << false;
        QTest::newRow("demasiado grande") << "grande" << 0.0 << false;
        QTest::newRow("cerrojo FIFO") << "cerrojo" << 1.5 << false;
    }

    void zoom()
    {
        QFETCH(QString, clase);
        QFETCH(double, recordado);
        QFETCH(bool, escrito);
        const QString ruta = ajustes::fichero();
        const QString carpeta = QFileInfo(ruta).absolutePath();
        QVERIFY(QDir(carpeta).removeRecursively() && QDir().mkpath(carpeta));
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QFile::remove(fifo);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        if (clase == "de antes" || clase == "cerrojo") {
            // As the game has always written it.
            QSettings().setValue(QStringLiteral("ventanas/zoom"), 1.5);
            QCOMPARE(QSettings().fileName(), ruta);
        }
        if (clase == "fifo")
            QVERIFY(QFile::rename(fifo, ruta));
        if (clase == "enlace" || clase == "roto" || clase == "cerrojo")
            QVERIFY(QFile::link(clase == "roto" ? dir.filePath("no-esta") : fifo, clase == "cerrojo" ? ruta + ".lock" : ruta));
        if (clase == "carpeta")
            QVERIFY(QDir().mkdir(ruta));
        QFile grande(ruta);
        if (clase == "grande")
            QVERIFY(grande.open(QIODevice::WriteOnly) && grande.write("[ventanas]\nzoom=1.5\n") && grande.resize(ajustes::tamanoMaximo + 1));
        const QByteArray antes = huella(ruta);
        const QStringList todo = QDir(carpeta).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

        if (recordado == 0.0 && clase != "nada")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No se usan los ajustes de .* - "));
        if (!escrito)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No se guardan los ajustes en .* - "));
        const QString suelta = clase == "fifo" ? ruta : fifo;
        std::optional<double> leido;
        QVERIFY(sinBloquear([&] { leido = ajustes::zoomRecordado(); }, suelta));
        QCOMPARE(leido.value_or(0.0), recordado);
        QVERIFY(sinBloquear([] { ajustes::recordarZoom(3); }, suelta));

        if (escrito) {
            QCOMPARE(ajustes::zoomRecordado(), std::optional(3.0));
            QCOMPARE(QSettings().value(QStringLiteral("ventanas/zoom")).toDouble(), 3.0);
        } else {
            QCOMPARE(huella(ruta), antes);
            QCOMPARE(QDir(carpeta).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), todo);
        }
    }
};

QTEST_GUILESS_MAIN(TestAjustes)
#include "test_ajustes.moc"

// The command line: every usage error alike, and no screen to open told as such.
#include <QProcess>
#include <QTest>

class TestOrdenes : public QObject
{
    Q_OBJECT

private slots:
    void errores_data();
    void errores();
};

void TestOrdenes::errores_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("plataforma");  // QT_QPA_PLATFORM; empty leaves it unset
    QTest::addColumn<int>("salida");
    QTest::addColumn<QString>("dice");        // how the standard error begins

    const QString xcb = QStringLiteral("xcb");
    // clang-format off
    QTest::newRow("zoom que no es un paso") << QStringList{"--zoom", "9"}  << xcb << 2 << "zarrapio-world: «9»: ";
    QTest::newRow("zoom con igual")         << QStringList{"--zoom=dos"}   << xcb << 2 << "zarrapio-world: «--zoom=dos»: ";
    QTest::newRow("zoom sin valor")         << QStringList{"--zoom"}       << xcb << 2 << "zarrapio-world: «--zoom»: ";
    QTest::newRow("opción desconocida")     << QStringList{"--bogus"}      << xcb << 2 << "zarrapio-world: «--bogus»: ";
    QTest::newRow("argumento suelto")       << QStringList{"--texto", "foo"} << xcb << 2 << "zarrapio-world: «foo»: ";
    QTest::newRow("sin pantalla")           << QStringList{}               << xcb << 1
        << "zarrapio-world: no se ha podido abrir ninguna pantalla con la plataforma «xcb»";
    QTest::newRow("sin pantalla por omisión") << QStringList{}             << ""  << 1
        << "zarrapio-world: no se ha podido abrir ninguna pantalla con la plataforma por omisión";
    // clang-format on
}

// Each is run where no display can be reached: an argument let through by
// mistake ends in the missing screen (1), not in a usage error (2).
void TestOrdenes::errores()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, plataforma);
    QFETCH(int, salida);
    QFETCH(QString, dice);

    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        entorno.remove(QString::fromLatin1(v));
    if (!plataforma.isEmpty())
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
    QProcess programa;
    programa.setProcessEnvironment(entorno);
    programa.start(QStringLiteral(ZW_PROGRAMA), argumentos);
    programa.closeWriteChannel();
    QVERIFY(programa.waitForFinished(60000));
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    const QString error = QString::fromUtf8(programa.readAllStandardError());
    QVERIFY2(error.startsWith(dice), qPrintable(error));
    QCOMPARE(programa.exitCode(), salida);
}

QTEST_GUILESS_MAIN(TestOrdenes)
#include "test_ordenes.moc"

// Where the pictures are read from and where the saved game is kept.
#include "carpetas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace zw;

namespace {

// One place of each kind inside a temporary folder, laid out as an install:
//   actual/            the current folder
//   usr/bin/           the executable's folder
//   usr/share/         the installed data, found from the executable
//   datos1/, datos2/   the standard data folders, in order
//   jugador/           the player's own folder
struct Arbol {
    QTemporaryDir dir;
    QString ruta(const QString &relativa) const { return QDir::cleanPath(dir.filePath(relativa)); }
    carpetas::Lugares lugares(bool conJugador = true) const
    {
        return {ruta("actual"), ruta("usr/bin"), {ruta("datos1"), ruta("datos2")},
                conJugador ? ruta("jugador") : QString()};
    }
    void poner(const QString &fichero) const
    {
        QVERIFY(QDir().mkpath(QFileInfo(ruta(fichero)).absolutePath()));
        QFile f(ruta(fichero));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
};

// The places the rows below put pictures and saved games in.
const QString actual = QStringLiteral("actual/graficos");
const QString programa = QStringLiteral("usr/bin/graficos");
const QString instalada = QStringLiteral("usr/share/zarrapio-world/graficos");
const QString delJugador = QStringLiteral("jugador/partida");

} // namespace

class TestCarpetas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
#ifdef Q_OS_UNIX
        // Folders made here are the player's and closed to others, whatever the
        // caller's mask, so the rows below choose what others may write.
        umask(022);
#endif
    }

    void elegir_data()
    {
        QTest::addColumn<QStringList>("ficheros");
        QTest::addColumn<QString>("graficos");
        QTest::addColumn<QString>("partida");

        const QString datos1 = "datos1/zarrapio-world/graficos";
        const QString datos2 = "datos2/zarrapio-world/graficos";
        const QStringList todas{actual + "/1.jpg", programa + "/1.jpg", instalada + "/1.jpg",
                                datos1 + "/1.jpg", datos2 + "/1.jpg"};

        QTest::newRow("la actual antes que todas")  << todas << actual << actual + "/partida";
        QTest::newRow("junto al programa")          << todas.mid(1) << programa << programa + "/partida";
        QTest::newRow("instalada junto al programa") << todas.mid(2) << instalada << delJugador;
        QTest::newRow("datos en su orden")          << todas.mid(3) << datos1 << delJugador;
        QTest::newRow("último dato")                << todas.mid(4) << datos2 << delJugador;
        QTest::newRow("basta una escena cualquiera") << QStringList{datos2 + "/1.jpg", programa + "/6.jpg"}
                                                     << programa << programa + "/partida";
        QTest::newRow("letras de otro tamaño")      << QStringList{instalada + "/1.jpg", actual + "/4.jpg"}
                                                     << actual << actual + "/partida";
        QTest::newRow("sin escenas no cuenta")      << QStringList{actual + "/partida", programa + "/8.jpg",
                                                                   instalada + "/1.png", datos2 + "/7.JPG"}
                                                     << datos2 << delJugador;
        // A lone copy of the program, no graficos/ where it starts: it still saves.
        QTest::newRow("una carpeta no es una escena") << QStringList{actual + "/1.jpg/dentro", programa + "/2.jpg"}
                                                     << programa << programa + "/partida";
        QTest::newRow("ninguna")                    << QStringList{} << actual << delJugador;
        QTest::newRow("ninguna con otros ficheros") << QStringList{programa + "/partida", datos1 + "/leeme"}
                                                     << actual << delJugador;
        QTest::newRow("ninguna, y la actual vacía") << QStringList{actual + "/leeme"} << actual << actual + "/partida";
    }
    void elegir()
    {
        QFETCH(QStringList, ficheros);
        QFETCH(QString, graficos);
        QFETCH(QString, partida);
        Arbol arbol;
        QVERIFY(QDir().mkpath(arbol.ruta("actual")));
        for (const QString &f : ficheros)
            arbol.poner(f);
        const carpetas::Carpetas elegidas = carpetas::elegir(arbol.lugares());
        QCOMPARE(elegidas.graficos, arbol.ruta(graficos));
        QCOMPARE(elegidas.partida, arbol.ruta(partida));
    }

    // A graficos/ others could change is passed over: their pictures are not
    // shown and nothing is saved through their "partida".
    void ajenas_data()
    {
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<QStringList>("ficheros");
        QTest::addColumn<QString>("graficos");
        QTest::addColumn<QString>("partida");
        QTest::addColumn<QString>("porque");

        const QStringList dos{actual + "/1.jpg", programa + "/1.jpg"};
        const QString cualquiera = "cualquier usuario puede cambiar la carpeta";

        QTest::newRow("carpeta que escribe cualquiera") << "o+w" << dos << programa << programa + "/partida" << cualquiera;
        QTest::newRow("partida enlace a lo que escribe cualquiera") << "partida a o+w" << dos << programa
            << programa + "/partida" << "cualquier usuario puede cambiar su partida";
        QTest::newRow("partida enlace roto") << "partida a nada" << dos << programa << programa + "/partida"
                                             << "su partida es un enlace a nada";
        QTest::newRow("de otro usuario") << "otro" << dos << programa << programa + "/partida"
                                         << "la carpeta es de otro usuario";
        QTest::newRow("el grupo sí puede") << "g+w" << dos << actual << actual + "/partida" << "";
        QTest::newRow("partida enlace a lo propio") << "partida a propio" << dos << actual << actual + "/partida" << "";
        QTest::newRow("ajena y sin otras") << "o+w" << QStringList{actual + "/1.jpg"} << instalada << delJugador
                                           << cualquiera;
        QTest::newRow("ajena sin escenas, ninguna otra") << "o+w" << QStringList{actual + "/leeme"} << instalada
                                                         << delJugador << cualquiera;
    }
    void ajenas()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, cambio);
        QFETCH(QStringList, ficheros);
        QFETCH(QString, graficos);
        QFETCH(QString, partida);
        QFETCH(QString, porque);
        Arbol arbol;
        for (const QString &f : ficheros)
            arbol.poner(f);
        arbol.poner("fuera");
        const QString carpeta = arbol.ruta("actual/graficos");
        const QString fuera = arbol.ruta("fuera");
        // Others' folder with a "partida" link into a file of the player's, or a part of that.
        if (cambio == "o+w" || cambio == "g+w")
            QCOMPARE(chmod(QFile::encodeName(carpeta).constData(), cambio == "o+w" ? 0757 : 0775), 0);
        if (cambio == "otro" && chown(QFile::encodeName(carpeta).constData(), 4242, -1) != 0)
            QSKIP("Only root gives a folder to another user.");
        if (cambio != "g+w" && cambio != "otro")
            QVERIFY(QFile::link(cambio == "partida a nada" ? arbol.ruta("no-esta") : fuera, carpeta + "/partida"));
        if (cambio == "partida a o+w")
            QCOMPARE(chmod(QFile::encodeName(fuera).constData(), 0666), 0);

        if (!porque.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable("No se usa " + carpeta + " - " + porque));
        const carpetas::Carpetas elegidas = carpetas::elegir(arbol.lugares());
        QCOMPARE(elegidas.graficos, arbol.ruta(graficos));
        QCOMPARE(elegidas.partida, arbol.ruta(partida));
#else
        QSKIP("Owners and write bits are the Unix way.");
#endif
    }

    // With nowhere of the player's own, installed pictures keep the saved game beside them.
    void sinCarpetaDelJugador()
    {
        Arbol arbol;
        arbol.poner("datos1/zarrapio-world/graficos/1.jpg");
        const carpetas::Carpetas elegidas = carpetas::elegir(arbol.lugares(false));
        QCOMPARE(elegidas.partida, arbol.ruta("datos1/zarrapio-world/graficos/partida"));
    }
};

QTEST_GUILESS_MAIN(TestCarpetas)
#include "test_carpetas.moc"

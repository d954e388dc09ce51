// The hotspot maps of the seven scenes.
#include "zonas.h"

#include <QTest>

using namespace zw;

class TestZonas : public QObject
{
    Q_OBJECT

private slots:
    void raton_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("puerta arriba izquierda") << 1 << 53 << 60 << "puerta";
        QTest::newRow("puerta abajo derecha")    << 1 << 182 << 251 << "puerta";
        QTest::newRow("antes de la puerta")      << 1 << 52 << 60 << "";
        QTest::newRow("tras la puerta")          << 1 << 183 << 251 << "";
        QTest::newRow("callejón")                << 1 << 366 << 149 << "Callejón";
        QTest::newRow("ladrillo")                << 1 << 16 << 39 << "ladrillo";
        QTest::newRow("banda de calle")          << 3 << 330 << 161 << "";
        QTest::newRow("calle")                   << 3 << 330 << 164 << "Calle";
        QTest::newRow("chicle")                  << 3 << 42 << 206 << "Chicle Masticado";
        QTest::newRow("agujero")                 << 7 << 147 << 92 << "Agujero";
        QTest::newRow("junto al agujero")        << 7 << 148 << 92 << "";
        QTest::newRow("salida minúscula")        << 2 << 4 << 12 << "salida";
        QTest::newRow("salida mayúscula")        << 6 << 361 << 295 << "Salida";
        QTest::newRow("taram-bar")               << 5 << 150 << 200 << "Taram-BAR Ramonín";
        QTest::newRow("escena 0")                << 0 << 100 << 100 << "";
        QTest::newRow("escena 8")                << 8 << 100 << 100 << "";
        QTest::newRow("escena negativa")         << -1 << 100 << 100 << "";
    }
    void raton()
    {
        QFETCH(int, escena);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, nombre);
        QCOMPARE(zonaBajoRaton(escena, x, y), nombre);
    }

    void clic_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("lugar");
        QTest::newRow("banda de calle") << 3 << 330 << 161 << "Calle" << true;
        QTest::newRow("calle arriba")   << 3 << 304 << 160 << "Calle" << true;
        QTest::newRow("sobre la calle") << 3 << 330 << 159 << "" << false;
        QTest::newRow("chicle")         << 3 << 50 << 190 << "Chicle Masticado" << false;
        QTest::newRow("alcantarilla")   << 3 << 200 << 175 << "Alcantarilla" << true;
        QTest::newRow("puerta")         << 1 << 53 << 60 << "puerta" << true;
        QTest::newRow("fuera")          << 1 << 52 << 60 << "" << false;
        QTest::newRow("vigilante")      << 4 << 300 << 200 << "Vigilante" << false;
        QTest::newRow("puerta tierra")  << 4 << 300 << 50 << "Puerta a la Tierra" << true;
        QTest::newRow("escena 0")       << 0 << 100 << 100 << "" << false;
    }
    void clic()
    {
        QFETCH(int, escena);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, nombre);
        QFETCH(bool, lugar);
        const ZonaPulsada z = zonaPulsada(escena, x, y);
        QCOMPARE(z.nombre, nombre);
        QCOMPARE(z.lugar, lugar);
    }

    // Every hotspot lies inside the 372 x 303 picture, has a name, and no two of
    // one scene overlap (an overlap would make the later one silently win).
    void tablaCoherente()
    {
        const auto todas = zonas();
        QCOMPARE(int(todas.size()), 26);
        for (size_t i = 0; i < todas.size(); ++i) {
            const Zona &a = todas[i];
            QVERIFY(a.escena >= 1 && a.escena <= 7);
            QVERIFY(qstrlen(a.nombre) > 0);
            for (const Rect &r : {a.clic, a.rectRaton()}) {
                QVERIFY2(r.x1 >= 0 && r.x1 <= r.x2 && r.x2 < 372, a.nombre);
                QVERIFY2(r.y1 >= 0 && r.y1 <= r.y2 && r.y2 < 303, a.nombre);
            }
            for (size_t j = i + 1; j < todas.size(); ++j) {
                const Zona &b = todas[j];
                if (a.escena != b.escena)
                    continue;
                const bool solapan = a.clic.x1 <= b.clic.x2 && b.clic.x1 <= a.clic.x2
                                     && a.clic.y1 <= b.clic.y2 && b.clic.y1 <= a.clic.y2;
                QVERIFY2(!solapan, qPrintable(QStringLiteral("%1 / %2").arg(a.nombre, b.nombre)));
            }
        }
    }

    void escenasEnOrden()
    {
        int anterior = 0;
        int porEscena[8] = {};
        for (const Zona &z : zonas()) {
            QVERIFY(z.escena >= anterior);
            anterior = z.escena;
            ++porEscena[z.escena];
        }
        QCOMPARE(QList<int>(porEscena + 1, porEscena + 8), (QList<int>{5, 3, 4, 3, 3, 4, 4}));
    }

    // The keyboard walks each scene as a reader would: rows of the picture top
    // to bottom, and within a row its columns left to right.
    void ordenDeLectura_data()
    {
        QTest::addColumn<int>("escena");
        QTest::addColumn<QStringList>("orden");
        QTest::newRow("1") << 1 << QStringList{"ladrillo", "Ciudad", "puerta", "Callejón", "Calles"};
        QTest::newRow("2") << 2 << QStringList{"salida", "Camarero", "Bicho"};
        QTest::newRow("3") << 3 << QStringList{"Rinconcito", "Chicle Masticado", "Alcantarilla", "Calle"};
        QTest::newRow("4") << 4 << QStringList{"Calle", "Puerta a la Tierra", "Vigilante"};
        QTest::newRow("5") << 5 << QStringList{"Disco-Pub", "Taram-BAR Ramonín", "Vividor"};
        QTest::newRow("6") << 6 << QStringList{"Camarero", "Bailaor", "Deprimido", "Salida"};
        QTest::newRow("7") << 7 << QStringList{"Publicidad", "Agujero", "Vagabundo", "Ciudad"};
        QTest::newRow("0") << 0 << QStringList{};
        QTest::newRow("8") << 8 << QStringList{};
    }
    void ordenDeLectura()
    {
        QFETCH(int, escena);
        QFETCH(QStringList, orden);
        QStringList visto;
        for (const Zona *z : zonasEnOrden(escena)) {
            QCOMPARE(z->escena, escena);
            visto << QString::fromUtf8(z->nombre);
        }
        QCOMPARE(visto, orden);
    }

    // A key "clicks" a hotspot at its point: the click and the hover lookups
    // must both land on that hotspot, with its place mark.
    void puntoDeClicDeCadaZona()
    {
        for (const Zona &z : zonas()) {
            const Punto p = puntoDeClic(z);
            const ZonaPulsada pulsada = zonaPulsada(z.escena, p.x, p.y);
            QCOMPARE(pulsada.nombre, QString::fromUtf8(z.nombre));
            QCOMPARE(pulsada.lugar, z.tipo == Tipo::Lugar);
            QCOMPARE(zonaBajoRaton(z.escena, p.x, p.y), QString::fromUtf8(z.nombre));
        }
    }
};

QTEST_GUILESS_MAIN(TestZonas)
#include "test_zonas.moc"

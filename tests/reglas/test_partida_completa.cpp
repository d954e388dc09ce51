// The whole chain of trades, from a new game to the door to Earth, played with
// lines the action-line builder can make from the inventory and the hotspots.
#include "apoyo.h"

#include "zonas.h"

#include <QSignalSpy>
#include <QTest>

using namespace prueba;

namespace {

struct Paso {
    const char *linea;
    int pantalla;          // after the line
    int lineas;            // reply lines after the line
    QStringList objetos;   // the inventory after the line, in order
    const char *palabras;  // the progress words that are not 0, besides pantalla
    const char *ademas;    // the picture asked for or the window opened; "" for neither
};

const QString m = QStringLiteral("Mechero");
const QString polvo = QStringLiteral("Polvo de ladrillo");
const QString firmado = QStringLiteral("Papel Firmado");
const QString director = QStringLiteral("Tarjeta del director");
const QString deprimido = QStringLiteral("50 Zarra-Dólares del deprimido");
const QString vividor = QStringLiteral("50 Zarra-Dólares del vividor");
const QString vagabundo = QStringLiteral("50 Zarra-Dólares del Vagabundo");

const QList<Paso> camino = {
    {"Usar Callejón",                            4,  0, {m},                                  "",                   "4.JPG"},
    {"Hablar con Vigilante",                     4,  2, {m},                                  "",                   ""},
    {"Usar Calle",                               1,  0, {m},                                  "",                   "1.jpg"},
    {"Coger ladrillo",                           1,  2, {m, polvo},                           "ladrill=1",          ""},
    {"Coger ladrillo",                           1,  1, {m, polvo},                           "ladrill=1",          ""},
    {"Usar Ciudad",                              3,  0, {m, polvo},                           "ladrill=1",          "3.jpg"},
    {"Coger Chicle Masticado",                   3,  2, {m, polvo, "Chicle Masticado"},       "ladrill=1",          ""},
    {"Usar Polvo de ladrillo con Chicle Masticado",
                                                 3,  1, {m, "Chicle de ladrillo"},            "ladrill=1",          ""},
    {"Usar Chicle de ladrillo con Alcantarilla", 3,  1, {m, "Chicle sabor mierda"},           "ladrill=1",          ""},
    {"Usar Calle",                               1,  0, {m, "Chicle sabor mierda"},           "ladrill=1",          "1.jpg"},
    {"Usar puerta",                              2,  0, {m, "Chicle sabor mierda"},           "ladrill=1",          "2.jpg"},
    {"Usar Chicle sabor mierda con Camarero",    2,  3, {m, "Agua"},                          "ladrill=1",          ""},
    {"Hablar con Bicho",                         2,  0, {m, "Agua"},                          "ladrill=1",          "charrar1"},
    {"Usar Agua con Bicho",                      2,  5, {m, "Papel"},                         "ladrill=1 nohables=1", ""},
    {"Usar Papel con Bicho",                     2,  2, {m, firmado},                         "ladrill=1 nohables=1", ""},
    {"Hablar con Bicho",                         2,  1, {m, firmado},                         "ladrill=1 nohables=1", ""},
    {"Usar salida",                              1,  0, {m, firmado},                         "ladrill=1 nohables=1", "1.jpg"},
    {"Usar Calles",                              5,  0, {m, firmado},                         "ladrill=1 nohables=1", "5.jpg"},
    {"Hablar con Vividor",                       5, 13, {m, firmado, "Tarjeta"},              "ladrill=1 nohables=1 tarjetas=1", ""},
    {"Hablar con Vividor",                       5,  1, {m, firmado, "Tarjeta"},              "ladrill=1 nohables=1 tarjetas=1", ""},
    {"Usar Taram-BAR Ramonín",                   6,  0, {m, firmado, "Tarjeta"},              "ladrill=1 nohables=1 tarjetas=1", "6.jpg"},
    {"Usar Tarjeta con Bailaor",                 6,  9, {m, firmado, director},               "ladrill=1 nohables=1 tarjetas=1", ""},
    {"Usar Papel Firmado con Deprimido",         6,  9, {m, director, deprimido},             "ladrill=1 nohables=1 tarjetas=1 dinero=1", ""},
    {"Hablar con Camarero",                      6,  0, {m, director, deprimido},             "ladrill=1 nohables=1 tarjetas=1 dinero=1", "Camarero"},
    {"Usar Salida",                              5,  0, {m, director, deprimido},             "ladrill=1 nohables=1 tarjetas=1 dinero=1", "5.jpg"},
    {"Usar Tarjeta del director con Vividor",    5,  8, {m, deprimido, vividor},              "ladrill=1 nohables=1 tarjetas=1 dinero=2", ""},
    {"Usar Disco-Pub",                           1,  0, {m, deprimido, vividor},              "ladrill=1 nohables=1 tarjetas=1 dinero=2", "1.jpg"},
    {"Usar Ciudad",                              3,  0, {m, deprimido, vividor},              "ladrill=1 nohables=1 tarjetas=1 dinero=2", "3.jpg"},
    {"Usar Rinconcito",                          7,  0, {m, deprimido, vividor},              "ladrill=1 nohables=1 tarjetas=1 dinero=2", "7.jpg"},
    {"Coger Agujero",                            7,  7, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", ""},
    {"Coger Agujero",                            7,  1, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", ""},
    {"Usar Ciudad",                              3,  0, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", "3.jpg"},
    {"Usar Calle",                               1,  0, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", "1.jpg"},
    {"Usar Callejón",                            4,  0, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", "4.JPG"},
    {"Hablar con Vigilante",                     4,  0, {m, deprimido, vividor, vagabundo},   "ladrill=1 nohables=1 tarjetas=1 dinero=3 yano=1", "Final"},
};

QString palabras(const zw::Estado &e)
{
    QStringList puestas;
    const auto poner = [&puestas](const char *nombre, int valor) {
        if (valor != 0)
            puestas << QStringLiteral("%1=%2").arg(QLatin1String(nombre)).arg(valor);
    };
    poner("ladrill", e[zw::Palabra::ladrill]);
    poner("nohables", e[zw::Palabra::nohables]);
    poner("tarjetas", e[zw::Palabra::tarjetas]);
    poner("dinero", e[zw::Palabra::dinero]);
    poner("yano", e[zw::Palabra::yano]);
    return puestas.join(QLatin1Char(' '));
}

QString resumen(const QString &linea, int pantalla, qsizetype lineas, const QStringList &objetos,
                const QString &palabras, const QString &ademas)
{
    return QStringLiteral("%1 -> pantalla %2, %3 líneas, [%4] {%5} %6")
        .arg(linea).arg(pantalla).arg(lineas).arg(objetos.join(QStringLiteral(", ")), palabras, ademas);
}

bool esZona(int escena, const QString &nombre, bool soloLugares)
{
    for (const zw::Zona &z : zw::zonas())
        if (z.escena == escena && QString::fromUtf8(z.nombre) == nombre && (!soloLugares || z.tipo == zw::Tipo::Lugar))
            return true;
    return false;
}

// Could the verbs, the inventory and the hotspots of this scene have built the line?
bool construible(const zw::Juego &juego, const QString &linea)
{
    const int escena = juego.estado[Palabra::pantalla];
    const auto cosa = [&](const QString &nombre) {
        return juego.objetos().contains(nombre) || esZona(escena, nombre, false);
    };
    for (const zw::Verbo v : {zw::Verbo::Hablar, zw::Verbo::Mentir, zw::Verbo::Coger, zw::Verbo::Mirar}) {
        const QString prefijo = zw::prefijoVerbo(v);
        if (linea.startsWith(prefijo))
            return cosa(linea.mid(prefijo.size()));
    }
    const QString usar = zw::prefijoVerbo(zw::Verbo::Usar);
    if (!linea.startsWith(usar))
        return false;
    const QString resto = linea.mid(usar.size());
    if (esZona(escena, resto, true))
        return true;    // a place ends the line at once
    const QStringList dos = resto.split(QStringLiteral(" con "));
    // The first thing cannot be a place, which would have run the line on its own.
    return dos.size() == 2 && cosa(dos[0]) && !esZona(escena, dos[0], true) && cosa(dos[1]);
}

} // namespace

class TestPartidaCompleta : public QObject
{
    Q_OBJECT

private slots:
    void deNuevaPartidaAlFinal();
};

void TestPartidaCompleta::deNuevaPartidaAlFinal()
{
    zw::Juego juego;
    QStringList sucedido;   // pictures asked for and windows opened by one line
    anotarEscenas(juego, sucedido);
    connect(&juego, &zw::Juego::charlaConBicho, this, [&sucedido] { sucedido << QStringLiteral("charrar1"); });
    connect(&juego, &zw::Juego::charlaConCamarero, this, [&sucedido] { sucedido << QStringLiteral("Camarero"); });
    connect(&juego, &zw::Juego::juegoGanado, this, [&sucedido] { sucedido << QStringLiteral("Final"); });
    QSignalSpy final(&juego, &zw::Juego::juegoGanado);

    juego.iniciar();
    QCOMPARE(juego.objetos(), QStringList{m});
    QCOMPARE(juego.estado[Palabra::pantalla], qint16(1));
    QCOMPARE(palabras(juego.estado), QString());

    for (const Paso &p : camino) {
        const QString linea = QString::fromUtf8(p.linea);
        QVERIFY2(construible(juego, linea), qPrintable(linea));

        sucedido.clear();
        juego.vaciarResultado();    // as the verb click that starts every line does
        juego.ponerAcciones(linea);
        juego.ejecutarAccion();

        QCOMPARE(resumen(linea, juego.estado[Palabra::pantalla], juego.resultado().size(), juego.objetos(),
                         palabras(juego.estado), sucedido.join(QLatin1Char(' '))),
                 resumen(linea, p.pantalla, p.lineas, p.objetos, QString::fromUtf8(p.palabras),
                         QString::fromUtf8(p.ademas)));
    }
    QCOMPARE(final.count(), 1);
    QCOMPARE(juego.estado[Palabra::dinero], qint16(3));
}

QTEST_GUILESS_MAIN(TestPartidaCompleta)
#include "test_partida_completa.moc"

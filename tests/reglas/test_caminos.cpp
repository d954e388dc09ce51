// Every game the player can reach still leads to the ending: a search over
// every state a new game can come to, driving the game as the windows do.
#include "juego.h"
#include "zonas.h"

#include <QHash>
#include <QTest>
#include <variant>

namespace {

// The fewest actions from a new game to the ending: the known way, which
// takes the tramp's money on the first visit to the sewer's street and
// uses the brick dust on the gum where it lies.
constexpr int accionesMinimas = 23;
// The story has some nine hundred states; this many means a word that
// grows without end.
constexpr int demasiadas = 3000;

// What the story depends on: the scene, the six words and the inventory.
// No rule reads the replies, the open windows or the inventory's order.
struct Situacion {
    zw::Estado estado;
    QStringList objetos;

    QString clave() const
    {
        QStringList partes;
        for (const qint16 p : estado.palabras)
            partes << QString::number(p);
        QStringList cosas = objetos;
        cosas.sort();
        return partes.join(QLatin1Char(',')) + QLatin1Char('|') + cosas.join(QLatin1Char('|'));
    }
};

// A pick: an inventory entry by its row, or a hotspot of the scene.
using Cosa = std::variant<int, const zw::Zona *>;

struct Intento {
    QString linea;
    Situacion despues;
    bool completo = false;  // the line ran
    bool ganado = false;
};

// A verb and its picks, clicked on a game in situation `s`. A refusal
// changes nothing, whichever of the five it draws.
Intento probar(const Situacion &s, zw::Verbo verbo, std::initializer_list<Cosa> cosas)
{
    zw::Juego juego;
    juego.iniciar();
    juego.vaciarObjetos();
    for (const QString &o : s.objetos)
        juego.anexarObjeto(o);
    juego.estado = s.estado;
    Intento intento;
    QObject::connect(&juego, &zw::Juego::accionEjecutada, [&intento] { intento.completo = true; });
    QObject::connect(&juego, &zw::Juego::juegoGanado, [&intento] { intento.ganado = true; });
    juego.pulsarVerbo(verbo);
    for (const Cosa &c : cosas) {
        if (const int *fila = std::get_if<int>(&c)) {
            juego.elegirObjeto(*fila);
        } else {
            const zw::Punto p = zw::puntoDeClic(*std::get<const zw::Zona *>(c));
            juego.pulsarImagen(p.x, p.y);
        }
    }
    intento.linea = juego.acciones();
    intento.despues = {juego.estado, juego.objetos()};
    return intento;
}

// Every line the verbs can make in `s`: one thing for four of them, one or
// two for "Usar" (a place ends it at once).
template<typename F>
void cadaAccion(const Situacion &s, F &&hecha)
{
    QList<Cosa> cosas;
    for (int i = 0; i < s.objetos.size(); ++i)
        cosas << i;
    for (const zw::Zona &z : zw::zonas())
        if (z.escena == s.estado[zw::Palabra::pantalla])
            cosas << &z;
    for (const zw::Verbo v : {zw::Verbo::Hablar, zw::Verbo::Mentir, zw::Verbo::Coger, zw::Verbo::Mirar})
        for (const Cosa &a : cosas)
            hecha(probar(s, v, {a}));
    for (const Cosa &a : cosas) {
        if (const Intento una = probar(s, zw::Verbo::Usar, {a}); una.completo) {
            hecha(una);
            continue;
        }
        for (const Cosa &b : cosas)
            hecha(probar(s, zw::Verbo::Usar, {a, b}));
    }
}

struct Nodo {
    Situacion situacion;
    int desde = -1;       // the state it was first reached from, and the line
    QString linea{};
    int pasos = 0;        // actions from a new game
    QList<int> previos{}; // every state an action leads here from
    bool llega = false;   // the ending can still be reached from here
};

// A state as a failure names it: its words and inventory, and the lines that led there.
QString describir(const QList<Nodo> &nodos, int i)
{
    QStringList lineas;
    for (int j = i; j > 0; j = nodos[j].desde)
        lineas.prepend(nodos[j].linea);
    return nodos[i].situacion.clave() + QStringLiteral(" tras ") + lineas.join(QStringLiteral(" / "));
}

} // namespace

class TestCaminos : public QObject
{
    Q_OBJECT

private slots:
    void siempreSePuedeGanar();
};

// From each state every verb with every pick, breadth first from a new game,
// so that the first win found is a shortest one; then back from the wins.
void TestCaminos::siempreSePuedeGanar()
{
    zw::Juego nueva;
    nueva.iniciar();
    QList<Nodo> nodos{{{nueva.estado, nueva.objetos()}}};
    QHash<QString, int> indice{{nodos.first().situacion.clave(), 0}};
    QList<int> ganadores;
    int acciones = 0, desdeLaMasCorta = -1;

    for (int i = 0; i < nodos.size(); ++i) {
        QVERIFY2(nodos.size() < demasiadas, qPrintable(describir(nodos, nodos.size() - 1)));
        const Situacion actual = nodos[i].situacion;
        cadaAccion(actual, [&](const Intento &intento) {
            if (intento.ganado) {
                if (desdeLaMasCorta < 0) {
                    desdeLaMasCorta = i;
                    acciones = nodos[i].pasos + 1;
                }
                if (!nodos[i].llega)
                    ganadores << i;
                nodos[i].llega = true;
                return;
            }
            const QString clave = intento.despues.clave();
            auto it = indice.constFind(clave);
            if (it == indice.constEnd()) {
                it = indice.insert(clave, int(nodos.size()));
                nodos.append({intento.despues, i, intento.linea, nodos[i].pasos + 1});
            }
            nodos[*it].previos << i;
        });
    }

    for (qsizetype k = 0; k < ganadores.size(); ++k)
        for (const int i : std::as_const(nodos[ganadores[k]].previos))
            if (!nodos[i].llega) {
                nodos[i].llega = true;
                ganadores << i;
            }
    for (int i = 0; i < nodos.size(); ++i)
        QVERIFY2(nodos[i].llega, qPrintable(QStringLiteral("sin salida: ") + describir(nodos, i)));
    QVERIFY2(acciones == accionesMinimas,
             qPrintable(QStringLiteral("%1 acciones, desde %2").arg(acciones).arg(describir(nodos, desdeLaMasCorta))));
}

QTEST_GUILESS_MAIN(TestCaminos)
#include "test_caminos.moc"

// Bad table data caught before anyone plays it: keys the builder cannot make,
// a USAR rule that answers one order only, items outside the catalogue.
#include "objetos.h"
#include "reglas.h"
#include "texto.h"
#include "zonas.h"

#include <QSet>
#include <QTest>
#include <algorithm>

using namespace zw::reglas;
using zw::Palabra;

namespace {

QStringList deLaBiblioteca()
{
    QStringList nombres;
    for (const char *o : zw::objeto::todos())
        nombres << QString::fromUtf8(o);
    return nombres;
}
const QStringList catalogo = deLaBiblioteca();

// The game's 13 items, as the design names them.
const QStringList nombresDelDiseno = {
    "Mechero",
    "Polvo de ladrillo",
    "Chicle Masticado",
    "Chicle de ladrillo",
    "Chicle sabor mierda",
    "Agua",
    "Papel",
    "Papel Firmado",
    "Tarjeta",
    "Tarjeta del director",
    "50 Zarra-Dólares del vividor",
    "50 Zarra-Dólares del deprimido",
    "50 Zarra-Dólares del Vagabundo",
};

struct Nombrada {
    QString nombre;
    int escena;     // 0 for the inventory item rules
    const Tabla *tabla;
};

QList<Nombrada> todas()
{
    QList<Nombrada> lista = {{QStringLiteral("objetos"), 0, &objetos()}};
    for (int n = 1; n <= 7; ++n)
        lista.append({QStringLiteral("escena %1").arg(n), n, &escena(n)});
    return lista;
}

QList<const Efecto *> efectos(const Regla &r)
{
    QList<const Efecto *> lista;
    for (const Efecto &e : r.efectos)
        lista << &e;
    for (const Efecto &e : r.siNo)
        lista << &e;
    return lista;
}

QString nombre(Palabra p)
{
    switch (p) {
    case Palabra::pantalla: return QStringLiteral("pantalla");
    case Palabra::ladrill: return QStringLiteral("ladrill");
    case Palabra::nohables: return QStringLiteral("nohables");
    case Palabra::tarjetas: return QStringLiteral("tarjetas");
    case Palabra::dinero: return QStringLiteral("dinero");
    case Palabra::yano: return QStringLiteral("yano");
    }
    return {};
}

const QStringList prefijos = {"MIRAR ", "COGER ", "HABLAR CON ", "MENTIR A ", "USAR "};

} // namespace

class TestTablasReglas : public QObject
{
    Q_OBJECT

private slots:
    void clavesEnMayusculas();
    void clavesConFormaDeLinea();
    void usarConLosDosOrdenes();
    void ningunaClaveRepetida();
    void primeraEtapaAparte();
    void objetosDelCatalogo();
    void nombresDeZonasUObjetos();
    void cadaObjetoSeMiraYSeGanaUnaVez();
    void condiciones();
    void caminosEntreEscenas();
    void sinRechazosEscritos();
    void escenasFueraDeRango();
};

void TestTablasReglas::clavesEnMayusculas()
{
    for (const Nombrada &t : todas()) {
        QVERIFY2(!t.tabla->empty(), qPrintable(t.nombre));
        for (const Regla &r : *t.tabla) {
            QVERIFY2(!r.claves.isEmpty(), qPrintable(t.nombre));
            for (const QString &k : r.claves)
                QCOMPARE(k, zw::mayusculas(k));
        }
    }
}

void TestTablasReglas::clavesConFormaDeLinea()
{
    for (const Nombrada &t : todas()) {
        for (const Regla &r : *t.tabla) {
            for (const QString &k : r.claves) {
                const auto prefijo = std::find_if(prefijos.cbegin(), prefijos.cend(),
                                                  [&k](const QString &p) { return k.startsWith(p); });
                QVERIFY2(prefijo != prefijos.cend(), qPrintable(k));
                const QString resto = k.mid(prefijo->size());
                QVERIFY2(!resto.isEmpty() && resto == resto.trimmed(), qPrintable(k));
                QVERIFY2(!k.contains(QLatin1String("  ")), qPrintable(k));
                // Only USAR joins two things.
                if (!k.startsWith(QLatin1String("USAR ")))
                    QVERIFY2(!resto.contains(QLatin1String(" CON ")), qPrintable(k));
            }
        }
    }
}

void TestTablasReglas::usarConLosDosOrdenes()
{
    const QString con = QStringLiteral(" CON ");
    int reglasDeDos = 0;
    for (const Nombrada &t : todas()) {
        for (const Regla &r : *t.tabla) {
            const QString &k = r.claves.first();
            const bool deDos = k.startsWith(QLatin1String("USAR ")) && k.contains(con);
            if (!deDos) {
                QVERIFY2(r.claves.size() == 1, qPrintable(k));
                continue;
            }
            ++reglasDeDos;
            const QString cosas = k.mid(5);
            const int i = int(cosas.indexOf(con));
            const QString otroOrden = QStringLiteral("USAR ") + cosas.mid(i + con.size()) + con + cosas.left(i);
            QCOMPARE(r.claves, (QStringList{k, otroOrden}));
        }
    }
    // The chewed gum with the dust, and eight trades and jokes in the scenes.
    QCOMPARE(reglasDeDos, 9);
}

void TestTablasReglas::ningunaClaveRepetida()
{
    for (const Nombrada &t : todas()) {
        QSet<QString> vistas;
        for (const Regla &r : *t.tabla) {
            for (const QString &k : r.claves) {
                QVERIFY2(!vistas.contains(k), qPrintable(t.nombre + QLatin1String(": ") + k));
                vistas.insert(k);
            }
        }
    }
}

void TestTablasReglas::primeraEtapaAparte()
{
    QSet<QString> deObjetos;
    for (const Regla &r : objetos())
        for (const QString &k : r.claves)
            deObjetos.insert(k);
    for (int n = 1; n <= 7; ++n)
        for (const Regla &r : escena(n))
            for (const QString &k : r.claves)
                QVERIFY2(!deObjetos.contains(k), qPrintable(QStringLiteral("escena %1: %2").arg(n).arg(k)));
}

void TestTablasReglas::objetosDelCatalogo()
{
    QCOMPARE(catalogo, nombresDelDiseno);
    for (const Nombrada &t : todas()) {
        for (const Regla &r : *t.tabla) {
            for (const Efecto *e : efectos(r)) {
                if (e->hace == Hace::Dar)
                    QVERIFY2(catalogo.contains(e->objeto), qPrintable(e->objeto));
                if (e->hace == Hace::Quitar) {
                    QCOMPARE(e->objeto, zw::mayusculas(e->objeto));
                    const bool conocido = std::any_of(catalogo.cbegin(), catalogo.cend(), [e](const QString &o) {
                        return zw::mayusculas(o) == e->objeto;
                    });
                    QVERIFY2(conocido, qPrintable(e->objeto));
                }
            }
        }
    }
}

// Every thing a key names is a hotspot of the rule's own scene or an item, so a
// misspelt key, which no click could ever build, cannot hide in a table.
void TestTablasReglas::nombresDeZonasUObjetos()
{
    for (const Nombrada &t : todas()) {
        QSet<QString> nombres;
        for (const QString &o : catalogo)
            nombres.insert(zw::mayusculas(o));
        for (const zw::Zona &z : zw::zonas())
            if (z.escena == t.escena)
                nombres.insert(zw::mayusculas(QString::fromUtf8(z.nombre)));
        for (const Regla &r : *t.tabla) {
            for (const QString &k : r.claves) {
                const auto prefijo = std::find_if(prefijos.cbegin(), prefijos.cend(),
                                                  [&k](const QString &p) { return k.startsWith(p); });
                QVERIFY2(prefijo != prefijos.cend(), qPrintable(k));
                const QString cosas = k.mid(prefijo->size());
                const QStringList partes = *prefijo == QLatin1String("USAR ") ? cosas.split(QStringLiteral(" CON "))
                                                                              : QStringList{cosas};
                for (const QString &cosa : partes)
                    QVERIFY2(nombres.contains(cosa), qPrintable(t.nombre + QLatin1String(": ") + k));
            }
        }
    }
}

void TestTablasReglas::cadaObjetoSeMiraYSeGanaUnaVez()
{
    QStringList dados;
    for (const Nombrada &t : todas())
        for (const Regla &r : *t.tabla)
            for (const Efecto *e : efectos(r))
                if (e->hace == Hace::Dar)
                    dados << e->objeto;
    for (const QString &o : catalogo) {
        // "Mechero" is there from the start.
        QCOMPARE(dados.count(o), o == QLatin1String("Mechero") ? 0 : 1);
        const QString mirar = QStringLiteral("MIRAR ") + zw::mayusculas(o);
        const bool seMira = std::any_of(objetos().cbegin(), objetos().cend(),
                                        [&mirar](const Regla &r) { return r.claves.contains(mirar); });
        QVERIFY2(seMira, qPrintable(mirar));
    }
}

// Only these guards exist; for a flag, its "already done" branch is one line and nothing else.
void TestTablasReglas::condiciones()
{
    QStringList guardas;
    for (const Nombrada &t : todas()) {
        for (const Regla &r : *t.tabla) {
            if (!r.si) {
                QVERIFY2(r.siNo.empty(), qPrintable(r.claves.first()));
                continue;
            }
            guardas << QStringLiteral("%1: %2 = %3").arg(t.nombre, nombre(r.si->palabra)).arg(r.si->valor);
            if (r.si->palabra != Palabra::dinero) {
                QCOMPARE(r.efectos.size(), std::size_t(1));
                QCOMPARE(r.efectos.front().hace, Hace::Responder);
                QCOMPARE(r.efectos.front().lineas.size(), 1);
            }
        }
    }
    const auto guarda = [](int escena, Palabra p, int valor) {
        return QStringLiteral("escena %1: %2 = %3").arg(QString::number(escena), nombre(p)).arg(valor);
    };
    QCOMPARE(guardas, (QStringList{guarda(1, Palabra::ladrill, 1), guarda(2, Palabra::nohables, 1),
                                   guarda(4, Palabra::dinero, 3), guarda(5, Palabra::tarjetas, 1),
                                   guarda(7, Palabra::yano, 1)}));
}

void TestTablasReglas::caminosEntreEscenas()
{
    QStringList caminos;
    for (const Nombrada &t : todas())
        for (const Regla &r : *t.tabla)
            for (const Efecto *e : efectos(r))
                if (e->hace == Hace::IrA)
                    caminos << QStringLiteral("%1 %2 %3").arg(t.escena).arg(r.claves.join(QLatin1Char('|'))).arg(e->escena);
    caminos.sort();
    QStringList esperados = {
        "1 USAR CALLEJÓN 4", "1 USAR CIUDAD 3", "1 USAR PUERTA 2", "1 USAR CALLES 5",
        "2 USAR SALIDA 1",
        "3 USAR CALLE 1", "3 USAR RINCONCITO 7",
        "4 USAR CALLE 1",
        "5 USAR DISCO-PUB 1", "5 USAR TARAM-BAR RAMONÍN 6",
        "6 USAR SALIDA 5",
        "7 USAR CIUDAD 3",
    };
    esperados.sort();
    QCOMPARE(caminos, esperados);
}

// A line nobody knows is refused by the interpreter itself.
void TestTablasReglas::sinRechazosEscritos()
{
    for (const Nombrada &t : todas())
        for (const Regla &r : *t.tabla)
            for (const Efecto *e : efectos(r))
                QVERIFY2(e->hace != Hace::Rechazar, qPrintable(r.claves.first()));
}

void TestTablasReglas::escenasFueraDeRango()
{
    QVERIFY(escena(0).empty());
    QVERIFY(escena(8).empty());
    QVERIFY(escena(-1).empty());
}

QTEST_GUILESS_MAIN(TestTablasReglas)
#include "test_tablas_reglas.moc"

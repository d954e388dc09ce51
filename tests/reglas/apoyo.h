#pragma once

// What the rule tests share: one action line run through a real zw::Juego,
// and what it must leave behind.

#include "escenas.h"
#include "juego.h"

#include <QSignalSpy>
#include <QTest>
#include <initializer_list>
#include <optional>
#include <utility>

namespace prueba {

using zw::Estado;
using zw::Palabra;

// The window a line must open, if any.
enum class Ventana { Ninguna, Charrar1, Camarero, Final };

// A stale answer left in the reply list, to see which effects empty it.
inline const QString anterior = QStringLiteral("(respuesta anterior)");

inline Estado en(int pantalla, std::initializer_list<std::pair<Palabra, int>> palabras = {})
{
    Estado e;
    e[Palabra::pantalla] = qint16(pantalla);
    for (const auto &[p, v] : palabras)
        e[p] = qint16(v);
    return e;
}

// The six words, so that a failed comparison names the one that differs.
inline QString describir(const Estado &e)
{
    return QStringLiteral("pantalla=%1 ladrill=%2 nohables=%3 tarjetas=%4 dinero=%5 yano=%6")
        .arg(e[Palabra::pantalla]).arg(e[Palabra::ladrill]).arg(e[Palabra::nohables])
        .arg(e[Palabra::tarjetas]).arg(e[Palabra::dinero]).arg(e[Palabra::yano]);
}

// The builder's two words, which no rule may touch.
inline QString describir(const zw::LineaAccion &l)
{
    return QStringLiteral("admitecon=%1 faltanobjetos=%2").arg(l.admitecon).arg(l.faltanobjetos);
}

// The picture file of every scene the game reports moving to.
inline void anotarEscenas(zw::Juego &juego, QStringList &ficheros)
{
    QObject::connect(&juego, &zw::Juego::escenaCambiada, &juego,
                     [&ficheros](int escena) { ficheros << zw::ficheroEscena(escena); });
}

struct Caso {
    QString linea;
    Estado antes{};
    QStringList objetos = {QStringLiteral("Mechero")};  // the inventory before
    QStringList respuesta{};                            // the reply list after
    bool rechazo = false;                               // instead of `respuesta`: one refusal
    std::optional<QStringList> objetosDespues{};        // unchanged when absent
    std::optional<Estado> despues{};                    // unchanged when absent
    Ventana ventana = Ventana::Ninguna;
    QString fichero{};                                  // the scene picture asked for, if any
};

inline void columnas()
{
    QTest::addColumn<Caso>("caso");
}

inline void fila(const char *nombre, const Caso &c)
{
    QTest::newRow(nombre) << c;
}

inline bool esRechazo(const QStringList &resultado)
{
    return resultado.size() == 1 && zw::rechazos().contains(resultado.first());
}

// Runs the case's line on a fresh game in the case's state and checks everything
// the interpreter may touch.
inline void comprobar(const Caso &c)
{
    zw::Juego juego;
    QStringList pedidos;
    anotarEscenas(juego, pedidos);
    for (const QString &o : c.objetos)
        juego.anexarObjeto(o);
    juego.estado = c.antes;
    juego.responder({anterior});
    juego.ponerAcciones(c.linea);

    const QString lineaAntes = describir(juego.linea);
    QSignalSpy charrar1(&juego, &zw::Juego::charlaConBicho);
    QSignalSpy camarero(&juego, &zw::Juego::charlaConCamarero);
    QSignalSpy final(&juego, &zw::Juego::juegoGanado);

    juego.ejecutarAccion();

    if (c.rechazo)
        QVERIFY2(esRechazo(juego.resultado()), qPrintable(juego.resultado().join(QLatin1Char('|'))));
    else
        QCOMPARE(juego.resultado(), c.respuesta);
    QCOMPARE(juego.objetos(), c.objetosDespues.value_or(c.objetos));
    QCOMPARE(describir(juego.estado), describir(c.despues.value_or(c.antes)));
    QCOMPARE(charrar1.count(), c.ventana == Ventana::Charrar1 ? 1 : 0);
    QCOMPARE(camarero.count(), c.ventana == Ventana::Camarero ? 1 : 0);
    QCOMPARE(final.count(), c.ventana == Ventana::Final ? 1 : 0);
    QCOMPARE(pedidos, c.fichero.isEmpty() ? QStringList() : QStringList{c.fichero});
    QCOMPARE(describir(juego.linea), lineaAntes);
    QCOMPARE(juego.acciones(), c.linea);
}

} // namespace prueba

Q_DECLARE_METATYPE(prueba::Caso)

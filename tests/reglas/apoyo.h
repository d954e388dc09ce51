#pragma once

// What the rule tests share: one action line run through a real zw::Juego,
// and what it must leave behind.

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
    e.pantalla = qint16(pantalla);
    for (const auto &[p, v] : palabras)
        e.palabra(p) = qint16(v);
    return e;
}

// The eight words, so that a failed comparison names the one that differs.
inline QString describir(const Estado &e)
{
    return QStringLiteral("pantalla=%1 ladrill=%2 nohables=%3 tarjetas=%4 dinero=%5 yano=%6 admitecon=%7 faltanobjetos=%8")
        .arg(e.pantalla).arg(e.ladrill).arg(e.nohables).arg(e.tarjetas).arg(e.dinero).arg(e.yano)
        .arg(e.admitecon).arg(e.faltanobjetos);
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
    juego.cargadorImagen = [&pedidos](const QString &fichero) {
        pedidos << fichero;
        return true;
    };
    for (const QString &o : c.objetos)
        juego.anexarObjeto(o);
    juego.estado = c.antes;
    juego.responder({anterior});
    juego.ponerAcciones(c.linea);

    QSignalSpy charrar1(&juego, &zw::Juego::abrirCharrar1);
    QSignalSpy camarero(&juego, &zw::Juego::abrirCamarero);
    QSignalSpy final(&juego, &zw::Juego::abrirFinal);
    QSignalSpy noDisponible(&juego, &zw::Juego::imagenNoDisponible);

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
    QCOMPARE(noDisponible.count(), 0);
    QCOMPARE(juego.acciones(), c.linea);
}

} // namespace prueba

Q_DECLARE_METATYPE(prueba::Caso)

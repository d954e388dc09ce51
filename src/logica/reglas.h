// The interpreter: the words the rule tables are written with, and the tables tried in order.
#pragma once

#include "estado.h"
#include "texto.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

// The vocabulary in which every rule table of the game is written, and the tables.
namespace zw::reglas {

enum class Hace {
    Responder,      // empty the replies, then add the lines
    Dar,            // agregarObjeto(objeto)
    Quitar,         // quitarObjeto(objeto)
    Poner,          // palabra := 1
    Sumar,          // palabra := palabra + 1
    IrA,            // empty the replies, pantalla := escena; the scene changed
    AbrirBicho,     // empty the replies; the creature's conversation starts
    AbrirCamarero,  // empty the replies; the waiter's conversation starts
    AbrirFinal,     // the game is won
    Rechazar,       // rechazarAccion
};

struct Efecto {
    Hace hace;
    QStringList lineas{};
    QString objeto{};
    Palabra palabra = Palabra::pantalla;
    int escena = 0;
};
using Efectos = std::vector<Efecto>;

struct Condicion {
    Palabra palabra;
    int valor;      // holds when the word equals it exactly
};

struct Regla {
    QStringList claves;              // whole upper-cased action lines; any one matches
    Efectos efectos;                 // what runs (when the condition holds)
    std::optional<Condicion> si{};
    Efectos siNo{};                  // what runs when the condition does not hold
};
using Tabla = std::vector<Regla>;

// Words to write the tables with.
inline Efecto responde(QStringList lineas) { return {Hace::Responder, std::move(lineas)}; }
// Items by their catalogue name (objetos.h). A take names the item in capitals,
// as the upper-cased action lines do; the inventory compares without case.
inline Efecto da(const char *objeto) { return {Hace::Dar, {}, QString::fromUtf8(objeto)}; }
inline Efecto quita(const char *objeto) { return {Hace::Quitar, {}, mayusculas(QString::fromUtf8(objeto))}; }
inline Efecto pon(Palabra p) { return {Hace::Poner, {}, {}, p}; }
inline Efecto suma(Palabra p) { return {Hace::Sumar, {}, {}, p}; }
inline Efecto vaA(int escena) { return {Hace::IrA, {}, {}, Palabra::pantalla, escena}; }
inline Efecto abreBicho() { return {Hace::AbrirBicho}; }
inline Efecto abreCamarero() { return {Hace::AbrirCamarero}; }
inline Efecto abreFinal() { return {Hace::AbrirFinal}; }
inline Efecto rechaza() { return {Hace::Rechazar}; }

// Keys with things in them: "MIRAR PAPEL" from the item's own name, and a
// two-thing "Usar" line in both orders, since the player may pick either first.
inline QString mirar(const char *cosa) { return mayusculas(QStringLiteral("MIRAR ") + QString::fromUtf8(cosa)); }
inline QStringList usar(const char *una, const char *otra)
{
    const QString a = mayusculas(QString::fromUtf8(una));
    const QString b = mayusculas(QString::fromUtf8(otra));
    return {QStringLiteral("USAR %1 CON %2").arg(a, b), QStringLiteral("USAR %1 CON %2").arg(b, a)};
}

// A rule with no condition.
inline Regla siempre(QStringList claves, Efectos efectos)
{
    return {std::move(claves), std::move(efectos)};
}
// A rule guarded by one state word: `siVale` when palabra == valor, else `siNoVale`.
inline Regla segun(QStringList claves, Condicion c, Efectos siVale, Efectos siNoVale)
{
    return {std::move(claves), std::move(siVale), c, std::move(siNoVale)};
}

// The maker's web address: the first line of the advertisement and the about window.
QString webDelAutor();

// First stage: the inventory items, valid in every scene.
const Tabla &objetos();
// Second stage: the rules of scene n; an empty table for any other n.
const Tabla &escena(int n);

// Each scene's table, from the first scene on, each in its own file
// (reglas_escenaN.cpp, defining escenaN()).
std::span<const Tabla &(*const)()> tablasDeEscenas();

} // namespace zw::reglas

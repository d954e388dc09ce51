// What a typed line means: a verb and the things it names, a place to go, or an order of the game.
#pragma once

#include "linea_accion.h"
#include "zonas.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zw {
class Juego;
}

namespace zw::texto {

// Something the player can name: an inventory entry or a hotspot of the scene.
struct Cosa {
    QString nombre;
    int objeto = -1;             // its index in the inventory, or -1
    const Zona *zona = nullptr;  // its hotspot, or null
    bool esLugar() const { return zona && zona->tipo == Tipo::Lugar; }
};

// What is in sight: the scene's hotspots in reading order, then the inventory.
std::vector<Cosa> enVista(const Juego &juego);

// The words of a text as they are compared: lower case, accents and ñ's tilde
// dropped, cut at blanks and hyphens, other signs left out.
QStringList palabras(const QString &texto);

// The words a person may leave out: articles and prepositions.
bool esRelleno(const QString &palabra);

// Which of `nombres` the words name best: every word the beginning of one of
// the name's own words, in order. A name said whole beats one said from its
// beginning, which beats one said from further in. Indexes into `nombres`;
// empty when none fits.
std::vector<int> mejores(const QStringList &dichas, const QStringList &nombres);

// One thing a line names: the words said for it and every thing they could be.
// One possible thing is a match; none, a word nobody here answers to; more, a
// question back.
struct Hueco {
    QStringList dichas;
    std::vector<Cosa> posibles;
};

enum class Que {
    Nada,        // an empty line
    Accion,      // a verb, with the things named after it (maybe none yet)
    Ir,          // "ir a" and one thing, which should be a place
    Nombre,      // one thing, with no verb before it
    Mirar,       // "mirar" alone: the scene again
    Inventario,
    Ayuda,
    Guardar,
    Cargar,
    Salir,
    NoEntiendo,  // the first word is neither a verb, an order nor a thing in sight
};

struct Frase {
    Que que = Que::Nada;
    Verbo verbo = Verbo::Mirar;
    std::vector<Hueco> huecos;
};

// A typed line, against the things in sight.
Frase entender(const QString &linea, const std::vector<Cosa> &vista);

// The things `dichas` name best among `cosas`, one per name: a thing that is
// both carried and in the picture is the same word in the action line.
std::vector<Cosa> buscar(const QStringList &dichas, const std::vector<Cosa> &cosas);

// Words offered by Tab at the start of a line: the verbs and the orders.
QStringList primerasPalabras();

} // namespace zw::texto

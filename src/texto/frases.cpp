// What a typed line means: a verb and the things it names, a place to go, or an order of the game.
#include "frases.h"

#include "juego.h"
#include "texto.h"

#include <algorithm>

namespace zw::texto {

namespace {

struct FormaVerbo {
    const char *palabra;
    Verbo verbo;
};

// How people write the five verbs: the infinitive and the imperative, and the
// game's own spelling of "coger".
// clang-format off
const FormaVerbo formasVerbo[] = {
    {"mirar",  Verbo::Mirar},  {"mira",   Verbo::Mirar},  {"examinar", Verbo::Mirar}, {"examina", Verbo::Mirar},
    {"coger",  Verbo::Coger},  {"coge",   Verbo::Coger},  {"coje",     Verbo::Coger}, {"toma",    Verbo::Coger},
    {"usar",   Verbo::Usar},   {"usa",    Verbo::Usar},   {"utilizar", Verbo::Usar},  {"utiliza", Verbo::Usar},
    {"hablar", Verbo::Hablar}, {"habla",  Verbo::Hablar},
    {"mentir", Verbo::Mentir}, {"miente", Verbo::Mentir},
};

struct Orden {
    const char *palabra;
    Que que;
};

// Orders are one word alone on the line.
const Orden ordenes[] = {
    {"inventario", Que::Inventario}, {"i", Que::Inventario},
    {"ayuda",      Que::Ayuda},
    {"guardar",    Que::Guardar},
    {"cargar",     Que::Cargar},
    {"salir",      Que::Salir},
};
// clang-format on

const char *const irA[] = {"ir", "ve", "vete", "vamos"};

const char *const rellenos[] = {"el", "la", "los", "las", "lo", "un", "una", "unos", "unas",
                                "a",  "al", "de",  "del", "con", "en", "hacia", "para"};

template<typename Lista>
bool esUna(const QString &palabra, const Lista &lista)
{
    return std::any_of(std::begin(lista), std::end(lista),
                       [&palabra](const char *p) { return palabra == QLatin1String(p); });
}

std::optional<Verbo> verboDe(const QString &palabra)
{
    for (const FormaVerbo &f : formasVerbo)
        if (palabra == QLatin1String(f.palabra))
            return f.verbo;
    return std::nullopt;
}

QStringList sinRelleno(const QStringList &dichas)
{
    QStringList quedan;
    for (const QString &d : dichas)
        if (!esRelleno(d))
            quedan << d;
    return quedan;
}

// 0: the words do not name it; 1: they name it from further in; 2: from its
// beginning; 3: whole.
int encaje(const QStringList &dichas, const QStringList &suyas)
{
    if (dichas.isEmpty() || suyas.isEmpty())
        return 0;
    qsizetype j = 0;
    for (const QString &d : dichas) {
        while (j < suyas.size() && !suyas.at(j).startsWith(d))
            ++j;
        if (j == suyas.size())
            return 0;
        ++j;
    }
    if (dichas == suyas)
        return 3;
    return suyas.first().startsWith(dichas.first()) ? 2 : 1;
}

Hueco hueco(const QStringList &dichas, const std::vector<Cosa> &vista)
{
    return {dichas, buscar(dichas, vista)};
}

// "usar A con B"; without "con", the whole as one thing, else the first cut
// of the words into two that names two things.
std::vector<Hueco> dosCosas(const QStringList &resto, const std::vector<Cosa> &vista)
{
    const qsizetype con = resto.indexOf(QStringLiteral("con"));
    if (con >= 0) {
        std::vector<Hueco> huecos{hueco(resto.mid(0, con), vista)};
        if (!sinRelleno(resto.mid(con + 1)).isEmpty())
            huecos.push_back(hueco(resto.mid(con + 1), vista));
        return huecos;
    }
    const Hueco una = hueco(resto, vista);
    if (!una.posibles.empty())
        return {una};
    for (qsizetype i = 1; i < resto.size(); ++i) {
        Hueco a = hueco(resto.mid(0, i), vista);
        Hueco b = hueco(resto.mid(i), vista);
        if (!a.posibles.empty() && !b.posibles.empty())
            return {a, b};
    }
    return {una};
}

} // namespace

std::vector<Cosa> enVista(const Juego &juego)
{
    std::vector<Cosa> vista;
    for (const Zona *z : zonasEnOrden(juego.pantalla()))
        vista.push_back({QString::fromUtf8(z->nombre), -1, z});
    for (int i = 0; i < juego.objetos().size(); ++i)
        vista.push_back({juego.objetos().at(i), i, nullptr});
    return vista;
}

QStringList palabras(const QString &texto)
{
    // Decomposed, an accented letter is its letter and a mark to drop.
    const QString separado = texto.normalized(QString::NormalizationForm_D);
    QStringList dichas;
    QString actual;
    for (const QChar c : separado) {
        if (c.isMark())
            continue;
        if (c.isLetterOrNumber()) {
            actual += c.toLower();
        } else if (!actual.isEmpty()) {
            dichas << actual;
            actual.clear();
        }
    }
    if (!actual.isEmpty())
        dichas << actual;
    return dichas;
}

bool esRelleno(const QString &palabra)
{
    return esUna(palabra, rellenos);
}

std::vector<int> mejores(const QStringList &dichas, const QStringList &nombres)
{
    const QStringList buscadas = sinRelleno(dichas);
    std::vector<int> elegidos;
    int mejor = 0;
    for (int i = 0; i < nombres.size(); ++i) {
        const int e = encaje(buscadas, sinRelleno(palabras(nombres.at(i))));
        if (e > mejor) {
            mejor = e;
            elegidos.clear();
        }
        if (e == mejor && e > 0)
            elegidos.push_back(i);
    }
    return elegidos;
}

std::vector<Cosa> buscar(const QStringList &dichas, const std::vector<Cosa> &cosas)
{
    QStringList nombres;
    for (const Cosa &c : cosas)
        nombres << c.nombre;
    std::vector<Cosa> halladas;
    for (const int i : mejores(dichas, nombres)) {
        const bool repetida = std::any_of(halladas.begin(), halladas.end(), [&](const Cosa &h) {
            return mismoNombre(h.nombre, cosas[std::size_t(i)].nombre);
        });
        if (!repetida)
            halladas.push_back(cosas[std::size_t(i)]);
    }
    return halladas;
}

Frase entender(const QString &linea, const std::vector<Cosa> &vista)
{
    Frase f;
    const QStringList dichas = palabras(linea);
    if (dichas.isEmpty()) {
        f.que = linea.trimmed() == QLatin1String("?") ? Que::Ayuda : Que::Nada;
        return f;
    }
    const QString &primera = dichas.first();
    const QStringList resto = dichas.mid(1);
    if (resto.isEmpty()) {
        for (const Orden &o : ordenes) {
            if (primera == QLatin1String(o.palabra)) {
                f.que = o.que;
                return f;
            }
        }
    }
    if (esUna(primera, irA) && !sinRelleno(resto).isEmpty()) {
        f.que = Que::Ir;
        f.huecos = {hueco(resto, vista)};
        return f;
    }
    if (const std::optional<Verbo> v = verboDe(primera)) {
        f.que = Que::Accion;
        f.verbo = *v;
        if (sinRelleno(resto).isEmpty()) {
            if (*v == Verbo::Mirar)
                f.que = Que::Mirar;
            return f;
        }
        f.huecos = *v == Verbo::Usar ? dosCosas(resto, vista) : std::vector{hueco(resto, vista)};
        return f;
    }
    const Hueco solo = hueco(dichas, vista);
    f.que = solo.posibles.empty() ? Que::NoEntiendo : Que::Nombre;
    if (f.que == Que::Nombre)
        f.huecos = {solo};
    return f;
}

QStringList primerasPalabras()
{
    return {QStringLiteral("mirar"),  QStringLiteral("coger"),      QStringLiteral("usar"),
            QStringLiteral("hablar"), QStringLiteral("mentir"),     QStringLiteral("ir"),
            QStringLiteral("inventario"), QStringLiteral("ayuda"),  QStringLiteral("guardar"),
            QStringLiteral("cargar"), QStringLiteral("salir")};
}

} // namespace zw::texto

// The hotspot maps of the seven scenes.
#include "zonas.h"

#include <algorithm>
#include <array>

namespace zw {

namespace {

using enum Tipo;

// clang-format off
// Rectangles as                   x from  x to  y from  y to
const std::array tabla = {
    // 1, the street in front of the Disco-Pub
    Zona{1, "puerta",             { 53, 182,  60, 251}, Lugar},
    Zona{1, "Ciudad",             {  1,  28,  79, 211}, Lugar},
    Zona{1, "ladrillo",           { 16,  63,  16,  39}, Cosa},
    Zona{1, "Callejón",           {315, 366,  52, 149}, Lugar},
    Zona{1, "Calles",             { 16, 364, 258, 295}, Lugar},
    // 2, inside the Disco-Pub
    Zona{2, "salida",             {  4,  41,  12, 102}, Lugar},
    Zona{2, "Bicho",              { 12,  51, 125, 249}, Cosa},
    Zona{2, "Camarero",           {280, 341,  25, 114}, Cosa},
    // 3, the city street with the sewer; "Calle" hovers from a few pixels lower
    Zona{3, "Calle",              {304, 364, 160, 246}, Lugar, Rect{304, 364, 164, 246}},
    Zona{3, "Chicle Masticado",   { 42,  62, 187, 206}, Cosa},
    Zona{3, "Alcantarilla",       {166, 241, 167, 183}, Lugar},
    Zona{3, "Rinconcito",         {  2,  26,   1, 300}, Lugar},
    // 4, the alley with the door to Earth
    Zona{4, "Calle",              {  4,  66,  16, 287}, Lugar},
    Zona{4, "Puerta a la Tierra", {285, 340,   5, 117}, Lugar},
    Zona{4, "Vigilante",          {262, 333, 131, 267}, Cosa},
    // 5, the street outside the bar
    Zona{5, "Disco-Pub",          {  2,  51,   2, 297}, Lugar},
    Zona{5, "Vividor",            {249, 300, 127, 290}, Cosa},
    Zona{5, "Taram-BAR Ramonín",  {104, 181, 109, 282}, Lugar},
    // 6, inside the bar
    Zona{6, "Salida",             {161, 361, 248, 295}, Lugar},
    Zona{6, "Bailaor",            { 86, 146, 158, 290}, Cosa},
    Zona{6, "Camarero",           {113, 177,   1,  59}, Cosa},
    Zona{6, "Deprimido",          {284, 318,  74, 213}, Cosa},
    // 7, the tramp's corner
    Zona{7, "Ciudad",             {343, 371,   4, 300}, Lugar},
    Zona{7, "Publicidad",         { 58, 155,  16,  28}, Cosa},
    Zona{7, "Agujero",            {140, 147,  85,  92}, Cosa},
    Zona{7, "Vagabundo",          {246, 311, 118, 232}, Cosa},
};
// clang-format on

} // namespace

std::span<const Zona> zonas()
{
    return tabla;
}

const Zona *zonaEnRaton(int escena, int x, int y)
{
    const Zona *hallada = nullptr;
    for (const Zona &z : tabla)
        if (z.escena == escena && z.rectRaton().contiene(x, y))
            hallada = &z;
    return hallada;
}

QString zonaBajoRaton(int escena, int x, int y)
{
    const Zona *z = zonaEnRaton(escena, x, y);
    return z ? QString::fromUtf8(z->nombre) : QString();
}

ZonaPulsada zonaPulsada(int escena, int x, int y)
{
    ZonaPulsada hallada;
    for (const Zona &z : tabla) {
        if (z.escena == escena && z.clic.contiene(x, y)) {
            hallada.nombre = QString::fromUtf8(z.nombre);
            hallada.lugar = hallada.lugar || z.tipo == Tipo::Lugar;
        }
    }
    return hallada;
}

} // namespace zw

namespace zw {

namespace {

using Grupo = std::vector<const Zona *>;

// Splits `grupo` where no rectangle spans the gap along one axis, keeping the
// pieces in order along that axis. One piece means no gap was found.
std::vector<Grupo> cortar(Grupo grupo, bool enFilas)
{
    const auto desde = [enFilas](const Zona *z) { return enFilas ? z->clic.y1 : z->clic.x1; };
    const auto hasta = [enFilas](const Zona *z) { return enFilas ? z->clic.y2 : z->clic.x2; };
    std::stable_sort(grupo.begin(), grupo.end(),
                     [&](const Zona *a, const Zona *b) { return desde(a) < desde(b); });
    std::vector<Grupo> trozos;
    int finTrozo = 0;
    for (const Zona *z : grupo) {
        if (trozos.empty() || desde(z) > finTrozo) {  // bounds are inside: touching is no gap
            trozos.emplace_back();
            finTrozo = hasta(z);
        }
        finTrozo = std::max(finTrozo, hasta(z));
        trozos.back().push_back(z);
    }
    return trozos;
}

void leer(const Grupo &grupo, bool enFilas, bool otroEjeSinCorte, Grupo &orden)
{
    if (grupo.size() <= 1) {
        orden.insert(orden.end(), grupo.begin(), grupo.end());
        return;
    }
    const std::vector<Grupo> trozos = cortar(grupo, enFilas);
    if (trozos.size() == 1) {
        if (otroEjeSinCorte) {
            // Overlapping both ways: top edges first, then left edges.
            Grupo resto = grupo;
            std::stable_sort(resto.begin(), resto.end(), [](const Zona *a, const Zona *b) {
                return std::pair(a->clic.y1, a->clic.x1) < std::pair(b->clic.y1, b->clic.x1);
            });
            orden.insert(orden.end(), resto.begin(), resto.end());
        } else {
            leer(grupo, !enFilas, true, orden);
        }
        return;
    }
    for (const Grupo &trozo : trozos)
        leer(trozo, !enFilas, false, orden);
}

} // namespace

std::vector<const Zona *> zonasEnOrden(int escena)
{
    Grupo deLaEscena;
    for (const Zona &z : tabla)
        if (z.escena == escena)
            deLaEscena.push_back(&z);
    Grupo orden;
    leer(deLaEscena, true, false, orden);
    return orden;
}

Punto puntoDeClic(const Zona &zona)
{
    return {(zona.clic.x1 + zona.clic.x2) / 2, (zona.clic.y1 + zona.clic.y2) / 2};
}

QString nombreEscena(int escena)
{
    static const char *const nombres[] = {
        "Escena 1: la calle delante del Disco-Pub",
        "Escena 2: dentro del Disco-Pub",
        "Escena 3: la calle de la alcantarilla",
        "Escena 4: el callejón de la puerta a la Tierra",
        "Escena 5: la calle delante del bar",
        "Escena 6: dentro del bar",
        "Escena 7: el rincón del vagabundo",
    };
    if (escena < 1 || escena > 7)
        return {};
    return QString::fromUtf8(nombres[escena - 1]);
}

} // namespace zw

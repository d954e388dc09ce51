// The interpreter: the inventory item rules first, then the current scene's,
// the first key that equals the upper-cased line wins; otherwise a refusal.
#include "juego.h"
#include "reglas.h"
#include "texto.h"

namespace zw {

namespace {

using namespace reglas;

void aplicar(Juego &juego, const Efecto &e)
{
    switch (e.hace) {
    case Hace::Responder:
        juego.responder(e.lineas);
        break;
    case Hace::Dar:
        juego.agregarObjeto(e.objeto);
        break;
    case Hace::Quitar:
        juego.quitarObjeto(e.objeto);
        break;
    case Hace::Poner:
        juego.estado[e.palabra] = 1;
        break;
    case Hace::Sumar:
        ++juego.estado[e.palabra];
        break;
    case Hace::IrA:
        juego.irAEscena(e.escena);
        break;
    case Hace::AbrirBicho:
        juego.vaciarResultado();
        emit juego.charlaConBicho();
        break;
    case Hace::AbrirCamarero:
        juego.vaciarResultado();
        emit juego.charlaConCamarero();
        break;
    case Hace::AbrirFinal:
        emit juego.juegoGanado();
        break;
    case Hace::Rechazar:
        juego.rechazarAccion();
        break;
    }
}

const Regla *buscar(const Tabla &tabla, const QString &linea)
{
    for (const Regla &r : tabla)
        if (r.claves.contains(linea))
            return &r;
    return nullptr;
}

} // namespace

void Juego::ejecutarAccion()
{
    const QString linea = mayusculas(acciones());
    emit accionEjecutada(linea);
    const Regla *regla = buscar(reglas::objetos(), linea);
    if (!regla)
        regla = buscar(reglas::escena(pantalla()), linea);
    if (!regla) {
        rechazarAccion();
        return;
    }
    const bool vale = !regla->si || estado[regla->si->palabra] == regla->si->valor;
    for (const Efecto &e : vale ? regla->efectos : regla->siNo)
        aplicar(*this, e);
}

} // namespace zw

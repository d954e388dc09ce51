// The game in a terminal as the program starts it: zarrapio-world --texto.
#include "modo_texto.h"

#include "aventura_texto.h"
#include "carpetas.h"
#include "consola.h"
#include "juego.h"

#include <QCoreApplication>

namespace zw::texto {

int jugarEnTerminal(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const carpetas::Carpetas carpetas = carpetas::elegir(carpetas::lugaresDelSistema());
    const std::unique_ptr<Consola> consola = consolaEstandar(argv[0]);
    Juego juego;
    AventuraTexto aventura(juego, *consola, carpetas);
    return aventura.jugar();
}

} // namespace zw::texto

// The rules of scene 3, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena3()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"USAR CALLE"},                               {vaA(1)}),
        siempre({"MIRAR RINCONCITO"},                         {responde({"Lleva a un pequeño rincón ..."})}),
        siempre({"USAR RINCONCITO"},                          {vaA(7)}),
        siempre(usar("ALCANTARILLA", objeto::ChicleDeLadrillo), {responde({"Ahora es chicle de ladrillo y mierda de alcantarilla"}),
                                                               quita(objeto::ChicleDeLadrillo),
                                                               da(objeto::ChicleSaborMierda)}),
        siempre({"COGER CHICLE MASTICADO"},                   {responde({"Joder, que mierda, está totalmente masticado, cogeré un trozo pequeño,",
                                                                         "y el resto lo dejaré ahí, en su sitio ..."}),
                                                               da(objeto::ChicleMasticado)}),
        siempre({"MIRAR ALCANTARILLA"},                       {responde({"Mmm ... está llena de mierda por todos los lados ..."})}),
        siempre({"USAR ALCANTARILLA"},                        {responde({"Que quieres que te diga, cuando los rinocerontes bailen claqué, bajaré allí ..."})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

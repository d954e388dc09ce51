#include "reglas.h"

namespace zw::reglas {

const Tabla &escena3()
{
    static const Tabla tabla = {
        siempre({"USAR CALLE"},                               {vaA(1)}),
        siempre({"MIRAR RINCONCITO"},                         {responde({"Lleva a un pequeño rincón ..."})}),
        siempre({"USAR RINCONCITO"},                          {vaA(7)}),
        siempre({"USAR ALCANTARILLA CON CHICLE DE LADRILLO",
                 "USAR CHICLE DE LADRILLO CON ALCANTARILLA"}, {responde({"Ahora es chicle de ladrillo y mierda de alcantarilla"}),
                                                               quita("CHICLE DE LADRILLO"),
                                                               da("Chicle sabor mierda")}),
        siempre({"COGER CHICLE MASTICADO"},                   {responde({"Joder, que mierda, está totalmente masticado, cogeré un trozo pequeño,",
                                                                         "y el resto lo dejaré ahí, en su sitio ..."}),
                                                               da("Chicle Masticado")}),
        siempre({"MIRAR ALCANTARILLA"},                       {responde({"Mmm ... está llena de mierda por todos los lados ..."})}),
        siempre({"USAR ALCANTARILLA"},                        {responde({"Que quieres que te diga, cuando los rinocerontes bailen claqué, bajaré allí ..."})}),
    };
    return tabla;
}

} // namespace zw::reglas

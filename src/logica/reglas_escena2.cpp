// The rules of scene 2, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena2()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"USAR SALIDA"},                                                   {vaA(1)}),
        siempre({"MIRAR BICHO"},                                                   {responde({"¡Son Zarrapios!, joder, que cosa más deforme ... "})}),
        segun  ({"HABLAR CON BICHO"},                      {Palabra::nohables, 1}, {responde({"Prefiero dejarlo ahí quieto ..."})},
                                                                                   {abreBicho()}),
        siempre({"MENTIR A BICHO"},                                                {responde({"¡Yo soy el creador de Zarrapio World! ... ¡¡Es a mí al que debeis respeto!!",
                                                                                              "Joder, creo que no me hace caso."})}),
        siempre(usar("BICHO", objeto::Papel),                                      {responde({"- Esto ... ¿Podrías firmarme el papel?",
                                                                                              "- Oh ... Claro que sí, siempre es bueno tener el autógrafo de Mister Zarrapio"}),
                                                                                    quita(objeto::Papel),
                                                                                    da(objeto::PapelFirmado)}),
        siempre({"HABLAR CON CAMARERO"},                                           {responde({"- ¿Me sirves una jarra de coca - cola?",
                                                                                              "- Lo siento, no servimos a Humanos ...",
                                                                                              "- ¡Coño!, Joputa ..."})}),
        siempre({"MENTIR A CAMARERO"},                                             {responde({"- ¡¡Malditos Humanos, me han tirao una maldición, y me han convertido en uno de ellos!!",
                                                                                              "- Lo siento, pero no servimos a los que tienen una maldición ...",
                                                                                              "- ¡Joder!, Joputa ..."})}),
        siempre({"MIRAR CAMARERO"},                                                {responde({"Es el camarero, parece que tiene cara de mala hostia"})}),
        siempre(usar("CAMARERO", objeto::ChicleSaborMierda),                       {responde({"- ¡Oh, gracias por este chicle Humano!, y además del sabor que a mi me gusta ...",
                                                                                              "- De nada, lo he mezclado con unas cuantas cositas para que te guste",
                                                                                              "- Por la gentileza, te invito a un vaso de agua ... Venga, te lo daré con gas."}),
                                                                                    quita(objeto::ChicleSaborMierda),
                                                                                    da(objeto::Agua)}),
        // list A
        siempre(usar("BICHO", objeto::Agua),                                       {responde({"- Toma, un vaso de agua ... Ahora dime como salgo de este puto mundo.",
                                                                                              "- Simplemente tendrás que traspasar la 'puerta' que junta tu mundo y el mío.",
                                                                                              "Pero tendrás que seguir las instrucciones que te doy en este papel...",
                                                                                              "Y recuerda que hay dos puertas, la de entrada a Zarrapio World y la de salida. ",
                                                                                              "No te confundas ..."}),
                                                                                    quita(objeto::Agua),
                                                                                    da(objeto::Papel),
                                                                                    pon(Palabra::nohables)}),
        siempre({"MIRAR SALIDA"},                                                  {responde({"Es la salida al exterior"})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

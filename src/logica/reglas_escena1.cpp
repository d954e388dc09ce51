// The rules of scene 1, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena1()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"MIRAR CIUDAD"},                                     {responde({"Va hacia la ciudad ..."})}),
        siempre({"USAR CALLEJÓN"},                                    {vaA(4)}),
        segun  ({"COGER LADRILLO"},            {Palabra::ladrill, 1}, {responde({"Ya me han hablado los dedos antes ..."})},
                                                                      {responde({"Coño!, he raspado el ladrillo hasta que me han hablado las uñas,",
                                                                                 "pero sólo he podido coger un poco del polvo"}),
                                                                       pon(Palabra::ladrill),
                                                                       da(objeto::PolvoDeLadrillo)}),
        siempre({"MIRAR LADRILLO"},                                   {responde({"Pues un simple ladrillo ... "})}),
        siempre({"MIRAR PUERTA"},                                     {responde({"Es la entrada a un Disco-Pub. Me extraña que en este mundo estén esas cosas ..."})}),
        siempre({"USAR CIUDAD"},                                      {vaA(3)}),
        siempre({"USAR PUERTA"},                                      {vaA(2)}),
        siempre({"MIRAR CALLES"},                                     {responde({"Pues simplemente hay más calles, ¡ja, ja!, que poca gracia"})}),
        siempre({"USAR CALLES"},                                      {vaA(5)}),
        siempre(usar("LADRILLO", objeto::Mechero),                    {responde({"He calentado el ladrillo, se ha puesto cachondo."})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

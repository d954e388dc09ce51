// The rules of scene 4, tried after the ones valid in every scene.
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena4()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"USAR CALLE"},                                     {vaA(1)}),
        siempre({"USAR PUERTA A LA TIERRA"},                        {responde({"¡El puto vigilante este no me deja!"})}),
        siempre({"MIRAR PUERTA A LA TIERRA"},                       {responde({"¡¡COÑO!!, es lo que estoy buscando, ¡la puerta de salida de este puto mundo!"})}),
        segun  ({"HABLAR CON VIGILANTE"},     {Palabra::dinero, 3}, {abreFinal()},
                                                                    {responde({"- Lo siento, no me permiten hablar con Humanos.",
                                                                               "Y mucho menos dejarles pasar ... Je, je, je ..."})}),
        siempre({"MIRAR VIGILANTE"},                                {responde({"Desde luego, que los bichos estos son realmente feos, los cabrones ..."})}),
        siempre({"MENTIR A VIGILANTE"},                             {responde({"- ¡Mira, una Zarrapia en pelotas con el choch ... !. Coño, me está dando asco incluso a mí ...",
                                                                               "- Sigue, sigue ... me estoy poniendo cachondo",
                                                                               "- ¡Joder!, ¡¡que guarro de mierda!!"})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

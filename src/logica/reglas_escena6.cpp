// The rules of scene 6, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena6()
{
    // clang-format off
    static const Tabla tabla = {
        // list A
        siempre(usar("BAILAOR", objeto::Tarjeta),     {responde({"- ¡He conocido al mayor actor de mi vida!.",
                                                                 "- ¡Ja, ja!, ¿Y cómo se llama?",
                                                                 "- Esto ... eh ... Johnny Calabazas",
                                                                 "- ¡Mentiroso!, no existe ningún tal: 'Johnny Calabazas' en este mundo.",
                                                                 "- Bueno ... pero estás perdiendo la oportunidad de hacerte famoso y rico ...",
                                                                 "- ¡¡MENTIRA!!",
                                                                 "- Venga ... si te mueres de ganas por contratarlo ...",
                                                                 "- ¡¡Cabrón!!, está bién, toma mi tarjete a dásela a tu 'Johnny Calabazas'",
                                                                 "- ¡Je, je!, está bién, no te arrepentirás ..."}),
                                                       da(objeto::TarjetaDelDirector),
                                                       quita(objeto::Tarjeta)}),
        siempre({"MIRAR BAILAOR"},                    {responde({"Que bicho mas rao, y más feo, joder ..."})}),
        siempre({"MIRAR CAMARERO"},                   {responde({"Tiene los ojos tuertos"})}),
        // list B
        siempre({"MENTIR A CAMARERO"},                {responde({"- Siempre quise tener un hijo como tú, listo, alto, GUAPO ...",
                                                                 "- ¿¿SSII??",
                                                                 "- ¡¡Que va!!, ¡si eres mas feo que mi culo!, era para reirme de tí."})}),
        siempre({"USAR SALIDA"},                      {vaA(5)}),
        siempre({"MENTIR A BAILAOR"},                 {responde({"- ¡¡Que me dejes en paz, coño, que estoy de celebración!!"})}),
        // list C
        siempre({"HABLAR CON BAILAOR"},               {responde({"- ¿Cómo te atreves a interrumpir mi baile, no ves que estoy de celebración?",
                                                                 "¡¡Vete de aquí!!"})}),
        siempre({"HABLAR CON CAMARERO"},              {abreCamarero()}),
        // list D
        siempre({"HABLAR CON DEPRIMIDO"},             {responde({"- Hola, ¿Qué te pasa?, tienes mala cara",
                                                                 "- es que ... (Snif) estoy muy jodido ...",
                                                                 "- ¿Por qué?",
                                                                 "- Eso a tí no te importa, vete de aquí ...",
                                                                 "- ¿Es que nadie te quiere?",
                                                                 "- Algo así ... joder ... ¡¡¡déjame!!!",
                                                                 "- ¡Serás capullo!, me largo."})}),
        // list E
        siempre({"MENTIR A DEPRIMIDO"},               {responde({"- ¿Sabes que es lo mejor que te puede pasar?",
                                                                 "- ¡¿QUE?!",
                                                                 "- Nada, porque eres un fracasado. ¡JA, JA, JA!"})}),
        // list F
        siempre(usar("DEPRIMIDO", objeto::PapelFirmado), {responde({"- ¿Cónoces a Mr. Zarrapio?",
                                                                 "- Oh sí, (Snif) soy su gran admirador. Ojalá fuera como él. (Snif)",
                                                                 "- Pues yo lo conozco personalmente",
                                                                 "- Y una mierda ...",
                                                                 "- ¡Mira capullo!, aquí tengo un autógrafo suyo, me dijo que te lo diera a tí personalmente",
                                                                 "- ¿¿SSII??, ¡coño!, ¡¡¡alguien que se preocupa por mí!!!",
                                                                 "- Pero como yo soy un cabrón, no te lo doy a no ser que me des todo tu dinero ... Ja, ja",
                                                                 "- ¿¿PERO??. (Snif), está bién, toma, sólo tengo 50 Zarra dólares, cógelos",
                                                                 "- ¡Ahí estás tú!, toma tu autógrafo y calla ..."}),
                                                       da(objeto::DolaresDelDeprimido),
                                                       quita(objeto::PapelFirmado),
                                                       suma(Palabra::dinero)}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

// The rules of scene 7, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena7()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"USAR CIUDAD"},                              {vaA(3)}),
        // list A
        siempre({"MIRAR PUBLICIDAD"},                         {responde({webDelAutor(),
                                                                         "Web de Trombulenco Juegos, y una de las páginas que más me gustó visitar ..."})}),
        // list B when yano is not 1
        segun  ({"COGER AGUJERO"},        {Palabra::yano, 1}, {responde({"Ya no hay nada que coger ..."})},
                                                              {responde({"¡Aquí hay 50 Zarra-Dólares escondidos en este ladrillo.",
                                                                         "Seguramente serán del tipo este del cubo de basura ...",
                                                                         "Tendré que distraerle para poder cogerlos sin que él se entere.",
                                                                         "- ¡Mira, un ojete conduciendo un autobus!",
                                                                         "- ¿¿SI TIO??, ¿¿dónde??",
                                                                         "- Esto ... creo que me he equivocado, era un elefante ...",
                                                                         "- Oh ... Suele pasar, tú tranquilo."}),
                                                               da(objeto::DolaresDelVagabundo),
                                                               pon(Palabra::yano),
                                                               suma(Palabra::dinero)}),
        siempre({"MIRAR AGUJERO"},                            {responde({"Veo algo dentro, pero a simple vista, no sé que será ..."})}),
        siempre({"MIRAR VAGABUNDO"},                          {responde({"Está dentro de un cubo de basura ..."})}),
        // list C
        siempre({"HABLAR CON VAGABUNDO"},                     {responde({"- Hola, ¿Se puede saber que cojones haces dentro de un cubo de basura?",
                                                                         "- ¿Es que no lo ves?, esta puta sociedad no le importa que me muera ...",
                                                                         "- ¿Por qué?",
                                                                         "- Pues porque a los pobres como yo, los dejan palmarla en las putas esquinas.",
                                                                         "- ¿Y vives en un cubo de basura?",
                                                                         "- Oh, sí, al final, te acostumbras, incluso te amoldas a este.",
                                                                         "- Sí, ¿es que le pones muebles al cubo de basura?, ¡ja, ja!",
                                                                         "- ¡NO!, pero una televisión, con Tele Zarrapio, sí.",
                                                                         "- ¡Joder!, ¡¡como a canbiado el mundo!!"})}),
        // list D
        siempre({"MENTIR A VAGABUNDO"},                       {responde({"- ¡Mira!, tengo un boleto de lotería premiado, y te lo regalo",
                                                                         "- ¡¡ENSERIO!!",
                                                                         "- No, sólo te lo digo para joderte ..."})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

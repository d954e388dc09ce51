// The rules of scene 5, tried after the ones valid in every scene.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &escena5()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({"USAR DISCO-PUB"},                                                {vaA(1)}),
        siempre({"MIRAR VIVIDOR"},                                                 {responde({"Parece que esté embalsamado ..."})}),
        // list A
        siempre({"MENTIR A VIVIDOR"},                                              {responde({"- Tu atractivo, enciende mi pasión para hacer el amor ...",
                                                                                              "- ¿Eres gay?",
                                                                                              "- ¡MARICON LO SERÁ TU PADRE!, ¡¡feo de mierda!!."})}),
        siempre({"MIRAR TARAM-BAR RAMONÍN"},                                       {responde({"Es la entrada a un bar, dedicado al increible: 'Ramonín Tarambar'."})}),
        // list B
        siempre(usar("VIVIDOR", objeto::TarjetaDelDirector),                       {responde({"- Toma, aquí tiengo la tarjeta del mejor director de cine de Zarrapio World",
                                                                                              "- ¡Coño!, es verdad, oh, muchas gracias...",
                                                                                              "- ¡¡DAME MI DINERO CAPULLO!!. Si no te quedas sin contrato",
                                                                                              "- Esto ... sí -joder- toma, 50 Zarra-Dolares",
                                                                                              "- Así me gusta, que cumplas con tus promesas",
                                                                                              "- Vale, ahora desaparece de mi vista, que si no, me espantas a la clientela",
                                                                                              "- ¿Es que vas a seguir buscando a alguien que te contrate?",
                                                                                              "- Por supuesto ... ¡vete ya!"}),
                                                                                    da(objeto::DolaresDelVividor),
                                                                                    quita(objeto::TarjetaDelDirector),
                                                                                    suma(Palabra::dinero)}),
        // list C when tarjetas is not 1
        segun  ({"HABLAR CON VIVIDOR"},                    {Palabra::tarjetas, 1}, {responde({"No tengo nada más que decirle"})},
                                                                                   {responde({"- Hola, ¿qué haces ahí en la parra ... ?",
                                                                                              "- Estoy esperando que venga alguien a contratarme.",
                                                                                              "- ¿¿Contratarte??, ¿¡para qué!?",
                                                                                              "- ¿¡Es que no te das cuenta de mi flamante atractivo!?, voy a ser un gran actor ...",
                                                                                              "- ¿Actor porno, tal vez?",
                                                                                              "- ¡¡NO!!, un gran actor, y estoy dispuesto a recompensar al primero que me contrate",
                                                                                              "- ¿Y qué le vas a dar?",
                                                                                              "- Le pagaré por adelantado 50 Zarra - Dolares",
                                                                                              "- Guau ... Eso me da una idea. ¿Y si te consigo a alguien para que te contrate ...?",
                                                                                              "- Pues te pagaré los 50 Zarra - Dolares de recompensa a tí.",
                                                                                              "- O.K. Ya veo tu desesperación, voy en busca de tu salvación, espera aquí ...",
                                                                                              "- ¡Espera un momento!. Toma, quédate mi tarjeta, por si encuentras algo ...",
                                                                                              "- Mmmm ... pos vale. Cuando tenga noticias, te las diré."}),
                                                                                    pon(Palabra::tarjetas),
                                                                                    da(objeto::Tarjeta)}),
        siempre({"USAR TARAM-BAR RAMONÍN"},                                        {vaA(6)}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

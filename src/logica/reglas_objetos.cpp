#include "reglas.h"

namespace zw::reglas {

const Tabla &objetos()
{
    static const Tabla tabla = {
        siempre({"MIRAR POLVO DE LADRILLO"},                     {responde({"¡Me he dejado las uñas para tener esta mierda!"})}),
        siempre({"MIRAR 50 ZARRA-DÓLARES DEL VAGABUNDO"},        {responde({"El puto vagabundo escondía el dinero en un ladrillo.",
                                                                            "Ahora no tiene nada, ¡ja, ja!, que se joda."})}),
        siempre({"MIRAR 50 ZARRA-DÓLARES DEL DEPRIMIDO"},        {responde({"Mucho dinero ..."})}),
        siempre({"MIRAR 50 ZARRA-DÓLARES DEL VIVIDOR"},          {responde({"Mucho dinero ..."})}),
        siempre({"MIRAR TARJETA DEL DIRECTOR"},                  {responde({"Pone: Culito's Sarnosos. Director de cine.",
                                                                            "Y el resto es la dirección, etc ..."})}),
        siempre({"MIRAR AGUA"},                                  {responde({"Es un vaso de agua con gas"})}),
        siempre({"MIRAR PAPEL"},                                 {responde({"Pone: Para traspasar la puerta hacia el mundo de los Humanos, tendrás que ofrecer algo",
                                                                            "de gran calidad al guardian que lo vigila.",
                                                                            "Al guardian le gusta mucho el dinero, ofrécele 150 Zarra-Dólares.",
                                                                            "- Valla chorrada, ¿Y para le doy el puto vaso de agua?"})}),
        siempre({"MIRAR TARJETA"},                               {responde({"Pone: 'Trufo's Junior. Actor no profesional'.",
                                                                            "Lo demás es el número de telefono y toda esa mierda"})}),
        siempre({"MIRAR CHICLE SABOR MIERDA"},                   {responde({"Seguro que sus efectos son identicos a los de un tripi ..."})}),
        siempre({"MIRAR CHICLE DE LADRILLO"},                    {responde({"Es un chicle masticado con sabor a ladrillo ... Coño, que cosa más rara"})}),
        siempre({"MIRAR MECHERO"},                               {responde({"Está gastado, lo he tenido toda mi vida en el bolsillo, desde que me lo regalaron."})}),
        siempre({"USAR CHICLE MASTICADO CON POLVO DE LADRILLO",
                 "USAR POLVO DE LADRILLO CON CHICLE MASTICADO"}, {responde({"¡Coño!, ahora el chicle tiene sabor a ladrillo ... ¡Quien se comería algo así!"}),
                                                                  quita("POLVO DE LADRILLO"),
                                                                  quita("CHICLE MASTICADO"),
                                                                  da("Chicle de ladrillo")}),
        siempre({"MIRAR PAPEL FIRMADO"},                         {responde({"Está firmado por Mister Zarrapio"})}),
        siempre({"MIRAR CHICLE MASTICADO"},                      {responde({"Esto da asco, joder ..."})}),
    };
    return tabla;
}

} // namespace zw::reglas

// The rules valid in every scene: the inventory items.
#include "objetos.h"
#include "reglas.h"

namespace zw::reglas {

const Tabla &objetos()
{
    // clang-format off
    static const Tabla tabla = {
        siempre({mirar(objeto::PolvoDeLadrillo)},                {responde({"¡Me he dejado las uñas para tener esta mierda!"})}),
        siempre({mirar(objeto::DolaresDelVagabundo)},            {responde({"El puto vagabundo escondía el dinero en un ladrillo.",
                                                                            "Ahora no tiene nada, ¡ja, ja!, que se joda."})}),
        siempre({mirar(objeto::DolaresDelDeprimido)},            {responde({"Mucho dinero ..."})}),
        siempre({mirar(objeto::DolaresDelVividor)},              {responde({"Mucho dinero ..."})}),
        siempre({mirar(objeto::TarjetaDelDirector)},             {responde({"Pone: Culito's Sarnosos. Director de cine.",
                                                                            "Y el resto es la dirección, etc ..."})}),
        siempre({mirar(objeto::Agua)},                           {responde({"Es un vaso de agua con gas"})}),
        siempre({mirar(objeto::Papel)},                          {responde({"Pone: Para traspasar la puerta hacia el mundo de los Humanos, tendrás que ofrecer algo",
                                                                            "de gran calidad al guardian que lo vigila.",
                                                                            "Al guardian le gusta mucho el dinero, ofrécele 150 Zarra-Dólares.",
                                                                            "- Valla chorrada, ¿Y para le doy el puto vaso de agua?"})}),
        siempre({mirar(objeto::Tarjeta)},                        {responde({"Pone: 'Trufo's Junior. Actor no profesional'.",
                                                                            "Lo demás es el número de telefono y toda esa mierda"})}),
        siempre({mirar(objeto::ChicleSaborMierda)},              {responde({"Seguro que sus efectos son identicos a los de un tripi ..."})}),
        siempre({mirar(objeto::ChicleDeLadrillo)},               {responde({"Es un chicle masticado con sabor a ladrillo ... Coño, que cosa más rara"})}),
        siempre({mirar(objeto::Mechero)},                        {responde({"Está gastado, lo he tenido toda mi vida en el bolsillo, desde que me lo regalaron."})}),
        siempre(usar(objeto::ChicleMasticado, objeto::PolvoDeLadrillo), {responde({"¡Coño!, ahora el chicle tiene sabor a ladrillo ... ¡Quien se comería algo así!"}),
                                                                  quita(objeto::PolvoDeLadrillo),
                                                                  quita(objeto::ChicleMasticado),
                                                                  da(objeto::ChicleDeLadrillo)}),
        siempre({mirar(objeto::PapelFirmado)},                   {responde({"Está firmado por Mister Zarrapio"})}),
        siempre({mirar(objeto::ChicleMasticado)},                {responde({"Esto da asco, joder ..."})}),
    };
    // clang-format on
    return tabla;
}

} // namespace zw::reglas

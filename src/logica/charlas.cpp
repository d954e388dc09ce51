// The two conversations: their questions and answers, as tables.
#include "charlas.h"

#include <vector>

namespace zw {

std::span<const Pregunta> charlaBicho()
{
    // clang-format off
    static const std::vector<Pregunta> tabla = {
        {"quieneres",   "¿Quién eres?",             {"La pregunta sería así: ¿Quién eres tú?.",
                                                     "Yo soy un Zarrapio, y veo que tú eres uno de esos",
                                                     "Humanos, que a vuelto a traspasar la esfera de entrada a este mundo.",
                                                     "Verás, hay dos puertas, la de entrada a Zarrapio World, y la de salida de este."}},
        {"salgodeaqui", "¿Cómo salgo de aquí?",     {"¡Eso no te lo diré a no ser que me invites a un refresco!.",
                                                     "El guardian que vigila la puerta de salida de este mundo, nunca te dejará pasar.",
                                                     "Así que, cuando me invites a una copa, te diré lo que quieres saber."}},
        {"eresfeo",     "Joder, que feo que eres",  {"¡Ja,ja,ja!, ¡¡yo soy mister Zarrapio, chaval!!.",
                                                     "Aquí, el único raro eres tú ..."}},
        {"dondemanos",  "¿Dónde tienes las manos?", {"Los de mi raza no tienemos manos. nos sobra con las piernas y la boca.",
                                                     "Y no me preguntes como nos hacemos las pajas, porque te lo noto en los ojos ..."}},
        {"adios",       "Bueno, me largo, adiós",   {}},
    };
    // clang-format on
    return tabla;
}

std::span<const Pregunta> charlaCamarero()
{
    // clang-format off
    static const std::vector<Pregunta> tabla = {
        {"Command1", "Hola, ¿me pones un Bitter Klass con hielo?",      {"Lo siento, pero la ley dice que no se sirvan copas a los Humanos."}},
        {"Command2", "¿Quién es esa cosa rara de ahí que baila?",       {"Ese es Mr. Cornelius. Es un toro de las islas 'Moco Happy'.",
                                                                         "Recientemente, es uno de los mejores direcctores de cine, de todo Zarrapio World.",
                                                                         "Y ahora está de celebración, ya que su última película: 'Chorizos in the nigth', ha tenido una gran crítica.",
                                                                         "Por eso está ahí, como un imbecil, bailando ..."}},
        {"Command3", "¿Por qué tu tienes manos, y hay algunos que no?", {"Es cuestión de razas. Aquí, en Zarrapio World, tenemos muchas razas, al igual que el Hombre en la tierra."}},
        {"Command4", "Bueno, mejor de largo, adios",                    {}},
    };
    // clang-format on
    return tabla;
}

} // namespace zw

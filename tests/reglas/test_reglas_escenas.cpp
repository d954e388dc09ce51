// Every key of the seven scenes, both branches of every guarded rule and both
// orders of every two-thing rule, with the texts written out as the game shows them.
#include "apoyo.h"

#include "reglas.h"

using namespace prueba;
using zw::Palabra;

namespace {

const QString mechero = QStringLiteral("Mechero");

} // namespace

class TestReglasEscenas : public QObject
{
    Q_OBJECT

private slots:
    void escena1_data();
    void escena1();
    void escena2_data();
    void escena2();
    void escena3_data();
    void escena3();
    void escena4_data();
    void escena4();
    void escena5_data();
    void escena5();
    void escena6_data();
    void escena6();
    void escena7_data();
    void escena7();

    void ordenDeLosEfectos_data();
    void ordenDeLosEfectos();
    void laEscenaNuevaContesta_data();
    void laEscenaNuevaContesta();
};

// ---------------------------------------------------------------- scene 1

void TestReglasEscenas::escena1_data()
{
    columnas();
    const QStringList calentado = {"He calentado el ladrillo, se ha puesto cachondo."};
    const QStringList raspado = {"Coño!, he raspado el ladrillo hasta que me han hablado las uñas,",
                                 "pero sólo he podido coger un poco del polvo"};

    fila("MIRAR CIUDAD", {.linea = "MIRAR CIUDAD", .antes = en(1),
                          .respuesta = {"Va hacia la ciudad ..."}});
    fila("USAR CALLEJÓN", {.linea = "USAR CALLEJÓN", .antes = en(1),
                           .despues = en(4), .fichero = "4.JPG"});
    fila("COGER LADRILLO, ladrill 1", {.linea = "COGER LADRILLO", .antes = en(1, {{Palabra::ladrill, 1}}),
                                       .respuesta = {"Ya me han hablado los dedos antes ..."}});
    fila("COGER LADRILLO, ladrill 0", {.linea = "COGER LADRILLO", .antes = en(1),
                                       .respuesta = raspado,
                                       .objetosDespues = QStringList{mechero, "Polvo de ladrillo"},
                                       .despues = en(1, {{Palabra::ladrill, 1}})});
    fila("COGER LADRILLO, ladrill 2", {.linea = "COGER LADRILLO", .antes = en(1, {{Palabra::ladrill, 2}}),
                                       .respuesta = raspado,
                                       .objetosDespues = QStringList{mechero, "Polvo de ladrillo"},
                                       .despues = en(1, {{Palabra::ladrill, 1}})});
    fila("COGER LADRILLO, polvo ya tenido", {.linea = "COGER LADRILLO", .antes = en(1),
                                             .objetos = {mechero, "POLVO DE LADRILLO"},
                                             .respuesta = {"Ya tengo de eso"},
                                             .despues = en(1, {{Palabra::ladrill, 1}})});
    fila("MIRAR LADRILLO", {.linea = "MIRAR LADRILLO", .antes = en(1),
                            .respuesta = {"Pues un simple ladrillo ... "}});
    fila("MIRAR PUERTA", {.linea = "MIRAR PUERTA", .antes = en(1),
                          .respuesta = {"Es la entrada a un Disco-Pub. Me extraña que en este mundo estén esas cosas ..."}});
    fila("USAR CIUDAD", {.linea = "USAR CIUDAD", .antes = en(1), .despues = en(3), .fichero = "3.jpg"});
    fila("USAR PUERTA", {.linea = "USAR PUERTA", .antes = en(1), .despues = en(2), .fichero = "2.jpg"});
    fila("MIRAR CALLES", {.linea = "MIRAR CALLES", .antes = en(1),
                          .respuesta = {"Pues simplemente hay más calles, ¡ja, ja!, que poca gracia"}});
    fila("USAR CALLES", {.linea = "USAR CALLES", .antes = en(1), .despues = en(5), .fichero = "5.jpg"});
    fila("USAR LADRILLO CON MECHERO", {.linea = "USAR LADRILLO CON MECHERO", .antes = en(1),
                                       .respuesta = calentado});
    fila("USAR MECHERO CON LADRILLO", {.linea = "USAR MECHERO CON LADRILLO", .antes = en(1),
                                       .respuesta = calentado});
    fila("MIRAR CALLEJÓN", {.linea = "MIRAR CALLEJÓN", .antes = en(1), .rechazo = true});
    fila("USAR LADRILLO", {.linea = "USAR LADRILLO", .antes = en(1), .rechazo = true});
    fila("HABLAR CON BICHO", {.linea = "HABLAR CON BICHO", .antes = en(1), .rechazo = true});
    fila("USAR CALLE", {.linea = "USAR CALLE", .antes = en(1), .rechazo = true});
}

void TestReglasEscenas::escena1()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 2

void TestReglasEscenas::escena2_data()
{
    columnas();
    const QStringList firma = {"- Esto ... ¿Podrías firmarme el papel?",
                               "- Oh ... Claro que sí, siempre es bueno tener el autógrafo de Mister Zarrapio"};
    const QStringList chicle = {"- ¡Oh, gracias por este chicle Humano!, y además del sabor que a mi me gusta ...",
                                "- De nada, lo he mezclado con unas cuantas cositas para que te guste",
                                "- Por la gentileza, te invito a un vaso de agua ... Venga, te lo daré con gas."};
    const QStringList listaA = {"- Toma, un vaso de agua ... Ahora dime como salgo de este puto mundo.",
                                "- Simplemente tendrás que traspasar la 'puerta' que junta tu mundo y el mío.",
                                "Pero tendrás que seguir las instrucciones que te doy en este papel...",
                                "Y recuerda que hay dos puertas, la de entrada a Zarrapio World y la de salida. ",
                                "No te confundas ..."};

    fila("USAR SALIDA", {.linea = "USAR SALIDA", .antes = en(2), .despues = en(1), .fichero = "1.jpg"});
    fila("MIRAR BICHO", {.linea = "MIRAR BICHO", .antes = en(2),
                         .respuesta = {"¡Son Zarrapios!, joder, que cosa más deforme ... "}});
    fila("HABLAR CON BICHO, nohables 1", {.linea = "HABLAR CON BICHO", .antes = en(2, {{Palabra::nohables, 1}}),
                                          .respuesta = {"Prefiero dejarlo ahí quieto ..."}});
    fila("HABLAR CON BICHO, nohables 0", {.linea = "HABLAR CON BICHO", .antes = en(2),
                                          .ventana = Ventana::Charrar1});
    fila("HABLAR CON BICHO, nohables -1", {.linea = "HABLAR CON BICHO", .antes = en(2, {{Palabra::nohables, -1}}),
                                           .ventana = Ventana::Charrar1});
    fila("MENTIR A BICHO", {.linea = "MENTIR A BICHO", .antes = en(2),
                            .respuesta = {"¡Yo soy el creador de Zarrapio World! ... ¡¡Es a mí al que debeis respeto!!",
                                          "Joder, creo que no me hace caso."}});
    fila("USAR BICHO CON PAPEL", {.linea = "USAR BICHO CON PAPEL", .antes = en(2),
                                  .objetos = {mechero, "Papel"}, .respuesta = firma,
                                  .objetosDespues = QStringList{mechero, "Papel Firmado"}});
    fila("USAR PAPEL CON BICHO", {.linea = "USAR PAPEL CON BICHO", .antes = en(2),
                                  .objetos = {mechero, "Papel"}, .respuesta = firma,
                                  .objetosDespues = QStringList{mechero, "Papel Firmado"}});
    fila("USAR PAPEL CON BICHO, firmado ya tenido", {.linea = "USAR PAPEL CON BICHO", .antes = en(2),
                                                     .objetos = {mechero, "Papel Firmado", "Papel"},
                                                     .respuesta = {"Ya tengo de eso"},
                                                     .objetosDespues = QStringList{mechero, "Papel Firmado"}});
    fila("HABLAR CON CAMARERO", {.linea = "HABLAR CON CAMARERO", .antes = en(2),
                                 .respuesta = {"- ¿Me sirves una jarra de coca - cola?",
                                               "- Lo siento, no servimos a Humanos ...",
                                               "- ¡Coño!, Joputa ..."}});
    fila("MENTIR A CAMARERO", {.linea = "MENTIR A CAMARERO", .antes = en(2),
                               .respuesta = {"- ¡¡Malditos Humanos, me han tirao una maldición, y me han convertido en uno de ellos!!",
                                             "- Lo siento, pero no servimos a los que tienen una maldición ...",
                                             "- ¡Joder!, Joputa ..."}});
    fila("MIRAR CAMARERO", {.linea = "MIRAR CAMARERO", .antes = en(2),
                            .respuesta = {"Es el camarero, parece que tiene cara de mala hostia"}});
    fila("USAR CAMARERO CON CHICLE SABOR MIERDA", {.linea = "USAR CAMARERO CON CHICLE SABOR MIERDA", .antes = en(2),
                                                   .objetos = {mechero, "Chicle sabor mierda"}, .respuesta = chicle,
                                                   .objetosDespues = QStringList{mechero, "Agua"}});
    fila("USAR CHICLE SABOR MIERDA CON CAMARERO", {.linea = "USAR CHICLE SABOR MIERDA CON CAMARERO", .antes = en(2),
                                                   .objetos = {mechero, "Chicle sabor mierda"}, .respuesta = chicle,
                                                   .objetosDespues = QStringList{mechero, "Agua"}});
    fila("USAR BICHO CON AGUA", {.linea = "USAR BICHO CON AGUA", .antes = en(2),
                                 .objetos = {mechero, "Agua"}, .respuesta = listaA,
                                 .objetosDespues = QStringList{mechero, "Papel"},
                                 .despues = en(2, {{Palabra::nohables, 1}})});
    fila("USAR AGUA CON BICHO", {.linea = "USAR AGUA CON BICHO", .antes = en(2),
                                 .objetos = {mechero, "Agua"}, .respuesta = listaA,
                                 .objetosDespues = QStringList{mechero, "Papel"},
                                 .despues = en(2, {{Palabra::nohables, 1}})});
    // The paper already held: its answer gives way, the water still goes and the flag is still set.
    fila("USAR AGUA CON BICHO, papel ya tenido", {.linea = "USAR AGUA CON BICHO", .antes = en(2),
                                                  .objetos = {mechero, "Papel", "Agua"},
                                                  .respuesta = {"Ya tengo de eso"},
                                                  .objetosDespues = QStringList{mechero, "Papel"},
                                                  .despues = en(2, {{Palabra::nohables, 1}})});
    fila("MIRAR SALIDA", {.linea = "MIRAR SALIDA", .antes = en(2), .respuesta = {"Es la salida al exterior"}});
    fila("USAR CAMARERO CON AGUA", {.linea = "USAR CAMARERO CON AGUA", .antes = en(2),
                                    .objetos = {mechero, "Agua"}, .rechazo = true});
    fila("USAR AGUA CON CAMARERO", {.linea = "USAR AGUA CON CAMARERO", .antes = en(2),
                                    .objetos = {mechero, "Agua"}, .rechazo = true});
    fila("COGER BICHO", {.linea = "COGER BICHO", .antes = en(2), .rechazo = true});
    fila("USAR PUERTA", {.linea = "USAR PUERTA", .antes = en(2), .rechazo = true});
}

void TestReglasEscenas::escena2()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 3

void TestReglasEscenas::escena3_data()
{
    columnas();
    const QStringList alcantarilla = {"Ahora es chicle de ladrillo y mierda de alcantarilla"};
    const QStringList masticado = {"Joder, que mierda, está totalmente masticado, cogeré un trozo pequeño,",
                                   "y el resto lo dejaré ahí, en su sitio ..."};

    fila("USAR CALLE", {.linea = "USAR CALLE", .antes = en(3), .despues = en(1), .fichero = "1.jpg"});
    fila("MIRAR RINCONCITO", {.linea = "MIRAR RINCONCITO", .antes = en(3),
                              .respuesta = {"Lleva a un pequeño rincón ..."}});
    fila("USAR RINCONCITO", {.linea = "USAR RINCONCITO", .antes = en(3), .despues = en(7), .fichero = "7.jpg"});
    fila("USAR ALCANTARILLA CON CHICLE DE LADRILLO", {.linea = "USAR ALCANTARILLA CON CHICLE DE LADRILLO", .antes = en(3),
                                                      .objetos = {mechero, "Chicle de ladrillo"},
                                                      .respuesta = alcantarilla,
                                                      .objetosDespues = QStringList{mechero, "Chicle sabor mierda"}});
    fila("USAR CHICLE DE LADRILLO CON ALCANTARILLA", {.linea = "USAR CHICLE DE LADRILLO CON ALCANTARILLA", .antes = en(3),
                                                      .objetos = {mechero, "Chicle de ladrillo"},
                                                      .respuesta = alcantarilla,
                                                      .objetosDespues = QStringList{mechero, "Chicle sabor mierda"}});
    fila("COGER CHICLE MASTICADO", {.linea = "COGER CHICLE MASTICADO", .antes = en(3),
                                    .respuesta = masticado,
                                    .objetosDespues = QStringList{mechero, "Chicle Masticado"}});
    fila("COGER CHICLE MASTICADO, ya tenido", {.linea = "COGER CHICLE MASTICADO", .antes = en(3),
                                               .objetos = {mechero, "Chicle Masticado"},
                                               .respuesta = {"Ya tengo de eso"}});
    fila("MIRAR ALCANTARILLA", {.linea = "MIRAR ALCANTARILLA", .antes = en(3),
                                .respuesta = {"Mmm ... está llena de mierda por todos los lados ..."}});
    fila("USAR ALCANTARILLA", {.linea = "USAR ALCANTARILLA", .antes = en(3),
                               .respuesta = {"Que quieres que te diga, cuando los rinocerontes bailen claqué, bajaré allí ..."}});
    fila("MIRAR CHICLE MASTICADO", {.linea = "MIRAR CHICLE MASTICADO", .antes = en(3),
                                    .respuesta = {"Esto da asco, joder ..."}});
    fila("USAR CIUDAD", {.linea = "USAR CIUDAD", .antes = en(3), .rechazo = true});
    fila("MIRAR CALLE", {.linea = "MIRAR CALLE", .antes = en(3), .rechazo = true});
    fila("COGER ALCANTARILLA", {.linea = "COGER ALCANTARILLA", .antes = en(3), .rechazo = true});
}

void TestReglasEscenas::escena3()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 4

void TestReglasEscenas::escena4_data()
{
    columnas();
    const QStringList noDeja = {"¡El puto vigilante este no me deja!"};
    const QStringList vigilante = {"- Lo siento, no me permiten hablar con Humanos.",
                                   "Y mucho menos dejarles pasar ... Je, je, je ..."};

    fila("USAR CALLE", {.linea = "USAR CALLE", .antes = en(4), .despues = en(1), .fichero = "1.jpg"});
    fila("USAR PUERTA A LA TIERRA, dinero 0", {.linea = "USAR PUERTA A LA TIERRA", .antes = en(4), .respuesta = noDeja});
    fila("USAR PUERTA A LA TIERRA, dinero 3", {.linea = "USAR PUERTA A LA TIERRA", .antes = en(4, {{Palabra::dinero, 3}}),
                                               .respuesta = noDeja});
    fila("MIRAR PUERTA A LA TIERRA", {.linea = "MIRAR PUERTA A LA TIERRA", .antes = en(4),
                                      .respuesta = {"¡¡COÑO!!, es lo que estoy buscando, ¡la puerta de salida de este puto mundo!"}});
    for (const int dinero : {0, 1, 2, 4, -1}) {
        const QByteArray nombre = "HABLAR CON VIGILANTE, dinero " + QByteArray::number(dinero);
        fila(nombre.constData(), {.linea = "HABLAR CON VIGILANTE", .antes = en(4, {{Palabra::dinero, dinero}}),
                                  .respuesta = vigilante});
    }
    // The ending leaves the replies as they were.
    fila("HABLAR CON VIGILANTE, dinero 3", {.linea = "HABLAR CON VIGILANTE", .antes = en(4, {{Palabra::dinero, 3}}),
                                            .respuesta = {anterior}, .ventana = Ventana::Final});
    fila("MIRAR VIGILANTE", {.linea = "MIRAR VIGILANTE", .antes = en(4),
                             .respuesta = {"Desde luego, que los bichos estos son realmente feos, los cabrones ..."}});
    fila("MENTIR A VIGILANTE", {.linea = "MENTIR A VIGILANTE", .antes = en(4),
                                .respuesta = {"- ¡Mira, una Zarrapia en pelotas con el choch ... !. Coño, me está dando asco incluso a mí ...",
                                              "- Sigue, sigue ... me estoy poniendo cachondo",
                                              "- ¡Joder!, ¡¡que guarro de mierda!!"}});
    const QStringList ricos = {mechero, "50 Zarra-Dólares del deprimido", "50 Zarra-Dólares del vividor",
                               "50 Zarra-Dólares del Vagabundo"};
    fila("USAR 50 ZARRA-DÓLARES DEL VIVIDOR CON VIGILANTE",
         {.linea = "USAR 50 ZARRA-DÓLARES DEL VIVIDOR CON VIGILANTE", .antes = en(4, {{Palabra::dinero, 3}}),
          .objetos = ricos, .rechazo = true});
    fila("USAR VIGILANTE CON 50 ZARRA-DÓLARES DEL VAGABUNDO",
         {.linea = "USAR VIGILANTE CON 50 ZARRA-DÓLARES DEL VAGABUNDO", .antes = en(4, {{Palabra::dinero, 3}}),
          .objetos = ricos, .rechazo = true});
    fila("USAR 50 ZARRA-DÓLARES DEL DEPRIMIDO CON PUERTA A LA TIERRA",
         {.linea = "USAR 50 ZARRA-DÓLARES DEL DEPRIMIDO CON PUERTA A LA TIERRA", .antes = en(4, {{Palabra::dinero, 3}}),
          .objetos = ricos, .rechazo = true});
    fila("COGER VIGILANTE", {.linea = "COGER VIGILANTE", .antes = en(4), .rechazo = true});
}

void TestReglasEscenas::escena4()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 5

void TestReglasEscenas::escena5_data()
{
    columnas();
    const QStringList listaA = {"- Tu atractivo, enciende mi pasión para hacer el amor ...",
                                "- ¿Eres gay?",
                                "- ¡MARICON LO SERÁ TU PADRE!, ¡¡feo de mierda!!."};
    const QStringList listaB = {"- Toma, aquí tiengo la tarjeta del mejor director de cine de Zarrapio World",
                                "- ¡Coño!, es verdad, oh, muchas gracias...",
                                "- ¡¡DAME MI DINERO CAPULLO!!. Si no te quedas sin contrato",
                                "- Esto ... sí -joder- toma, 50 Zarra-Dolares",
                                "- Así me gusta, que cumplas con tus promesas",
                                "- Vale, ahora desaparece de mi vista, que si no, me espantas a la clientela",
                                "- ¿Es que vas a seguir buscando a alguien que te contrate?",
                                "- Por supuesto ... ¡vete ya!"};
    const QStringList listaC = {"- Hola, ¿qué haces ahí en la parra ... ?",
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
                                "- Mmmm ... pos vale. Cuando tenga noticias, te las diré."};
    const QStringList conTarjeta = {mechero, "Papel Firmado", "Tarjeta del director"};
    const QStringList conDinero = {mechero, "Papel Firmado", "50 Zarra-Dólares del vividor"};

    fila("USAR DISCO-PUB", {.linea = "USAR DISCO-PUB", .antes = en(5), .despues = en(1), .fichero = "1.jpg"});
    fila("MIRAR VIVIDOR", {.linea = "MIRAR VIVIDOR", .antes = en(5), .respuesta = {"Parece que esté embalsamado ..."}});
    fila("MENTIR A VIVIDOR", {.linea = "MENTIR A VIVIDOR", .antes = en(5), .respuesta = listaA});
    fila("MIRAR TARAM-BAR RAMONÍN", {.linea = "MIRAR TARAM-BAR RAMONÍN", .antes = en(5),
                                     .respuesta = {"Es la entrada a un bar, dedicado al increible: 'Ramonín Tarambar'."}});
    fila("USAR VIVIDOR CON TARJETA DEL DIRECTOR", {.linea = "USAR VIVIDOR CON TARJETA DEL DIRECTOR",
                                                   .antes = en(5, {{Palabra::tarjetas, 1}, {Palabra::dinero, 1}}),
                                                   .objetos = conTarjeta, .respuesta = listaB,
                                                   .objetosDespues = conDinero,
                                                   .despues = en(5, {{Palabra::tarjetas, 1}, {Palabra::dinero, 2}})});
    fila("USAR TARJETA DEL DIRECTOR CON VIVIDOR", {.linea = "USAR TARJETA DEL DIRECTOR CON VIVIDOR",
                                                   .antes = en(5, {{Palabra::tarjetas, 1}, {Palabra::dinero, 1}}),
                                                   .objetos = conTarjeta, .respuesta = listaB,
                                                   .objetosDespues = conDinero,
                                                   .despues = en(5, {{Palabra::tarjetas, 1}, {Palabra::dinero, 2}})});
    // The reward already held: the card still goes and dinero still rises.
    fila("USAR TARJETA DEL DIRECTOR CON VIVIDOR, dinero ya tenido",
         {.linea = "USAR TARJETA DEL DIRECTOR CON VIVIDOR", .antes = en(5, {{Palabra::dinero, 1}}),
          .objetos = {mechero, "50 zarra-dólares del vividor", "Tarjeta del director"},
          .respuesta = {"Ya tengo de eso"},
          .objetosDespues = QStringList{mechero, "50 zarra-dólares del vividor"},
          .despues = en(5, {{Palabra::dinero, 2}})});
    fila("HABLAR CON VIVIDOR, tarjetas 0", {.linea = "HABLAR CON VIVIDOR", .antes = en(5),
                                            .respuesta = listaC,
                                            .objetosDespues = QStringList{mechero, "Tarjeta"},
                                            .despues = en(5, {{Palabra::tarjetas, 1}})});
    fila("HABLAR CON VIVIDOR, tarjetas 7", {.linea = "HABLAR CON VIVIDOR", .antes = en(5, {{Palabra::tarjetas, 7}}),
                                            .respuesta = listaC,
                                            .objetosDespues = QStringList{mechero, "Tarjeta"},
                                            .despues = en(5, {{Palabra::tarjetas, 1}})});
    fila("HABLAR CON VIVIDOR, tarjetas 1", {.linea = "HABLAR CON VIVIDOR", .antes = en(5, {{Palabra::tarjetas, 1}}),
                                            .objetos = {mechero, "Tarjeta"},
                                            .respuesta = {"No tengo nada más que decirle"}});
    fila("HABLAR CON VIVIDOR, tarjeta ya tenida", {.linea = "HABLAR CON VIVIDOR", .antes = en(5),
                                                   .objetos = {mechero, "Tarjeta"},
                                                   .respuesta = {"Ya tengo de eso"},
                                                   .despues = en(5, {{Palabra::tarjetas, 1}})});
    fila("USAR TARAM-BAR RAMONÍN", {.linea = "USAR TARAM-BAR RAMONÍN", .antes = en(5), .despues = en(6), .fichero = "6.jpg"});
    fila("MIRAR DISCO-PUB", {.linea = "MIRAR DISCO-PUB", .antes = en(5), .rechazo = true});
    fila("COGER VIVIDOR", {.linea = "COGER VIVIDOR", .antes = en(5), .rechazo = true});
    fila("HABLAR CON TARAM-BAR RAMONÍN", {.linea = "HABLAR CON TARAM-BAR RAMONÍN", .antes = en(5), .rechazo = true});
    fila("USAR TARJETA CON VIVIDOR", {.linea = "USAR TARJETA CON VIVIDOR", .antes = en(5, {{Palabra::tarjetas, 1}}),
                                      .objetos = {mechero, "Tarjeta"}, .rechazo = true});
}

void TestReglasEscenas::escena5()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 6

void TestReglasEscenas::escena6_data()
{
    columnas();
    const QStringList listaA = {"- ¡He conocido al mayor actor de mi vida!.",
                                "- ¡Ja, ja!, ¿Y cómo se llama?",
                                "- Esto ... eh ... Johnny Calabazas",
                                "- ¡Mentiroso!, no existe ningún tal: 'Johnny Calabazas' en este mundo.",
                                "- Bueno ... pero estás perdiendo la oportunidad de hacerte famoso y rico ...",
                                "- ¡¡MENTIRA!!",
                                "- Venga ... si te mueres de ganas por contratarlo ...",
                                "- ¡¡Cabrón!!, está bién, toma mi tarjete a dásela a tu 'Johnny Calabazas'",
                                "- ¡Je, je!, está bién, no te arrepentirás ..."};
    const QStringList listaB = {"- Siempre quise tener un hijo como tú, listo, alto, GUAPO ...",
                                "- ¿¿SSII??",
                                "- ¡¡Que va!!, ¡si eres mas feo que mi culo!, era para reirme de tí."};
    const QStringList listaC = {"- ¿Cómo te atreves a interrumpir mi baile, no ves que estoy de celebración?",
                                "¡¡Vete de aquí!!"};
    const QStringList listaD = {"- Hola, ¿Qué te pasa?, tienes mala cara",
                                "- es que ... (Snif) estoy muy jodido ...",
                                "- ¿Por qué?",
                                "- Eso a tí no te importa, vete de aquí ...",
                                "- ¿Es que nadie te quiere?",
                                "- Algo así ... joder ... ¡¡¡déjame!!!",
                                "- ¡Serás capullo!, me largo."};
    const QStringList listaE = {"- ¿Sabes que es lo mejor que te puede pasar?",
                                "- ¡¿QUE?!",
                                "- Nada, porque eres un fracasado. ¡JA, JA, JA!"};
    const QStringList listaF = {"- ¿Cónoces a Mr. Zarrapio?",
                                "- Oh sí, (Snif) soy su gran admirador. Ojalá fuera como él. (Snif)",
                                "- Pues yo lo conozco personalmente",
                                "- Y una mierda ...",
                                "- ¡Mira capullo!, aquí tengo un autógrafo suyo, me dijo que te lo diera a tí personalmente",
                                "- ¿¿SSII??, ¡coño!, ¡¡¡alguien que se preocupa por mí!!!",
                                "- Pero como yo soy un cabrón, no te lo doy a no ser que me des todo tu dinero ... Ja, ja",
                                "- ¿¿PERO??. (Snif), está bién, toma, sólo tengo 50 Zarra dólares, cógelos",
                                "- ¡Ahí estás tú!, toma tu autógrafo y calla ..."};
    const QStringList conTarjeta = {mechero, "Papel Firmado", "Tarjeta"};
    const QStringList conFirma = {mechero, "Papel Firmado", "Tarjeta del director"};

    fila("USAR BAILAOR CON TARJETA", {.linea = "USAR BAILAOR CON TARJETA", .antes = en(6, {{Palabra::tarjetas, 1}}),
                                      .objetos = conTarjeta, .respuesta = listaA,
                                      .objetosDespues = QStringList{mechero, "Papel Firmado", "Tarjeta del director"}});
    fila("USAR TARJETA CON BAILAOR", {.linea = "USAR TARJETA CON BAILAOR", .antes = en(6, {{Palabra::tarjetas, 1}}),
                                      .objetos = conTarjeta, .respuesta = listaA,
                                      .objetosDespues = QStringList{mechero, "Papel Firmado", "Tarjeta del director"}});
    // "TARJETA" takes the show-off's card only, never the director's.
    fila("USAR TARJETA CON BAILAOR, la del director ya tenida",
         {.linea = "USAR TARJETA CON BAILAOR", .antes = en(6),
          .objetos = {mechero, "Tarjeta del director", "Tarjeta"},
          .respuesta = {"Ya tengo de eso"},
          .objetosDespues = QStringList{mechero, "Tarjeta del director"}});
    fila("MIRAR BAILAOR", {.linea = "MIRAR BAILAOR", .antes = en(6),
                           .respuesta = {"Que bicho mas rao, y más feo, joder ..."}});
    fila("MIRAR CAMARERO", {.linea = "MIRAR CAMARERO", .antes = en(6), .respuesta = {"Tiene los ojos tuertos"}});
    fila("MENTIR A CAMARERO", {.linea = "MENTIR A CAMARERO", .antes = en(6), .respuesta = listaB});
    fila("USAR SALIDA", {.linea = "USAR SALIDA", .antes = en(6), .despues = en(5), .fichero = "5.jpg"});
    fila("MENTIR A BAILAOR", {.linea = "MENTIR A BAILAOR", .antes = en(6),
                              .respuesta = {"- ¡¡Que me dejes en paz, coño, que estoy de celebración!!"}});
    fila("HABLAR CON BAILAOR", {.linea = "HABLAR CON BAILAOR", .antes = en(6), .respuesta = listaC});
    fila("HABLAR CON CAMARERO", {.linea = "HABLAR CON CAMARERO", .antes = en(6), .ventana = Ventana::Camarero});
    fila("HABLAR CON DEPRIMIDO", {.linea = "HABLAR CON DEPRIMIDO", .antes = en(6), .respuesta = listaD});
    fila("MENTIR A DEPRIMIDO", {.linea = "MENTIR A DEPRIMIDO", .antes = en(6), .respuesta = listaE});
    fila("USAR DEPRIMIDO CON PAPEL FIRMADO", {.linea = "USAR DEPRIMIDO CON PAPEL FIRMADO", .antes = en(6),
                                              .objetos = conFirma, .respuesta = listaF,
                                              .objetosDespues = QStringList{mechero, "Tarjeta del director",
                                                                            "50 Zarra-Dólares del deprimido"},
                                              .despues = en(6, {{Palabra::dinero, 1}})});
    fila("USAR PAPEL FIRMADO CON DEPRIMIDO", {.linea = "USAR PAPEL FIRMADO CON DEPRIMIDO", .antes = en(6, {{Palabra::dinero, 2}}),
                                              .objetos = conFirma, .respuesta = listaF,
                                              .objetosDespues = QStringList{mechero, "Tarjeta del director",
                                                                            "50 Zarra-Dólares del deprimido"},
                                              .despues = en(6, {{Palabra::dinero, 3}})});
    fila("MIRAR DEPRIMIDO", {.linea = "MIRAR DEPRIMIDO", .antes = en(6), .rechazo = true});
    fila("MIRAR SALIDA", {.linea = "MIRAR SALIDA", .antes = en(6), .rechazo = true});
    fila("USAR BAILAOR CON TARJETA DEL DIRECTOR", {.linea = "USAR BAILAOR CON TARJETA DEL DIRECTOR", .antes = en(6),
                                                   .objetos = conFirma, .rechazo = true});
    fila("USAR PAPEL FIRMADO CON BAILAOR", {.linea = "USAR PAPEL FIRMADO CON BAILAOR", .antes = en(6),
                                            .objetos = conFirma, .rechazo = true});
    fila("MIRAR BICHO", {.linea = "MIRAR BICHO", .antes = en(6), .rechazo = true});
}

void TestReglasEscenas::escena6()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// ---------------------------------------------------------------- scene 7

void TestReglasEscenas::escena7_data()
{
    columnas();
    const QStringList listaA = {zw::reglas::webDelAutor(),
                                "Web de Trombulenco Juegos, y una de las páginas que más me gustó visitar ..."};
    const QStringList listaB = {"¡Aquí hay 50 Zarra-Dólares escondidos en este ladrillo.",
                                "Seguramente serán del tipo este del cubo de basura ...",
                                "Tendré que distraerle para poder cogerlos sin que él se entere.",
                                "- ¡Mira, un ojete conduciendo un autobus!",
                                "- ¿¿SI TIO??, ¿¿dónde??",
                                "- Esto ... creo que me he equivocado, era un elefante ...",
                                "- Oh ... Suele pasar, tú tranquilo."};
    const QStringList listaC = {"- Hola, ¿Se puede saber que cojones haces dentro de un cubo de basura?",
                                "- ¿Es que no lo ves?, esta puta sociedad no le importa que me muera ...",
                                "- ¿Por qué?",
                                "- Pues porque a los pobres como yo, los dejan palmarla en las putas esquinas.",
                                "- ¿Y vives en un cubo de basura?",
                                "- Oh, sí, al final, te acostumbras, incluso te amoldas a este.",
                                "- Sí, ¿es que le pones muebles al cubo de basura?, ¡ja, ja!",
                                "- ¡NO!, pero una televisión, con Tele Zarrapio, sí.",
                                "- ¡Joder!, ¡¡como a canbiado el mundo!!"};
    const QStringList listaD = {"- ¡Mira!, tengo un boleto de lotería premiado, y te lo regalo",
                                "- ¡¡ENSERIO!!",
                                "- No, sólo te lo digo para joderte ..."};
    const QString vagabundo = QStringLiteral("50 Zarra-Dólares del Vagabundo");
    const QStringList agujero = {"Veo algo dentro, pero a simple vista, no sé que será ..."};

    fila("USAR CIUDAD", {.linea = "USAR CIUDAD", .antes = en(7), .despues = en(3), .fichero = "3.jpg"});
    fila("MIRAR PUBLICIDAD", {.linea = "MIRAR PUBLICIDAD", .antes = en(7), .respuesta = listaA});
    fila("COGER AGUJERO, yano 0", {.linea = "COGER AGUJERO", .antes = en(7),
                                   .respuesta = listaB,
                                   .objetosDespues = QStringList{mechero, vagabundo},
                                   .despues = en(7, {{Palabra::yano, 1}, {Palabra::dinero, 1}})});
    fila("COGER AGUJERO, yano 0, dinero 2", {.linea = "COGER AGUJERO", .antes = en(7, {{Palabra::dinero, 2}}),
                                             .respuesta = listaB,
                                             .objetosDespues = QStringList{mechero, vagabundo},
                                             .despues = en(7, {{Palabra::yano, 1}, {Palabra::dinero, 3}})});
    fila("COGER AGUJERO, yano 3", {.linea = "COGER AGUJERO", .antes = en(7, {{Palabra::yano, 3}}),
                                   .respuesta = listaB,
                                   .objetosDespues = QStringList{mechero, vagabundo},
                                   .despues = en(7, {{Palabra::yano, 1}, {Palabra::dinero, 1}})});
    fila("COGER AGUJERO, yano 1", {.linea = "COGER AGUJERO", .antes = en(7, {{Palabra::yano, 1}, {Palabra::dinero, 1}}),
                                   .objetos = {mechero, vagabundo},
                                   .respuesta = {"Ya no hay nada que coger ..."}});
    fila("COGER AGUJERO, dinero ya tenido", {.linea = "COGER AGUJERO", .antes = en(7),
                                             .objetos = {mechero, vagabundo},
                                             .respuesta = {"Ya tengo de eso"},
                                             .despues = en(7, {{Palabra::yano, 1}, {Palabra::dinero, 1}})});
    fila("MIRAR AGUJERO, yano 0", {.linea = "MIRAR AGUJERO", .antes = en(7), .respuesta = agujero});
    fila("MIRAR AGUJERO, yano 1", {.linea = "MIRAR AGUJERO", .antes = en(7, {{Palabra::yano, 1}}), .respuesta = agujero});
    fila("MIRAR VAGABUNDO", {.linea = "MIRAR VAGABUNDO", .antes = en(7),
                             .respuesta = {"Está dentro de un cubo de basura ..."}});
    fila("HABLAR CON VAGABUNDO", {.linea = "HABLAR CON VAGABUNDO", .antes = en(7), .respuesta = listaC});
    fila("MENTIR A VAGABUNDO", {.linea = "MENTIR A VAGABUNDO", .antes = en(7), .respuesta = listaD});
    fila("MIRAR CIUDAD", {.linea = "MIRAR CIUDAD", .antes = en(7), .rechazo = true});
    fila("COGER VAGABUNDO", {.linea = "COGER VAGABUNDO", .antes = en(7), .rechazo = true});
    fila("COGER PUBLICIDAD", {.linea = "COGER PUBLICIDAD", .antes = en(7), .rechazo = true});
    fila("USAR MECHERO CON VAGABUNDO", {.linea = "USAR MECHERO CON VAGABUNDO", .antes = en(7), .rechazo = true});
    fila("USAR AGUJERO CON MECHERO", {.linea = "USAR AGUJERO CON MECHERO", .antes = en(7), .rechazo = true});
}

void TestReglasEscenas::escena7()
{
    QFETCH(Caso, caso);
    QVERIFY(!zw::reglas::webDelAutor().isEmpty());
    comprobar(caso);
}

// ---------------------------------------------------------------- order of effects

// Each inventory change, with the progress words other than pantalla that are
// not 0 at that moment: shows whether a flag or dinero moved before or after it.
void TestReglasEscenas::ordenDeLosEfectos_data()
{
    QTest::addColumn<int>("escena");
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QStringList>("objetos");
    QTest::addColumn<QStringList>("cambios");

    QTest::newRow("ladrillo: flag, then the dust") << 1 << "COGER LADRILLO" << QStringList{}
                                                    << QStringList{"+Polvo de ladrillo (ladrill=1)"};
    QTest::newRow("chicle y polvo: two takes, then the give") << 1 << "USAR POLVO DE LADRILLO CON CHICLE MASTICADO"
                                                              << QStringList{"Polvo de ladrillo", "Chicle Masticado"}
                                                              << QStringList{"-Polvo de ladrillo ()", "-Chicle Masticado ()",
                                                                             "+Chicle de ladrillo ()"};
    QTest::newRow("papel firmado: take, then give") << 2 << "USAR PAPEL CON BICHO" << QStringList{"Papel"}
                                                    << QStringList{"-Papel ()", "+Papel Firmado ()"};
    QTest::newRow("camarero: take, then give") << 2 << "USAR CHICLE SABOR MIERDA CON CAMARERO"
                                               << QStringList{"Chicle sabor mierda"}
                                               << QStringList{"-Chicle sabor mierda ()", "+Agua ()"};
    QTest::newRow("agua: take, give, then the flag") << 2 << "USAR AGUA CON BICHO" << QStringList{"Agua"}
                                                     << QStringList{"-Agua ()", "+Papel ()"};
    QTest::newRow("alcantarilla: take, then give") << 3 << "USAR CHICLE DE LADRILLO CON ALCANTARILLA"
                                                   << QStringList{"Chicle de ladrillo"}
                                                   << QStringList{"-Chicle de ladrillo ()", "+Chicle sabor mierda ()"};
    QTest::newRow("vividor: give, take, then dinero") << 5 << "USAR TARJETA DEL DIRECTOR CON VIVIDOR"
                                                      << QStringList{"Tarjeta del director"}
                                                      << QStringList{"+50 Zarra-Dólares del vividor ()",
                                                                     "-Tarjeta del director ()"};
    QTest::newRow("tarjeta: flag, then the card") << 5 << "HABLAR CON VIVIDOR" << QStringList{}
                                                  << QStringList{"+Tarjeta (tarjetas=1)"};
    QTest::newRow("bailaor: give, then take") << 6 << "USAR TARJETA CON BAILAOR" << QStringList{"Tarjeta"}
                                              << QStringList{"+Tarjeta del director ()", "-Tarjeta ()"};
    QTest::newRow("deprimido: give, take, then dinero") << 6 << "USAR PAPEL FIRMADO CON DEPRIMIDO"
                                                        << QStringList{"Papel Firmado"}
                                                        << QStringList{"+50 Zarra-Dólares del deprimido ()",
                                                                       "-Papel Firmado ()"};
    QTest::newRow("agujero: give, then yano and dinero") << 7 << "COGER AGUJERO" << QStringList{}
                                                         << QStringList{"+50 Zarra-Dólares del Vagabundo ()"};
}

void TestReglasEscenas::ordenDeLosEfectos()
{
    QFETCH(int, escena);
    QFETCH(QString, linea);
    QFETCH(QStringList, objetos);
    QFETCH(QStringList, cambios);

    zw::Juego juego;
    for (const QString &o : std::as_const(objetos))
        juego.anexarObjeto(o);
    juego.estado = en(escena);

    const auto palabras = [&juego] {
        QStringList puestas;
        for (const auto &[p, nombre] : {std::pair{Palabra::ladrill, "ladrill"}, {Palabra::nohables, "nohables"},
                                        {Palabra::tarjetas, "tarjetas"}, {Palabra::dinero, "dinero"},
                                        {Palabra::yano, "yano"}}) {
            if (juego.estado[p] != 0)
                puestas << QStringLiteral("%1=%2").arg(QLatin1String(nombre)).arg(juego.estado[p]);
        }
        return QStringLiteral(" (%1)").arg(puestas.join(QLatin1Char(' ')));
    };
    QStringList vistos;
    connect(&juego, &zw::Juego::objetosAnexados, this, [&](const QStringList &nombres) {
        for (const QString &nombre : nombres)
            vistos << QLatin1Char('+') + nombre + palabras();
    });
    connect(&juego, &zw::Juego::objetoQuitado, this, [&](int indice) {
        vistos << QLatin1Char('-') + objetos.at(indice) + palabras();
        objetos.removeAt(indice);
    });
    connect(&juego, &zw::Juego::objetosAnexados, this, [&](const QStringList &nombres) { objetos << nombres; });

    juego.ponerAcciones(linea);
    juego.ejecutarAccion();
    QCOMPARE(vistos, cambios);
}

// ---------------------------------------------------------------- changes of scene

// The same line once more, now in the scene it led to, is answered by that
// scene, which has no such way out.
void TestReglasEscenas::laEscenaNuevaContesta_data()
{
    QTest::addColumn<int>("desde");
    QTest::addColumn<QString>("linea");
    QTest::addColumn<int>("hasta");
    QTest::addColumn<QString>("fichero");

    QTest::newRow("USAR CIUDAD, 1 a 3")     << 1 << "USAR CIUDAD"     << 3 << "3.jpg";
    QTest::newRow("USAR CIUDAD, 7 a 3")     << 7 << "USAR CIUDAD"     << 3 << "3.jpg";
    QTest::newRow("USAR CALLE, 3 a 1")      << 3 << "USAR CALLE"      << 1 << "1.jpg";
    QTest::newRow("USAR CALLE, 4 a 1")      << 4 << "USAR CALLE"      << 1 << "1.jpg";
    QTest::newRow("USAR SALIDA, 6 a 5")     << 6 << "USAR SALIDA"     << 5 << "5.jpg";
    QTest::newRow("USAR SALIDA, 2 a 1")     << 2 << "USAR SALIDA"     << 1 << "1.jpg";
    QTest::newRow("USAR PUERTA, 1 a 2")     << 1 << "USAR PUERTA"     << 2 << "2.jpg";
    QTest::newRow("USAR CALLEJÓN, 1 a 4")   << 1 << "USAR CALLEJÓN"   << 4 << "4.JPG";
    QTest::newRow("USAR RINCONCITO, 3 a 7") << 3 << "USAR RINCONCITO" << 7 << "7.jpg";
    QTest::newRow("USAR DISCO-PUB, 5 a 1")  << 5 << "USAR DISCO-PUB"  << 1 << "1.jpg";
}

void TestReglasEscenas::laEscenaNuevaContesta()
{
    QFETCH(int, desde);
    QFETCH(QString, linea);
    QFETCH(int, hasta);
    QFETCH(QString, fichero);

    zw::Juego juego;
    QStringList pedidos;
    anotarEscenas(juego, pedidos);
    juego.estado = en(desde);
    juego.ponerAcciones(linea);
    juego.ejecutarAccion();
    QCOMPARE(juego.estado[Palabra::pantalla], qint16(hasta));
    QCOMPARE(juego.resultado(), QStringList());
    QCOMPARE(pedidos, QStringList{fichero});

    juego.ejecutarAccion();
    QVERIFY(esRechazo(juego.resultado()));
    QCOMPARE(juego.estado[Palabra::pantalla], qint16(hasta));
    QCOMPARE(pedidos, QStringList{fichero});
}

QTEST_GUILESS_MAIN(TestReglasEscenas)
#include "test_reglas_escenas.moc"

// The inventory item rules, which answer the same in every scene, and the lines
// that no rule takes.
#include "apoyo.h"

using namespace prueba;
using zw::Palabra;

namespace {

const QString mechero = QStringLiteral("Mechero");

struct Mirada {
    const char *linea;
    QStringList respuesta;
};

// Looking at each item of the catalogue.
const QList<Mirada> &miradas()
{
    static const QList<Mirada> lista = {
        {"MIRAR POLVO DE LADRILLO", {"¡Me he dejado las uñas para tener esta mierda!"}},
        {"MIRAR 50 ZARRA-DÓLARES DEL VAGABUNDO", {"El puto vagabundo escondía el dinero en un ladrillo.",
                                                  "Ahora no tiene nada, ¡ja, ja!, que se joda."}},
        {"MIRAR 50 ZARRA-DÓLARES DEL DEPRIMIDO", {"Mucho dinero ..."}},
        {"MIRAR 50 ZARRA-DÓLARES DEL VIVIDOR", {"Mucho dinero ..."}},
        {"MIRAR TARJETA DEL DIRECTOR", {"Pone: Culito's Sarnosos. Director de cine.",
                                        "Y el resto es la dirección, etc ..."}},
        {"MIRAR AGUA", {"Es un vaso de agua con gas"}},
        {"MIRAR PAPEL", {"Pone: Para traspasar la puerta hacia el mundo de los Humanos, tendrás que ofrecer algo",
                         "de gran calidad al guardian que lo vigila.",
                         "Al guardian le gusta mucho el dinero, ofrécele 150 Zarra-Dólares.",
                         "- Valla chorrada, ¿Y para le doy el puto vaso de agua?"}},
        {"MIRAR TARJETA", {"Pone: 'Trufo's Junior. Actor no profesional'.",
                           "Lo demás es el número de telefono y toda esa mierda"}},
        {"MIRAR CHICLE SABOR MIERDA", {"Seguro que sus efectos son identicos a los de un tripi ..."}},
        {"MIRAR CHICLE DE LADRILLO", {"Es un chicle masticado con sabor a ladrillo ... Coño, que cosa más rara"}},
        {"MIRAR MECHERO", {"Está gastado, lo he tenido toda mi vida en el bolsillo, desde que me lo regalaron."}},
        {"MIRAR PAPEL FIRMADO", {"Está firmado por Mister Zarrapio"}},
        {"MIRAR CHICLE MASTICADO", {"Esto da asco, joder ..."}},
    };
    return lista;
}

const QStringList chicleDeLadrillo = {"¡Coño!, ahora el chicle tiene sabor a ladrillo ... ¡Quien se comería algo así!"};

} // namespace

class TestReglasObjetos : public QObject
{
    Q_OBJECT

private slots:
    void mirar_data();
    void mirar();
    void chicleConPolvo_data();
    void chicleConPolvo();
    void rechazos_data();
    void rechazos();
    void mayusculas_data();
    void mayusculas();
};

// Every look rule in all seven scenes, and with no valid scene at all.
void TestReglasObjetos::mirar_data()
{
    columnas();
    for (const Mirada &m : miradas()) {
        for (int escena = 0; escena <= 7; ++escena) {
            const QByteArray nombre = QByteArray(m.linea) + ", pantalla " + QByteArray::number(escena);
            fila(nombre.constData(), {.linea = QString::fromUtf8(m.linea), .antes = en(escena), .respuesta = m.respuesta});
        }
    }
}

void TestReglasObjetos::mirar()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

void TestReglasObjetos::chicleConPolvo_data()
{
    columnas();
    const QStringList antes = {mechero, "Polvo de ladrillo", "Chicle Masticado"};
    const QStringList despues = {mechero, "Chicle de ladrillo"};
    for (int escena = 1; escena <= 7; ++escena) {
        QByteArray nombre = "USAR CHICLE MASTICADO CON POLVO DE LADRILLO, pantalla " + QByteArray::number(escena);
        fila(nombre.constData(), {.linea = "USAR CHICLE MASTICADO CON POLVO DE LADRILLO", .antes = en(escena),
                                  .objetos = antes, .respuesta = chicleDeLadrillo, .objetosDespues = despues});
        nombre = "USAR POLVO DE LADRILLO CON CHICLE MASTICADO, pantalla " + QByteArray::number(escena);
        fila(nombre.constData(), {.linea = "USAR POLVO DE LADRILLO CON CHICLE MASTICADO", .antes = en(escena),
                                  .objetos = antes, .respuesta = chicleDeLadrillo, .objetosDespues = despues});
    }
    fila("entre otros objetos", {.linea = "USAR POLVO DE LADRILLO CON CHICLE MASTICADO", .antes = en(1),
                                 .objetos = {mechero, "Chicle Masticado", "Agua", "Polvo de ladrillo", "Papel"},
                                 .respuesta = chicleDeLadrillo,
                                 .objetosDespues = QStringList{mechero, "Agua", "Papel", "Chicle de ladrillo"}});
    // In scene 3 the gum can be picked from the ground without holding one.
    fila("chicle del suelo", {.linea = "USAR POLVO DE LADRILLO CON CHICLE MASTICADO", .antes = en(3),
                              .objetos = {mechero, "Polvo de ladrillo"},
                              .respuesta = chicleDeLadrillo,
                              .objetosDespues = QStringList{mechero, "Chicle de ladrillo"}});
    fila("chicle de ladrillo ya tenido", {.linea = "USAR CHICLE MASTICADO CON POLVO DE LADRILLO", .antes = en(3),
                                          .objetos = {mechero, "Chicle de ladrillo", "Polvo de ladrillo", "Chicle Masticado"},
                                          .respuesta = {"Ya tengo de eso"},
                                          .objetosDespues = QStringList{mechero, "Chicle de ladrillo"}});
}

void TestReglasObjetos::chicleConPolvo()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

void TestReglasObjetos::rechazos_data()
{
    columnas();
    fila("línea vacía", {.linea = "", .antes = en(1), .rechazo = true});
    fila("nadie la conoce", {.linea = "COGER MECHERO", .antes = en(1), .rechazo = true});
    fila("cosa de otra escena", {.linea = "HABLAR CON VIVIDOR", .antes = en(2), .rechazo = true});
    fila("dos veces lo mismo", {.linea = "USAR MECHERO CON MECHERO", .antes = en(1), .rechazo = true});
    fila("sin el CON", {.linea = "USAR MECHERO LADRILLO", .antes = en(1), .rechazo = true});
    fila("espacio doble, objeto", {.linea = "MIRAR  MECHERO", .antes = en(1), .rechazo = true});
    fila("espacio doble, escena", {.linea = "MIRAR  CIUDAD", .antes = en(1), .rechazo = true});
    fila("espacio doble antes de CON", {.linea = "USAR MECHERO  CON LADRILLO", .antes = en(1), .rechazo = true});
    fila("espacio doble en el verbo", {.linea = "HABLAR  CON VIGILANTE", .antes = en(4, {{Palabra::dinero, 3}}),
                                       .rechazo = true});
    fila("espacio al final", {.linea = "MIRAR CIUDAD ", .antes = en(1), .rechazo = true});
    fila("espacio al principio", {.linea = " MIRAR CIUDAD", .antes = en(1), .rechazo = true});
    fila("acento de menos", {.linea = "USAR CALLEJON", .antes = en(1), .rechazo = true});
    fila("parte de una clave", {.linea = "MIRAR CHICLE", .antes = en(3), .rechazo = true});
    // With no valid scene only the inventory item rules answer.
    for (const int escena : {0, 8, -1}) {
        const QByteArray sufijo = ", pantalla " + QByteArray::number(escena);
        fila(("USAR CALLEJÓN" + sufijo).constData(), {.linea = "USAR CALLEJÓN", .antes = en(escena), .rechazo = true});
        fila(("MIRAR CIUDAD" + sufijo).constData(), {.linea = "MIRAR CIUDAD", .antes = en(escena), .rechazo = true});
        fila(("COGER LADRILLO" + sufijo).constData(), {.linea = "COGER LADRILLO", .antes = en(escena), .rechazo = true});
        fila(("HABLAR CON VIGILANTE" + sufijo).constData(), {.linea = "HABLAR CON VIGILANTE",
                                                             .antes = en(escena, {{Palabra::dinero, 3}}),
                                                             .rechazo = true});
        fila(("HABLAR CON CAMARERO" + sufijo).constData(), {.linea = "HABLAR CON CAMARERO", .antes = en(escena),
                                                            .rechazo = true});
    }
}

void TestReglasObjetos::rechazos()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

// The line is upper-cased before it is looked up, accented letters included.
void TestReglasObjetos::mayusculas_data()
{
    columnas();
    fila("Mirar Mechero", {.linea = "Mirar Mechero", .antes = en(4),
                           .respuesta = {"Está gastado, lo he tenido toda mi vida en el bolsillo, desde que me lo regalaron."}});
    fila("mirar mechero, pantalla 0", {.linea = "mirar mechero", .antes = en(0),
                                       .respuesta = {"Está gastado, lo he tenido toda mi vida en el bolsillo, desde que me lo regalaron."}});
    fila("Mirar 50 Zarra-Dólares del vividor", {.linea = "Mirar 50 Zarra-Dólares del vividor", .antes = en(2),
                                                .respuesta = {"Mucho dinero ..."}});
    fila("Usar Chicle Masticado con Polvo de ladrillo", {.linea = "Usar Chicle Masticado con Polvo de ladrillo",
                                                         .antes = en(3),
                                                         .objetos = {mechero, "Polvo de ladrillo", "Chicle Masticado"},
                                                         .respuesta = chicleDeLadrillo,
                                                         .objetosDespues = QStringList{mechero, "Chicle de ladrillo"}});
    fila("mirar ciudad", {.linea = "mirar ciudad", .antes = en(1), .respuesta = {"Va hacia la ciudad ..."}});
    fila("Usar Mechero con ladrillo", {.linea = "Usar Mechero con ladrillo", .antes = en(1),
                                       .respuesta = {"He calentado el ladrillo, se ha puesto cachondo."}});
    fila("usar callejón", {.linea = "usar callejón", .antes = en(1), .despues = en(4), .fichero = "4.JPG"});
    fila("Usar Taram-BAR Ramonín", {.linea = "Usar Taram-BAR Ramonín", .antes = en(5), .despues = en(6), .fichero = "6.jpg"});
    fila("mirar taram-bar ramonín", {.linea = "mirar taram-bar ramonín", .antes = en(5),
                                     .respuesta = {"Es la entrada a un bar, dedicado al increible: 'Ramonín Tarambar'."}});
    fila("Hablar con Bicho", {.linea = "Hablar con Bicho", .antes = en(2), .ventana = Ventana::Charrar1});
    fila("Hablar con Vigilante, dinero 3", {.linea = "Hablar con Vigilante", .antes = en(4, {{Palabra::dinero, 3}}),
                                            .respuesta = {anterior}, .ventana = Ventana::Final});
}

void TestReglasObjetos::mayusculas()
{
    QFETCH(Caso, caso);
    comprobar(caso);
}

QTEST_GUILESS_MAIN(TestReglasObjetos)
#include "test_reglas_objetos.moc"

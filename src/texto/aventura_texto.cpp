// The game in a terminal: the scene told, typed lines turned into the windows' clicks, the replies written.
#include "aventura_texto.h"

#include "completar.h"
#include "consola.h"
#include "formularios.h"
#include "juego.h"


namespace zw::texto {

namespace {

const QString formularioTitulo = QStringLiteral("presentacion.ui");
const QString formularioFinal = QStringLiteral("final.ui");

// "a, b o c"
QString unoDe(const std::vector<Cosa> &cosas)
{
    QStringList nombres;
    for (const Cosa &c : cosas)
        nombres << c.nombre;
    const QString ultimo = nombres.takeLast();
    return nombres.join(QStringLiteral(", ")) + QStringLiteral(" o ") + ultimo;
}

QString lista(const QStringList &nombres)
{
    return nombres.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace

AventuraTexto::AventuraTexto(Juego &juego, Consola &consola, const carpetas::Carpetas &carpetas)
    : juego_(juego)
    , consola_(consola)
    , partida_(juego, carpetas.graficos, carpetas.partida)
{
    connect(&juego_, &Juego::accionEjecutada, this, [this] {
        // The line exactly as the windows show it, before its answer.
        escribir(juego_.acciones(), true);
        ejecutada_ = true;
        partida_.jugada();
    });
    connect(&juego_, &Juego::escenaCambiada, this, [this] { otraEscena_ = true; });
    connect(&juego_, &Juego::charlaConBicho, this,
            [this] { charlaPedida_ = Charla{charlaBicho(), "charrar1.ui", "charrar1"}; });
    connect(&juego_, &Juego::charlaConCamarero, this,
            [this] { charlaPedida_ = Charla{charlaCamarero(), "camarero.ui", "Camarero"}; });
    connect(&juego_, &Juego::juegoGanado, this, [this] { ganada_ = true; });

    // Tab completes the names in sight anywhere, and the orders as the first word.
    consola_.completar = [this](const QString &antes) {
        QStringList nombres;
        if (charla_) {
            for (const Pregunta &p : charla_->preguntas)
                nombres << QString::fromUtf8(p.titulo);
            return completar(antes, nombres, {QStringLiteral("ayuda"), QStringLiteral("salir")});
        }
        for (const Cosa &c : enVista(juego_))
            if (!nombres.contains(c.nombre, Qt::CaseInsensitive))
                nombres << c.nombre;
        return completar(antes, nombres, primerasPalabras());
    };
}

AventuraTexto::~AventuraTexto()
{
    consola_.completar = nullptr;
}

void AventuraTexto::escribir(const QString &linea, bool resaltada)
{
    consola_.escribir(linea, resaltada);
}

int AventuraTexto::jugar()
{
    juego_.iniciar();
    presentar();
    while (!terminada_) {
        const std::optional<QString> linea = consola_.leer(QStringLiteral("> "));
        if (!linea)
            break;
        atender(*linea);
    }
    return 0;
}

void AventuraTexto::presentar()
{
    escribir(textoDeFormulario(formularioTitulo, QStringLiteral("Presentacion"), QStringLiteral("windowTitle")), true);
    escribir(textoDeFormulario(formularioTitulo, QStringLiteral("Label4")));
    escribir(QStringLiteral("Escribe lo que quieres hacer, como «mira el ladrillo» o «usa el mechero con el "
                            "ladrillo», o el nombre de un sitio para ir allí. «ayuda» lista las órdenes."));
    describir();
}

void AventuraTexto::describir()
{
    const int escena = juego_.pantalla();
    const QString nombre = nombreEscena(escena);
    escribir(nombre.isEmpty() ? QStringLiteral("Escena %1").arg(escena) : nombre, true);
    QStringList cosas, sitios;
    for (const Cosa &c : enVista(juego_))
        if (c.zona)
            (c.esLugar() ? sitios : cosas) << c.nombre;
    if (!cosas.isEmpty())
        escribir(QStringLiteral("Cosas: ") + lista(cosas));
    if (!sitios.isEmpty())
        escribir(QStringLiteral("Sitios: ") + lista(sitios));
    inventario();
}

void AventuraTexto::inventario()
{
    if (juego_.objetos().isEmpty())
        escribir(QStringLiteral("No llevas nada."));
    else
        escribir(QStringLiteral("Llevas: ") + lista(juego_.objetos()));
}

void AventuraTexto::ayuda()
{
    escribir(QStringLiteral("Un verbo y una o dos cosas: «mira el ladrillo», «coge el ladrillo», «usa el mechero con "
                            "el ladrillo», «habla con el vividor», «miente al vagabundo»."));
    escribir(QStringLiteral("Para ir a un sitio, su nombre o «ir a» y su nombre: «ir al callejón»."));
    escribir(QStringLiteral("Basta con el principio de un nombre; mayúsculas, acentos, artículos y preposiciones "
                            "dan igual."));
    escribir(QStringLiteral("mirar: la escena otra vez. inventario (o i): lo que llevas. guardar y cargar: la "
                            "partida guardada. salir: se acaba el juego, sin guardar."));
    escribir(QStringLiteral("En un terminal, Tab completa las órdenes y los nombres, y las flechas arriba y abajo "
                            "traen lo ya escrito."));
}

void AventuraTexto::atender(const QString &linea)
{
    if (charla_)
        return atenderCharla(linea);
    const Frase frase = entender(linea, enVista(juego_));
    // A name alone may answer "which one?".
    if (pendiente_ && (frase.que == Que::Nombre || frase.que == Que::NoEntiendo) && aclarar(palabras(linea)))
        return;
    pendiente_.reset();
    switch (frase.que) {
    case Que::Nada:
        return;
    case Que::Mirar:
        return describir();
    case Que::Inventario:
        return inventario();
    case Que::Ayuda:
        return ayuda();
    case Que::Guardar:
        return guardar();
    case Que::Cargar:
        return cargar();
    case Que::Salir:
        terminada_ = true;
        return;
    case Que::NoEntiendo:
        // A line waiting for a thing was given one that is not here.
        if (juego_.linea.esperaCosa())
            return escribir(QStringLiteral("No veo «%1» por aquí.").arg(linea.trimmed()));
        return escribir(QStringLiteral("No te entiendo. «ayuda» lista las órdenes."));
    case Que::Accion:
    case Que::Ir:
    case Que::Nombre:
        return hacer(frase);
    }
}

// Every thing of the line is one thing in sight; else the player is told, or
// asked which one.
bool AventuraTexto::sinDudas(const Frase &frase)
{
    for (std::size_t i = 0; i < frase.huecos.size(); ++i) {
        const Hueco &h = frase.huecos[i];
        if (h.posibles.empty()) {
            // The words as compared, without the articles and prepositions they began with.
            QStringList dichas = h.dichas;
            while (!dichas.isEmpty() && esRelleno(dichas.first()))
                dichas.removeFirst();
            escribir(QStringLiteral("No veo «%1» por aquí.").arg(dichas.join(QLatin1Char(' '))));
            return false;
        }
        if (h.posibles.size() > 1) {
            pendiente_ = frase;
            dudoso_ = i;
            escribir(QStringLiteral("¿Cuál: %1?").arg(unoDe(h.posibles)));
            return false;
        }
    }
    return true;
}

// The answer to "which one?": the words among the things asked about.
bool AventuraTexto::aclarar(const QStringList &dichas)
{
    Frase frase = *pendiente_;
    const std::vector<Cosa> halladas = buscar(dichas, frase.huecos[dudoso_].posibles);
    if (halladas.empty())
        return false;
    pendiente_.reset();
    frase.huecos[dudoso_].posibles = halladas;
    hacer(frase);
    return true;
}

void AventuraTexto::hacer(Frase frase)
{
    if (!sinDudas(frase))
        return;
    std::vector<Cosa> cosas;
    for (const Hueco &h : frase.huecos)
        cosas.push_back(h.posibles.front());

    switch (frase.que) {
    case Que::Accion:
        return actuar(frase.verbo, cosas);
    case Que::Ir:
        // Going is using the place, as a click on it with "Usar" is.
        if (cosas.front().esLugar())
            return actuar(Verbo::Usar, cosas);
        return escribir(QStringLiteral("%1 no es un sitio al que ir.").arg(cosas.front().nombre));
    case Que::Nombre:
        // A line waiting for its next thing takes it, as a click would.
        if (juego_.linea.esperaCosa())
            return actuar(std::nullopt, cosas);
        if (cosas.front().esLugar())
            return actuar(Verbo::Usar, cosas);
        return escribir(QStringLiteral("¿Qué hago con %1? Empieza por un verbo: mirar, coger, usar, hablar o mentir.")
                            .arg(cosas.front().nombre));
    default:
        return;
    }
}

// The verb click, if any, and the picks, then whatever they led to.
void AventuraTexto::actuar(std::optional<Verbo> verbo, const std::vector<Cosa> &cosas)
{
    ejecutada_ = otraEscena_ = ganada_ = false;
    charlaPedida_.reset();
    const QStringList antes = juego_.objetos();
    if (verbo)
        juego_.pulsarVerbo(*verbo);
    for (const Cosa &c : cosas)
        elegir(c);

    if (!ejecutada_) {
        // Still waiting for a thing, as the windows' line does: "Usar Mechero con ...".
        escribir(juego_.acciones() + QStringLiteral("..."));
        return;
    }
    for (const QString &l : juego_.resultado())
        escribir(l);
    if (ganada_)
        return acabar();
    if (charlaPedida_)
        return empezarCharla(*charlaPedida_);
    if (otraEscena_)
        describir();
    else if (juego_.objetos() != antes)
        inventario();
}

void AventuraTexto::elegir(const Cosa &cosa)
{
    if (cosa.zona) {
        const Punto p = puntoDeClic(*cosa.zona);
        juego_.pulsarImagen(p.x, p.y);
    } else {
        juego_.elegirObjeto(cosa.objeto);
    }
}

void AventuraTexto::empezarCharla(const Charla &charla)
{
    charla_ = charla;
    const QString formulario = QString::fromLatin1(charla.formulario);
    escribir(textoDeFormulario(formulario, QString::fromLatin1(charla.ventana), QStringLiteral("windowTitle")), true);
    // The cards, as the window shows them, the first time only.
    if (!cartasVistas_.contains(formulario)) {
        cartasVistas_.insert(formulario);
        for (const QString &t : etiquetasDeFormulario(formulario))
            escribir(t);
    }
    listarPreguntas();
}

void AventuraTexto::listarPreguntas()
{
    for (std::size_t i = 0; i < charla_->preguntas.size(); ++i)
        escribir(QStringLiteral("%1. %2").arg(i + 1).arg(QString::fromUtf8(charla_->preguntas[i].titulo)));
}

void AventuraTexto::atenderCharla(const QString &linea)
{
    const std::size_t cuantas = charla_->preguntas.size();
    const QString eligeUna = QStringLiteral("Elige una pregunta por su número, del 1 al %1.").arg(cuantas);
    const QStringList dichas = palabras(linea);
    if (dichas.isEmpty() && linea.trimmed() != QLatin1String("?"))
        return listarPreguntas();
    if (dichas == QStringList{QStringLiteral("salir")}) {
        terminada_ = true;
        return;
    }
    if (dichas.isEmpty() || dichas == QStringList{QStringLiteral("ayuda")}) {
        escribir(eligeUna + QStringLiteral(" También valen sus palabras; la última acaba la conversación."));
        return listarPreguntas();
    }
    bool esNumero = false;
    const int n = linea.trimmed().toInt(&esNumero);
    if (esNumero) {
        if (n >= 1 && std::size_t(n) <= cuantas)
            return preguntar(std::size_t(n - 1));
        return escribir(eligeUna);
    }
    QStringList titulos;
    for (const Pregunta &p : charla_->preguntas)
        titulos << QString::fromUtf8(p.titulo);
    const std::vector<int> halladas = mejores(dichas, titulos);
    if (halladas.size() == 1)
        return preguntar(std::size_t(halladas.front()));
    if (halladas.empty())
        return escribir(eligeUna);
    QStringList cuales;
    for (const int i : halladas)
        cuales << QString::number(i + 1);
    escribir(QStringLiteral("¿Cuál: %1?").arg(cuales.join(QStringLiteral(", "))));
}

void AventuraTexto::preguntar(std::size_t i)
{
    const Pregunta &p = charla_->preguntas[i];
    escribir(QString::fromUtf8(p.titulo), true);
    if (!p.respuesta.isEmpty()) {
        for (const QString &l : p.respuesta)
            escribir(l);
        return;
    }
    // The way out, as the window's own button: back to the adventure.
    charla_.reset();
    describir();
}

void AventuraTexto::acabar()
{
    const QStringList textos = etiquetasDeFormulario(formularioFinal);
    for (qsizetype i = 0; i < textos.size(); ++i)
        escribir(textos.at(i), i == 0);
    // As the ending's own button: the program ends, nothing saved.
    terminada_ = true;
}

void AventuraTexto::guardar()
{
    if (partida_.preguntar()) {
        escribir(GuardarCargar::pregunta());
        const std::optional<QString> respuesta = consola_.leer(QStringLiteral("(sí/no) "));
        const QStringList dichas = respuesta ? palabras(*respuesta) : QStringList();
        if (dichas != QStringList{QStringLiteral("si")} && dichas != QStringList{QStringLiteral("s")}) {
            escribir(QStringLiteral("La partida guardada sigue como estaba."));
            return;
        }
    }
    for (const QString &l : partida_.guardar().texto.split(QLatin1Char('\n')))
        escribir(l);
}

void AventuraTexto::cargar()
{
    // No picture is shown here, so none is checked.
    const GuardarCargar::Aviso hecho = partida_.cargar();
    if (!hecho.bien) {
        for (const QString &l : hecho.texto.split(QLatin1Char('\n')))
            escribir(l);
        return;
    }
    escribir(QStringLiteral("Partida cargada."));
    describir();
}

} // namespace zw::texto

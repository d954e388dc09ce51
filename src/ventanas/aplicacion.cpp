// The game and its six windows, and the traffic between them.
#include "aplicacion.h"

#include "acerca.h"
#include "adelanto.h"
#include "conversacion.h"
#include "empieza.h"
#include "escala.h"
#include "final.h"
#include "presentacion.h"
#include "ventana.h"

#include <QDir>
#include <QEvent>

#include <utility>

namespace zw {

Aplicacion::Aplicacion(const QString &carpetaGraficos, const QString &rutaPartida)
    : carpeta_(carpetaGraficos)
    , partida_(juego_, carpetaGraficos,
               rutaPartida.isEmpty() ? QDir(carpetaGraficos).filePath(QStringLiteral("partida")) : rutaPartida)
    , presentacion_(std::make_unique<Presentacion>())
{
    connect(presentacion_.get(), &Presentacion::jugar, this, &Aplicacion::jugar);
    connect(presentacion_.get(), &Presentacion::acercaDe, this, &Aplicacion::acercaDe);
    connect(presentacion_.get(), &Presentacion::guardarPartida, this, &Aplicacion::guardarPartida);
    connect(presentacion_.get(), &Presentacion::cargarPartida, this, &Aplicacion::cargarPartida);
    connect(presentacion_.get(), &Presentacion::salir, this, &Aplicacion::terminar);
    vigilar(presentacion_.get());
    conectarJuego();
    adelanto_.setSingleShot(true);
    adelanto_.setInterval(0);
    connect(&adelanto_, &QTimer::timeout, this, &Aplicacion::prepararSiguiente);
}

Aplicacion::~Aplicacion() = default;

// A window just made: at the zoom of the others, and its closing watched.
void Aplicacion::vigilar(QWidget *ventana)
{
    escala::ajustar(ventana);
    ventana->installEventFilter(this);
}

Acerca *Aplicacion::acerca()
{
    if (!acerca_) {
        acerca_ = std::make_unique<Acerca>();
        vigilar(acerca_.get());
    }
    return acerca_.get();
}

Empieza *Aplicacion::empieza()
{
    if (!empieza_) {
        empieza_ = std::make_unique<Empieza>(juego_, carpeta_);
        connect(empieza_.get(), &Empieza::menu, this, [this] {
            empieza_->hide();
            presentacion_->show();
        });
        connect(empieza_.get(), &Empieza::salir, this, &Aplicacion::terminar);
        vigilar(empieza_.get());
    }
    return empieza_.get();
}

Conversacion *Aplicacion::charrar1()
{
    if (!charrar1_) {
        charrar1_ = crearCharrar1();
        vigilar(charrar1_.get());
    }
    return charrar1_.get();
}

Conversacion *Aplicacion::camarero()
{
    if (!camarero_) {
        camarero_ = crearCamarero();
        connect(camarero_.get(), &Conversacion::salir, this, [this] { empieza()->show(); });
        vigilar(camarero_.get());
    }
    return camarero_.get();
}

Final *Aplicacion::final()
{
    if (!final_) {
        final_ = std::make_unique<Final>();
        connect(final_.get(), &Final::salir, this, &Aplicacion::terminar);
        vigilar(final_.get());
    }
    return final_.get();
}

// One step at a time: the next window not made yet, else the hidden
// pictures drawn ahead.
void Aplicacion::prepararSiguiente()
{
    if (!empieza_)
        empieza();
    else if (!charrar1_)
        charrar1();
    else if (!camarero_)
        camarero();
    else if (!final_)
        final();
    else if (!acerca_)
        acerca();
    else
        return imagenes::adelantarOcultas();
    adelanto_.start();
}

bool Aplicacion::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::Close:
        emit terminar();
        break;
    case QEvent::Paint:
        if (!std::exchange(primerCuadro_, true))
            adelanto_.start();
        break;
    case QEvent::Resize:
        if (primerCuadro_ && static_cast<QWidget *>(objeto)->isVisible())
            adelanto_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

// What the story does to the windows; the scene picture is the screen's own business.
void Aplicacion::conectarJuego()
{
    connect(&juego_, &Juego::charlaConBicho, this, [this] { traerAlFrente(charrar1()); });
    connect(&juego_, &Juego::charlaConCamarero, this, [this] {
        empieza()->hide();
        traerAlFrente(camarero());
    });
    connect(&juego_, &Juego::juegoGanado, this, [this] {
        empieza()->hide();
        traerAlFrente(final());
    });
}

void Aplicacion::hablarConElJugador()
{
    connect(this, &Aplicacion::aviso, this, &mostrarAviso);
    connect(this, &Aplicacion::confirmarSustituir, this, [this](const QString &titulo, const QString &texto) {
        if (preguntarSiNo(titulo, texto))
            sustituirPartida();
    });
}

void Aplicacion::arrancar(double zoom)
{
    escala::ponerZoom(zoom);
    juego_.estado[Palabra::pantalla] = 1;
    centrar(presentacion_.get());
    presentacion_->show();
}

void Aplicacion::jugar()
{
    partida_.jugada();
    juego_.iniciar();
    Empieza *aventura = empieza();
    // The first play shows its scene's picture file as it stands now, as any
    // later scene and a loaded game do.
    if (!std::exchange(jugada_, true))
        juego_.avisarEscena();
    aventura->show();
    presentacion_->hide();
}

void Aplicacion::acercaDe()
{
    if (!acerca()->isVisible())
        centrar(acerca_.get());
    traerAlFrente(acerca_.get());
}

void Aplicacion::guardarPartida()
{
    if (partida_.preguntar()) {
        emit confirmarSustituir(QStringLiteral("Aviso"), GuardarCargar::pregunta());
        return;
    }
    sustituirPartida();
}

void Aplicacion::sustituirPartida()
{
    const GuardarCargar::Aviso hecho = partida_.guardar();
    emit aviso(hecho.titulo, hecho.texto);
}

void Aplicacion::cargarPartida()
{
    const GuardarCargar::Aviso hecho = partida_.cargar([this](int escena, QString &fichero, QString &porque) {
        imagenes::Fallo fallo;
        if (empieza()->escenaLegible(escena, &fallo))
            return true;
        fichero = fallo.fichero;
        porque = fallo.porque;
        return false;
    });
    if (!hecho.bien) {
        emit aviso(hecho.titulo, hecho.texto);
        return;
    }
    juego_.avisarEscena();
    empieza_->show();
    presentacion_->hide();
}

} // namespace zw

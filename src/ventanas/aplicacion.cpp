// The game and its six windows, and the traffic between them.
#include "aplicacion.h"

#include "acerca.h"
#include "carpetas.h"
#include "conversacion.h"
#include "empieza.h"
#include "escala.h"
#include "final.h"
#include "adelanto.h"
#include "partida.h"
#include "presentacion.h"
#include "ventana.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

namespace zw {

Aplicacion::Aplicacion(const QString &carpetaGraficos, const QString &rutaPartida)
    : carpeta_(carpetaGraficos)
    , partida_(rutaPartida.isEmpty() ? QDir(carpetaGraficos).filePath(QStringLiteral("partida")) : rutaPartida)
    , partidaAparte_(QFileInfo(partida_).absoluteDir() != QDir(carpetaGraficos))
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
void Aplicacion::vigilar(QWidget *ventana) const
{
    escala::ajustar(ventana);
    ventana->installEventFilter(const_cast<Aplicacion *>(this));
}

Acerca *Aplicacion::acerca() const
{
    if (!acerca_) {
        acerca_ = std::make_unique<Acerca>();
        vigilar(acerca_.get());
    }
    return acerca_.get();
}

Empieza *Aplicacion::empieza() const
{
    if (!empieza_) {
        auto *yo = const_cast<Aplicacion *>(this);
        empieza_ = std::make_unique<Empieza>(yo->juego_, carpeta_);
        connect(empieza_.get(), &Empieza::menu, yo, [yo] {
            yo->empieza_->hide();
            yo->presentacion_->show();
        });
        connect(empieza_.get(), &Empieza::salir, yo, &Aplicacion::terminar);
        vigilar(empieza_.get());
    }
    return empieza_.get();
}

Conversacion *Aplicacion::charrar1() const
{
    if (!charrar1_) {
        charrar1_ = crearCharrar1();
        vigilar(charrar1_.get());
    }
    return charrar1_.get();
}

Conversacion *Aplicacion::camarero() const
{
    if (!camarero_) {
        camarero_ = crearCamarero();
        connect(camarero_.get(), &Conversacion::salir, this, [this] { empieza()->show(); });
        vigilar(camarero_.get());
    }
    return camarero_.get();
}

Final *Aplicacion::final() const
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
    jugadaOCargada_ = true;
    juego_.iniciar();
    empieza()->show();
    presentacion_->hide();
}

void Aplicacion::acercaDe()
{
    if (!acerca()->isVisible())
        centrar(acerca_.get());
    traerAlFrente(acerca_.get());
}

QString Aplicacion::rutaPartida() const
{
    // The pictures' folder is never made by the game; a folder of the
    // player's own is, so that the first save finds it.
    if (partidaAparte_)
        carpetas::prepararCarpetaDe(partida_);
    return partida_;
}

// A player who meant to load and chose the menu's first item would otherwise
// lose his saved game to the fresh start, without a word.
void Aplicacion::guardarPartida()
{
    if (!jugadaOCargada_ && QFileInfo::exists(partida_)) {
        emit confirmarSustituir(QStringLiteral("Aviso"),
                                QStringLiteral("Ya hay una partida guardada. ¿Quieres sustituirla por una partida nueva?"));
        return;
    }
    sustituirPartida();
}

void Aplicacion::sustituirPartida()
{
    const QString ruta = rutaPartida();
    const partida::Resultado guardada = partida::guardar(juego_, ruta);
    if (guardada) {
        emit aviso(QStringLiteral("Aviso"), QStringLiteral("Partida guardada."));
        return;
    }
    // The second line tells the player which file, and what stood in the way.
    emit aviso(QStringLiteral("Error"),
           QStringLiteral("No se ha podido guardar la partida.\n%1: %2")
               .arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()), partida::explicar(guardada)));
}

// All or nothing: the whole file is read and the scene's picture with it
// before anything of the game in progress changes.
void Aplicacion::cargarPartida()
{
    QString fichero = rutaPartida(), porque;
    partida::Guardada guardada;
    imagenes::Fallo dibujo;
    if (const partida::Resultado leida = partida::leerGuardada(fichero, guardada); !leida) {
        porque = partida::explicar(leida);
    } else if (!empieza()->escenaLegible(guardada.pantalla(), &dibujo)) {
        fichero = dibujo.fichero;
        porque = dibujo.porque;
        qCWarning(partida::registro).noquote() << "No se ha cargado el dibujo" << fichero << "-" << porque;
    }
    if (!porque.isEmpty()) {
        // The second line tells the player which file, and what stood in the way.
        emit aviso(QStringLiteral("Error"),
                   QStringLiteral("No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero.\n%1: %2")
                       .arg(QDir::toNativeSeparators(QFileInfo(fichero).absoluteFilePath()), porque));
        return;
    }
    jugadaOCargada_ = true;
    partida::aplicar(juego_, guardada);
    juego_.avisarEscena();
    empieza_->show();
    presentacion_->hide();
}

} // namespace zw

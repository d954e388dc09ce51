// The game and its six windows, and the traffic between them.
#include "aplicacion.h"

#include "acerca.h"
#include "carpetas.h"
#include "conversacion.h"
#include "empieza.h"
#include "escala.h"
#include "final.h"
#include "imagen.h"
#include "partida.h"
#include "presentacion.h"
#include "ventana.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

namespace zw {

Aplicacion::Aplicacion(const QString &carpetaGraficos, const QString &rutaPartida)
    : partida_(rutaPartida.isEmpty() ? QDir(carpetaGraficos).filePath(QStringLiteral("partida")) : rutaPartida)
    , partidaAparte_(QFileInfo(partida_).absoluteDir() != QDir(carpetaGraficos))
    , presentacion_(std::make_unique<Presentacion>())
    , acerca_(std::make_unique<Acerca>())
    , empieza_(std::make_unique<Empieza>(juego_, carpetaGraficos))
    , charrar1_(crearCharrar1())
    , camarero_(crearCamarero())
    , final_(std::make_unique<Final>())
{
    connect(presentacion_.get(), &Presentacion::jugar, this, &Aplicacion::jugar);
    connect(presentacion_.get(), &Presentacion::acercaDe, this, &Aplicacion::acercaDe);
    connect(presentacion_.get(), &Presentacion::guardarPartida, this, &Aplicacion::guardarPartida);
    connect(presentacion_.get(), &Presentacion::cargarPartida, this, &Aplicacion::cargarPartida);
    connect(empieza_.get(), &Empieza::menu, this, [this] {
        empieza_->hide();
        presentacion_->show();
    });
    connect(camarero_.get(), &Conversacion::salir, empieza_.get(), &QWidget::show);
    connect(presentacion_.get(), &Presentacion::salir, this, &Aplicacion::terminar);
    connect(empieza_.get(), &Empieza::salir, this, &Aplicacion::terminar);
    connect(final_.get(), &Final::salir, this, &Aplicacion::terminar);
    for (QWidget *ventana : std::initializer_list<QWidget *>{presentacion_.get(), acerca_.get(), empieza_.get(),
                                                             charrar1_.get(), camarero_.get(), final_.get()})
        ventana->installEventFilter(this);
    conectarJuego();
    adelanto_.setSingleShot(true);
    adelanto_.setInterval(0);
    connect(&adelanto_, &QTimer::timeout, this, &Imagen::adelantarOcultas);
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
    connect(&juego_, &Juego::charlaConBicho, this, [this] { traerAlFrente(charrar1_.get()); });
    connect(&juego_, &Juego::charlaConCamarero, this, [this] {
        empieza_->hide();
        traerAlFrente(camarero_.get());
    });
    connect(&juego_, &Juego::juegoGanado, this, [this] {
        empieza_->hide();
        traerAlFrente(final_.get());
    });
}

Aplicacion::~Aplicacion() = default;

void Aplicacion::arrancar(double zoom)
{
    escala::ponerZoom(zoom);
    juego_.estado[Palabra::pantalla] = 1;
    centrar(presentacion_.get());
    presentacion_->show();
}

void Aplicacion::mostrarEmpieza()
{
    juego_.iniciar();
    empieza_->show();
}

void Aplicacion::jugar()
{
    mostrarEmpieza();
    presentacion_->hide();
}

void Aplicacion::acercaDe()
{
    if (!acerca_->isVisible())
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

void Aplicacion::guardarPartida()
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
    if (const partida::Resultado leida = partida::leerGuardada(fichero, guardada); !leida)
        porque = partida::explicar(leida);
    else if (!empieza_->escenaLegible(guardada.pantalla(), &fichero, &porque))
        qCWarning(partida::registro).noquote() << "No se ha cargado el dibujo" << fichero << "-" << porque;
    if (!porque.isEmpty()) {
        // The second line tells the player which file, and what stood in the way.
        emit aviso(QStringLiteral("Error"),
                   QStringLiteral("No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero.\n%1: %2")
                       .arg(QDir::toNativeSeparators(QFileInfo(fichero).absoluteFilePath()), porque));
        return;
    }
    partida::aplicar(juego_, guardada);
    juego_.avisarEscena();
    empieza_->show();
    presentacion_->hide();
}

} // namespace zw

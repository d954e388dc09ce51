#include "aplicacion.h"

#include "acerca.h"
#include "carpetas.h"
#include "conversacion.h"
#include "empieza.h"
#include "escala.h"
#include "estilo.h"
#include "final.h"
#include "partida.h"
#include "presentacion.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace zw {

namespace {

void mensaje(const QString &titulo, const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok);
    caja.exec();
}

void traerAlFrente(QWidget *ventana)
{
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

} // namespace

Aplicacion::Aplicacion(const QString &carpetaGraficos, const QString &rutaPartida)
    : avisar(mensaje)
    , partida_(rutaPartida.isEmpty() ? QDir(carpetaGraficos).filePath(QStringLiteral("partida")) : rutaPartida)
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
    conectarJuego();
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
        avisar(QStringLiteral("Aviso"), QStringLiteral("Partida guardada."));
        return;
    }
    // The second line tells the player which file, and what stood in the way.
    avisar(QStringLiteral("Error"),
           QStringLiteral("No se ha podido guardar la partida.\n%1: %2")
               .arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()), partida::explicar(guardada)));
}

void Aplicacion::cargarPartida()
{
    bool cargada = bool(partida::cargar(juego_, rutaPartida()));
    if (cargada) {
        const QString imagen = partida::ficheroImagenCargada(juego_.pantalla());
        cargada = empieza_->cargarImagen(imagen);
        if (!cargada)
            qCWarning(partida::registro).noquote() << "No se ha cargado el dibujo" << imagen;
    }
    if (!cargada) {
        avisar(QStringLiteral("Error"),
               QStringLiteral("No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."));
        return;
    }
    empieza_->show();
    presentacion_->hide();
}

} // namespace zw

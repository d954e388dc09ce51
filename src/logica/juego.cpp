// The adventure in progress: state, inventory, replies and action line, and what it reports.
#include "juego.h"

#include "texto.h"
#include "zonas.h"

#include <QRandomGenerator>
#include <QTime>

namespace zw {

Juego::Juego(QObject *parent)
    : QObject(parent)
{
}

const QStringList &rechazos()
{
    static const QStringList lineas = {
        QStringLiteral("Esa mierda no tira."),
        QStringLiteral("Menuda gilipollez de idea, eso no vale."),
        QStringLiteral("Chaval, ¿tú crees que eso se puede hacer?."),
        QStringLiteral("No creo que eso funcione."),
        QStringLiteral("¡Tocate las pelotas!"),
    };
    return lineas;
}

void Juego::iniciar()
{
    if (iniciado_)
        return;
    iniciado_ = true;
    if (objetos_.isEmpty())
        anexarObjeto(QStringLiteral("Mechero"));
    linea.admitecon = true;
    estado[Palabra::pantalla] = 1;
}

void Juego::agregarObjeto(const QString &nombre)
{
    for (const QString &o : std::as_const(objetos_)) {
        if (mismoNombre(o, nombre)) {
            responder({QStringLiteral("Ya tengo de eso")});
            return;
        }
    }
    anexarObjeto(nombre);
}

void Juego::quitarObjeto(const QString &nombre)
{
    for (int i = 0; i < objetos_.size(); ++i) {
        if (mismoNombre(objetos_.at(i), nombre)) {
            objetos_.removeAt(i);
            emit objetoQuitado(i);
            return;
        }
    }
}

void Juego::anexarObjetos(const QStringList &nombres)
{
    if (nombres.isEmpty())
        return;
    objetos_.append(nombres);
    emit objetosAnexados(nombres);
}

void Juego::vaciarObjetos()
{
    objetos_.clear();
    emit objetosVaciados();
}

void Juego::vaciarResultado()
{
    resultado_.clear();
    emit resultadoCambiado();
}

void Juego::responder(const QStringList &lineas)
{
    resultado_ = lineas;
    emit resultadoCambiado();
}

void Juego::rechazarAccion()
{
    // Reseeded from the clock's seconds on every refusal, as the game always did:
    // refusals within one second repeat the same line.
    const quint32 semilla = quint32(QTime::currentTime().msecsSinceStartOfDay() / 1000);
    QRandomGenerator azar(semilla);
    const int k = qBound(0, int(azar.generateDouble() * rechazos().size()), int(rechazos().size()) - 1);
    responder({rechazos().at(k)});
}

void Juego::ponerAcciones(const QString &texto)
{
    linea.poner(texto);
    emit accionesCambiadas(texto);
}

void Juego::pulsarVerbo(Verbo v)
{
    linea.empezar(v);
    emit accionesCambiadas(linea.texto());
    vaciarResultado();
}

void Juego::elegirObjeto(int indice)
{
    if (indice < 0 || indice >= objetos_.size())
        return;
    if (linea.esperaCosa())
        elegir(objetos_.at(indice));
}

void Juego::pulsarImagen(int x, int y)
{
    if (!linea.esperaCosa())
        return;
    const ZonaPulsada zona = zonaPulsada(pantalla(), x, y);
    if (zona.lugar)
        linea.cerrarAccion();
    if (zona.nombre.isEmpty())
        return;
    elegir(zona.nombre);
}

void Juego::elegir(const QString &nombre)
{
    linea.anadir(nombre);
    emit accionesCambiadas(linea.texto());
    if (linea.completa())
        ejecutarAccion();
}

void Juego::limpiar()
{
    ponerAcciones(QString());
    vaciarResultado();
}

void Juego::cerrarAccion()
{
    linea.cerrarAccion();
}

void Juego::ponerCon()
{
    const QString antes = linea.texto();
    linea.ponerCon();
    if (linea.texto() != antes)
        emit accionesCambiadas(linea.texto());
}

void Juego::irAEscena(int n)
{
    vaciarResultado();
    estado[Palabra::pantalla] = qint16(n);
    emit escenaCambiada(n);
}

} // namespace zw

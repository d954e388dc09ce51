#include "juego.h"

#include "escenas.h"
#include "texto.h"
#include "zonas.h"

#include <QRandomGenerator>
#include <QTime>

namespace zw {

Juego::Juego(QObject *parent)
    : QObject(parent)
{
}

QString prefijoVerbo(Verbo v)
{
    switch (v) {
    case Verbo::Hablar: return QStringLiteral("Hablar con ");
    case Verbo::Mentir: return QStringLiteral("Mentir a ");
    case Verbo::Coger: return QStringLiteral("Coger ");
    case Verbo::Usar: return QStringLiteral("Usar ");
    case Verbo::Mirar: return QStringLiteral("Mirar ");
    }
    return {};
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
    estado.admitecon = true;
    estado.pantalla = 1;
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

void Juego::anexarObjeto(const QString &nombre)
{
    objetos_.append(nombre);
    emit objetoAnexado(nombre);
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

void Juego::ponerAcciones(const QString &linea)
{
    acciones_ = linea;
    emit accionesCambiadas(acciones_);
}

void Juego::pulsarVerbo(Verbo v)
{
    ponerAcciones(prefijoVerbo(v));
    estado.faltanobjetos = v == Verbo::Usar ? 2 : 1;
    vaciarResultado();
}

void Juego::elegirObjeto(int indice)
{
    if (indice < 0 || indice >= objetos_.size())
        return;
    if (acciones_.isEmpty() || estado.faltanobjetos < 1)
        return;
    elegir(objetos_.at(indice));
}

void Juego::pulsarImagen(int x, int y)
{
    if (acciones_.isEmpty() || estado.faltanobjetos < 1)
        return;
    const ZonaPulsada zona = zonaPulsada(estado.pantalla, x, y);
    if (zona.lugar)
        cerrarAccion();
    if (zona.nombre.isEmpty())
        return;
    elegir(zona.nombre);
}

void Juego::elegir(const QString &nombre)
{
    --estado.faltanobjetos;
    ponerAcciones(acciones_ + nombre);
    ponerCon();
    if (estado.faltanobjetos < 1)
        ejecutarAccion();
}

void Juego::limpiar()
{
    ponerAcciones(QString());
    vaciarResultado();
}

void Juego::cerrarAccion()
{
    estado.admitecon = false;
    estado.faltanobjetos = 0;
}

void Juego::ponerCon()
{
    const QString linea = mayusculas(acciones_);
    if (linea.left(4) == QLatin1String("USAR") && estado.admitecon
        && !linea.contains(QLatin1String(" CON "))) {
        ponerAcciones(acciones_ + QStringLiteral(" con "));
    }
    estado.admitecon = true;
}

void Juego::irAEscena(int n)
{
    vaciarResultado();
    estado.pantalla = qint16(n);
    const QString fichero = ficheroEscena(n);
    if (!cargadorImagen || !cargadorImagen(fichero))
        emit imagenNoDisponible(fichero);
}

} // namespace zw

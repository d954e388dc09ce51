#pragma once

#include "estado.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace zw {

enum class Verbo { Hablar, Mentir, Coger, Usar, Mirar };

// The adventure in progress: the state words, the inventory, the reply list and
// the action line, with the routines that change them. The windows only show
// what the signals tell them and pass the player's clicks in.
class Juego : public QObject
{
    Q_OBJECT

public:
    explicit Juego(QObject *parent = nullptr);

    Estado estado;

    const QStringList &objetos() const { return objetos_; }
    const QStringList &resultado() const { return resultado_; }
    const QString &acciones() const { return acciones_; }

    // The adventure screen's start-up, run once on its first use: "Mechero" into an
    // empty inventory, admitecon true, scene 1.
    void iniciar();
    bool iniciado() const { return iniciado_; }

    // Inventory and reply routines the rules and the saved game use.
    void agregarObjeto(const QString &nombre);
    void quitarObjeto(const QString &nombre);
    void anexarObjeto(const QString &nombre); // no duplicate check: loading fills the list as saved
    void vaciarObjetos();
    void vaciarResultado();
    void responder(const QStringList &lineas);
    void rechazarAccion();
    void ponerAcciones(const QString &linea);

    // The action-line builder.
    void pulsarVerbo(Verbo v);
    void elegirObjeto(int indice);      // an inventory entry became selected
    void pulsarImagen(int x, int y);    // a mouse button went down on the scene picture
    void limpiar();
    void cerrarAccion();
    void ponerCon();

    // The interpreter: answers the finished action line.
    void ejecutarAccion();

    // Empties the replies, sets pantalla, then loads the scene's picture.
    void irAEscena(int n);

    // Loads a scene picture file into the screen; false when it cannot be read.
    // Until the windows install one, every load fails.
    std::function<bool(const QString &fichero)> cargadorImagen;

signals:
    void objetoAnexado(const QString &nombre);
    void objetoQuitado(int indice);
    void objetosVaciados();
    void resultadoCambiado();
    void accionesCambiadas(const QString &linea);
    void imagenNoDisponible(const QString &fichero);
    void accionEjecutada(const QString &linea); // the upper-cased line being answered
    void abrirCharrar1();
    void abrirCamarero();
    void abrirFinal();

private:
    void elegir(const QString &nombre);

    QStringList objetos_;
    QStringList resultado_;
    QString acciones_;
    bool iniciado_ = false;
};

QString prefijoVerbo(Verbo v);

// The five refusals, in the order the random draw numbers them.
const QStringList &rechazos();

} // namespace zw

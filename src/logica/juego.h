// The adventure in progress: state, inventory, replies and action line, and what it reports.
#pragma once

#include "estado.h"
#include "linea_accion.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace zw {

// The adventure in progress: the state words, the inventory, the reply list and
// the action line, with the routines that change them. It reports what happens
// through its signals; the windows decide what that looks like.
class Juego : public QObject
{
    Q_OBJECT

public:
    explicit Juego(QObject *parent = nullptr);

    Estado estado;
    LineaAccion linea;

    const QStringList &objetos() const { return objetos_; }
    const QStringList &resultado() const { return resultado_; }
    const QString &acciones() const { return linea.texto(); }
    int pantalla() const { return estado[Palabra::pantalla]; }

    // The adventure screen's start-up, run once on its first use: "Mechero" into an
    // empty inventory, admitecon true, scene 1.
    void iniciar();
    bool iniciado() const { return iniciado_; }

    // Inventory and reply routines the rules and the saved game use.
    void agregarObjeto(const QString &nombre);
    void quitarObjeto(const QString &nombre);
    // No duplicate check: loading fills the list as saved, all at once.
    void anexarObjeto(const QString &nombre) { anexarObjetos({nombre}); }
    void anexarObjetos(const QStringList &nombres);
    void vaciarObjetos();
    void vaciarResultado();
    void responder(const QStringList &lineas);
    void rechazarAccion();
    void ponerAcciones(const QString &texto);

    // The player's clicks, passed on to the action-line builder.
    void pulsarVerbo(Verbo v);
    void elegirObjeto(int indice);      // an inventory entry became selected
    void pulsarImagen(int x, int y);    // a mouse button went down on the scene picture
    void limpiar();
    void cerrarAccion();
    void ponerCon();

    // The interpreter: answers the finished action line.
    void ejecutarAccion();

    // Empties the replies, sets pantalla and reports the new scene.
    void irAEscena(int n);
    // Reports the scene it is in as a change of scene does: a loaded game.
    void avisarEscena() { emit escenaCambiada(pantalla()); }

signals:
    void objetosAnexados(const QStringList &nombres); // at the end, in this order
    void objetoQuitado(int indice);
    void objetosVaciados();
    void resultadoCambiado();
    void accionesCambiadas(const QString &linea);
    void accionEjecutada(const QString &linea); // the upper-cased line being answered

    // What happened in the story.
    void escenaCambiada(int escena);
    void charlaConBicho();
    void charlaConCamarero();
    void juegoGanado();

private:
    void elegir(const QString &nombre);

    QStringList objetos_;
    QStringList resultado_;
    bool iniciado_ = false;
};

// The five refusals, in the order the random draw numbers them.
const QStringList &rechazos();

} // namespace zw

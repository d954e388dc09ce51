// The game and its six windows, and the traffic between them.
#pragma once

#include "guardar_cargar.h"
#include "juego.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace zw {

class Presentacion;
class Acerca;
class Empieza;
class Conversacion;
class Final;

// Owns the game and its six windows, each created the first time it is used
// (or, once the title window is on screen, a moment ahead of that) and
// afterwards only shown and hidden, and carries the traffic between them.
class Aplicacion : public QObject
{
    Q_OBJECT

public:
    // carpetaGraficos: the folder of the scene pictures. rutaPartida: the saved
    // game's file; empty keeps it as "partida" beside the pictures. A file
    // anywhere else gets its folder made the first time it is reached.
    explicit Aplicacion(const QString &carpetaGraficos = QStringLiteral("graficos"),
                        const QString &rutaPartida = QString());
    ~Aplicacion() override;

    // Program start: the title window appears at the given zoom (a step of
    // escala::pasos()), the adventure waits in scene 1.
    void arrancar(double zoom = 1.0);

    Juego &juego() { return juego_; }
    // Each window, made now if it was not yet.
    Presentacion *presentacion() const { return presentacion_.get(); }
    Acerca *acerca();
    Empieza *empieza();
    Conversacion *charrar1();
    Conversacion *camarero();
    Final *final();

    // The menu of the title window. Saving before any game was started or
    // loaded in this run, over a saved game, first asks (confirmarSustituir).
    void jugar();
    void acercaDe();
    void guardarPartida();
    void cargarPartida();
    // The save itself, once the player said yes.
    void sustituirPartida();

    // The player's messages as the program shows them: each aviso in a modal
    // box, the question before replacing a saved game with "Sí" and "No".
    void hablarConElJugador();

signals:
    // A message for the player with one OK button, titled "Aviso" or "Error".
    void aviso(const QString &titulo, const QString &texto);
    // The program ends at once: nothing saved, no window asked.
    void terminar();
    // Whether to replace the saved game with the fresh start: "Sí" calls
    // sustituirPartida, "No" leaves everything as it is.
    void confirmarSustituir(const QString &titulo, const QString &texto);

protected:
    // Closing any window of the game ends the program.
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void conectarJuego();
    void vigilar(QWidget *ventana);
    void prepararSiguiente();

    bool jugada_ = false; // the adventure screen was shown for play in this run
    QString carpeta_;
    Juego juego_;
    GuardarCargar partida_;
    std::unique_ptr<Presentacion> presentacion_;
    std::unique_ptr<Acerca> acerca_;
    std::unique_ptr<Empieza> empieza_;
    std::unique_ptr<Conversacion> charrar1_;
    std::unique_ptr<Conversacion> camarero_;
    std::unique_ptr<Final> final_;
    // After the title window's first frame, the other windows are made and
    // their pictures drawn ahead, one step each time nothing else waits, so
    // neither the first frame nor a click waits for them. Again after any
    // shown window changes size (a new zoom).
    QTimer adelanto_;
    bool primerCuadro_ = false;
};

} // namespace zw

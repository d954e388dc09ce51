// Saving and loading as the player asks for them, from the title window's menu or the terminal.
#pragma once

#include <QString>
#include <functional>

namespace zw {

class Juego;

// The one saved game as the player meets it: where it is kept, the question
// before a fresh start replaces it, all-or-nothing loads, and what the player
// is told, in the same words whichever face of the game asks.
class GuardarCargar
{
public:
    // `rutaPartida`: the saved game's file. Kept anywhere but beside the
    // pictures of `carpetaGraficos`, its folder is the player's own, made by
    // the first save; the pictures' folder is never made by the game.
    GuardarCargar(Juego &juego, const QString &carpetaGraficos, const QString &rutaPartida);

    // What the player reads: a one-word title, "Aviso" or "Error", and the
    // text; a failure's second line names the file and what stood in the way.
    struct Aviso {
        bool bien;
        QString titulo;
        QString texto;
    };

    // A game was started in this run: saving no longer asks.
    void jugada() { jugadaOCargada_ = true; }
    // Saving now would replace a saved game with a fresh start no one played
    // or loaded in this run: a player who meant to load would lose it without
    // a word, so he is asked first.
    bool preguntar() const;
    static QString pregunta();

    Aviso guardar();

    // Whether the loaded scene's picture can be shown: true, or false with the
    // file and why not.
    using Comprobacion = std::function<bool(int escena, QString &fichero, QString &porque)>;
    // The whole file is read, and the scene's picture checked, before anything
    // of the game in progress changes. Loaded, `bien` and nothing to say.
    Aviso cargar(const Comprobacion &dibujoLegible = {});

    const QString &ruta() const { return partida_; }

private:
    static Aviso fallo(const QString &primera, const QString &fichero, const QString &porque);

    Juego &juego_;
    QString partida_;
    bool aparte_;
    bool jugadaOCargada_ = false;
};

} // namespace zw

// The game in a terminal: the scene told, typed lines turned into the windows' clicks, the replies written.
#pragma once

#include "carpetas.h"
#include "guardar_cargar.h"
#include "charlas.h"
#include "frases.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace zw {
class Juego;
}

namespace zw::texto {

class Consola;

// The very game the windows play, told in lines. A typed line becomes the
// verb click and the picks the windows would make (inventory entries by their
// index, hotspots at their click point), so the action line, places that close
// it, refusals and every answer are the interpreter's own. The conversations
// and the ending are read from the windows' own tables and forms.
class AventuraTexto : public QObject
{
public:
    AventuraTexto(Juego &juego, Consola &consola, const carpetas::Carpetas &carpetas);
    ~AventuraTexto() override;

    // The story, then one typed line after another until the ending, "salir"
    // or the end of the input. The program's exit code.
    int jugar();

    // One typed line.
    void atender(const QString &linea);
    bool terminada() const { return terminada_; }

private:
    struct Charla {
        std::span<const Pregunta> preguntas;
        const char *formulario = nullptr;
        const char *ventana = nullptr;
    };

    void escribir(const QString &linea, bool resaltada = false);
    void presentar();
    void describir();
    void inventario();
    void ayuda();
    void guardar();
    void cargar();
    void hacer(Frase frase);
    bool sinDudas(const Frase &frase);
    bool aclarar(const QStringList &dichas);
    void actuar(std::optional<Verbo> verbo, const std::vector<Cosa> &cosas);
    void elegir(const Cosa &cosa);
    void empezarCharla(const Charla &charla);
    void listarPreguntas();
    void atenderCharla(const QString &linea);
    void preguntar(std::size_t i);
    void acabar();

    Juego &juego_;
    Consola &consola_;
    GuardarCargar partida_;
    bool terminada_ = false;

    // What the line being answered did, told once the interpreter is done.
    bool ejecutada_ = false;
    bool otraEscena_ = false;
    bool ganada_ = false;
    std::optional<Charla> charlaPedida_;

    std::optional<Charla> charla_;    // the conversation under way
    QSet<QString> cartasVistas_;      // conversations whose cards were told
    std::optional<Frase> pendiente_;  // a line waiting for "which one?"
    std::size_t dudoso_ = 0;          // ... in this thing of it
};

} // namespace zw::texto

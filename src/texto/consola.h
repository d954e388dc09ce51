// Where the game in a terminal reads its lines and writes its own: line editing on a terminal, plain lines elsewhere.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

namespace zw::texto {

// What Tab does to the line: take back the last `borrar` characters before
// the cursor and put `poner` there; with several names left, `opciones` lists
// them.
struct Completado {
    qsizetype borrar = 0;
    QString poner;
    QStringList opciones;
};

class Consola
{
public:
    virtual ~Consola() = default;

    // One typed line without its line end; nothing once the input has ended.
    // The prompt is shown only on a terminal.
    virtual std::optional<QString> leer(const QString &indicador) = 0;
    // One line of the game's. `resaltada` may make it bold on a terminal, and
    // says nothing that the words do not.
    virtual void escribir(const QString &linea, bool resaltada = false) = 0;

    // Asked at each Tab, with the line up to the cursor.
    std::function<Completado(const QString &antes)> completar;
};

// Plain lines over two devices, in UTF-8: what a script, a pipe or a test
// talks to. No prompt, no colour.
class ConsolaSimple : public Consola
{
public:
    ConsolaSimple(QIODevice &entrada, QIODevice &salida) : entrada_(entrada), salida_(salida) {}

    std::optional<QString> leer(const QString &indicador) override;
    void escribir(const QString &linea, bool resaltada = false) override;

private:
    QIODevice &entrada_;
    QIODevice &salida_;
};

// The standard input and output: with libedit's line editing, history and Tab
// when both are a terminal, plain lines otherwise.
std::unique_ptr<Consola> consolaEstandar(const char *programa);

} // namespace zw::texto

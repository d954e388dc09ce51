// Where the game in a terminal reads its lines and writes its own: line editing on a terminal, plain lines elsewhere.
#include "consola.h"


#include <QFile>
#include <QIODevice>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <histedit.h>
#include <langinfo.h>
#include <string>
#include <unistd.h>

namespace zw::texto {

std::optional<QString> ConsolaSimple::leer(const QString &)
{
    QByteArray linea = entrada_.readLine();
    if (linea.isEmpty())
        return std::nullopt;
    while (linea.endsWith('\n') || linea.endsWith('\r'))
        linea.chop(1);
    return QString::fromUtf8(linea);
}

void ConsolaSimple::escribir(const QString &linea, bool)
{
    salida_.write(linea.toUtf8() + '\n');
    // A script reading the replies sees each one as soon as it is written.
    if (auto *fichero = qobject_cast<QFile *>(&salida_))
        fichero->flush();
}

namespace {

// The standard streams as devices: plain lines.
struct Estandar {
    QFile entrada;
    QFile salida;
    Estandar()
    {
        entrada.open(stdin, QIODevice::ReadOnly);
        salida.open(stdout, QIODevice::WriteOnly);
    }
};

class ConsolaEstandarSimple : private Estandar, public ConsolaSimple
{
public:
    ConsolaEstandarSimple() : ConsolaSimple(entrada, salida) {}
};

// libedit on a terminal.
class ConsolaTerminal : public Consola
{
public:
    explicit ConsolaTerminal(const char *programa)
    {
        // libedit reads letters beyond ASCII only in a UTF-8 locale; the game
        // writes UTF-8 whatever the locale says.
        if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
            std::setlocale(LC_CTYPE, "C.UTF-8");
        const char *noColor = std::getenv("NO_COLOR");
        const char *term = std::getenv("TERM");
        negrita_ = !(noColor && *noColor) && !(term && std::strcmp(term, "dumb") == 0);

        historia_ = history_init();
        HistEvent ev;
        history(historia_, &ev, H_SETSIZE, 500);
        history(historia_, &ev, H_SETUNIQUE, 1);

        el_ = el_init(programa, stdin, stdout, stderr);
        el_set(el_, EL_CLIENTDATA, this);
        el_set(el_, EL_EDITOR, "emacs");
        el_set(el_, EL_SIGNAL, 1);
        el_set(el_, EL_PROMPT, &ConsolaTerminal::indicador);
        el_set(el_, EL_HIST, history, historia_);
        el_set(el_, EL_ADDFN, "zw-completar", "Completa nombres y órdenes", &ConsolaTerminal::tabulador);
        el_set(el_, EL_BIND, "^I", "zw-completar", nullptr);
        // The player's own ~/.editrc, as every libedit program reads it.
        el_source(el_, nullptr);
    }

    ~ConsolaTerminal() override
    {
        el_end(el_);
        history_end(historia_);
    }

    std::optional<QString> leer(const QString &indicador) override
    {
        indicador_ = indicador.toUtf8();
        int cuantos = 0;
        const char *linea = el_gets(el_, &cuantos);
        if (!linea || cuantos <= 0) {
            // Control-D leaves the cursor after the prompt.
            std::fputc('\n', stdout);
            return std::nullopt;
        }
        QString texto = QString::fromUtf8(linea);
        while (texto.endsWith(QLatin1Char('\n')) || texto.endsWith(QLatin1Char('\r')))
            texto.chop(1);
        if (!texto.trimmed().isEmpty()) {
            HistEvent ev;
            history(historia_, &ev, H_ENTER, texto.toUtf8().constData());
        }
        return texto;
    }

    void escribir(const QString &linea, bool resaltada) override
    {
        const QByteArray bytes = linea.toUtf8();
        if (resaltada && negrita_)
            std::fprintf(stdout, "\033[1m%s\033[0m\n", bytes.constData());
        else
            std::fprintf(stdout, "%s\n", bytes.constData());
        std::fflush(stdout);
    }

private:
    static ConsolaTerminal *de(EditLine *el)
    {
        void *datos = nullptr;
        el_get(el, EL_CLIENTDATA, &datos);
        return static_cast<ConsolaTerminal *>(datos);
    }

    static char *indicador(EditLine *el) { return de(el)->indicador_.data(); }

    static unsigned char tabulador(EditLine *el, int)
    {
        ConsolaTerminal *yo = de(el);
        const LineInfoW *linea = el_wline(el);
        const QString antes = QString::fromWCharArray(linea->buffer, linea->cursor - linea->buffer);
        const Completado c = yo->completar ? yo->completar(antes) : Completado{};
        if (c.borrar > 0)
            el_wdeletestr(el, int(c.borrar));
        if (!c.poner.isEmpty())
            el_winsertstr(el, c.poner.toStdWString().c_str());
        if (c.opciones.isEmpty())
            return c.poner.isEmpty() ? CC_ERROR : CC_REFRESH;
        std::fprintf(stdout, "\n%s\n", c.opciones.join(QStringLiteral(", ")).toUtf8().constData());
        return CC_REDISPLAY;
    }

    EditLine *el_ = nullptr;
    History *historia_ = nullptr;
    QByteArray indicador_;
    bool negrita_ = false;
};

} // namespace

std::unique_ptr<Consola> consolaEstandar(const char *programa)
{
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))
        return std::make_unique<ConsolaTerminal>(programa);
    return std::make_unique<ConsolaEstandarSimple>();
}

} // namespace zw::texto

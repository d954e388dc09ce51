// Feeds arbitrary bytes to the saved-game reader. Besides not crashing, it must
// keep its promises: the six words change only on success, every item keeps its
// bytes, whatever it read writes out and reads back the same, and reading from a
// file in dribs and drabs, under a size limit, reads what memory reads.
#include "partida.h"

#include <QIODevice>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace zw::partida;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZW_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZW_ASAN)
// AddressSanitizer holds freed memory back to catch late uses: 256 MB of it by
// default. Memory once freed into one size class serves no other, so as the
// inputs' sizes drift over millions of runs the hold-back fills ever new
// classes and a long run grows without end (half a gigabyte in ten minutes,
// with 24 MB live). An input frees far less than 4 MB, so a use after free
// within one input is still caught.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=4";
}
#endif

namespace {

void exigir(bool condicion)
{
    if (!condicion)
        std::abort();
}

// A file that hands over at most `gota` bytes per read, as a pipe or a slow disk may.
class Goteo : public QIODevice
{
public:
    Goteo(QByteArrayView datos, qint64 gota) : datos_(datos), gota_(gota)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *destino, qint64 maximo) override
    {
        const qint64 n = std::min({maximo, gota_, qint64(datos_.size()) - dado_});
        if (n > 0)
            std::memcpy(destino, datos_.data() + dado_, std::size_t(n));
        dado_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArrayView datos_;
    qint64 gota_;
    qint64 dado_ = 0;
};

struct Lectura {
    Resultado resultado;
    QStringList objetos;
    Palabras palabras = {-7, -7, -7, -7, -7, -7};
};

Lectura leerDe(Lector &lector)
{
    Lectura l;
    l.resultado = leer(lector, [&l](const QString &o) { l.objetos.append(o); }, l.palabras);
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tamano)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    const Palabras intactas = {-7, -7, -7, -7, -7, -7};

    Lector enMemoria(bytes);
    const Lectura leida = leerDe(enMemoria);
    const bool ok = bool(leida.resultado);
    if (!ok)
        exigir(leida.palabras == intactas);

    bool conComillas = false;
    for (const QString &o : leida.objetos) {
        exigir(deWindows1252(aWindows1252(o)) == o);
        conComillas = conComillas || o.contains(QLatin1Char('"'));
    }

    // With room for every byte, a file reads exactly like memory. With less, it
    // reads the same as far as it gets, and stops as too large or where memory stopped.
    const qint64 gota = 1 + qint64(tamano % 5);
    for (const qint64 maximo : {qint64(tamano), qint64(tamano / 2)}) {
        Goteo fuente(bytes, gota);
        Lector enFichero(fuente, maximo);
        const Lectura otra = leerDe(enFichero);
        exigir(otra.objetos == leida.objetos.mid(0, otra.objetos.size()));
        if (otra.resultado.motivo == Motivo::DemasiadoGrande) {
            exigir(maximo < qint64(tamano));
            exigir(otra.palabras == intactas);
        } else {
            exigir(otra.resultado.motivo == leida.resultado.motivo);
            exigir(otra.resultado.linea == leida.resultado.linea);
            exigir(otra.objetos == leida.objetos);
            exigir(otra.palabras == leida.palabras);
        }
    }

    // An item with a quote inside cannot be written back: the file has no escapes.
    if (ok && !conComillas) {
        zw::Estado e;
        ponerPalabras(e, leida.palabras);
        const QByteArray copia = escribir(leida.objetos, e);
        Palabras otras{};
        QStringList otros;
        exigir(bool(leer(copia, [&otros](const QString &o) { otros.append(o); }, otras)));
        exigir(otros == leida.objetos);
        exigir(otras == leida.palabras);
    }
    return 0;
}

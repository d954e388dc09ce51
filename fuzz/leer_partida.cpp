// Feeds arbitrary bytes to the saved-game reader. Besides not crashing, it must
// keep its promises: the six words change only on success, every item keeps its
// bytes, and whatever it read writes out and reads back the same.
#include "partida.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zw::partida;

namespace {

void exigir(bool condicion)
{
    if (!condicion)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tamano)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(datos), qsizetype(tamano));

    const Palabras intactas = {-7, -7, -7, -7, -7, -7};
    Palabras palabras = intactas;
    QStringList objetos;
    const bool ok = leer(bytes, [&objetos](const QString &o) { objetos.append(o); }, palabras);
    if (!ok)
        exigir(palabras == intactas);

    bool conComillas = false;
    for (const QString &o : std::as_const(objetos)) {
        exigir(deWindows1252(aWindows1252(o)) == o);
        conComillas = conComillas || o.contains(QLatin1Char('"'));
    }

    // An item with a quote inside cannot be written back: the file has no escapes.
    if (ok && !conComillas) {
        zw::Estado e;
        ponerPalabras(e, palabras);
        const QByteArray copia = escribir(objetos, e);
        Palabras otras{};
        QStringList otros;
        exigir(leer(copia, [&otros](const QString &o) { otros.append(o); }, otras));
        exigir(otros == objetos);
        exigir(otras == palabras);
    }
    return 0;
}

// The catalogue of built-in drawings and icons, and the check that a scene file is still the build's own.
#include "arte.h"

#include "escenas.h"
#include "ficheros.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <optional>
#include <array>

namespace zw {

namespace {

// clang-format off
const std::array tabla = {
    //                  path                          width height
    ImagenIncorporada{":/dibujos/cavernicola.svg",   103,  161},
    ImagenIncorporada{":/dibujos/jugador.svg",       179,  225},
    ImagenIncorporada{":/dibujos/bicho.svg",         108,  198},
    ImagenIncorporada{":/dibujos/camarero.svg",       94,   64},
    ImagenIncorporada{":/dibujos/logo.svg",          308,  231},
    ImagenIncorporada{":/dibujos/escena1.svg",       372,  303},
};

const std::array tablaIconos = {
    ImagenIncorporada{":/iconos/16.png",   16,  16},
    ImagenIncorporada{":/iconos/22.png",   22,  22},
    ImagenIncorporada{":/iconos/24.png",   24,  24},
    ImagenIncorporada{":/iconos/32.png",   32,  32},
    ImagenIncorporada{":/iconos/48.png",   48,  48},
    ImagenIncorporada{":/iconos/64.png",   64,  64},
    ImagenIncorporada{":/iconos/128.png", 128, 128},
    ImagenIncorporada{":/iconos/256.png", 256, 256},
};
// clang-format on

} // namespace

std::span<const ImagenIncorporada> imagenesIncorporadas()
{
    return tabla;
}

std::span<const ImagenIncorporada> iconos()
{
    return tablaIconos;
}

extern const char *const huellasEscenas[ultimaEscena][3];

namespace {

// The scene and density a picture file's name says ("4@2x.JPG": 4, 2), or
// nothing for any other name.
std::optional<std::pair<int, int>> escenaYDensidad(const QString &fichero)
{
    static const QRegularExpression nombre(QStringLiteral("^([0-9]+)(?:@([23])x)?\\.jpg$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = nombre.match(QFileInfo(fichero).fileName());
    if (!m.hasMatch() || !esEscena(m.captured(1).toInt()))
        return std::nullopt;
    return std::pair{m.captured(1).toInt(), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()};
}

} // namespace

bool esDeLaConstruccion(const QString &fichero)
{
    const auto cual = escenaYDensidad(fichero);
    if (!cual)
        return false;
    // Opened without waiting, as a regular file only; a scene picture of ours
    // is a few hundred KB, so never more than a few MB are read.
    QFile f;
    if (!ficheros::abrirFicheroNormal(fichero, f) || f.size() > 8 * 1024 * 1024)
        return false;
    // Every change of scene and every drawing ahead asks again: the answer is
    // kept for as long as the file keeps its size and time.
    const QString sello =
        QStringLiteral("%1|%2").arg(f.size()).arg(QFileInfo(fichero).lastModified().toMSecsSinceEpoch());
    static QMutex cerrojo;
    static QHash<QString, std::pair<QString, bool>> vistos;
    const QMutexLocker bloqueo(&cerrojo);
    if (const auto visto = vistos.constFind(fichero); visto != vistos.cend() && visto->first == sello)
        return visto->second;
    QCryptographicHash huella(QCryptographicHash::Sha256);
    huella.addData(&f);
    const bool propio = huella.result().toHex() == QByteArrayView(huellasEscenas[cual->first - 1][cual->second - 1]);
    vistos.insert(fichero, {sello, propio});
    return propio;
}

QString dibujoDeEscena(const QString &fichero)
{
    const auto cual = escenaYDensidad(fichero);
    if (!cual || cual->second != 1 || !esDeLaConstruccion(fichero))
        return {};
    return QStringLiteral(":/dibujos/escena%1.svg").arg(cual->first);
}

} // namespace zw

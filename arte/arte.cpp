// The catalogue of built-in drawings and icons, and the check that a scene file is still the build's own.
#include "arte.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
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

extern const char *const huellasEscenas[7];

QString dibujoDeEscena(const QString &fichero)
{
    const QFileInfo info(fichero);
    bool numero = false;
    const int n = info.completeBaseName().toInt(&numero);
    if (!numero || n < 1 || n > 7 || info.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) != 0)
        return {};
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash huella(QCryptographicHash::Sha256);
    huella.addData(&f);
    if (huella.result().toHex() != QByteArrayView(huellasEscenas[n - 1]))
        return {};
    return QStringLiteral(":/dibujos/escena%1.svg").arg(n);
}

} // namespace zw

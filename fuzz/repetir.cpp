// Without libFuzzer: runs every seed and every kept crash through the fuzz
// target once, so the regressions are checked by every compiler's build.
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tamano);

int main(int argc, char **argv)
{
    int probados = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir carpeta(QString::fromLocal8Bit(argv[i]));
        if (!carpeta.exists()) {
            std::fprintf(stderr, "falta la carpeta %s\n", argv[i]);
            return 1;
        }
        const QStringList nombres = carpeta.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString &nombre : nombres) {
            QFile f(carpeta.filePath(nombre));
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "no se puede leer %s\n", qPrintable(f.fileName()));
                return 1;
            }
            const QByteArray datos = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(datos.constData()),
                                   std::size_t(datos.size()));
            ++probados;
        }
    }
    std::printf("%d entradas sin fallos\n", probados);
    return probados > 0 ? 0 : 1;
}

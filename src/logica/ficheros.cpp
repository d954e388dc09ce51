// Files of the player's opened, checked and written without harm: the saved game, the settings, the pictures.
#include "ficheros.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zw::ficheros {

namespace {

Q_LOGGING_CATEGORY(registro, "zarrapio.ficheros", QtInfoMsg)

// A folder that is not there: missing, or a file in its place or in the place
// of one above it (~/.local/share made a file), which no mkdir will mend.
Motivo carpetaQueFalta(const QString &carpeta)
{
    QFileInfo info(carpeta);
    while (!info.exists() && !info.isRoot()) {
        const QString arriba = info.absolutePath();
        if (arriba == info.absoluteFilePath())
            break;
        info.setFile(arriba);
    }
    return info.exists() && !info.isDir() ? Motivo::NoEsCarpeta : Motivo::SinCarpeta;
}

} // namespace

QString buscar(const QString &carpeta, const QString &nombre)
{
    if (nombre.isEmpty() || nombre.contains(QLatin1Char('/')) || nombre.contains(QLatin1Char('\\')))
        return {};
    const QDir dir(carpeta);
    const QString exacto = dir.filePath(nombre);
    if (QFileInfo::exists(exacto))
        return exacto;
    const QFileInfoList todos = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &f : todos)
        if (f.exists() && f.fileName().compare(nombre, Qt::CaseInsensitive) == 0)
            return f.filePath();
    return {};
}

bool esTemporal(const QString &nombre, const QString &fichero)
{
    const QString prefijo = QLatin1Char('.') + fichero + QLatin1String(marcaTemporal);
    if (nombre.size() != prefijo.size() + 6 || !nombre.startsWith(prefijo))
        return false;
    for (qsizetype i = prefijo.size(); i < nombre.size(); ++i)
        if (!nombre.at(i).isLetterOrNumber() || nombre.at(i).unicode() > 0x7F)
            return false;
    return true;
}

#ifdef Q_OS_UNIX

namespace {

// A descriptor closed when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int soltar() { return std::exchange(fd, -1); }
};

QString porQueDeOtros(const struct stat &st, const QString &que)
{
    if (st.st_uid != ::geteuid() && st.st_uid != 0)
        return QStringLiteral("%1 es de otro usuario").arg(que);
    if (st.st_mode & S_IWOTH)
        return QStringLiteral("cualquier usuario puede cambiar %1").arg(que);
    return {};
}

Resultado delSistema(Motivo m, int error)
{
    return {m, 0, qt_error_string(error)};
}

// Why an open for reading failed: a socket or a device refuses to open at all,
// and is no file either.
Resultado fallaApertura(int carpeta, const char *nombre, int error)
{
    struct stat st {};
    if (error != ENOENT && ::fstatat(carpeta, nombre, &st, 0) == 0 && !S_ISREG(st.st_mode))
        return {Motivo::NoEsFichero};
    if (error == ENOENT)
        return {Motivo::NoHayFichero};
    return delSistema(Motivo::Ilegible, error);
}

// What the system said when a write failed, in the game's terms.
Resultado fallaEscritura(int error)
{
    switch (error) {
    case ENOENT: return delSistema(Motivo::SinCarpeta, error);
    case ENOTDIR: return delSistema(Motivo::NoEsCarpeta, error);
    case EACCES:
    case EPERM:
    case EROFS: return delSistema(Motivo::SinPermiso, error);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return delSistema(Motivo::DiscoLleno, error);
    default: return delSistema(Motivo::NoSePuedeEscribir, error);
    }
}

// The folder of `ruta`, opened and checked as the start checks graficos/.
Resultado abrirCarpeta(const QString &ruta, bool paraEscribir, Descriptor &carpeta)
{
    const QString dir = QFileInfo(ruta).absolutePath();
    carpeta.fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (carpeta.fd < 0) {
        const int error = errno;
        if (!paraEscribir)
            return error == ENOENT || error == ENOTDIR ? Resultado{Motivo::NoHayFichero} : delSistema(Motivo::Ilegible, error);
        if (error == ENOENT || error == ENOTDIR)
            return {carpetaQueFalta(dir)};
        return fallaEscritura(error);
    }
    struct stat st {};
    if (::fstat(carpeta.fd, &st) != 0)
        return delSistema(Motivo::Ilegible, errno);
    if (const QString porque = porQueDeOtros(st, QStringLiteral("la carpeta")); !porque.isEmpty())
        return {Motivo::DeOtros, 0, porque};
    return {};
}

// The file as the start looks at it (links followed): a regular file of the
// player's or root's that others may not write, or nothing.
Resultado mirarFichero(int carpeta, const QByteArray &nombre, struct stat &st, bool &existe)
{
    existe = ::fstatat(carpeta, nombre.constData(), &st, 0) == 0;
    if (!existe) {
        const int error = errno;
        struct stat enlace {};
        if (error == ENOENT && ::fstatat(carpeta, nombre.constData(), &enlace, AT_SYMLINK_NOFOLLOW) == 0)
            return {Motivo::DeOtros, 0, QStringLiteral("su partida es un enlace a nada")};
        return error == ENOENT ? Resultado{} : delSistema(Motivo::Ilegible, error);
    }
    if (!S_ISREG(st.st_mode))
        return {Motivo::NoEsFichero};
    if (const QString porque = porQueDeOtros(st, QStringLiteral("su partida")); !porque.isEmpty())
        return {Motivo::DeOtros, 0, porque};
    return {};
}

// What an interrupted write left under the game's own hidden names: regular
// files of this user's, never followed through a link.
void quitarTemporales(int carpeta, const QString &fichero, const QString &dir)
{
    const int copia = ::dup(carpeta);
    if (copia < 0)
        return;
    DIR *lista = ::fdopendir(copia);
    if (!lista) {
        ::close(copia);
        return;
    }
    while (const dirent *e = ::readdir(lista)) {
        const QString nombre = QFile::decodeName(e->d_name);
        if (!esTemporal(nombre, fichero))
            continue;
        struct stat st {};
        if (::fstatat(carpeta, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::geteuid() || ::unlinkat(carpeta, e->d_name, 0) != 0)
            continue;
        qCInfo(registro).noquote() << "Quitado" << QDir(dir).filePath(nombre) << "- lo dejó un guardado interrumpido.";
    }
    ::closedir(lista);
}

bool escribirTodo(int fd, const QByteArray &bytes)
{
    qsizetype hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + hecho, size_t(bytes.size() - hecho));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        hecho += n;
    }
    return true;
}

} // namespace

Resultado abrirFicheroNormal(const QString &ruta, QFile &fichero)
{
    const QByteArray nativa = QFile::encodeName(ruta);
    const int fd = ::open(nativa.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fallaApertura(AT_FDCWD, nativa.constData(), errno);
    Descriptor abierto(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {Motivo::NoEsFichero};
    if (!fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {Motivo::Ilegible, 0, fichero.errorString()};
    abierto.soltar();
    return {};
}

QString deOtros(const QString &ruta, const QString &que)
{
    struct stat st {};
    if (::stat(QFile::encodeName(ruta).constData(), &st) != 0)
        return errno == ENOENT ? QStringLiteral("%1 es un enlace a nada").arg(que)
                               : QStringLiteral("no se puede mirar %1").arg(que);
    return porQueDeOtros(st, que);
}

Resultado leerEnCarpeta(const QString &ruta, QFile &fichero)
{
    Descriptor carpeta(-1);
    if (Resultado r = abrirCarpeta(ruta, false, carpeta); !r)
        return r;
    const QByteArray nombre = QFile::encodeName(QFileInfo(ruta).fileName());
    const int fd = ::openat(carpeta.fd, nombre.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fallaApertura(carpeta.fd, nombre.constData(), errno);
    Descriptor abierto(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {Motivo::NoEsFichero};
    if (const QString porque = porQueDeOtros(st, QStringLiteral("su partida")); !porque.isEmpty())
        return {Motivo::DeOtros, 0, porque};
    if (!fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {Motivo::Ilegible, 0, fichero.errorString()};
    abierto.soltar();
    return {};
}

Resultado escribirEnCarpeta(const QString &ruta, const QByteArray &bytes)
{
    // Past a file-size limit the system sends a signal that ends the program;
    // ignored, the write fails with EFBIG and the game goes on.
    std::signal(SIGXFSZ, SIG_IGN);

    Descriptor carpeta(-1);
    if (Resultado r = abrirCarpeta(ruta, true, carpeta); !r)
        return r;
    const QString fichero = QFileInfo(ruta).fileName();
    const QByteArray nombre = QFile::encodeName(fichero);
    struct stat antes {};
    bool existe = false;
    if (Resultado r = mirarFichero(carpeta.fd, nombre, antes, existe); !r)
        return r;
    quitarTemporales(carpeta.fd, fichero, QFileInfo(ruta).absolutePath());

    // A hidden name with the game's mark, made new: never a name of the player's.
    static constexpr char letras[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporal;
    int fd = -1;
    for (int intento = 0; fd < 0 && intento < 100; ++intento) {
        temporal = '.' + nombre + marcaTemporal;
        for (int i = 0; i < 6; ++i)
            temporal += letras[QRandomGenerator::global()->bounded(int(sizeof letras - 1))];
        fd = ::openat(carpeta.fd, temporal.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fallaEscritura(errno);
    }
    if (fd < 0)
        return fallaEscritura(EEXIST);
    Descriptor nuevo(fd);
    // The replaced file's permissions carry over, as a save in place would keep them.
    bool bien = (!existe || ::fchmod(fd, antes.st_mode & 07777) == 0) && escribirTodo(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (bien) {
        bien = ::close(nuevo.soltar()) == 0 && ::renameat(carpeta.fd, temporal.constData(), carpeta.fd, nombre.constData()) == 0;
        error = errno;
    }
    if (!bien) {
        ::unlinkat(carpeta.fd, temporal.constData(), 0);
        return fallaEscritura(error);
    }
    ::fsync(carpeta.fd); // the rename itself, on disk
    return {};
}

#else

// Elsewhere no owner or FIFO can get in the way: the files are used by name.
Resultado abrirFicheroNormal(const QString &ruta, QFile &fichero)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        return {Motivo::NoHayFichero};
    if (!info.isFile())
        return {Motivo::NoEsFichero};
    fichero.setFileName(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return {Motivo::Ilegible, 0, fichero.errorString()};
    return {};
}

QString deOtros(const QString &, const QString &)
{
    return {};
}

Resultado leerEnCarpeta(const QString &ruta, QFile &fichero)
{
    return abrirFicheroNormal(ruta, fichero);
}

Resultado escribirEnCarpeta(const QString &ruta, const QByteArray &bytes)
{
    const QFileInfo destino(ruta);
    if (destino.exists() && !destino.isFile())
        return {Motivo::NoEsFichero};
    if (!QFileInfo(destino.absolutePath()).isDir())
        return {carpetaQueFalta(destino.absolutePath())};
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly) || fichero.write(bytes) != bytes.size() || !fichero.commit())
        return {Motivo::NoSePuedeEscribir, 0, fichero.errorString()};
    return {};
}

#endif

} // namespace zw::ficheros

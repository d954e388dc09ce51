// The saved game: its file format, its reader and writer, loading and saving.
#include "partida.h"

#include "juego.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <limits>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zw::partida {

Q_LOGGING_CATEGORY(registro, "zarrapio.partida", QtInfoMsg)

namespace {

// Windows-1252 from 80 to 9F; the five holes keep their own code point.
constexpr char16_t tabla80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (tabla80[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

bool esBlanco(char c) { return c == ' ' || c == '\t'; }
// A line end is CR LF, a lone LF or a lone CR: files edited on other systems read too.
bool esFinDeLinea(char c) { return c == '\r' || c == '\n'; }
bool esSeparador(char c) { return c == ',' || esFinDeLinea(c); }

bool aNumero(QByteArrayView texto, qint16 &valor)
{
    while (!texto.isEmpty() && esBlanco(texto.back()))
        texto.chop(1);
    bool negativo = false;
    if (!texto.isEmpty() && (texto.front() == '-' || texto.front() == '+')) {
        negativo = texto.front() == '-';
        texto = texto.sliced(1);
    }
    if (texto.isEmpty())
        return false;
    // Stops as soon as the value leaves 16 bits, so a long row of digits costs nothing.
    const qint32 limite = negativo ? 32768 : 32767;
    qint32 n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
        if (n > limite)
            return false;
    }
    valor = qint16(negativo ? -n : n);
    return true;
}

} // namespace

Palabras palabrasDe(const Estado &e)
{
    return e.palabras;
}

void ponerPalabras(Estado &e, const Palabras &p)
{
    e.palabras = p;
}

QByteArray aWindows1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            // One character beyond the code page, one '?'.
            ++i;
            bytes.append('?');
        } else {
            bytes.append(byteDe(c.unicode()));
        }
    }
    return bytes;
}

QString deWindows1252(QByteArrayView bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar *d = texto.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(tabla80[b - 0x80]) : QChar(char16_t(b));
    }
    return texto;
}

QByteArray escribir(const QStringList &objetos, const Estado &e)
{
    static constexpr char finDeLinea[] = "\r\n";
    QByteArray bytes;
    bytes += QByteArray::number(objetos.size()) + finDeLinea;
    for (const QString &o : objetos)
        bytes += '"' + aWindows1252(o) + '"' + finDeLinea;
    const Palabras p = palabrasDe(e);
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i > 0)
            bytes += ',';
        bytes += QByteArray::number(p[i]);
    }
    bytes += finDeLinea;
    return bytes;
}

bool Lector::campo(QByteArrayView &texto)
{
    while (hay(pos_) && esBlanco(datos_[pos_]))
        ++pos_;
    inicioCampo_ = pos_;
    if (!hay(pos_))
        return false;

    // Offsets, not views: fetching more of the file may move the bytes.
    qsizetype inicio = pos_;
    qsizetype fin = pos_;
    if (datos_[pos_] == '"') {
        fin = ++inicio;
        while (hay(fin) && datos_[fin] != '"')
            ++fin;
        // The file ended inside the quotes: the field never finished.
        if (!hay(fin))
            return false;
        pos_ = fin + 1;
        // Whatever stands between the closing quote and the separator is dropped.
        while (hay(pos_) && !esSeparador(datos_[pos_]))
            ++pos_;
    } else {
        while (hay(pos_) && !esSeparador(datos_[pos_]))
            ++pos_;
        fin = pos_;
    }
    // A field cut by the limit or a read error has not ended: taking it would
    // read a different number.
    if (sobrepasada_ || errorLectura_)
        return false;

    if (hay(pos_)) {
        const char c = datos_[pos_++];
        if (c == '\r' && hay(pos_) && datos_[pos_] == '\n')
            ++pos_;
    }
    texto = datos_.sliced(inicio, fin - inicio);
    return true;
}

bool Lector::traer(qsizetype i)
{
    while (i >= datos_.size()) {
        if (!fuente_ || agotada_)
            return false;
        // One byte past the limit tells a file that goes on from one that just ends there.
        constexpr qint64 trozo = 64 * 1024;
        const qsizetype antes = traidos_.size();
        traidos_.resize(antes + qsizetype(qMin(trozo, maximo_ + 1 - antes)));
        const qint64 leidos = fuente_->read(traidos_.data() + antes, traidos_.size() - antes);
        traidos_.resize(antes + qMax<qint64>(leidos, 0));
        if (leidos < 0) {
            errorLectura_ = true;
            errorFuente_ = fuente_->errorString();
        }
        if (leidos <= 0)
            agotada_ = true;
        if (traidos_.size() > maximo_) {
            sobrepasada_ = agotada_ = true;
            traidos_.truncate(qsizetype(maximo_));
        }
        datos_ = traidos_;
    }
    return true;
}

Resultado Lector::fallo() const
{
    if (errorLectura_)
        return {Motivo::Ilegible, 0, errorFuente_};
    if (sobrepasada_)
        return {Motivo::DemasiadoGrande};
    // A line end is CR LF, a lone LF or a lone CR, as for the fields.
    qsizetype linea = 1;
    for (qsizetype i = 0; i < inicioCampo_ && i < datos_.size(); ++i) {
        if (datos_[i] == '\r' || (datos_[i] == '\n' && (i == 0 || datos_[i - 1] != '\r')))
            ++linea;
    }
    return {Motivo::MalFormado, linea};
}

bool Lector::leerCadena(QString &valor)
{
    QByteArrayView texto;
    if (!campo(texto))
        return false;
    valor = deWindows1252(texto);
    return true;
}

bool Lector::leerNumero(qint16 &valor)
{
    QByteArrayView texto;
    return campo(texto) && aNumero(texto, valor);
}

Resultado leer(Lector &lector, const std::function<void(const QString &)> &objetoLeido,
               Palabras &palabras)
{
    qint16 cuenta = 0;
    if (!lector.leerNumero(cuenta))
        return lector.fallo();
    // The count is at most 32767 and each item is taken from the data as it is
    // read, so a count larger than the file reserves nothing: it just runs out.
    for (qint16 i = 0; i < cuenta; ++i) {
        QString objeto;
        if (!lector.leerCadena(objeto))
            return lector.fallo();
        objetoLeido(objeto);
    }
    Palabras leidas{};
    for (qint16 &p : leidas) {
        if (!lector.leerNumero(p))
            return lector.fallo();
    }
    palabras = leidas;
    return {};
}

Resultado leer(QByteArrayView datos, const std::function<void(const QString &)> &objetoLeido,
               Palabras &palabras)
{
    Lector lector(datos);
    return leer(lector, objetoLeido, palabras);
}

QString explicar(const Resultado &r)
{
    QString texto;
    switch (r.motivo) {
    case Motivo::Ninguno: return {};
    case Motivo::NoHayFichero: texto = QStringLiteral("no hay ninguna partida guardada"); break;
    case Motivo::NoEsFichero: texto = QStringLiteral("no es un fichero normal"); break;
    case Motivo::Ilegible: texto = QStringLiteral("no se ha podido leer"); break;
    case Motivo::MalFormado:
        texto = QStringLiteral("está mal formada en la línea %1").arg(r.linea);
        break;
    case Motivo::DemasiadoGrande:
        texto = QStringLiteral("la partida pasa de %1 bytes").arg(tamanoMaximo);
        break;
    case Motivo::SinCarpeta: texto = QStringLiteral("la carpeta no existe"); break;
    case Motivo::NoEsCarpeta: texto = QStringLiteral("no es una carpeta"); break;
    case Motivo::SinPermiso:
        texto = QStringLiteral("no hay permiso para escribir, o es de solo lectura");
        break;
    case Motivo::DiscoLleno: texto = QStringLiteral("el disco está lleno"); break;
    case Motivo::NoSePuedeEscribir: texto = QStringLiteral("no se ha podido escribir"); break;
    }
    if (!r.sistema.isEmpty())
        texto += QStringLiteral(" (%1)").arg(r.sistema);
    return texto + QLatin1Char('.');
}

namespace {

// What the system said when a write failed, in the game's terms. Reads errno
// first: asking the file for its words may change it.
Resultado fallaEscritura(const QSaveFile &fichero)
{
    const int error = errno;
    const QString sistema = error != 0 ? qt_error_string(error) : fichero.errorString();
    switch (error) {
    case ENOENT: return {Motivo::SinCarpeta, 0, sistema};
    case ENOTDIR: return {Motivo::NoEsCarpeta, 0, sistema};
    case EACCES:
    case EPERM:
    case EROFS: return {Motivo::SinPermiso, 0, sistema};
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return {Motivo::DiscoLleno, 0, sistema};
    default: return {Motivo::NoSePuedeEscribir, 0, sistema};
    }
}

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

// The temporary name the saver writes under before renaming it into place:
// the file's name, a dot and six letters.
bool esResto(const QString &nombre, const QString &fichero)
{
    if (nombre.size() != fichero.size() + 7 || !nombre.startsWith(fichero) || nombre.at(fichero.size()) != u'.')
        return false;
    for (qsizetype i = fichero.size() + 1; i < nombre.size(); ++i) {
        const char16_t c = nombre.at(i).unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

// A save killed between writing and renaming leaves the whole new game under
// its temporary name, and nothing else would ever remove it. Only regular
// files go; a link is never followed, so nothing elsewhere is touched.
void quitarRestos(const QFileInfo &destino)
{
    const QDir carpeta(destino.absolutePath());
    const QString fichero = destino.fileName();
    const QStringList nombres = carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &nombre : nombres) {
        if (!esResto(nombre, fichero))
            continue;
        const QString resto = carpeta.filePath(nombre);
#ifdef Q_OS_UNIX
        const QByteArray nativo = QFile::encodeName(resto);
        struct stat st {};
        if (::lstat(nativo.constData(), &st) != 0 || !S_ISREG(st.st_mode) || ::unlink(nativo.constData()) != 0)
            continue;
#else
        if (QFileInfo(resto).isSymLink() || !QFile::remove(resto))
            continue;
#endif
        qCInfo(registro).noquote() << "Quitado" << resto << "- lo dejó un guardado interrumpido.";
    }
}

Resultado escribirFichero(const QString &ruta, const QByteArray &bytes)
{
    // The atomic replace renames over whatever the name (or its link) points
    // at, so anything but a regular file is left alone: a device node stays one.
    const QFileInfo destino(ruta);
    if (destino.exists() && !destino.isFile())
        return {Motivo::NoEsFichero};
    const QFileInfo carpeta(destino.absolutePath());
    if (!carpeta.isDir())
        return {carpetaQueFalta(carpeta.absoluteFilePath())};
    quitarRestos(destino);

    QSaveFile fichero(ruta);
    errno = 0;
    if (!fichero.open(QIODevice::WriteOnly))
        return fallaEscritura(fichero);
    // Flushed here and checked: commit() in Qt 6.4 renames the temporary file even
    // when its own final flush fails (a full disk), which would put a cut file in place.
    errno = 0;
    if (fichero.write(bytes) != bytes.size() || !fichero.flush()
        || fichero.error() != QFileDevice::NoError) {
        const Resultado r = fallaEscritura(fichero);
        fichero.cancelWriting();
        return r;
    }
    errno = 0;
    if (!fichero.commit())
        return fallaEscritura(fichero);
    return {};
}

} // namespace

Resultado guardar(Juego &juego, const QString &ruta)
{
    juego.iniciar();
    Resultado r;
    // A count the file cannot hold, or a file the reader would refuse, would not load back.
    if (juego.objetos().size() > std::numeric_limits<qint16>::max()) {
        r = {Motivo::DemasiadoGrande};
    } else {
        const QByteArray bytes = escribir(juego.objetos(), juego.estado);
        r = bytes.size() > tamanoMaximo ? Resultado{Motivo::DemasiadoGrande} : escribirFichero(ruta, bytes);
    }
    if (!r)
        qCWarning(registro).noquote() << "No se ha guardado" << ruta << "-" << explicar(r);
    return r;
}

Resultado abrirFicheroNormal(const QString &ruta, QFile &fichero)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        return {Motivo::NoHayFichero};
    if (!info.isFile())
        return {Motivo::NoEsFichero};
#ifdef Q_OS_UNIX
    // Not blocking, and checked again on what was opened: the name may have
    // changed into a FIFO since the look above.
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return {error == ENOENT ? Motivo::NoHayFichero : Motivo::Ilegible, 0, qt_error_string(error)};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {Motivo::NoEsFichero};
    }
    if (!fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Motivo::Ilegible, 0, fichero.errorString()};
    }
#else
    fichero.setFileName(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return {Motivo::Ilegible, 0, fichero.errorString()};
#endif
    return {};
}

Resultado leerGuardada(const QString &ruta, Guardada &salida)
{
    QFile fichero;
    Resultado r = abrirFicheroNormal(ruta, fichero);
    if (r) {
        // Read only as far as the sixth word: whatever follows is never looked at.
        Lector lector(fichero, tamanoMaximo);
        Guardada leida;
        r = leer(lector, [&leida](const QString &o) { leida.objetos.append(o); }, leida.palabras);
        if (r)
            salida = std::move(leida);
    }
    if (!r)
        qCWarning(registro).noquote() << "No se ha cargado" << ruta << "-" << explicar(r);
    return r;
}

void aplicar(Juego &juego, const Guardada &guardada)
{
    // Touching the action line is the screen's first use: its start-up runs,
    // and the two clears below undo what it put into the lists.
    juego.iniciar();
    juego.ponerAcciones(QString());
    juego.vaciarResultado();
    juego.vaciarObjetos();
    for (const QString &o : guardada.objetos)
        juego.anexarObjeto(o);
    ponerPalabras(juego.estado, guardada.palabras);
}

Resultado cargar(Juego &juego, const QString &ruta)
{
    Guardada guardada;
    const Resultado r = leerGuardada(ruta, guardada);
    if (r)
        aplicar(juego, guardada);
    return r;
}

QString ficheroImagenCargada(qint16 pantalla)
{
    return QString::number(pantalla).right(1) + QStringLiteral(".jpg");
}

} // namespace zw::partida

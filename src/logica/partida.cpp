#include "partida.h"

#include "juego.h"

#include <QFile>
#include <QSaveFile>

#include <limits>

namespace zw::partida {

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
    const qsizetype n = datos_.size();
    while (pos_ < n && esBlanco(datos_[pos_]))
        ++pos_;
    if (pos_ >= n)
        return false;

    if (datos_[pos_] == '"') {
        const qsizetype inicio = pos_ + 1;
        qsizetype fin = inicio;
        while (fin < n && datos_[fin] != '"')
            ++fin;
        // The file ended inside the quotes: the field never finished.
        if (fin >= n)
            return false;
        texto = datos_.sliced(inicio, fin - inicio);
        pos_ = fin + 1;
        // Whatever stands between the closing quote and the separator is dropped.
        while (pos_ < n && !esSeparador(datos_[pos_]))
            ++pos_;
    } else {
        const qsizetype inicio = pos_;
        while (pos_ < n && !esSeparador(datos_[pos_]))
            ++pos_;
        texto = datos_.sliced(inicio, pos_ - inicio);
    }

    if (pos_ < n) {
        const char c = datos_[pos_++];
        if (c == '\r' && pos_ < n && datos_[pos_] == '\n')
            ++pos_;
    }
    return true;
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

bool leer(QByteArrayView datos, const std::function<void(const QString &)> &objetoLeido,
          Palabras &palabras)
{
    Lector lector(datos);
    qint16 cuenta = 0;
    if (!lector.leerNumero(cuenta))
        return false;
    // The count is at most 32767 and each item is taken from the data as it is
    // read, so a count larger than the file reserves nothing: it just runs out.
    for (qint16 i = 0; i < cuenta; ++i) {
        QString objeto;
        if (!lector.leerCadena(objeto))
            return false;
        objetoLeido(objeto);
    }
    Palabras leidas{};
    for (qint16 &p : leidas) {
        if (!lector.leerNumero(p))
            return false;
    }
    palabras = leidas;
    return true;
}

bool guardar(Juego &juego, const QString &ruta)
{
    juego.iniciar();
    // A count the file cannot hold would not load back.
    if (juego.objetos().size() > std::numeric_limits<qint16>::max())
        return false;
    const QByteArray bytes = escribir(juego.objetos(), juego.estado);
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly))
        return false;
    // Flushed here and checked: commit() in Qt 6.4 renames the temporary file even
    // when its own final flush fails (a full disk), which would put a cut file in place.
    if (fichero.write(bytes) != bytes.size() || !fichero.flush()
        || fichero.error() != QFileDevice::NoError) {
        fichero.cancelWriting();
        return false;
    }
    return fichero.commit();
}

bool cargar(Juego &juego, const QString &ruta)
{
    // Touching the action line is the screen's first use: its start-up runs,
    // and the two clears below undo what it put into the lists.
    juego.iniciar();
    juego.ponerAcciones(QString());
    juego.vaciarResultado();
    juego.vaciarObjetos();

    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return false;
    if (fichero.size() > tamanoMaximo)
        return false;
    // Reads one byte past the cap, so a file that grows or lies about its size is caught too.
    const QByteArray datos = fichero.read(tamanoMaximo + 1);
    if (datos.size() > tamanoMaximo)
        return false;

    Palabras palabras = palabrasDe(juego.estado);
    if (!leer(datos, [&juego](const QString &o) { juego.anexarObjeto(o); }, palabras))
        return false;
    ponerPalabras(juego.estado, palabras);
    return true;
}

QString ficheroImagenCargada(qint16 pantalla)
{
    return QString::number(pantalla).right(1) + QStringLiteral(".jpg");
}

} // namespace zw::partida

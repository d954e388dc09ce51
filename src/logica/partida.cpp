// The saved game: its file format, its reader and writer, loading and saving.
#include "partida.h"

#include "juego.h"

#include <QFile>

#include <limits>
#include <utility>

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
    case Motivo::DeOtros: texto = QStringLiteral("otros usuarios podrían cambiarla"); break;
    }
    if (!r.sistema.isEmpty())
        texto += QStringLiteral(" (%1)").arg(r.sistema);
    return texto + QLatin1Char('.');
}

Resultado guardar(Juego &juego, const QString &ruta)
{
    juego.iniciar();
    Resultado r;
    // A count the file cannot hold, or a file the reader would refuse, would not load back.
    if (juego.objetos().size() > std::numeric_limits<qint16>::max()) {
        r = {Motivo::DemasiadoGrande};
    } else {
        const QByteArray bytes = escribir(juego.objetos(), juego.estado);
        r = bytes.size() > tamanoMaximo ? Resultado{Motivo::DemasiadoGrande} : ficheros::escribirEnCarpeta(ruta, bytes);
    }
    if (!r)
        qCWarning(registro).noquote() << "No se ha guardado" << ruta << "-" << explicar(r);
    return r;
}

Resultado leerGuardada(const QString &ruta, Guardada &salida)
{
    QFile fichero;
    Resultado r = ficheros::leerEnCarpeta(ruta, fichero);
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
    // In one go: a window shows a whole inventory at the cost of one entry.
    juego.anexarObjetos(guardada.objetos);
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

} // namespace zw::partida

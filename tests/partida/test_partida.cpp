#include "../sin_bloquear.h"
#include "escenas.h"
#include "juego.h"
#include "partida.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace zw;
using namespace zw::partida;

Q_DECLARE_METATYPE(zw::partida::Motivo)

using prueba::sinBloquear;

namespace {

QList<int> comoLista(const Palabras &p)
{
    return QList<int>(p.begin(), p.end());
}

QList<int> palabrasDeJuego(const Juego &j)
{
    return comoLista(palabrasDe(j.estado));
}

Estado estadoCon(const QList<int> &p)
{
    Estado e;
    Palabras q{};
    for (int i = 0; i < numPalabras; ++i)
        q[std::size_t(i)] = qint16(p.at(i));
    ponerPalabras(e, q);
    return e;
}

bool escribirFichero(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray leerFichero(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A game in progress, with something in every list the load empties.
void prepararEnCurso(Juego &j)
{
    j.iniciar();
    j.agregarObjeto(QStringLiteral("Papel"));
    j.responder({QStringLiteral("Esa mierda no tira.")});
    j.ponerAcciones(QStringLiteral("Usar Mechero con "));
    j.estado = estadoCon({5, 1, 1, 1, 2, 0});
    j.linea.admitecon = false;
    j.linea.faltanobjetos = 1;
}

// Everything of a game a load may change.
struct Foto {
    bool iniciado;
    QStringList objetos;
    QStringList resultado;
    QString acciones;
    QList<int> palabras;
    bool admitecon;
    qint16 faltanobjetos;
};

Foto foto(const Juego &j)
{
    return {j.iniciado(), j.objetos(), j.resultado(), j.acciones(), palabrasDeJuego(j),
            j.linea.admitecon, j.linea.faltanobjetos};
}

void mismoJuego(const Juego &j, const Foto &antes)
{
    const Foto ahora = foto(j);
    QCOMPARE(ahora.iniciado, antes.iniciado);
    QCOMPARE(ahora.objetos, antes.objetos);
    QCOMPARE(ahora.resultado, antes.resultado);
    QCOMPARE(ahora.acciones, antes.acciones);
    QCOMPARE(ahora.palabras, antes.palabras);
    QCOMPARE(ahora.admitecon, antes.admitecon);
    QCOMPARE(ahora.faltanobjetos, antes.faltanobjetos);
}

struct Leido {
    bool ok = false;
    QStringList objetos;
    QList<int> palabras;
};

const QList<int> centinela = {-9, -9, -9, -9, -9, -9};

Leido leerBytes(QByteArrayView datos)
{
    Leido r;
    Palabras p = {-9, -9, -9, -9, -9, -9};
    r.ok = bool(leer(datos, [&r](const QString &o) { r.objetos.append(o); }, p));
    r.palabras = comoLista(p);
    return r;
}

#ifdef Q_OS_UNIX
// A FIFO, a socket or a folder at `ruta`, or a link there to a FIFO beside it.
bool hacerEspecial(const QString &clase, const QString &ruta)
{
    const QByteArray nombre = QFile::encodeName(ruta);
    if (clase == QLatin1String("fifo"))
        return mkfifo(nombre.constData(), 0600) == 0;
    if (clase == QLatin1String("carpeta"))
        return QDir().mkdir(ruta);
    if (clase == QLatin1String("enlace")) {
        const QString destino = ruta + QStringLiteral(".destino");
        return hacerEspecial(QStringLiteral("fifo"), destino) && QFile::link(destino, ruta);
    }
    sockaddr_un dir{};
    dir.sun_family = AF_UNIX;
    if (nombre.size() >= qsizetype(sizeof dir.sun_path))
        return false;
    qstrcpy(dir.sun_path, nombre.constData());
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool hecho = s >= 0 && bind(s, reinterpret_cast<sockaddr *>(&dir), sizeof dir) == 0;
    if (s >= 0)
        close(s);
    return hecho;
}

#endif

} // namespace

class TestPartida : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void codigoDePagina_data();
    void codigoDePagina();
    void todosLosBytesVuelven();
    void sinByteEnLaPagina_data();
    void sinByteEnLaPagina();

    void escribe_data();
    void escribe();
    void partidaNuevaByteAByte();

    void lee_data();
    void lee();
    void lectorCampoACampo();
    void lineaDelFallo_data();
    void lineaDelFallo();

    void idaYVuelta_data();
    void idaYVuelta();
    void cargaSinFichero();
    void cargaSinFicheroAntesDeJugar();
    void cargaFallida_data();
    void cargaFallida();
    void cargaEscenaSinImagen();
    void cargaNoTocaElConstructor();
    void cargaAvisaALaVentana();
    void cargaFicheroDemasiadoGrande();
    void cargaDeUnaCarpeta();
    void cargaLeeSoloHastaLaSextaPalabra();
    void ficherosQueNoSonFicheros_data();
    void ficherosQueNoSonFicheros();
    void todoLoGuardadoSeCarga();

    void guardarDosVeces();
    void guardarSinCarpeta_data();
    void guardarSinCarpeta();
    void guardarQuitaRestos_data();
    void guardarQuitaRestos();
    void guardarFallidoConservaElAnterior();
    void carpetaMiradaAlUsarla_data();
    void carpetaMiradaAlUsarla();

    void robustez_data();
    void robustez();
    void cuentaEnormeConCienMegas();
    void cienMegasSinSeparadores();
    void basuraAleatoria();

private:
    // Made afresh before every test: an empty folder, and the saved game's place in it.
    std::unique_ptr<QTemporaryDir> carpeta;
    QString ruta;
};

void TestPartida::init()
{
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(carpeta->isValid());
    ruta = carpeta->filePath(QStringLiteral("partida"));
}

void TestPartida::codigoDePagina_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("caracter");

    QTest::newRow("nul") << 0x00 << 0x0000;
    QTest::newRow("A") << 0x41 << 0x0041;
    QTest::newRow("DEL") << 0x7F << 0x007F;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("hueco 81") << 0x81 << 0x0081;
    QTest::newRow("comilla baja") << 0x82 << 0x201A;
    QTest::newRow("puntos") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("hueco 8D") << 0x8D << 0x008D;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("hueco 8F") << 0x8F << 0x008F;
    QTest::newRow("hueco 90") << 0x90 << 0x0090;
    QTest::newRow("comilla 93") << 0x93 << 0x201C;
    QTest::newRow("raya") << 0x97 << 0x2014;
    QTest::newRow("marca") << 0x99 << 0x2122;
    QTest::newRow("hueco 9D") << 0x9D << 0x009D;
    QTest::newRow("Y dieresis") << 0x9F << 0x0178;
    QTest::newRow("espacio duro") << 0xA0 << 0x00A0;
    QTest::newRow("abre pregunta") << 0xBF << 0x00BF;
    QTest::newRow("abre exclamacion") << 0xA1 << 0x00A1;
    QTest::newRow("O aguda") << 0xD3 << 0x00D3;
    QTest::newRow("enye") << 0xF1 << 0x00F1;
    QTest::newRow("o aguda") << 0xF3 << 0x00F3;
    QTest::newRow("y dieresis") << 0xFF << 0x00FF;
}

void TestPartida::codigoDePagina()
{
    QFETCH(int, byte);
    QFETCH(int, caracter);
    const QByteArray bytes(1, char(byte));
    const QString texto = QString(QChar(char16_t(caracter)));
    QCOMPARE(deWindows1252(bytes), texto);
    QCOMPARE(aWindows1252(texto), bytes);
}

void TestPartida::todosLosBytesVuelven()
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(char(b));
    const QString texto = deWindows1252(todos);
    QCOMPARE(texto.size(), 256);
    QCOMPARE(aWindows1252(texto), todos);
}

void TestPartida::sinByteEnLaPagina_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("U+0080") << QString(QChar(0x0080)) << QByteArray("?");
    QTest::newRow("U+009F") << QString(QChar(0x009F)) << QByteArray("?");
    QTest::newRow("A macron") << QStringLiteral("\u0100") << QByteArray("?");
    QTest::newRow("kanji entre letras") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
    QTest::newRow("fuera del plano basico") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("suplente suelto") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestPartida::sinByteEnLaPagina()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, bytes);
    QCOMPARE(aWindows1252(texto), bytes);
}

void TestPartida::escribe_data()
{
    QTest::addColumn<QStringList>("objetos");
    QTest::addColumn<QList<int>>("palabras");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("inventario vacio")
        << QStringList() << QList<int>{3, 1, 0, 0, 0, 0}
        << QByteArray("0\r\n3,1,0,0,0,0\r\n");
    QTest::newRow("acento en F3")
        << QStringList{QStringLiteral("Mechero"), QStringLiteral("50 Zarra-Dólares del vividor")}
        << QList<int>{7, 1, 1, 1, 1, 1}
        << QByteArray("2\r\n\"Mechero\"\r\n\"50 Zarra-D\xF3lares del vividor\"\r\n7,1,1,1,1,1\r\n");
    QTest::newRow("negativos y extremos")
        << QStringList{QStringLiteral("Agua")} << QList<int>{-1, 32767, -32768, 0, 3, 10}
        << QByteArray("1\r\n\"Agua\"\r\n-1,32767,-32768,0,3,10\r\n");
    QTest::newRow("enye y euro")
        << QStringList{QStringLiteral("Piñata de 5 €")} << QList<int>{2, 0, 0, 0, 0, 0}
        << QByteArray("1\r\n\"Pi\xF1" "ata de 5 \x80\"\r\n2,0,0,0,0,0\r\n");
    QTest::newRow("blancos y coma dentro")
        << QStringList{QStringLiteral("  uno, dos  ")} << QList<int>{1, 0, 0, 0, 0, 0}
        << QByteArray("1\r\n\"  uno, dos  \"\r\n1,0,0,0,0,0\r\n");
}

void TestPartida::escribe()
{
    QFETCH(QStringList, objetos);
    QFETCH(QList<int>, palabras);
    QFETCH(QByteArray, bytes);
    QCOMPARE(escribir(objetos, estadoCon(palabras)), bytes);
}

void TestPartida::partidaNuevaByteAByte()
{
    Juego j;
    QVERIFY(!j.iniciado());
    QVERIFY(guardar(j, ruta));
    QVERIFY(j.iniciado());
    const QByteArray esperado = QByteArray::fromHex("310D0A"
                                                    "224D65636865726F220D0A"
                                                    "312C302C302C302C302C300D0A");
    QCOMPARE(leerFichero(ruta), esperado);
}

void TestPartida::lee_data()
{
    QTest::addColumn<QByteArray>("datos");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("objetos");
    QTest::addColumn<QList<int>>("palabras");

    const QList<int> nada = centinela;

    QTest::newRow("partida nueva")
        << QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QStringLiteral("Mechero")} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("solo LF")
        << QByteArray("1\n\"Mechero\"\n2,1,0,0,0,0\n") << true
        << QStringList{QStringLiteral("Mechero")} << QList<int>{2, 1, 0, 0, 0, 0};
    QTest::newRow("solo CR")
        << QByteArray("1\r\"Mechero\"\r2,1,0,0,0,0\r") << true
        << QStringList{QStringLiteral("Mechero")} << QList<int>{2, 1, 0, 0, 0, 0};
    QTest::newRow("todo con comas")
        << QByteArray("2,\"a\",\"b\",1,2,3,4,5,6") << true
        << QStringList{QStringLiteral("a"), QStringLiteral("b")} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("todo en lineas")
        << QByteArray("1\r\nx\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n") << true
        << QStringList{QStringLiteral("x")} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("sin fin de linea al final")
        << QByteArray("0\r\n4,0,0,0,0,-3") << true
        << QStringList() << QList<int>{4, 0, 0, 0, 0, -3};
    QTest::newRow("blancos delante")
        << QByteArray("  2\r\n \t\"Agua\"\r\n   Papel\r\n 1, 2,\t3,  4,5, 6\r\n") << true
        << QStringList{QStringLiteral("Agua"), QStringLiteral("Papel")} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("blancos detras de numeros")
        << QByteArray("1 \r\nz\r\n1 ,2\t,3,4,5,6 \r\n") << true
        << QStringList{QStringLiteral("z")} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("sin comillas guarda blancos finales y comillas internas")
        << QByteArray("2\r\nMe \"chero\" \r\n\"\"\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QStringLiteral("Me \"chero\" "), QString()} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("entre comillas guarda comas y blancos")
        << QByteArray("1\r\n\" uno, dos \"\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QStringLiteral(" uno, dos ")} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("entre comillas cruza la linea")
        << QByteArray("1\r\n\"uno\r\ndos\"\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QStringLiteral("uno\r\ndos")} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("tras la comilla de cierre se descarta hasta el separador")
        << QByteArray("1\r\n\"Agua\" fresca\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QStringLiteral("Agua")} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("campo vacio es cadena vacia")
        << QByteArray("2\r\n,\r\n1,0,0,0,0,0\r\n") << true
        << QStringList{QString(), QString()} << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("lo que sigue se ignora")
        << QByteArray("0\r\n1,0,0,0,0,0,basura\r\n\"sin cerrar") << true
        << QStringList() << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("numeros con signo, ceros y comillas")
        << QByteArray("+1\r\nx\r\n007,-0,\"5\",-32768,32767,+2\r\n") << true
        << QStringList{QStringLiteral("x")} << QList<int>{7, 0, 5, -32768, 32767, 2};
    QTest::newRow("cuenta negativa no lee objetos")
        << QByteArray("-3\r\n1,0,0,0,0,0\r\n") << true
        << QStringList() << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("acentos")
        << QByteArray("1\r\n\"50 Zarra-D\xF3lares del vividor\"\r\n6,1,1,1,2,1\r\n") << true
        << QStringList{QStringLiteral("50 Zarra-Dólares del vividor")} << QList<int>{6, 1, 1, 1, 2, 1};

    QTest::newRow("vacio") << QByteArray() << false << QStringList() << nada;
    QTest::newRow("solo blancos") << QByteArray("   \t ") << false << QStringList() << nada;
    QTest::newRow("cuenta mayor que las lineas")
        << QByteArray("3\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n") << false
        << QStringList{QStringLiteral("Mechero"), QStringLiteral("1"), QStringLiteral("0")} << nada;
    QTest::newRow("faltan palabras")
        << QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0\r\n") << false
        << QStringList{QStringLiteral("Mechero")} << nada;
    QTest::newRow("cuenta no numerica")
        << QByteArray("uno\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("cuenta vacia")
        << QByteArray("\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("cuenta desbordada")
        << QByteArray("32768\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("palabra no numerica")
        << QByteArray("1\r\n\"Mechero\"\r\n1,0,x,0,0,0\r\n") << false
        << QStringList{QStringLiteral("Mechero")} << nada;
    QTest::newRow("palabra con decimales")
        << QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0,1.5\r\n") << false
        << QStringList{QStringLiteral("Mechero")} << nada;
    QTest::newRow("palabra vacia")
        << QByteArray("0\r\n1,,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("signo solo") << QByteArray("0\r\n1,-,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("blanco dentro del numero")
        << QByteArray("0\r\n1,2 3,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("palabra desbordada por arriba")
        << QByteArray("0\r\n1,0,0,0,0,32768\r\n") << false << QStringList() << nada;
    QTest::newRow("palabra desbordada por abajo")
        << QByteArray("0\r\n-32769,0,0,0,0,0\r\n") << false << QStringList() << nada;
    QTest::newRow("cifras sin fin")
        << QByteArray("0\r\n1,0,0,0,0,99999999999999999999999\r\n") << false << QStringList() << nada;
    QTest::newRow("comilla sin cerrar")
        << QByteArray("2\r\n\"Mechero\"\r\n\"Papel\r\n1,0,0,0,0,0\r\n") << false
        << QStringList{QStringLiteral("Mechero")} << nada;
}

void TestPartida::lee()
{
    QFETCH(QByteArray, datos);
    QFETCH(bool, ok);
    QFETCH(QStringList, objetos);
    QFETCH(QList<int>, palabras);
    const Leido r = leerBytes(datos);
    QCOMPARE(r.ok, ok);
    QCOMPARE(r.objetos, objetos);
    QCOMPARE(r.palabras, palabras);
}

void TestPartida::lectorCampoACampo()
{
    Lector l(QByteArrayView("  \"a,b\" x , c \r\n-12\n\r7"));
    QString s;
    qint16 n = 0;
    QVERIFY(l.leerCadena(s));
    QCOMPARE(s, QStringLiteral("a,b"));
    QVERIFY(l.leerCadena(s));
    QCOMPARE(s, QStringLiteral("c "));
    QVERIFY(l.leerNumero(n));
    QCOMPARE(n, qint16(-12));
    // A lone LF ends a line, and so does the lone CR after it: an empty field between.
    QVERIFY(l.leerCadena(s));
    QCOMPARE(s, QString());
    QVERIFY(l.leerNumero(n));
    QCOMPARE(n, qint16(7));
    QVERIFY(!l.leerCadena(s));
    QVERIFY(!l.leerNumero(n));
}

void TestPartida::lineaDelFallo_data()
{
    QTest::addColumn<QByteArray>("datos");
    QTest::addColumn<int>("linea");

    QTest::newRow("vacio") << QByteArray() << 1;
    QTest::newRow("cuenta no numerica") << QByteArray("uno\r\n1,0,0,0,0,0\r\n") << 1;
    QTest::newRow("palabra no numerica") << QByteArray("1\r\n\"Mechero\"\r\n1,0,x,0,0,0\r\n") << 3;
    QTest::newRow("acaba antes de la sexta palabra") << QByteArray("1\r\n\"Mechero\"\r\n1,0,0,0,0\r\n") << 4;
    QTest::newRow("comilla sin cerrar") << QByteArray("2\r\n\"Agua\"\r\n\"Papel\r\n1,0\r\n") << 3;
    QTest::newRow("objeto en dos lineas") << QByteArray("1\r\n\"a\r\nb\"\r\n1,0,0,0,0,z") << 4;
    QTest::newRow("LF, CR y CR LF") << QByteArray("1\n\"a\"\r1,0,0\r\n0,0,-") << 4;
}

void TestPartida::lineaDelFallo()
{
    QFETCH(QByteArray, datos);
    QFETCH(int, linea);
    Palabras p{};
    const Resultado leido = leer(datos, [](const QString &) {}, p);
    QCOMPARE(leido.motivo, Motivo::MalFormado);
    QCOMPARE(leido.linea, qsizetype(linea));
}

void TestPartida::idaYVuelta_data()
{
    QTest::addColumn<QStringList>("objetos");
    QTest::addColumn<QList<int>>("palabras");

    QTest::newRow("acentos")
        << QStringList{QStringLiteral("Mechero"), QStringLiteral("50 Zarra-Dólares del vividor"),
                       QStringLiteral("Tarjeta del director"), QStringLiteral("Bebida de la señorita")}
        << QList<int>{6, 1, 1, 1, 2, 0};
    QTest::newRow("inventario vacio") << QStringList() << QList<int>{4, 1, 1, 1, 3, 1};
    QTest::newRow("orden y duplicados")
        << QStringList{QStringLiteral("Papel"), QStringLiteral("PAPEL"), QStringLiteral("Agua")}
        << QList<int>{2, 0, 1, 0, 0, 0};
    QTest::newRow("blancos y comas")
        << QStringList{QStringLiteral(" Polvo de ladrillo "), QStringLiteral("uno,dos")}
        << QList<int>{1, 1, 0, 0, 0, 0};
    QTest::newRow("valores extremos") << QStringList{QStringLiteral("x")}
                                      << QList<int>{-32768, 32767, -1, 0, 1, 9};
}

void TestPartida::idaYVuelta()
{
    QFETCH(QStringList, objetos);
    QFETCH(QList<int>, palabras);

    Juego origen;
    origen.iniciar();
    origen.vaciarObjetos();
    for (const QString &o : std::as_const(objetos))
        origen.anexarObjeto(o);
    origen.estado = estadoCon(palabras);
    QVERIFY(guardar(origen, ruta));

    Juego destino;
    prepararEnCurso(destino);
    QVERIFY(cargar(destino, ruta));
    QCOMPARE(destino.objetos(), objetos);
    QCOMPARE(palabrasDeJuego(destino), palabras);
    QCOMPARE(destino.resultado(), QStringList());
    QCOMPARE(destino.acciones(), QString());
}

void TestPartida::cargaSinFichero()
{
    Juego j;
    prepararEnCurso(j);
    const Foto antes = foto(j);
    const Resultado cargada = cargar(j, ruta);
    QVERIFY(!cargada);
    QCOMPARE(cargada.motivo, Motivo::NoHayFichero);
    mismoJuego(j, antes);
}

void TestPartida::cargaSinFicheroAntesDeJugar()
{
    Juego j;
    QVERIFY(!cargar(j, ruta));
    // Still the fresh game: "J&ugar" then starts it, "Mechero" and all.
    QVERIFY(!j.iniciado());
    QCOMPARE(j.objetos(), QStringList());
    j.iniciar();
    QCOMPARE(j.objetos(), QStringList{QStringLiteral("Mechero")});
    QCOMPARE(palabrasDeJuego(j), (QList<int>{1, 0, 0, 0, 0, 0}));
    QCOMPARE(j.linea.admitecon, true);
}

void TestPartida::cargaFallida_data()
{
    QTest::addColumn<QByteArray>("datos");

    QTest::newRow("cuenta mayor que las lineas") << QByteArray("3\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n");
    QTest::newRow("fichero vacio") << QByteArray();
    QTest::newRow("cuenta no numerica") << QByteArray("dos\r\n\"a\"\r\n\"b\"\r\n1,0,0,0,0,0\r\n");
    QTest::newRow("falla la ultima palabra") << QByteArray("2\r\n\"Agua\"\r\n\"Papel\"\r\n3,1,1,0,0,x\r\n");
    QTest::newRow("palabra desbordada") << QByteArray("1\r\n\"Agua\"\r\n40000,1,1,0,0,0\r\n");
    QTest::newRow("comilla sin cerrar") << QByteArray("2\r\n\"Agua\"\r\n\"Pap");
}

void TestPartida::cargaFallida()
{
    // A refused load changes nothing: not the items, their order, the words,
    // the replies, the action line, nor anything a window is told.
    QFETCH(QByteArray, datos);
    QVERIFY(escribirFichero(ruta, datos));

    Juego j;
    prepararEnCurso(j);
    j.agregarObjeto(QStringLiteral("Tarjeta"));
    const Foto antes = foto(j);
    QCOMPARE(antes.objetos.size(), 3);
    QSignalSpy vaciados(&j, &Juego::objetosVaciados);
    QSignalSpy anexados(&j, &Juego::objetosAnexados);
    QSignalSpy resultado(&j, &Juego::resultadoCambiado);
    QSignalSpy acciones(&j, &Juego::accionesCambiadas);

    Guardada guardada{{QStringLiteral("sin tocar")}, {9, 9, 9, 9, 9, 9}};
    QVERIFY(!leerGuardada(ruta, guardada));
    QCOMPARE(guardada.objetos, QStringList{QStringLiteral("sin tocar")});
    QCOMPARE(comoLista(guardada.palabras), (QList<int>{9, 9, 9, 9, 9, 9}));

    const Resultado cargada = cargar(j, ruta);
    QCOMPARE(cargada.motivo, Motivo::MalFormado);
    mismoJuego(j, antes);
    QCOMPARE(vaciados.size() + anexados.size() + resultado.size() + acciones.size(), 0);
}

void TestPartida::cargaEscenaSinImagen()
{
    QVERIFY(escribirFichero(ruta, "1\r\n\"Mechero\"\r\n0,1,0,1,0,1\r\n"));
    Juego j;
    prepararEnCurso(j);
    const Foto antes = foto(j);
    // The file reads well; the picture it names is for the window to find
    // before the game is touched.
    Guardada guardada;
    QVERIFY(leerGuardada(ruta, guardada));
    QCOMPARE(ficheroEscena(guardada.pantalla()), QStringLiteral("0.jpg"));
    mismoJuego(j, antes);
    aplicar(j, guardada);
    QCOMPARE(palabrasDeJuego(j), (QList<int>{0, 1, 0, 1, 0, 1}));
    QCOMPARE(j.objetos(), QStringList{QStringLiteral("Mechero")});
}

void TestPartida::cargaNoTocaElConstructor()
{
    QVERIFY(escribirFichero(ruta, "0\r\n3,0,0,0,0,0\r\n"));
    Juego j;
    prepararEnCurso(j);
    QVERIFY(cargar(j, ruta));
    QCOMPARE(j.linea.admitecon, false);
    QCOMPARE(j.linea.faltanobjetos, qint16(1));
    QCOMPARE(palabrasDeJuego(j), (QList<int>{3, 0, 0, 0, 0, 0}));
}

void TestPartida::cargaAvisaALaVentana()
{
    QVERIFY(escribirFichero(ruta, "2\r\n\"Agua\"\r\n\"Papel\"\r\n1,0,0,0,0,0\r\n"));
    Juego j;
    prepararEnCurso(j);
    QSignalSpy vaciados(&j, &Juego::objetosVaciados);
    QSignalSpy anexados(&j, &Juego::objetosAnexados);
    QSignalSpy acciones(&j, &Juego::accionesCambiadas);
    QVERIFY(cargar(j, ruta));
    QCOMPARE(vaciados.size(), 1);
    // All the items in one notice, so a window shows them at the cost of one.
    QCOMPARE(anexados.size(), 1);
    QCOMPARE(anexados.at(0).at(0).toStringList(), (QStringList{QStringLiteral("Agua"), QStringLiteral("Papel")}));
    QCOMPARE(acciones.size(), 1);
    QCOMPARE(acciones.at(0).at(0).toString(), QString());
}

void TestPartida::cargaFicheroDemasiadoGrande()
{
    // The six words not given within the limit: refused, however far the file
    // goes on (one byte more, then 100 MB as a sparse file).
    QByteArray largo("1\r\n\"");
    largo.append(QByteArray(tamanoMaximo - largo.size(), 'x'));
    QVERIFY(escribirFichero(ruta, largo));
    for (qint64 tamano : {tamanoMaximo + 1, qint64(100) * 1024 * 1024}) {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(tamano));
        f.close();
        Juego k;
        prepararEnCurso(k);
        const Foto antes = foto(k);
        const Resultado cargada = cargar(k, ruta);
        QVERIFY(!cargada);
        QCOMPARE(cargada.motivo, Motivo::DemasiadoGrande);
        mismoJuego(k, antes);
    }
}

void TestPartida::cargaLeeSoloHastaLaSextaPalabra()
{
    // A good game padded with bytes that are never read loads, at the limit,
    // one byte past it and 100 MB on (a sparse file).
    QByteArray justo("0\r\n2,0,0,0,0,0\r\n");
    justo.append(QByteArray(tamanoMaximo - justo.size(), 'x'));
    QVERIFY(escribirFichero(ruta, justo));
    for (qint64 tamano : {tamanoMaximo, tamanoMaximo + 1, qint64(100) * 1024 * 1024}) {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(tamano));
        QVERIFY(f.seek(0));
        Lector lector(f, tamanoMaximo);
        Palabras p{};
        QVERIFY(leer(lector, [](const QString &) {}, p));
        QVERIFY(f.pos() < tamanoMaximo);
        f.close();

        Juego j;
        prepararEnCurso(j);
        QVERIFY(cargar(j, ruta));
        QCOMPARE(palabrasDeJuego(j), (QList<int>{2, 0, 0, 0, 0, 0}));
    }
}

void TestPartida::ficherosQueNoSonFicheros_data()
{
    QTest::addColumn<QString>("clase");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("enlace a un FIFO") << QStringLiteral("enlace");
    QTest::newRow("socket") << QStringLiteral("socket");
    QTest::newRow("carpeta") << QStringLiteral("carpeta");
}

void TestPartida::ficherosQueNoSonFicheros()
{
#ifdef Q_OS_UNIX
    // Named as the saved game and as a picture, in the test's own folder only.
    QFETCH(QString, clase);
    QVERIFY(hacerEspecial(clase, ruta));
    QVERIFY(hacerEspecial(clase, carpeta->filePath(QStringLiteral("3.jpg"))));
    const auto todo = [this] {
        return QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList hecho = todo();

    // The picture is no file, and the load refused, both without waiting.
    QVERIFY(!QFileInfo(ficheros::buscar(carpeta->path(), QStringLiteral("3.JPG"))).isFile());
    Juego j;
    prepararEnCurso(j);
    const Foto antes = foto(j);
    Resultado cargada;
    QVERIFY(sinBloquear([&] { cargada = cargar(j, ruta); }, ruta));
    QCOMPARE(cargada.motivo, Motivo::NoEsFichero);
    mismoJuego(j, antes);

    // The save touches nothing, and says why in the log.
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("No se ha guardado %1 - no es un fichero normal.").arg(ruta)));
    QCOMPARE(guardar(j, ruta).motivo, Motivo::NoEsFichero);
    QVERIFY(QFileInfo(ruta).exists());
    QVERIFY(!QFileInfo(ruta).isFile());
    QCOMPARE(todo(), hecho);
#else
    QSKIP("FIFOs and sockets are made here the Unix way.");
#endif
}

void TestPartida::todoLoGuardadoSeCarga()
{
    // Written by hand with LF line ends, right at the limit: it loads...
    const QByteArray fin("\"\n1,0,0,0,0,0\n");
    QByteArray aMano("1\n\"");
    aMano.append(QByteArray(tamanoMaximo - aMano.size() - fin.size(), 'a') + fin);
    QVERIFY(escribirFichero(ruta, aMano));
    Juego j;
    QVERIFY(cargar(j, ruta));
    // ...but with CR LF it would pass the limit: not saved, and the file stays.
    QCOMPARE(guardar(j, ruta).motivo, Motivo::DemasiadoGrande);
    QCOMPARE(leerFichero(ruta), aMano);

    // A game that fills the limit exactly is saved, and loads back.
    j.vaciarObjetos();
    j.anexarObjeto(QString(tamanoMaximo - escribir({QString()}, j.estado).size(), QLatin1Char('b')));
    QVERIFY(guardar(j, ruta));
    QCOMPARE(QFileInfo(ruta).size(), tamanoMaximo);
    Juego k;
    QVERIFY(cargar(k, ruta));
    QCOMPARE(k.objetos(), j.objetos());
}

void TestPartida::cargaDeUnaCarpeta()
{
    QVERIFY(QDir().mkdir(ruta));
    Juego j;
    prepararEnCurso(j);
    const Foto antes = foto(j);
    QVERIFY(!cargar(j, ruta));
    mismoJuego(j, antes);
}

void TestPartida::guardarDosVeces()
{
    Juego j;
    prepararEnCurso(j);
    QVERIFY(guardar(j, ruta));
    j.quitarObjeto(QStringLiteral("PAPEL"));
    j.estado[Palabra::dinero] = 3;
    // The player's own permissions on the file stay as he set them.
    const auto suyos = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QVERIFY(QFile::setPermissions(ruta, suyos));
    QVERIFY(guardar(j, ruta));
    QCOMPARE(leerFichero(ruta), QByteArray("1\r\n\"Mechero\"\r\n5,1,1,1,3,0\r\n"));
    QCOMPARE(QFile::permissions(ruta) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), suyos);
    // Nothing else is left behind in the folder.
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("partida")});
}

void TestPartida::guardarSinCarpeta_data()
{
    QTest::addColumn<QString>("relativa");
    QTest::addColumn<Motivo>("motivo");
    QTest::addColumn<QString>("porque");
    QTest::newRow("carpeta graficos ausente")
        << QStringLiteral("graficos/partida") << Motivo::SinCarpeta << QStringLiteral("la carpeta no existe.");
    // A regular file where the folder should be defeats even root.
    QTest::newRow("carpeta que es un fichero")
        << QStringLiteral("fichero/partida") << Motivo::NoEsCarpeta << QStringLiteral("no es una carpeta.");
    // ~/.local/share a file: the folders below it can never be made.
    QTest::newRow("carpeta dentro de un fichero")
        << QStringLiteral("fichero/trombulenco/zarrapio-world/partida") << Motivo::NoEsCarpeta
        << QStringLiteral("no es una carpeta.");
}

void TestPartida::guardarSinCarpeta()
{
    QFETCH(QString, relativa);
    QFETCH(Motivo, motivo);
    QFETCH(QString, porque);
    QVERIFY(escribirFichero(carpeta->filePath(QStringLiteral("fichero")), "no es una carpeta"));
    Juego j;
    prepararEnCurso(j);
    const Resultado guardada = guardar(j, carpeta->filePath(relativa));
    QVERIFY(!guardada);
    QCOMPARE(guardada.motivo, motivo);
    QCOMPARE(explicar(guardada), porque);
    QVERIFY(!QFile::exists(carpeta->filePath(relativa)));
    QCOMPARE(leerFichero(carpeta->filePath(QStringLiteral("fichero"))), QByteArray("no es una carpeta"));
}

void TestPartida::guardarQuitaRestos_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("clase");
    QTest::addColumn<bool>("quitado");
    // Only the hidden names the game itself writes under count; a player's
    // file is never one, whatever its name.
    const QString propio = QStringLiteral(".partida") + QLatin1String(ficheros::marcaTemporal);
    QTest::newRow("resto") << propio + "Ab3xYz" << QStringLiteral("fichero") << true;
    for (const char *delJugador : {"partida.backup", "partida.copias", "partida.viejas", "partida.AbcXyz", ".partida"})
        QTest::newRow(delJugador) << QString::fromLatin1(delJugador) << QStringLiteral("fichero") << false;
    QTest::newRow("siete letras") << propio + "Abcdefg" << QStringLiteral("fichero") << false;
    QTest::newRow("de otra partida") << QStringLiteral(".otra") + QLatin1String(ficheros::marcaTemporal) + "Ab3xYz"
                                     << QStringLiteral("fichero") << false;
    QTest::newRow("enlace") << propio + "Ab3xYz" << QStringLiteral("enlace") << false;
    QTest::newRow("de otro usuario") << propio + "Ab3xYz" << QStringLiteral("ajeno") << false;
    QTest::newRow("carpeta") << propio + "Ab3xYz" << QStringLiteral("carpeta") << false;
}

void TestPartida::guardarQuitaRestos()
{
    // What a save killed before its rename leaves goes at the next save; only that.
    QFETCH(QString, nombre);
    QFETCH(QString, clase);
    QFETCH(bool, quitado);
    const QString resto = carpeta->filePath(nombre);
    const QString fuera = carpeta->filePath(QStringLiteral("fuera"));
    QVERIFY(escribirFichero(fuera, "de otro"));
    if (clase == QLatin1String("fichero") || clase == QLatin1String("ajeno"))
        QVERIFY(escribirFichero(resto, "1\r\n\"Mechero\"\r\n1,0,0,0,0,0\r\n"));
    else if (clase == QLatin1String("enlace"))
        QVERIFY(QFile::link(fuera, resto));
    else
        QVERIFY(QDir().mkdir(resto));
    // Another user's file under the game's own name is that user's, not a leftover of this game.
    if (clase == QLatin1String("ajeno") && chown(QFile::encodeName(resto).constData(), 4242, -1) != 0)
        QSKIP("Only root gives a file to another user.");

    Juego j;
    prepararEnCurso(j);
    QVERIFY(guardar(j, ruta));
    QCOMPARE(QFileInfo::exists(resto) || QFileInfo(resto).isSymLink(), !quitado);
    QCOMPARE(leerFichero(fuera), QByteArray("de otro"));
    QCOMPARE(leerFichero(ruta), escribir(j.objetos(), j.estado));
}

void TestPartida::guardarFallidoConservaElAnterior()
{
#ifdef Q_OS_UNIX
    Juego j;
    prepararEnCurso(j);
    QVERIFY(guardar(j, ruta));
    const QByteArray anterior = leerFichero(ruta);
    QCOMPARE(anterior, QByteArray("2\r\n\"Mechero\"\r\n\"Papel\"\r\n5,1,1,1,2,0\r\n"));

    // A full disk, as far as this process can tell: no file may grow past 64 bytes,
    // even for root. The new game is bigger, so its write fails part way.
    for (int i = 0; i < 20; ++i)
        j.anexarObjeto(QStringLiteral("Objeto %1").arg(i));
    // The limit's signal, as the system delivers it by default, would end this
    // test as it ended the game: the save itself must keep it away.
    rlimit antes{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &antes), 0);
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limite = antes;
    limite.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const Resultado guardado = guardar(j, ruta);
    setrlimit(RLIMIT_FSIZE, &antes);

    QVERIFY(!guardado);
    QCOMPARE(guardado.motivo, Motivo::DiscoLleno);
    QCOMPARE(leerFichero(ruta), anterior);
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("partida")});
#else
    QSKIP("The file size limit used here exists only on Unix.");
#endif
}

void TestPartida::carpetaMiradaAlUsarla_data()
{
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<QString>("porque"); // empty: saved and loaded
    QTest::newRow("carpeta que escribe cualquiera") << "carpeta o+w" << "cualquier usuario puede cambiar la carpeta";
    QTest::newRow("partida enlace a lo que escribe cualquiera") << "enlace a o+w"
                                                                << "cualquier usuario puede cambiar su partida";
    QTest::newRow("partida de cualquiera") << "partida o+w" << "cualquier usuario puede cambiar su partida";
    QTest::newRow("carpeta de otro usuario") << "carpeta de otro" << "la carpeta es de otro usuario";
    QTest::newRow("partida de otro usuario") << "partida de otro" << "su partida es de otro usuario";
    QTest::newRow("el grupo sí puede") << "carpeta g+w" << "";
    // A link of the player's own into his own file: the game writes its own
    // file in its own folder, and never through the link.
    QTest::newRow("partida enlace a lo propio") << "enlace a propio" << "";
}

void TestPartida::carpetaMiradaAlUsarla()
{
#ifdef Q_OS_UNIX
    // What the start checks holds for every save and load: a folder or a saved
    // game changed since, by others or into others' reach, is not used.
    QFETCH(QString, cambio);
    QFETCH(QString, porque);
    const QByteArray vieja("1\r\n\"Agua\"\r\n3,0,0,0,0,0\r\n");
    // Another file of the player's, a saved game of his own too.
    const QString fuera = carpeta->filePath(QStringLiteral("fuera"));
    QVERIFY(escribirFichero(fuera, vieja));
    if (cambio.startsWith(QLatin1String("enlace")))
        QVERIFY(QFile::link(fuera, ruta));
    else
        QVERIFY(escribirFichero(ruta, vieja));
    const auto nativa = [](const QString &r) { return QFile::encodeName(r); };
    const QByteArray dir = nativa(carpeta->path());
    if (cambio == "carpeta o+w" || cambio == "carpeta g+w")
        QCOMPARE(chmod(dir.constData(), cambio == "carpeta o+w" ? 0757 : 0775), 0);
    if (cambio == "enlace a o+w" || cambio == "partida o+w")
        QCOMPARE(chmod(nativa(cambio == "enlace a o+w" ? fuera : ruta).constData(), 0666), 0);
    if (cambio.endsWith(QLatin1String("de otro"))
        && chown(cambio == "carpeta de otro" ? dir.constData() : nativa(ruta).constData(), 4242, -1) != 0)
        QSKIP("Only root gives a file to another user.");
    const QByteArray antes = leerFichero(ruta);

    Juego j;
    prepararEnCurso(j);
    const Foto enCurso = foto(j);
    if (!porque.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("No se ha cargado %1 - otros usuarios podrían cambiarla (%2).").arg(ruta, porque)));
    const Resultado cargada = cargar(j, ruta);
    QCOMPARE(cargada.sistema, porque);
    if (porque.isEmpty()) {
        QVERIFY(cargada);
        QCOMPARE(j.objetos(), QStringList{QStringLiteral("Agua")});
    } else {
        QCOMPARE(cargada.motivo, Motivo::DeOtros);
        mismoJuego(j, enCurso);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("No se ha guardado %1 - otros usuarios podrían cambiarla (%2).").arg(ruta, porque)));
    }
    const Resultado guardada = guardar(j, ruta);
    QCOMPARE(guardada.sistema, porque);
    QCOMPARE(bool(guardada), porque.isEmpty());
    // Refused, nothing was written; saved, only the game's own file was.
    QCOMPARE(leerFichero(ruta), porque.isEmpty() ? escribir(j.objetos(), j.estado) : antes);
    QCOMPARE(QFileInfo(ruta).isSymLink(), !porque.isEmpty() && cambio.startsWith(QLatin1String("enlace")));
    QCOMPARE(leerFichero(fuera), vieja);
#else
    QSKIP("Owners and write bits are the Unix way.");
#endif
}

void TestPartida::robustez_data()
{
    QTest::addColumn<QByteArray>("datos");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("leidos");

    QTest::newRow("cuenta enorme sin nada mas") << QByteArray("32767\r\n") << false << 0;
    QTest::newRow("cuenta enorme con pocos objetos")
        << QByteArray("32767\r\n\"a\"\r\n\"b\"\r\n1,0,0,0,0,0\r\n") << false << 8;
    QTest::newRow("comilla sola") << QByteArray("\"") << false << 0;
    QTest::newRow("comilla sola tras la cuenta") << QByteArray("1\r\n\"") << false << 0;
    QTest::newRow("sin fin de linea") << QByteArray("1,\"Mechero\",1,0,0,0,0,0") << true << 1;
    QTest::newRow("bytes nulos") << QByteArray("1\r\n\0\0\0\r\n1,0,0,0,0,0\r\n", 21) << true << 1;
    QTest::newRow("binario") << QByteArray::fromHex("00FF9D22810D0A7F80") << false << 0;
    QTest::newRow("solo separadores") << QByteArray(",,,,\r\n\r\n\n\r") << false << 0;
}

void TestPartida::robustez()
{
    QFETCH(QByteArray, datos);
    QFETCH(bool, ok);
    QFETCH(int, leidos);
    const Leido r = leerBytes(datos);
    QCOMPARE(r.ok, ok);
    QCOMPARE(r.objetos.size(), leidos);
    if (!ok)
        QCOMPARE(r.palabras, centinela);
}

void TestPartida::cuentaEnormeConCienMegas()
{
    // 100 MB of empty fields: the count stops the items at 32767, then an empty
    // field is no number.
    QByteArray datos("32767\r\n");
    datos.append(QByteArray(100 * 1024 * 1024, ','));
    const Leido r = leerBytes(datos);
    QCOMPARE(r.ok, false);
    QCOMPARE(r.objetos.size(), 32767);
    QCOMPARE(r.objetos.first(), QString());
    QCOMPARE(r.palabras, centinela);
}

void TestPartida::cienMegasSinSeparadores()
{
    const QByteArray cifras(100 * 1024 * 1024, '1');
    QCOMPARE(leerBytes(cifras).ok, false);
    QByteArray letras(100 * 1024 * 1024, 'x');
    QCOMPARE(leerBytes(letras).ok, false);
    letras[0] = '"';
    QCOMPARE(leerBytes(letras).ok, false);
}

void TestPartida::basuraAleatoria()
{
    // Same promises as the fuzz target, on a fixed sequence of random inputs made
    // of fields, separators and stray bytes, so that many of them read through.
    static const char *const numeros[] = {"0", "1", "2", "-1", "+3", "32767", " 5", "\"4\""};
    static const char *const otros[] = {"40000", "\"a\"", "\"\xF3,\r\n\"", "\"b\" c", "x\"y", "", "\"", "\x81\x00"};
    static const char *const separadores[] = {",", "\r\n", "\n", "\r", ", ", "\t,"};
    QRandomGenerator azar(20240611);
    int completas = 0;
    int fallidas = 0;
    for (int vuelta = 0; vuelta < 5000; ++vuelta) {
        QByteArray datos = QByteArray::number(azar.bounded(-1, 4));
        const int largo = azar.bounded(14);
        for (int i = 0; i < largo; ++i) {
            datos += separadores[azar.bounded(int(std::size(separadores)))];
            const char *campo = azar.bounded(4) > 0 ? numeros[azar.bounded(int(std::size(numeros)))]
                                                    : otros[azar.bounded(int(std::size(otros)))];
            datos += QByteArray(campo, campo[0] == '\x81' ? 2 : qsizetype(qstrlen(campo)));
        }
        const Leido r = leerBytes(datos);
        if (!r.ok) {
            ++fallidas;
            QCOMPARE(r.palabras, centinela);
            continue;
        }
        ++completas;
        bool conComillas = false;
        for (const QString &o : r.objetos)
            conComillas = conComillas || o.contains(QLatin1Char('"'));
        if (conComillas)
            continue;
        const Leido otra = leerBytes(escribir(r.objetos, estadoCon(r.palabras)));
        QVERIFY(otra.ok);
        QCOMPARE(otra.objetos, r.objetos);
        QCOMPARE(otra.palabras, r.palabras);
    }
    QVERIFY(completas > 100);
    QVERIFY(fallidas > 100);
}

QTEST_GUILESS_MAIN(TestPartida)
#include "test_partida.moc"

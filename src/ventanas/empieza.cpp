// The adventure screen: its colours, its verbs, and the game shown on it.
#include "empieza.h"
#include "ui_empieza.h"

#include "adelanto.h"
#include "escenas.h"
#include "ficheros.h"
#include "estilo.h"
#include "juego.h"
#include "pantalla_completa.h"
#include "ventana.h"
#include "zonas.h"

#include <QAbstractItemView>
#include <QDir>
#include <QMouseEvent>

namespace zw {

namespace {

// Background and, where given, text colour of a control. Only the control's own
// roles change, so the inventory list keeps the toolkit's white.
void pintar(QWidget *w, ColorSistema fondo, std::optional<ColorSistema> letra = {})
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color(fondo));
    if (qobject_cast<QAbstractItemView *>(w))
        p.setColor(QPalette::Base, color(fondo));
    if (letra)
        for (QPalette::ColorRole rol : {QPalette::WindowText, QPalette::Text})
            p.setColor(rol, color(*letra));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The verb labels in the order they stand on screen, which is the order of
// their number keys and of Tab, with their design colours.
struct VerboEnPantalla {
    Etiqueta *Ui::Empieza::*etiqueta;
    Verbo verbo;
    ColorSistema fondo, letra;
};
// clang-format off
const VerboEnPantalla verbos[] = {
    {&Ui::Empieza::Hablar, Verbo::Hablar, ColorSistema::TextoBoton, ColorSistema::TextoResaltado},
    {&Ui::Empieza::Mentir, Verbo::Mentir, ColorSistema::TextoBoton, ColorSistema::Relieve},
    {&Ui::Empieza::Coger,  Verbo::Coger,  ColorSistema::TextoBoton, ColorSistema::Relieve},
    {&Ui::Empieza::Usar,   Verbo::Usar,   ColorSistema::TextoBoton, ColorSistema::Relieve},
    {&Ui::Empieza::Mirar,  Verbo::Mirar,  ColorSistema::TextoAyuda, ColorSistema::Relieve},
};
// clang-format on

} // namespace

Empieza::Empieza(Juego &juego, const QString &carpetaGraficos, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Empieza>())
    , juego_(juego)
    , carpeta_(carpetaGraficos)
{
    ui->setupUi(this);
    prepararVentana(this);
    escala::permitirPantallaCompleta(this);
    new imagenes::AdelantoDeEscenas(ui->Image1, carpeta_, ImagenEscena::ancho);
    pintar(this, ColorSistema::TextoMenu);
    for (QLabel *l : std::initializer_list<QLabel *>{ui->Label6, ui->Limpiar, ui->Label1, ui->Label2})
        pintar(l, ColorSistema::TextoBoton, ColorSistema::TextoResaltado);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->acciones, ui->resultado, ui->muestra})
        pintar(w, ColorSistema::TextoTituloInactivo);
    for (const VerboEnPantalla &v : verbos)
        pintar((*ui).*v.etiqueta, v.fondo, v.letra);

    conectarVerbos();
    conectarJuego();

    connect(ui->objetos, &ListaObjetos::elegida, &juego_, &Juego::elegirObjeto);
    connect(ui->Image1, &ImagenEscena::movido, this, [this](QPoint p) {
        ui->muestra->setText(zonaBajoRaton(juego_.pantalla(), p.x(), p.y()));
    });
    connect(ui->Image1, &ImagenEscena::pulsado, this, [this](QPoint p) {
        juego_.pulsarImagen(p.x(), p.y());
    });
    connect(ui->Limpiar, &Etiqueta::clicked, &juego_, &Juego::limpiar);
    connect(ui->Label2, &Etiqueta::clicked, this, &Empieza::menu);
    connect(ui->Label6, &Etiqueta::clicked, this, &Empieza::salir);
    prepararTeclado();
    prepararLector();
}

QList<Etiqueta *> Empieza::etiquetasDeVerbos() const
{
    QList<Etiqueta *> etiquetas;
    for (const VerboEnPantalla &v : verbos)
        etiquetas << (*ui).*v.etiqueta;
    return etiquetas;
}

void Empieza::conectarVerbos()
{
    for (const VerboEnPantalla &v : verbos) {
        Etiqueta *etiqueta = (*ui).*v.etiqueta;
        const Verbo verbo = v.verbo;
        connect(etiqueta, &Etiqueta::clicked, this, [this, verbo] { juego_.pulsarVerbo(verbo); });
        connect(etiqueta, &Etiqueta::ratonEncima, this, [this, etiqueta] { resaltar(etiqueta, true); });
    }
}

void Empieza::conectarJuego()
{
    // A loaded game's whole inventory comes as one insertion and one scroll:
    // a scroll per entry lays the whole list out again each time.
    connect(&juego_, &Juego::objetosAnexados, this, [this](const QStringList &nombres) {
        ui->objetos->addItems(nombres);
        ui->objetos->scrollToBottom(); // the new entries in sight
    });
    connect(&juego_, &Juego::objetoQuitado, this, [this](int indice) { delete ui->objetos->takeItem(indice); });
    connect(&juego_, &Juego::objetosVaciados, ui->objetos, &QListWidget::clear);
    connect(&juego_, &Juego::resultadoCambiado, this, [this] {
        ui->resultado->clear();
        ui->resultado->addItems(juego_.resultado());
    });
    connect(&juego_, &Juego::accionesCambiadas, ui->acciones, &QLabel::setText);
    connect(&juego_, &Juego::escenaCambiada, this, &Empieza::mostrarEscena);
    // Made after the game began (the screen is made when first needed): what
    // it has so far.
    ui->objetos->addItems(juego_.objetos());
    ui->resultado->addItems(juego_.resultado());
    ui->acciones->setText(juego_.acciones());
    mostrarEscena(juego_.pantalla());
}

void Empieza::resaltar(QLabel *verbo, bool resaltado)
{
    QPalette p = verbo->palette();
    p.setColor(QPalette::WindowText, color(resaltado ? ColorSistema::Resaltado : ColorSistema::TextoResaltado));
    verbo->setPalette(p);
}

void Empieza::mouseMoveEvent(QMouseEvent *e)
{
    // Only the bare background puts the verbs back; moving across any other
    // control keeps the highlight.
    if (childAt(e->position().toPoint()) == nullptr)
        for (const VerboEnPantalla &v : verbos)
            resaltar((*ui).*v.etiqueta, false);
    QWidget::mouseMoveEvent(e);
}

bool Empieza::escenaLegible(int escena, imagenes::Fallo *fallo) const
{
    const QString ruta = ficheros::buscar(carpeta_, ficheroEscena(escena));
    if (ruta.isEmpty()) {
        *fallo = {QDir(carpeta_).filePath(ficheroEscena(escena)), QStringLiteral("no existe")};
        return false;
    }
    return ui->Image1->legible(ruta, ImagenEscena::ancho, fallo);
}

// A scene whose picture is missing stays playable: its hotspots still answer,
// and the player is told which drawing is gone instead of seeing the old scene.
void Empieza::mostrarEscena(int escena)
{
    const QString ruta = ficheros::buscar(carpeta_, ficheroEscena(escena));
    if (ruta.isEmpty() || !ui->Image1->mostrarFichero(ruta)) {
        ui->Image1->mostrarTarjeta(
            QStringLiteral("No encuentro el dibujo \"%1\".").arg(QDir(carpeta_).filePath(ficheroEscena(escena))));
    }
    ui->Image1->ponerEscena(escena);
}

Empieza::~Empieza() = default;

} // namespace zw

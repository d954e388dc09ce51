// The words and sizes of the windows, read from their own Designer forms so they have one home.
#include "formularios.h"

#include <QFile>
#include <QXmlStreamReader>

#include <functional>
#include <vector>

namespace zw {

namespace {

struct Control {
    QString clase;
    QString nombre;
};

// Calls `visto` with every string property of the form: the control or
// window it belongs to, the property's name and its text.
void recorrer(const QString &formulario,
              const std::function<void(const Control &, const QString &, const QString &)> &visto)
{
    QFile fichero(QStringLiteral(":/formularios/") + formulario);
    if (!fichero.open(QIODevice::ReadOnly)) {
        qWarning("No está el formulario %s", qPrintable(formulario));
        return;
    }
    QXmlStreamReader xml(&fichero);
    std::vector<Control> dentro;  // the widgets and actions the reader is inside
    QString propiedad;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto nombre = xml.name();
        if (xml.isStartElement()) {
            if (nombre == QLatin1String("widget") || nombre == QLatin1String("action"))
                dentro.push_back({xml.attributes().value(QLatin1String("class")).toString(),
                                  xml.attributes().value(QLatin1String("name")).toString()});
            else if (nombre == QLatin1String("property"))
                propiedad = xml.attributes().value(QLatin1String("name")).toString();
            else if (nombre == QLatin1String("string") && !propiedad.isEmpty() && !dentro.empty())
                visto(dentro.back(), propiedad, xml.readElementText());
        } else if (xml.isEndElement()) {
            if (nombre == QLatin1String("widget") || nombre == QLatin1String("action"))
                dentro.pop_back();
            else if (nombre == QLatin1String("property"))
                propiedad.clear();
        }
    }
    if (xml.hasError())
        qWarning("El formulario %s no se lee: %s", qPrintable(formulario), qPrintable(xml.errorString()));
}

} // namespace

QString textoDeFormulario(const QString &formulario, const QString &nombre, const QString &propiedad)
{
    QString texto;
    recorrer(formulario, [&](const Control &c, const QString &p, const QString &t) {
        if (c.nombre == nombre && p == propiedad)
            texto = t;
    });
    return texto;
}

QStringList etiquetasDeFormulario(const QString &formulario)
{
    QStringList textos;
    recorrer(formulario, [&](const Control &c, const QString &p, const QString &t) {
        if (c.clase == QLatin1String("QLabel") && p == QLatin1String("text"))
            textos << t;
    });
    return textos;
}

QSize tamanoDeFormulario(const QString &formulario)
{
    QFile fichero(QStringLiteral(":/formularios/") + formulario);
    if (!fichero.open(QIODevice::ReadOnly))
        return {};
    // The window's own geometry: the first widget's, before any child widget opens.
    QXmlStreamReader xml(&fichero);
    int widgets = 0;
    bool enGeometria = false;
    QSize tamano;
    while (!xml.atEnd() && widgets < 2) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto nombre = xml.name();
        if (nombre == QLatin1String("widget"))
            ++widgets;
        else if (nombre == QLatin1String("property"))
            enGeometria = widgets == 1 && xml.attributes().value(QLatin1String("name")) == QLatin1String("geometry");
        else if (enGeometria && nombre == QLatin1String("width"))
            tamano.setWidth(xml.readElementText().toInt());
        else if (enGeometria && nombre == QLatin1String("height"))
            tamano.setHeight(xml.readElementText().toInt());
    }
    return tamano;
}

} // namespace zw

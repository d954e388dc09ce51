// Tooltips broken into lines as wide as the control they describe, and never narrower than a short phrase.
#include "ayudas.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace zw {

namespace {

// Word by word, each line as long as fits `ancho` pixels of the tooltip's font.
QString partir(const QString &texto, int ancho)
{
    const QFontMetrics medidas(QToolTip::font());
    QStringList lineas;
    QString linea;
    for (const QString &palabra : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString mas = linea.isEmpty() ? palabra : linea + QLatin1Char(' ') + palabra;
        if (!linea.isEmpty() && medidas.horizontalAdvance(mas) > ancho) {
            lineas << linea;
            linea = palabra;
        } else {
            linea = mas;
        }
    }
    if (!linea.isEmpty())
        lineas << linea;
    return lineas.join(QLatin1Char('\n'));
}

// As wide as the control, and never so narrow as to break a short phrase.
int anchoDeAyuda(const QWidget *control)
{
    return std::max(control->width(), caracteresMinimos * QFontMetrics(QToolTip::font()).averageCharWidth());
}

class Ayudas : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *e) override
    {
        if (e->type() != QEvent::ToolTip || !objeto->isWidgetType())
            return QObject::eventFilter(objeto, e);
        auto *w = static_cast<QWidget *>(objeto);
        if (w->toolTip().isEmpty() || Qt::mightBeRichText(w->toolTip()))
            return QObject::eventFilter(objeto, e);
        const auto *ayuda = static_cast<QHelpEvent *>(e);
        QToolTip::showText(ayuda->globalPos(), partir(w->toolTip(), anchoDeAyuda(w)), w, w->rect());
        return true;
    }
};

} // namespace

void instalarAyudas(QApplication *app)
{
    app->installEventFilter(new Ayudas(app));
}

} // namespace zw

// Tab on a terminal: the word being typed completed with a name in sight or an order.
#include "completar.h"

#include "frases.h"

namespace zw::texto {

namespace {

QString clave(const QString &texto)
{
    return palabras(texto).join(QLatin1Char(' '));
}

// What all of them begin with, letter case aside; in the first one's own case.
QString comun(const QStringList &nombres)
{
    QString prefijo = nombres.first();
    for (const QString &n : nombres) {
        qsizetype i = 0;
        while (i < prefijo.size() && i < n.size() && prefijo.at(i).toCaseFolded() == n.at(i).toCaseFolded())
            ++i;
        prefijo.truncate(i);
    }
    return prefijo;
}

Completado elegir(const QString &trozo, const QStringList &hallados)
{
    QStringList distintos;
    for (const QString &h : hallados)
        if (!distintos.contains(h, Qt::CaseInsensitive))
            distintos << h;
    if (distintos.size() == 1)
        return {trozo.size(), distintos.first() + QLatin1Char(' '), {}};
    const QString prefijo = comun(distintos);
    if (prefijo.size() > trozo.size())
        return {trozo.size(), prefijo, distintos};
    return {0, {}, distintos};
}

} // namespace

Completado completar(const QString &antes, const QStringList &nombres, const QStringList &primeras)
{
    // Where each word of the line begins.
    QList<qsizetype> inicios;
    for (qsizetype i = 0; i < antes.size(); ++i)
        if (!antes.at(i).isSpace() && (i == 0 || antes.at(i - 1).isSpace()))
            inicios << i;
    if (antes.isEmpty() || antes.back().isSpace())
        return {0, {}, inicios.isEmpty() ? primeras + nombres : nombres};

    // The longest tail of the line that begins a name: "chicle ma" before "ma".
    for (qsizetype k = 0; k < inicios.size(); ++k) {
        const QString trozo = antes.mid(inicios.at(k));
        const QString buscado = clave(trozo);
        QStringList hallados;
        for (const QString &n : k == 0 ? primeras + nombres : nombres)
            if (clave(n).startsWith(buscado))
                hallados << n;
        if (!hallados.isEmpty())
            return elegir(trozo, hallados);
    }
    return {};
}

} // namespace zw::texto

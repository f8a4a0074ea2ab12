#include "kit/etiqueta.h"

#include <QRegularExpression>

namespace zp {

namespace {

// Cuts from `palabra` the longest start that fits in `ancho` (at least one character, so that it ends).
qsizetype CorteQueCabe(const QString& palabra, int ancho, const FontSpec& fuente)
{
    qsizetype n = 1;
    while (n < palabra.size() && textWidth(palabra.left(n + 1), fuente) <= ancho) ++n;
    return n;
}

void PartirParrafo(const QString& parrafo, int ancho, const FontSpec& fuente, QStringList& lineas)
{
    // Words and runs of blanks in turn; blanks are kept inside a line (the texts use double spaces) and
    // dropped where the line breaks.
    static const QRegularExpression trozos(QStringLiteral("( +|[^ ]+)"));
    QString linea;
    auto it = trozos.globalMatch(parrafo);
    while (it.hasNext()) {
        QString trozo = it.next().captured(1);
        if (trozo.startsWith(QLatin1Char(' '))) {
            linea += trozo;
            continue;
        }
        if (!linea.trimmed().isEmpty() && textWidth(linea + trozo, fuente) > ancho) {
            while (linea.endsWith(QLatin1Char(' '))) linea.chop(1);
            lineas << linea;
            linea.clear();
        }
        if (linea.trimmed().isEmpty() && textWidth(linea + trozo, fuente) > ancho) {
            linea.clear();
            while (textWidth(trozo, fuente) > ancho) {
                const qsizetype n = CorteQueCabe(trozo, ancho, fuente);
                lineas << trozo.left(n);
                trozo.remove(0, n);
            }
        }
        linea += trozo;
    }
    lineas << linea;
}

} // namespace

QStringList PartirEnLineas(const QString& texto, int ancho, const FontSpec& fuente)
{
    static const QRegularExpression saltos(QStringLiteral("\r\n|\r|\n"));
    QStringList lineas;
    for (const QString& parrafo : texto.split(saltos)) PartirParrafo(parrafo, ancho, fuente, lineas);
    return lineas;
}

void DibujarEtiqueta(Surface& destino, const QRect& zona, const QString& texto, const FontSpec& fuente,
                     QRgb color, QRgb fondo, int interlinea)
{
    if (zona.width() <= 0 || zona.height() <= 0) return;
    // Drawn apart and copied whole, so that what does not fit is cut at the label's edges.
    Surface etiqueta(zona.width(), zona.height(), fondo);
    int y = 0;
    for (const QString& linea : PartirEnLineas(texto, zona.width(), fuente)) {
        if (y >= zona.height()) break;
        etiqueta.text(0, y, linea, fuente, color);
        y += interlinea;
    }
    destino.blit(zona.x(), zona.y(), zona.width(), zona.height(), etiqueta, 0, 0);
}

} // namespace zp

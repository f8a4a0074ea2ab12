#pragma once
// The labels of the message box and the waiting panel, painted into their window's surface: a caption that
// breaks at each line break and wraps at word boundaries within the label, cut off at the label's edges.
#include "platform/surface.h"

#include <QRect>
#include <QStringList>

namespace zp {

// The lines `texto` fills in a label `ancho` pixels wide: a new line at each CR LF (or a lone CR or LF),
// and wherever the next word would pass the right edge; a word wider than the label is cut where it must.
QStringList PartirEnLineas(const QString& texto, int ancho, const FontSpec& fuente);

// Paints the label `zona` of `destino`: its ground in `fondo`, then the lines from its top, one every
// `interlinea` pixels; nothing is drawn outside the label.
void DibujarEtiqueta(Surface& destino, const QRect& zona, const QString& texto, const FontSpec& fuente,
                     QRgb color, QRgb fondo, int interlinea);

} // namespace zp

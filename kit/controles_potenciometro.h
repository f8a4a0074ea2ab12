#pragma once
// The slider of the settings windows (`Pic_Potenciometro`): a track with the marks 0, 5 and 10 and a knob
// whose left edge stands at `valor` + 8 for a value 0..100, in an etched frame under its caption.
#include "engine/estado.h"
#include "kit/controles.h"

namespace zp {

class PictureBox;

inline constexpr int kYMando = 17; // top of the knob in the slider

// Left edge of the knob for a value.
constexpr int XMando(Entero valor)
{
    return valor + 8;
}

// The pointer is over the knob of a slider at `valor`: x in valor+8..valor+20, y in 17..35, bounds included.
bool EnMandoPotenciometro(QPoint punto, Entero valor);

// Only the knob, its left top corner at (x, y): the track's own ground stretched under it, a raised edge
// and the red index mark.
void DibujarMandoPotenciometro(Surface& potenciometro, int x, int y);
// Puts back the track under the knob of a slider at `valor` (before the knob is drawn elsewhere).
void BorrarMandoPotenciometro(Surface& potenciometro, Entero valor);

// The whole slider: track, knob at `valor`, frame and the shadowed caption centred over it.
void PintarPotenciometro(Surface& potenciometro, Entero valor, const QString& texto,
                         const FontSpec& fuente = FuenteControles());
void DibujarPotenciometro(PictureBox& potenciometro, Entero valor, const QString& texto,
                          const FontSpec& fuente = FuenteControles());

} // namespace zp

#pragma once
// The on/off switch of the settings windows (`Pic_Buleano`): a lamp and its caption in an etched frame
// drawn on the window round the switch. The switch itself is its whole click area.
#include "kit/controles.h"

namespace zp {

class PictureBox;

// Width the switch takes for `texto`: the caption without its outer blanks, plus 20 pixels.
int AnchoBuleano(const QString& texto, const FontSpec& fuente = FuenteControles());

// The frame on the window round a switch whose top-left corner is `esquina` (the window's pixels).
void DibujarMarcoBuleano(Surface& ventana, QPoint esquina, int grosor = 1);

// The switch's own picture: the lit lamp when `valor` is on, the unlit one otherwise, and the caption as
// given (blanks kept) at (19, 1). The surface takes the switch's width and at least the lamp's height.
void PintarBuleano(Surface& buleano, const QString& texto, bool valor,
                   const FontSpec& fuente = FuenteControles());

// The whole drawing: the frame on `ventana` round `buleano`, the switch's new width and picture, both shown.
void DibujarBuleano(PictureBox& ventana, PictureBox& buleano, const QString& texto, bool valor,
                    const FontSpec& fuente = FuenteControles(), int grosor = 1);

} // namespace zp

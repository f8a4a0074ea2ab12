#pragma once
// The etched caption frame laid round a text box of the player settings (player name, address).
#include "kit/controles.h"

namespace zp {

inline constexpr int kAnchoEnmarcada = 145;

// Draws on the window a 145 x 30 etched frame at (x, y) with `texto` centred over its top edge, and
// returns where a control `anchoControl` wide goes inside it.
QPoint DibujarEtiquetaEnmarcada(Surface& ventana, int x, int y, const QString& texto, int anchoControl,
                                const FontSpec& fuente = FuenteControles());
// The same, moving `control` (of logical size `tamano`) into the frame and showing it.
void DibujarEtiquetaEnmarcada(Surface& ventana, QWidget& control, QSize tamano, int x, int y,
                              const QString& texto, const FontSpec& fuente = FuenteControles());

} // namespace zp

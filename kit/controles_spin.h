#pragma once
// The spin of the rules window (`Pic_Spin` with its text box `Tex_Spin`): a caption, the value in the text
// box at (130, 4) and a pair of arrows at (170, 4) in an etched frame.
#include "engine/estado.h"
#include "kit/controles.h"

class QLineEdit;

namespace zp {

class PictureBox;

// Top-left corners of the up and down arrows inside a spin; each arrow is 15 x 9.
inline constexpr Entero SpinArribaX = 170;
inline constexpr Entero SpinArribaY = 4;
inline constexpr Entero SpinAbajoX = 170;
inline constexpr Entero SpinAbajoY = 14;
inline constexpr QPoint kPosicionTexSpin{130, 4};

// The arrow area, both arrows and the gap between them: 170..185 x 4..23, bounds included.
bool EnFlechasSpin(QPoint punto);
// Within the arrow area, the half of each arrow.
bool EnFlechaArriba(QPoint punto);
bool EnFlechaAbajo(QPoint punto);

// The value as the text box shows it: no leading zeros, no separators.
QString TextoSpin(Entero valor);

// One arrow, released or pressed, at its place.
void DibujarFlechaSpin(Surface& spin, bool arriba, bool pulsada);

// Arrows, frame and caption on the spin's surface.
void PintarSpin(Surface& spin, const QString& texto, const FontSpec& fuente = FuenteControles());
// The whole spin: its picture, and `valor` in its text box, placed at (130, 4) with its logical size.
void DibujarSpin(PictureBox& spin, QLineEdit& tex_spin, QSize tamanoTexto, Entero valor, const QString& texto,
                 const FontSpec& fuente = FuenteControles());

} // namespace zp

#pragma once
// What the custom-drawn controls of the settings windows share: the shadowed lettering of every caption,
// the etched frames and the font of the controls. Each control draws onto a Surface from the sprite sheet
// (`HojaBmpVario`) and has its own file: switch, selector, slider, spin and framed box.
#include "platform/surface.h"

#include <QFont>
#include <QPoint>
#include <QSize>

class QWidget;

namespace zp {

// The windows' default lettering (8.25 pt), in pixels; bold when `negrita`.
FontSpec FuenteControles(bool negrita = false);
// The Qt font of a text box or list: the family, size and weight of `fuente`, the size times the screen's
// scale when `escalada`.
QFont FuenteCaja(const FontSpec& fuente, bool escalada = false);

// `texto` in white on a cell of the surface's background colour at (x, y), then in blue, transparent, one
// pixel lower right: blue letters with a white light edge.
void ImprimirTextoSombreado(Surface& imagen, int x, int y, const QString& texto,
                            const FontSpec& fuente = FuenteControles());

// An etched frame: a white outline of the box (x1, y1)-(x2, y2), both corners included, and a grey one a
// pixel lower right.
void MarcoGrabado(Surface& imagen, int x1, int y1, int x2, int y2, int grosor = 1);

// The raised border every dialog window draws round itself, two pixels wide: white at the top and left,
// grey at the right and bottom.
void BordeElevado(Surface& ventana);

// (a − b) / 2 to the nearest integer, halves to even: how every caption is centred.
int MitadRedondeada(int a, int b);

// Places a child control (a text box) at a position in logical pixels of its parent, keeping its size.
void MoverControl(QWidget& control, QPoint posicion, QSize tamano);

} // namespace zp

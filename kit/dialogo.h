#pragma once
// What every dialog window of the program does as it loads: it stands in the middle of the screen and its
// ground is a light grey picture of its own size.
#include <QRect>
#include <QSize>

class QWidget;

namespace zp {

class PictureBox;

// Places `ventana` (`tamano` logical pixels) centred on the virtual screen, halves rounded down, and gives
// `fondo` a light grey surface of that size at its top-left corner. Returns the place on the virtual screen.
QRect CentrarDialogo(QWidget& ventana, PictureBox& fondo, QSize tamano);

} // namespace zp

#pragma once
// The Continue button of the button bar: drawn whenever the match waits for a press here, its two lines
// say whose move it is.
#include "engine/ajustes.h"
#include "platform/picture_box.h"

#include <QString>

namespace zp {

inline constexpr Entero kBotonSuelto = 1;
inline constexpr Entero kBotonPulsado = 2;

struct RotuloContinuar
{
    QString Linea1, Linea2; // the second empty: one line, lower
};

// Between hands "Continuar"; a seat played by the person here: its name over "automático" (a press lets
// the computer choose); any other seat: "Juega" over its name.
RotuloContinuar CalcularRotuloContinuar(const EstadoJuego& e, const Ajustes& a);

// Paints the button (pressed picture for `estado` 2) with its caption, shows it and sets `EsperaContinuar`.
// A network client during a hand has no Continue button: nothing is done.
void DibujarBotonContinuar(PictureBox& Pic_BotContinuar, const Surface& Pic_BmpVario, EstadoJuego& e,
                           const Ajustes& a, Entero estado);

// Hides the button; the match's wait for it ends.
void OcultarBotonContinuar(PictureBox& Pic_BotContinuar, EstadoJuego& e);

} // namespace zp

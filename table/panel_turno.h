#pragma once
// The turn panel `Pic_TexTurno` of the button bar: while a network game waits for a move it names the
// player in turn and shows how long the wait has lasted. Green and blinking when this computer's seat is
// the one awaited, blue and steady otherwise.
#include "engine/estado.h"
#include "platform/picture_box.h"
#include "table/lienzo_mesa.h"

#include <QString>
#include <cstdint>

namespace zp {

// The time waited as minutes and two-digit seconds: "0:07", "12:45", "100:00".
QString TextoTiempoEspera(int segundos);

// Seconds since midnight, with their fraction, on the wall clock.
double SegundosDelDia();

// Places the panel 15 px above the Continue button (`arribaContinuar`, its top in the bar), paints it and
// shows it; only while a match is in progress. `segundosEspera` is the whole seconds waited so far and
// `fraccionSegundo` the fraction of the current second on the wall clock, which times the blink.
void DibujarEsperandoJugada(PictureBox& Pic_TexTurno, const EstadoJuego& e, const Ajustes& a, EstadoMesa& m,
                            int arribaContinuar, int segundosEspera, double fraccionSegundo);

// The same, timed from `inicioEspera` on the program's millisecond clock (the start of the match's wait)
// and blinking by the wall clock.
void DibujarEsperandoJugada(PictureBox& Pic_TexTurno, const EstadoJuego& e, const Ajustes& a, EstadoMesa& m,
                            int arribaContinuar, std::uint32_t inicioEspera);

} // namespace zp

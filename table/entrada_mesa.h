#pragma once
// The person plays on the table with the mouse: every pointer move sets the zone and its cursor, and a
// press or click acts on the zone in force (play a tile, choose the leader, turn or reorder a tile of a
// face-up hand, deal the grid's tiles by hand) or on a shown end arrow. The results go back to the match
// loop and the deal through the flags their waits read.
#include "platform/picture_box.h"

namespace zp {

class mesa;

void Form_MouseMove(mesa& ventana, const PointerEvent& p);
void Form_MouseDown(mesa& ventana, const PointerEvent& p);
void Form_MouseUp(mesa& ventana, const PointerEvent& p);
void Form_Click(mesa& ventana, const PointerEvent& p);

// A drag ends without a release (a box opened over the table, the hands were dealt anew): a grid tile goes
// back to its cell while the deal goes on, a hand tile back to the slot it was lifted from while its hand is
// on the table; a hand dealt or loaded in its place is left as it is.
void TerminarArrastres(mesa& ventana);

// The pointer over the bar's background: the table's zone is left.
void Pic_Botonera_MouseMove(mesa& ventana);

// The arrow of end 1 and of end 2: they answer only while the loop waits for the choice of end.
void Ima_FlechaDer_Click(mesa& ventana);
void Ima_FlechaIzq_Click(mesa& ventana);

// The choice of end begins: default pointer, the two arrows placed at their ends and blinked twice with
// their sound, then left shown.
void MostrarFlechasExtremos(mesa& ventana);

} // namespace zp

#pragma once
// The settings windows as the table opens them: the table's own services lent to them while they are open,
// and what the table does once they close (the game before network play restored, network play started,
// a new match).
#include "settings/servicios_ajustes.h"

namespace zp {

struct Programa;

// Bar button 2: the player settings, then what they asked for.
void AbrirPersonal(Programa& pr);

// After a settings window: the saved game reloaded and taken up again, or the network start-up (and then a
// new match), or a new match. With no flag the changed settings simply apply to the game in progress.
void AtenderBanderasAjustes(Programa& pr, const BanderasAjustes& banderas);

// Network play: listening or connecting, the handshake and the seats. False when it did not start.
bool IniciarJuegoEnRed(Programa& pr);

} // namespace zp

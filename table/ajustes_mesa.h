#pragma once
// The player settings as the table opens them, with the table's own services and its network lent to them
// while they are open; and the network start-up that the settings may ask for once they close.
#include "settings/servicios_ajustes.h"

namespace zp {

struct Programa;

// Shows the player settings over the table and returns what they ask the table to do next.
BanderasAjustes MostrarPersonalEnMesa(Programa& pr);

// Network play: listening or connecting, the handshake and the seats. True when a new match must start now.
bool IniciarJuegoEnRed(Programa& pr);

} // namespace zp

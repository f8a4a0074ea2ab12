#pragma once
// A network client takes the players and the shared rules from the host's state message, and the dealt
// hands and the stock from its deal message, each host seat moved to where this computer shows it.
#include "engine/ajustes.h"
#include "settings/core/cadenas_estado.h"

#include <string_view>

namespace zp {

// `cadena`: the 780 characters after "ZRP3311". The whole string is checked first; a bad one is dropped
// with nothing applied and the reason returned.
FalloLectura AplicarAjustesRecibidos(std::string_view cadena, EstadoJuego& juego, Ajustes& datos);

// `cadena`: the 780 characters of a kept "ZRP3312" deal message. Checked the same way.
FalloLectura AplicarManosRecibidas(std::string_view cadena, EstadoJuego& juego);

} // namespace zp

#pragma once
// The settings file written when the program ends. A save that fails is said in the message box, and the
// person tries again or leaves without it: the settings and a game left for later are never lost unseen.
#include "engine/ajustes.h"

#include <string>

namespace zp {

// True once ZARPE33.INI is written; false when the person chose to leave without it.
bool GuardarAjustesAlSalir(const std::string& carpetaDatos, const EstadoJuego& juego, const Ajustes& datos);

} // namespace zp

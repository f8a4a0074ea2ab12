#pragma once
// The folder that stands in for the Windows folder: the per-user data folder of the game.
#include <string>

namespace zp {

// The per-user data folder (XDG data home, "Zarpelon"), created when missing, in UTF-8 and ending in "/".
// When there is no such folder the result is "/" alone.
std::string ObtenerDirectorioWindows();

} // namespace zp

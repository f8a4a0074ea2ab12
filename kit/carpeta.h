#pragma once
// The per-user data folder of the game, the base of the work folder when the program's own folder cannot be
// written.
#include <string>

namespace zp {

// The per-user data folder (XDG data home, "Zarpelon"), created when missing, in UTF-8 and ending in "/".
// When there is no such folder the result is "/" alone.
std::string ObtenerDirectorioWindows();

} // namespace zp

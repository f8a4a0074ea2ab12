#pragma once
// The texts the option selectors of the player settings and rules windows show, and their captions.
#include "engine/ajustes.h"

#include <array>
#include <string>

namespace zp {

constexpr int kSelectores = 35;          // selectors 1..34; row 0 unused
constexpr int kOpciones = 6;             // options 1..5; option 0 stays blank
constexpr std::size_t kAnchoOpcion = 22; // characters of every option text, blank-filled

// `OpcionesSelector`(selector, opción): UTF-8, always 22 characters; 22 blanks where a row has no option.
using TablaOpciones = std::array<std::array<std::string, kOpciones>, kSelectores>;

// Fills every row; rows 17 and 19 follow the game mode `modoJuego` (1 Parejas, 2 Individual).
void CargarEtiquetasOpciones(TablaOpciones& OpcionesSelector, Modalidad modoJuego);

// `TitulosSelector`(selector): each caption with one blank before and two after; empty for 0, 4, 20, 29, 30.
const std::array<std::string, kSelectores>& TitulosSelector();

} // namespace zp

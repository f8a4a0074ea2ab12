#pragma once
// A selector of the settings windows as the settings tables give it: its caption and its row of option texts.
#include "settings/core/etiquetas_opciones.h"

#include <QString>
#include <array>

namespace zp {

// The option texts of selector `indice`, options 0..5 at their index.
std::array<QString, kOpciones> FilaOpciones(const TablaOpciones& t, Entero indice);
// The caption of selector `indice`, blanks kept.
QString TituloSelector(Entero indice);

} // namespace zp

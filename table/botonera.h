#pragma once
// The button bar at the right edge of the table: nine picture buttons that start and leave matches, give the
// tutor's hint and open the help. Each shows by its pointer whether it may be used now (the no-drop pointer
// 12, or the pointing hand), decided when the pointer passes over it; a press on an unusable one does
// nothing.
#include "engine/ajustes.h"

#include <array>
#include <string_view>

namespace zp {

struct Programa;

// The buttons' tooltips, 1..9.
inline constexpr std::array<std::string_view, 10> kAvisosBotonera = {"",
                                                                     "Comenzar nueva partida",
                                                                     "Personalizar la aplicación",
                                                                     "Normas de juego",
                                                                     "Tutor de juego",
                                                                     "Marcador / Histórico",
                                                                     "Ayuda de la aplicación",
                                                                     "Salir de la aplicación",
                                                                     "Estadísticas",
                                                                     "Enviar mensaje"};

// Tooltips, every button unusable until the pointer first passes over it, and the buttons' mouse events.
void PrepararBotonera(Programa& pr);

// May button `Index` be used in this state?
bool BotonUtilizable(const EstadoJuego& e, const Ajustes& a, Entero Index);

void Pic_Boton_MouseMove(Programa& pr, Entero Index);
void Pic_Boton_MouseDown(Programa& pr, Entero Index);

} // namespace zp

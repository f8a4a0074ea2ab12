#pragma once
// The button bar at the right edge of the table: nine picture buttons that start and leave matches, give the
// tutor's hint and open the help. Each shows by its pointer whether it may be used now (the no-drop pointer
// 12, or the pointing hand), decided when the pointer passes over it; a press on an unusable one does
// nothing.
#include "engine/ajustes.h"
#include "engine/reglas.h"
#include "settings/servicios_ajustes.h"

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

// What the player settings and the rules ask for while they are open; the bar acts on it once they close.
using PeticionesAjustes = BanderasAjustes;

// Tooltips, every button unusable until the pointer first passes over it, the buttons' mouse events, and
// the presses that come from the table's keys and from closing the window.
void PrepararBotonera(Programa& pr);

// May button `Index` be used in this state? The rules cannot change while the host waits for its players.
bool BotonUtilizable(const EstadoJuego& e, const Ajustes& a, Entero Index, bool esperandoConexiones = false);

void Pic_Boton_MouseMove(Programa& pr, Entero Index);
// A mouse press: the button's pointer, left by the last pass over it, says whether it may be used.
void Pic_Boton_MouseDown(Programa& pr, Entero Index);
// A press that comes from a key or from the window system: the button's rule is looked at now.
void PulsarBoton(Programa& pr, Entero Index);

// Says in the message box why no match can be dealt with these players and rules, and where to change them.
void AvisarReglasNoValidas(FalloReglas fallo, const Ajustes& a);

// A game loaded (and shown) by a window, or the game kept before network play, is played on from its turn;
// a match running meanwhile gives way to it.
void ReanudarJuegoCargado(Programa& pr);

} // namespace zp

#pragma once
// The life of network play's connections on this computer: callers seated or turned away, a client or the
// host lost, socket errors reported, and network play ended. Every question goes through the person's
// message box of the game's context; whatever starts a match or opens a window is asked of the program.
#include "network/conexion_red.h"

#include <string>

namespace zp {

// Gives `red` the game it plays and the program around it, and handles its sockets' events from now on.
void PrepararCicloRed(ConexionRed& red, Contexto& c, ProgramaRed programa);

// Ends network play here: every socket closed, no seat connected, the waiting panel, the turn panel and the
// chat button hidden.
void CerrarRed(ConexionRed& red);

// Client: the connection to the host is lost, after it gave a seat or before (it turned this computer away):
// network play ends here and the person chooses how to go on.
void PerderAdministrador(ConexionRed& red);

// The situation saved before network play (ZARPE33.ARE) loaded again and, with a match in it, taken up.
void RestaurarAntesDeRed(ConexionRed& red);

// A message of network play in the person's message box: the answer, false too when the program is leaving.
bool AvisarRed(ConexionRed& red, const std::string& titulo, const std::string& texto, int lineas, int botones,
               int ayuda);

// A new match, the unfinished one, or the match on the table ended; the player settings. Asked of the
// program at once, or once the start-up has returned when it runs now (EstadoRed::AplazarPeticion): no match
// runs inside its waits.
void PedirPartida(ConexionRed& red, Peticion peticion);
void AbrirPersonalRed(ConexionRed& red);

// The report of a socket error, "Se ha producido el error N = ...", at most once per number and start-up.
void AvisarErrorRed(ConexionRed& red, int numero, const QString& descripcion);

} // namespace zp

#pragma once
// The deal, five-doubles and leader messages that the engine sends and takes. Each goes out as "ZRP33", a
// two-digit kind and its payload; the socket layer strips the prefix and queues the rest for the engine
// (Red::ColaRed). Every digit is checked: a message with one out of range is dropped from the queue and the
// wait goes on.
#include <optional>
#include <string>
#include <string_view>

#include "engine/ajustes.h"

namespace zp {

inline constexpr std::string_view kPrefijoRed = "ZRP33";
inline constexpr std::string_view kCodigoSalida = "01";
inline constexpr std::string_view kCodigoCincoDobles = "05";
inline constexpr std::string_view kCodigoNuevaPartida = "08";
inline constexpr std::string_view kCodigoEstado = "11";
inline constexpr std::string_view kCodigoReparto = "12";
constexpr std::size_t kLargoCadenaSituacion = 780;

std::string CrearMensajeSalida(Entero asiento);                      // "ZRP3301" + seat, host's numbering
std::string CrearMensajeCincoDobles(bool rechazadas);                // "ZRP3305" + "1" refused / "0" kept
std::string CrearMensajeNuevaPartida();                              // "ZRP3308": a new match starts
std::string CrearMensajeEstado(const std::string& cadenaSituacion);  // "ZRP3311" + the situation
std::string CrearMensajeReparto(const std::string& cadenaSituacion); // "ZRP3312" + the situation

// Drops the entries at the head of the queue that are not of kind `codigo`: each wait takes one kind, and an
// entry of another kind left at the head would keep it from its own for ever. True when the queue then
// begins with one of that kind.
bool SaltarOtrasClases(std::string& cola, std::string_view codigo);

// When the queue holds a leader message (after SaltarOtrasClases): takes it off and gives the leader in this
// computer's numbering; a digit that is no seat 1..4 of a player in play is dropped. Nothing when there is
// none yet, or the message was dropped.
std::optional<Entero> TomarSalidaDeCola(std::string& cola, Entero puestoLocal, const Ajustes& a);

// When the queue holds a five-doubles message (after SaltarOtrasClases): takes it off; true when the tiles
// were refused. A digit other than 0 or 1 is dropped.
std::optional<bool> TomarCincoDoblesDeCola(std::string& cola);

// The hand number a received deal is for (columns 184..186); nothing when the payload is malformed.
std::optional<Entero> LeerManoDeReparto(const std::string& cadenaSituacion);

} // namespace zp

#pragma once
// What the start-up of network play works out without sockets: the code of an unfinished network game, the
// remote seats, and the texts of the connection panel.
#include "engine/ajustes.h"

#include <optional>
#include <string>
#include <string_view>

namespace zp {

// The code a computer reports when it holds no unfinished network game; the host's and a client's differ,
// so that two computers without one never match.
inline constexpr std::string_view kSinPartidaCliente = "0000000000";
inline constexpr std::string_view kSinPartidaAdministrador = "9999999999";

// The code of the game a snapshot's situation string was written in: its game identifier, hand number and
// move counter, ten digits. Nothing when the string does not hold ten digits there.
std::optional<std::string> CodigoDePartida(std::string_view cadenaSituacion);

// The seat a snapshot was written for (1..4); 0 when it holds none.
Entero PuestoDeSituacion(std::string_view cadenaSituacion);

// Host: seats 1..3 in play and played from another computer; and those of them connected now.
Entero ContarJugadoresRemotos(const Ajustes& a);
Entero ContarConectados(const Ajustes& a);

// What the waiting panel shows while connections are made.
struct TextoEspera
{
    std::string Titulo, Texto;
    int Lineas = 0;
};
// Host: one line per remote seat, connected or still awaited.
TextoEspera EstadoConexionAdministrador(const Ajustes& a);
// Client: while it connects to the host; then while the host finishes connecting the others.
TextoEspera EstadoConexionCliente();
TextoEspera EsperaVeredicto();

} // namespace zp

#pragma once
// The kinds of network message: "ZRP33", a two-digit code and a payload whose length the code fixes, with no
// separator. Bytes are one per character in Windows-1252. Each end knows only the kinds it can receive.
#include <optional>
#include <string>
#include <string_view>

namespace zp {

namespace codigo_red {
constexpr int Salida = 1;        // host -> clients: the seat that leads, host's numbering
constexpr int TipoPartida = 2;   // host -> clients: 1 new game, 2 the unfinished one goes on
constexpr int Puesto = 3;        // host -> one client: its seat 1..3 (0, put here locally: refused)
constexpr int CodigoPartida = 4; // client -> host: the code of its unfinished game, 10 digits
constexpr int CincoDobles = 5;   // both ways: 0 the tiles are kept, 1 refused
constexpr int Jugada = 6;        // both ways: move number (2 digits), pip joined, pip open, end
constexpr int NuevaPartida = 8;  // host -> clients
constexpr int Estado = 11;       // host -> clients: the situation string
constexpr int Reparto = 12;      // host -> clients: the situation string after the deal
constexpr int Chat = 20;         // both ways: one chat record
} // namespace codigo_red

constexpr std::size_t kLargoCabecera = 7; // "ZRP33" and the code
constexpr std::size_t kLargoChat = 214;

struct MensajeRed
{
    int Codigo = 0;
    std::string Cuerpo; // the payload, without "ZRP33" and the code
    bool operator==(const MensajeRed&) const = default;
};

// The payload length of a kind that the host (or a client) receives; nothing for a kind it does not know.
std::optional<std::size_t> LargoCuerpo(int codigo, bool administrador);

// "ZRP33", the code in two digits and the payload.
std::string CrearMensaje(int codigo, std::string_view cuerpo = {});

// Whether the payload's digits are digits and within what the kind allows. The situation strings are only
// checked for their length here: reading them is the settings' work.
bool CamposValidos(const MensajeRed& m);

} // namespace zp

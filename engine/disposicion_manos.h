#pragma once
// Where each hand lies: seat 1 down the left edge, 2 along the top, 3 down the right edge of the table, 4
// along the bottom; each strip centred on its side, its tiles at full pitch or squeezed to fit.
#include <optional>

#include "engine/contexto.h"

namespace zp {

// The pitch of seat 4's hand face up: its tiles' large views side by side.
inline constexpr int kPasoGrande = 44;

struct PuntoMesa
{
    Entero X = 0;
    Entero Y = 0;
    bool operator==(const PuntoMesa&) const = default;
};

struct ResultadoDisposicion
{
    DisposicionManos disposicion;
    std::array<bool, 5> ManoHolgada{};
    bool OcultarLista = false; // the bottom hand would run into the move list
};

// From the hands as they are now; changes nothing.
ResultadoDisposicion CalcularDisposicionManos(const EstadoJuego& e, const Ajustes& a,
                                              const Pantalla& pantalla);

// Puts a layout into the state. When the bottom hand would reach the move list (165 px wide at the bottom
// left) the list shows from then on only with the recorder ("Al conectar grabadora"): true when it must be
// hidden now.
bool AplicarDisposicionManos(EstadoJuego& e, Ajustes& a, const ResultadoDisposicion& r);

// Lays the hands out into the state, hiding the move list when the bottom hand would reach it.
void CalcularDisposicionManos(Contexto& c);

// The move list shows during play when "Lista de jugadas" says so and the bottom hand, as last laid out,
// leaves it room; otherwise only while the recorder is on.
bool ListaJugadasVisible(const EstadoJuego& e, const Ajustes& a);

// Top left of slot n (1..21) of seat p; nothing for any other seat.
std::optional<PuntoMesa> CalcularPosicionFichaMano(const EstadoJuego& e, const Ajustes& a,
                                                   const Pantalla& pantalla, Entero p, Entero n);

} // namespace zp

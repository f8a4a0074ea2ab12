#pragma once
// One hand played to its end by random legal moves with no window, through the engine's own turn: for the
// developer tools and the recorder's tests. It knows what a legal move is and nothing of strategy. And a
// picture of what moves change, to compare before and after taking them back.
#include <array>
#include <string>
#include <vector>

#include "engine/ciclo_turno.h"

namespace zp {

struct JugadaPosible
{
    Entero Hueco = 0;
    Entero Extremo = 1;
    Entero FichaA = kNinguna; // the pip that meets the end
    Entero FichaB = kNinguna;
    bool operator==(const JugadaPosible&) const = default;
};

// Every tile and end JugadorTurno may play now. When both ends show the same number the tile is listed
// once: the move itself decides the end.
std::vector<JugadaPosible> ListarJugadasPosibles(const EstadoJuego& e, const Ajustes& a);

struct ResultadoManoAlAzar
{
    FalloJugada Fallo = FalloJugada::Ninguno; // a move the engine refused
    bool Domino = false;                      // the last mover emptied its hand
};

// Plays the hand just dealt (IniciarMano) until a seat dominoes or the hand is blocked. NumeroJugada is left
// at the last move, as the match loop leaves it for the end of the hand.
ResultadoManoAlAzar JugarManoAlAzar(Contexto& c);

// What moves and their taking back must leave as they were (the records themselves are never changed by
// stepping through them).
struct FotoMano
{
    std::array<std::array<HuecoMano, kHuecos + 1>, 5> Manos{};
    std::array<Entero, 5> HuecosMano{}, FichasEnMano{};
    Entero FichasMonton = 0;
    std::array<Entero, 3> Extremos{}, DireccionExtremo{}, FichasEnExtremo{}, XExtremo{}, YExtremo{};
    std::array<std::array<Entero, 7>, 5> PesoNumero{};
    Entero NumeroJugada = 0, JugadorTurno = 0;

    bool operator==(const FotoMano&) const = default;
};

FotoMano TomarFoto(const EstadoJuego& e);

// The first part in which two pictures differ, empty when none.
std::string DiferenciaFotos(const FotoMano& a, const FotoMano& b);

} // namespace zp

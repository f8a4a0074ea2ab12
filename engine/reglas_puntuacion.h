#pragma once
// The automatic player's judgement of one candidate move: a base value for the number it leaves open, the
// weights of the numbers it covers and uncovers for each seat, and nineteen rules about doubles, the last
// tiles of a number, the opening moves, blocking the line and the other players' last tiles. The level
// switches rules on at fixed thresholds, the character changes several values, and a weak careful player
// misjudges a block at random.
#include <array>

#include "engine/ajustes.h"
#include "engine/analisis_mano.h"
#include "engine/azar.h"

namespace zp {

// A tile that fits an open end: A is the pip joined to the end, B the pip left open.
struct Candidata
{
    Entero A = kNinguna;
    Entero B = kNinguna;
    bool operator==(const Candidata&) const = default;
};

// What stays fixed for every candidate of one choice.
struct DatosEleccion
{
    Entero Mover = 0;
    Entero Nivel = 0; // 0..100, the mover's level (100 while giving a hint)
    zp::Caracter CaracterJugador = zp::Caracter::Medio;
    RolesAsientos Roles;
    MesaLeida Mesa; // the slots, which no candidate changes, read once
};

DatosEleccion PrepararEleccion(const EstadoJuego& e, const Ajustes& a, Entero mover, Entero nivel);

// How far a block may lose and still be judged good: 21 pips at level 0, 11 at 50, 1 at 100.
Entero MargenBloqueo(Entero nivel);

// Where the score came from: the base value, the number weights and what each rule 1..19 added.
struct DesglosePuntuacion
{
    Entero Base = 0;
    Entero Pesos = 0;
    std::array<Entero, 20> Regla{};
};

// From this level up the scoring draws no random number.
constexpr Entero kNivelSinAzar = 50;

// The score of candidate c. The only random number is rule 14's, drawn when that rule applies below
// kNivelSinAzar.
Entero PuntuarCandidata(const EstadoJuego& e, const Ajustes& a, const DatosEleccion& d, Candidata c,
                        Azar& azar, DesglosePuntuacion* desglose = nullptr);

} // namespace zp

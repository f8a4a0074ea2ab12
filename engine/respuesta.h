#pragma once
// What a blocking call gives back. Every wait for a person, a choice or a network message may end because
// its match was abandoned meanwhile (a new match, the program quitting); the engine then unwinds that match.
#include <utility>

namespace zp {

enum class Espera
{
    Cumplida,
    Abandonada
};

template <class T> struct Respuesta
{
    T valor{};
    bool abandonada = false;

    static Respuesta De(T v) { return Respuesta{std::move(v), false}; }
    static Respuesta Abandono() { return Respuesta{T{}, true}; }
};

} // namespace zp

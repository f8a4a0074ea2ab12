#pragma once
// The receive queue: the messages that wait for the one who waits for them (the start-up handshake, the
// deal, the match loop), in order of arrival, each with the seat of the computer that sent it.
#include "engine/estado.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zp {

struct EntradaCola
{
    int Codigo = 0;
    std::string Cuerpo;
    Entero Origen = 0; // the sender's seat in the host's numbering: 1..3 a client, 4 the host
    bool operator==(const EntradaCola&) const = default;
};

class ColaRed
{
public:
    // More than this many unread entries can only be a flood: the oldest go.
    static constexpr std::size_t kMaximo = 256;

    void Anadir(EntradaCola entrada);
    void PonerDelante(EntradaCola entrada);
    void Vaciar() { entradas_.clear(); }
    bool Vacia() const { return entradas_.empty(); }
    std::size_t Tamano() const { return entradas_.size(); }

    // Each entry as its code in two digits and its payload, one after the other ("032021").
    std::string Texto() const;

    // A wait for entries of `codigo`: entries of other kinds at the head cannot be meant for this wait and
    // would keep it from ever seeing its own, so they are dropped; so is an entry of this kind that `vale`
    // refuses (a wrong sender, a stale move). Gives the first one it accepts, taken off the queue; nothing
    // when the queue runs out first.
    std::optional<EntradaCola> Tomar(int codigo, const std::function<bool(const EntradaCola&)>& vale);

    // Every entry `cual` picks, taken off the queue in order; the others stay as they were.
    std::vector<EntradaCola> Extraer(const std::function<bool(const EntradaCola&)>& cual);

private:
    std::deque<EntradaCola> entradas_;
};

} // namespace zp

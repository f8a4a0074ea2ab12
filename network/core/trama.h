#pragma once
// Cutting the bytes one connection receives into messages. A read may hold several messages or end inside
// one: the unfinished tail is kept for the next read, so every message comes out whole and exactly once.
#include "network/core/mensajes.h"

#include <string>
#include <string_view>
#include <vector>

namespace zp {

class TramaRed
{
public:
    // `administrador`: this end is the host, and knows the kinds a host receives.
    explicit TramaRed(bool administrador = false) : administrador_(administrador) {}

    // The whole messages the bytes complete, in order. Blanks before a message are skipped. Bytes that do
    // not begin with "ZRP33" (in any case), a code that is not two digits, or a kind this end does not know
    // cannot be framed: everything kept is dropped, and the next read starts afresh.
    std::vector<MensajeRed> Recibir(std::string_view datos);

    void Vaciar() { pendiente_.clear(); }
    std::size_t Pendientes() const { return pendiente_.size(); }
    int Descartes() const { return descartes_; }

private:
    std::string pendiente_;
    bool administrador_;
    int descartes_ = 0;
};

} // namespace zp

#include "network/core/cola_red.h"

namespace zp {

void ColaRed::Anadir(EntradaCola entrada)
{
    entradas_.push_back(std::move(entrada));
    if (entradas_.size() > kMaximo) entradas_.pop_front();
}

void ColaRed::PonerDelante(EntradaCola entrada)
{
    entradas_.push_front(std::move(entrada));
}

std::string ColaRed::Texto() const
{
    std::string t;
    for (const EntradaCola& e : entradas_) {
        t += static_cast<char>('0' + e.Codigo / 10 % 10);
        t += static_cast<char>('0' + e.Codigo % 10);
        t += e.Cuerpo;
    }
    return t;
}

std::optional<EntradaCola> ColaRed::Tomar(int codigo, const std::function<bool(const EntradaCola&)>& vale)
{
    while (!entradas_.empty()) {
        EntradaCola e = std::move(entradas_.front());
        entradas_.pop_front();
        if (e.Codigo == codigo && (!vale || vale(e))) return e;
    }
    return std::nullopt;
}

std::vector<EntradaCola> ColaRed::Extraer(const std::function<bool(const EntradaCola&)>& cual)
{
    std::vector<EntradaCola> fuera;
    std::deque<EntradaCola> quedan;
    for (EntradaCola& e : entradas_) {
        if (cual(e))
            fuera.push_back(std::move(e));
        else
            quedan.push_back(std::move(e));
    }
    entradas_.swap(quedan);
    return fuera;
}

} // namespace zp

#include "settings/core/direccion_ip.h"

namespace zp {

namespace {

bool ParteValida(std::string_view parte)
{
    if (parte.empty() || parte.size() > 3) return false;
    int valor = 0;
    for (char c : parte) {
        if (c < '0' || c > '9') return false;
        valor = valor * 10 + (c - '0');
    }
    return valor <= 255;
}

} // namespace

DireccionComprobada ComprobarIP(std::string_view texto)
{
    DireccionComprobada r;
    for (char c : texto)
        if (c != ' ') r.Direccion += c;
    std::string_view resto = r.Direccion;
    int partes = 0;
    for (;;) {
        const std::size_t punto = resto.find('.');
        if (!ParteValida(resto.substr(0, punto))) return r;
        ++partes;
        if (punto == std::string_view::npos) break;
        resto.remove_prefix(punto + 1);
    }
    r.Valida = partes == 4;
    return r;
}

} // namespace zp

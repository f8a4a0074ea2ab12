#pragma once
// The addresses typed in the player settings: four numbers of one to three digits, none above 255, separated
// by dots. Blanks anywhere are dropped; nothing else is allowed.
#include <string>
#include <string_view>

namespace zp {

struct DireccionComprobada
{
    std::string Direccion; // the address without its blanks
    bool Valida = false;
};

DireccionComprobada ComprobarIP(std::string_view texto);

} // namespace zp

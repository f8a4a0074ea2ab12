#include "engine/lista_jugadas.h"

#include <cassert>

namespace zp {

namespace {

constexpr std::size_t kAnchoNombre = 9;

bool EsContinuacionUtf8(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Names are UTF-8 here but one byte per character in the files: the column counts characters.
void AnadirNombre(std::string& linea, const std::string& nombre)
{
    std::size_t caracteres = 0;
    for (const char c : nombre) {
        if (!EsContinuacionUtf8(c)) {
            if (caracteres == kAnchoNombre) break;
            ++caracteres;
        }
        linea += c;
    }
    linea.append(kAnchoNombre - caracteres, ' ');
}

// Pips are 0..6; anything else comes from a damaged record and shows as it is.
void AnadirPunto(std::string& linea, Entero punto)
{
    if (punto >= 0 && punto <= 9)
        linea += static_cast<char>('0' + punto);
    else
        linea += std::to_string(punto);
}

} // namespace

// Written straight into one string: a line is made for every move of every hand.
std::string TextoLineaListaJugadas(const RegistroJugada& r, Entero numero, const std::string& nombre)
{
    std::string linea;
    linea.reserve(32);
    if (numero < 10) linea += ' ';
    linea += std::to_string(numero);
    linea += ' ';
    AnadirNombre(linea, nombre);
    linea += ' ';
    if (r.Extremo == kExtremoRoba) {
        linea += "Roba";
    } else if (r.Extremo == kExtremoPasa) {
        linea += "Pasa";
    } else {
        AnadirPunto(linea, r.PuntoUnido);
        linea += '-';
        AnadirPunto(linea, r.PuntoAbierto);
    }
    if (r.Eleccion != 0) linea += " ???";
    return linea;
}

std::string LineaDeJugada(const EstadoJuego& e, const Ajustes& a, Entero numero)
{
    assert(numero >= 1 && numero < static_cast<int>(e.Jugadas.size()));
    if (numero < 1 || numero >= static_cast<int>(e.Jugadas.size())) return {};
    const RegistroJugada& r = e.Jugadas[static_cast<std::size_t>(numero)];
    return TextoLineaListaJugadas(r, numero, NombreAsiento(a, r.Jugador));
}

void AnadirLineaListaJugadas(Contexto& c, Entero numero)
{
    c.grabadora.PonerLineaListaJugadas(numero - 1, LineaDeJugada(c.e, c.a, numero));
}

} // namespace zp

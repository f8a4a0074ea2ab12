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
std::string AjustarNombre(const std::string& nombre)
{
    std::string r;
    std::size_t caracteres = 0;
    for (const char c : nombre) {
        if (!EsContinuacionUtf8(c)) {
            if (caracteres == kAnchoNombre) break;
            ++caracteres;
        }
        r += c;
    }
    r.append(kAnchoNombre - caracteres, ' ');
    return r;
}

std::string Digito(Entero punto)
{
    // Pips are 0..6; anything else comes from a damaged record and shows as it is.
    return std::to_string(punto);
}

} // namespace

std::string TextoLineaListaJugadas(const RegistroJugada& r, Entero numero, const std::string& nombre)
{
    std::string linea;
    if (numero < 10) linea += ' ';
    linea += std::to_string(numero);
    linea += ' ';
    linea += AjustarNombre(nombre);
    linea += ' ';
    if (r.Extremo == kExtremoRoba)
        linea += "Roba";
    else if (r.Extremo == kExtremoPasa)
        linea += "Pasa";
    else
        linea += Digito(r.PuntoUnido) + "-" + Digito(r.PuntoAbierto);
    if (r.Eleccion != 0) linea += " ???";
    return linea;
}

void AnadirLineaListaJugadas(Contexto& c, Entero numero)
{
    EstadoJuego& e = c.e;
    assert(numero >= 1 && numero < static_cast<int>(e.Jugadas.size()));
    if (numero < 1 || numero >= static_cast<int>(e.Jugadas.size())) return;
    const RegistroJugada& r = e.Jugadas[static_cast<std::size_t>(numero)];
    const Entero p = r.Jugador;
    const std::string nombre =
        p >= 1 && p <= kAsientos ? c.a.Jugador[static_cast<std::size_t>(p)].NombreJugador : std::string();

    auto& lineas = e.LineasListaJugadas;
    if (lineas.size() > static_cast<std::size_t>(numero - 1))
        lineas.resize(static_cast<std::size_t>(numero - 1));
    lineas.push_back(TextoLineaListaJugadas(r, numero, nombre));
    c.mesa.PonerLineaListaJugadas(lineas.back());
    e.LineaGrabadora = static_cast<Entero>(lineas.size() - 1);
    c.mesa.SeleccionarLineaListaJugadas(e.LineaGrabadora);
}

void RecortarListaJugadas(Contexto& c, int lineas)
{
    EstadoJuego& e = c.e;
    if (lineas < 0) lineas = 0;
    while (static_cast<int>(e.LineasListaJugadas.size()) > lineas) {
        e.LineasListaJugadas.pop_back();
        c.mesa.QuitarLineaListaJugadas(static_cast<int>(e.LineasListaJugadas.size()));
    }
    if (e.LineaGrabadora >= static_cast<int>(e.LineasListaJugadas.size())) e.LineaGrabadora = -1;
}

} // namespace zp

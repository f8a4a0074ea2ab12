#include "engine/mensaje_jugada.h"

#include <algorithm>

#include "engine/jugada.h"
#include "engine/mensajes_red.h"

namespace zp {

namespace {

std::optional<Entero> Digito(char c, char desde, char hasta)
{
    if (c < desde || c > hasta) return std::nullopt;
    return static_cast<Entero>(c - '0');
}

std::optional<JugadaRecibida> Validar(std::string_view cuerpo, const EstadoJuego& e, const Ajustes& a)
{
    const auto decenas = Digito(cuerpo[0], '0', '9');
    const auto unidades = Digito(cuerpo[1], '0', '9');
    const auto fichaA = Digito(cuerpo[2], '0', '6');
    const auto fichaB = Digito(cuerpo[3], '0', '6');
    const auto extremo = Digito(cuerpo[4], '1', '2');
    if (!decenas || !unidades || !fichaA || !fichaB || !extremo) return std::nullopt;
    if (*decenas * 10 + *unidades != e.NumeroJugada) return std::nullopt;

    JugadaRecibida j{*fichaA, *fichaB, *extremo};
    const auto& x = e.Linea.Extremos;
    if (e.NumeroJugada != 1) {
        // The sender numbers the ends as its own line lies; the pip joined tells which end it meant.
        if (j.FichaA != x[static_cast<std::size_t>(j.Extremo)])
            j.Extremo = static_cast<Entero>(3 - j.Extremo);
        if (j.FichaA != x[static_cast<std::size_t>(j.Extremo)]) return std::nullopt;
    }
    const std::optional<Entero> hueco = BuscarFichaEnMano(e, j.FichaA, j.FichaB, e.JugadorTurno);
    if (!hueco || !ComprobarFichaJugable(e, a, *hueco)) return std::nullopt;
    return j;
}

} // namespace

std::string CrearMensajeJugada(Entero numero, Entero fichaA, Entero fichaB, Entero extremo)
{
    std::string m(kPrefijoRed);
    m += kCodigoJugada;
    m += static_cast<char>('0' + numero / 10 % 10);
    m += static_cast<char>('0' + numero % 10);
    m += static_cast<char>('0' + fichaA);
    m += static_cast<char>('0' + fichaB);
    m += static_cast<char>('0' + extremo);
    return m;
}

std::optional<JugadaRecibida> TomarJugadaDeCola(std::string& cola, const EstadoJuego& e, const Ajustes& a)
{
    while (SaltarOtrasClases(cola, kCodigoJugada)) {
        if (cola.size() < kLargoJugadaEnCola) return std::nullopt;
        const auto j = Validar(std::string_view(cola).substr(2, 5), e, a);
        cola.erase(0, kLargoJugadaEnCola);
        if (j) return j;
    }
    return std::nullopt;
}

} // namespace zp

#pragma once
// Endgame positions written by hand for the search's tests: each hand as its tiles, "61 22" for 6-1 and 2-2,
// in slot order; an empty text for a seat out of play.
#include <string>

#include "engine/ajustes.h"

namespace zp::prueba {

struct MesaFinal
{
    Modalidad ModoJuego = Modalidad::Individual;
    std::array<std::string, 5> Manos{};
    Entero Extremo1 = 9, Extremo2 = 9;
    Entero Mueve = 4, Salida = 4;
    Entero FichasMonton = 0, RemanentesMonton = 0;
    Empate GanadorSiEmpate = Empate::SeRepite;
    PuntosAnotados PuntosQueSeAnotan = PuntosAnotados::DeTodos;
    Anotacion SistemaAnotacion = Anotacion::Decenas;
};

inline void MontarMesa(const MesaFinal& m, EstadoJuego& e, Ajustes& a)
{
    a.ModoJuego = m.ModoJuego;
    a.NumeroJugadores = 0;
    a.RemanentesMonton = m.RemanentesMonton;
    a.GanadorSiEmpate = m.GanadorSiEmpate;
    a.PuntosQueSeAnotan = m.PuntosQueSeAnotan;
    a.SistemaAnotacion = m.SistemaAnotacion;
    for (std::size_t p = 1; p <= 4; ++p) {
        const std::string& t = m.Manos[p];
        a.Jugador[p].EstadoJugador = t.empty() ? EstadoAsiento::Desactivado : EstadoAsiento::Activado;
        a.NumeroJugadores = static_cast<Entero>(a.NumeroJugadores + (t.empty() ? 0 : 1));
        e.HuecosMano[p] = 0;
        e.FichasEnMano[p] = 0;
        // A laid tile first, as a hand in play would keep it.
        if (!t.empty()) e.Manos[p][static_cast<std::size_t>(++e.HuecosMano[p])] = HuecoMano{0, 0, kPuesta};
        for (std::size_t i = 0; i + 1 < t.size(); i += 3) {
            const auto a1 = static_cast<Entero>(t[i] - '0');
            const auto b1 = static_cast<Entero>(t[i + 1] - '0');
            e.Manos[p][static_cast<std::size_t>(++e.HuecosMano[p])] = HuecoMano{a1, b1, kEnMano};
            ++e.FichasEnMano[p];
        }
    }
    e.Linea.Extremos[1] = m.Extremo1;
    e.Linea.Extremos[2] = m.Extremo2;
    e.JugadorTurno = m.Mueve;
    e.JugadorSalida = m.Salida;
    e.FichasMonton = m.FichasMonton;
    e.PasoTurno = 1;
    a.SentidoJuego = Sentido::Directo;
}

} // namespace zp::prueba

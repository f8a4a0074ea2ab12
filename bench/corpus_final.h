#pragma once
// A fixed corpus of positions at which the strongest automatic player searches the end of a hand: hands dealt
// by the game's own deal from fixed seeds and played on at random until the mover holds three tiles or fewer,
// has two or more plays, and the stock can no longer matter. The benchmark and the tests read the same
// corpus, so the node count over it is one number both can name.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/ajustes.h"
#include "engine/azar.h"
#include "engine/reparto.h"
#include "engine/turno.h"

namespace zp::corpus {

struct Configuracion
{
    const char* Nombre;
    Modalidad ModoJuego;
    int Jugadores;
    Entero Fichas;
};

inline constexpr std::array<Configuracion, 5> kConfiguraciones{{
    {"parejas 4x7", Modalidad::Parejas, 4, 7},
    {"individual 4x7", Modalidad::Individual, 4, 7},
    {"individual 3x7", Modalidad::Individual, 3, 7},
    {"individual 2x10", Modalidad::Individual, 2, 10},
    {"individual 2x7", Modalidad::Individual, 2, 7},
}};

// One gate position: what the search reads, small enough to keep ten thousand of.
struct Posicion
{
    int Configuracion = 0;
    int Mano = 0; // hand number within its configuration, which seeds it
    std::array<std::array<HuecoMano, kHuecos + 1>, 5> Manos{};
    std::array<Entero, 5> HuecosMano{};
    std::array<Entero, 5> FichasEnMano{};
    std::array<EstadoAsiento, 5> EstadoJugador{};
    Entero Extremo1 = kNinguna, Extremo2 = kNinguna;
    Entero FichasMonton = 0, RemanentesMonton = 0;
    Entero JugadorTurno = 0, JugadorSalida = 0;
    Sentido SentidoJuego = Sentido::Directo;
    Empate GanadorSiEmpate = Empate::SeRepite;
    PuntosAnotados PuntosQueSeAnotan = PuntosAnotados::DeTodos;
    Anotacion SistemaAnotacion = Anotacion::Decenas;
};

inline void Cargar(const Posicion& p, EstadoJuego& e, Ajustes& a)
{
    a.ModoJuego = kConfiguraciones[static_cast<std::size_t>(p.Configuracion)].ModoJuego;
    a.NumeroJugadores =
        static_cast<Entero>(kConfiguraciones[static_cast<std::size_t>(p.Configuracion)].Jugadores);
    a.FichasPorJugador = kConfiguraciones[static_cast<std::size_t>(p.Configuracion)].Fichas;
    for (std::size_t s = 1; s <= 4; ++s)
        a.Jugador[s].EstadoJugador = static_cast<EstadoAsiento>(p.EstadoJugador[s]);
    a.RemanentesMonton = p.RemanentesMonton;
    a.SentidoJuego = p.SentidoJuego;
    a.GanadorSiEmpate = p.GanadorSiEmpate;
    a.PuntosQueSeAnotan = p.PuntosQueSeAnotan;
    a.SistemaAnotacion = p.SistemaAnotacion;
    e.Manos = p.Manos;
    e.HuecosMano = p.HuecosMano;
    e.FichasEnMano = p.FichasEnMano;
    e.Linea.Extremos[1] = p.Extremo1;
    e.Linea.Extremos[2] = p.Extremo2;
    e.FichasMonton = p.FichasMonton;
    e.JugadorTurno = p.JugadorTurno;
    e.JugadorSalida = p.JugadorSalida;
    e.PasoTurno = PasoDeSentido(p.SentidoJuego);
}

namespace detalle {

inline int Azar(AzarSemilla& azar, int n)
{
    return Aleatorio(azar, n);
}

// Plays of seat p: (slot, pip joined); a double once, a tile twice when each pip meets a different end.
inline int ListarJugadas(const EstadoJuego& e, std::size_t p, std::array<std::array<int, 2>, 43>& lista)
{
    int n = 0;
    for (std::size_t s = 1; s <= static_cast<std::size_t>(e.HuecosMano[p]); ++s) {
        const HuecoMano& h = e.Manos[p][s];
        if (h.Estado != kEnMano) continue;
        for (int mitad = 1; mitad <= 2; ++mitad) {
            const Entero x = mitad == 1 ? h.PuntoA : h.PuntoB;
            if (mitad == 2 && h.PuntoA == h.PuntoB) continue;
            if (x == e.Linea.Extremos[1] || x == e.Linea.Extremos[2])
                lista[static_cast<std::size_t>(++n)] = {static_cast<int>(s), x};
        }
    }
    return n;
}

inline void Poner(EstadoJuego& e, std::size_t p, std::size_t s, Entero unido)
{
    HuecoMano& h = e.Manos[p][s];
    const Entero abierto = unido == h.PuntoA ? h.PuntoB : h.PuntoA;
    h.Estado = kPuesta;
    --e.FichasEnMano[p];
    if (unido == e.Linea.Extremos[2])
        e.Linea.Extremos[2] = abierto;
    else
        e.Linea.Extremos[1] = abierto;
}

// One seeded hand, played at random to its end; every gate position met is appended.
inline void JugarMano(int config, int mano, std::vector<Posicion>& salida)
{
    const Configuracion& c = kConfiguraciones[static_cast<std::size_t>(config)];
    AzarSemilla azar(static_cast<std::uint32_t>(1'000'003u * static_cast<std::uint32_t>(config + 1) +
                                                static_cast<std::uint32_t>(mano)));
    EstadoJuego e;
    Ajustes a;
    a.ModoJuego = c.ModoJuego;
    a.NumeroJugadores = static_cast<Entero>(c.Jugadores);
    a.FichasPorJugador = c.Fichas;
    // Seat 4 always plays; the others sit out at random.
    std::array<int, 4> asientos{1, 2, 3, 0};
    for (int i = 2; i >= 0; --i)
        std::swap(asientos[static_cast<std::size_t>(i)],
                  asientos[static_cast<std::size_t>(Azar(azar, i + 1) - 1)]);
    for (std::size_t s = 1; s <= 4; ++s) a.Jugador[s].EstadoJugador = EstadoAsiento::Desactivado;
    a.Jugador[4].EstadoJugador = EstadoAsiento::Activado;
    for (int i = 0; i < c.Jugadores - 1; ++i)
        a.Jugador[static_cast<std::size_t>(asientos[static_cast<std::size_t>(i)])].EstadoJugador =
            EstadoAsiento::Activado;
    const int monton = 28 - c.Jugadores * c.Fichas;
    a.RemanentesMonton = static_cast<Entero>(monton == 0 || Azar(azar, 3) <= 2 ? 0 : 4);
    a.SentidoJuego = static_cast<Sentido>(Azar(azar, 2));
    a.GanadorSiEmpate = static_cast<Empate>(Azar(azar, EnParejas(a) ? 3 : 2));
    a.PuntosQueSeAnotan = static_cast<PuntosAnotados>(Azar(azar, 2));
    a.SistemaAnotacion = static_cast<Anotacion>(Azar(azar, 2));
    e.PasoTurno = PasoDeSentido(a.SentidoJuego);

    VaciarManos(e, a);
    RepartirAlAzar(e, a, azar);
    for (std::size_t s = 1; s <= 4; ++s)
        if (!AsientoEnJuego(a, s)) e.HuecosMano[s] = 0;

    // The lead: a seat in play lays a tile of its hand.
    Entero m = 0;
    do {
        m = static_cast<Entero>(Azar(azar, 4));
    } while (!AsientoEnJuego(a, m));
    e.JugadorSalida = m;
    {
        const auto s = static_cast<std::size_t>(Azar(azar, e.FichasEnMano[static_cast<std::size_t>(m)]));
        HuecoMano& h = e.Manos[static_cast<std::size_t>(m)][s];
        h.Estado = kPuesta;
        --e.FichasEnMano[static_cast<std::size_t>(m)];
        e.Linea.Extremos[1] = h.PuntoA;
        e.Linea.Extremos[2] = h.PuntoB;
    }

    std::array<std::array<int, 2>, 43> lista{};
    int pasesSeguidos = 0;
    while (true) {
        CalcularJugadorSiguiente(e, a, m);
        e.JugadorTurno = m;
        const auto p = static_cast<std::size_t>(m);
        int n = ListarJugadas(e, p, lista);
        while (n == 0 && e.FichasMonton > a.RemanentesMonton) {
            const FichaMonton f = e.Monton[static_cast<std::size_t>(e.FichasMonton)];
            --e.FichasMonton;
            ++e.HuecosMano[p];
            ++e.FichasEnMano[p];
            e.Manos[p][static_cast<std::size_t>(e.HuecosMano[p])] = HuecoMano{f.PuntoA, f.PuntoB, kEnMano};
            n = ListarJugadas(e, p, lista);
        }
        if (n == 0) {
            if (++pasesSeguidos >= c.Jugadores) return; // blocked
            continue;
        }
        pasesSeguidos = 0;
        const bool puertaAbierta = c.ModoJuego == Modalidad::Parejas || e.FichasMonton <= a.RemanentesMonton;
        if (e.FichasEnMano[p] >= 2 && e.FichasEnMano[p] <= 3 && n >= 2 && puertaAbierta) {
            Posicion q;
            q.Configuracion = config;
            q.Mano = mano;
            q.Manos = e.Manos;
            q.HuecosMano = e.HuecosMano;
            q.FichasEnMano = e.FichasEnMano;
            for (std::size_t s = 1; s <= 4; ++s) q.EstadoJugador[s] = a.Jugador[s].EstadoJugador;
            q.Extremo1 = e.Linea.Extremos[1];
            q.Extremo2 = e.Linea.Extremos[2];
            q.FichasMonton = e.FichasMonton;
            q.RemanentesMonton = a.RemanentesMonton;
            q.JugadorTurno = m;
            q.JugadorSalida = e.JugadorSalida;
            q.SentidoJuego = a.SentidoJuego;
            q.GanadorSiEmpate = a.GanadorSiEmpate;
            q.PuntosQueSeAnotan = a.PuntosQueSeAnotan;
            q.SistemaAnotacion = a.SistemaAnotacion;
            salida.push_back(q);
        }
        const auto& j = lista[static_cast<std::size_t>(Azar(azar, n))];
        Poner(e, p, static_cast<std::size_t>(j[0]), static_cast<Entero>(j[1]));
        if (e.FichasEnMano[p] == 0) return; // domino
    }
}

} // namespace detalle

// The first `porConfiguracion` gate positions of consecutive seeded hands in each configuration.
inline std::vector<Posicion> GenerarCorpus(int porConfiguracion)
{
    std::vector<Posicion> corpus;
    std::vector<Posicion> mano;
    for (int c = 0; c < static_cast<int>(kConfiguraciones.size()); ++c) {
        int tomadas = 0;
        for (int h = 0; tomadas < porConfiguracion; ++h) {
            mano.clear();
            detalle::JugarMano(c, h, mano);
            for (const Posicion& p : mano) {
                if (tomadas == porConfiguracion) break;
                corpus.push_back(p);
                ++tomadas;
            }
        }
    }
    return corpus;
}

// Every gate position of hands [desde, hasta) of one configuration.
inline std::vector<Posicion> PosicionesDeManos(int configuracion, int desde, int hasta)
{
    std::vector<Posicion> v;
    for (int h = desde; h < hasta; ++h) detalle::JugarMano(configuracion, h, v);
    return v;
}

// The largest positions met in many more hands of the small games, named by configuration, hand and the
// order of the gate position within its hand (listed by `bench_final_mano --barrido`).
struct Referencia
{
    int Configuracion, Mano, Indice;
};
inline constexpr Referencia kGrandes[] = {
    {4, 213477, 0}, // 157349 positions, 105721476824 outcomes
    {4, 378753, 0}, // 156850 positions, 102638919438 outcomes
    {4, 174535, 0}, // 156000 positions, 103171825740 outcomes
    {4, 346379, 0}, // 107159 positions, 666169858 outcomes
    {4, 45988, 0},  // 106645 positions, 666169858 outcomes
    {4, 264303, 0}, // 82367 positions, 13100831998 outcomes
    {4, 47441, 0},  // 75897 positions, 21181477742 outcomes
    {4, 373696, 0}, // 73746 positions, 4061228970 outcomes
    {4, 58698, 0},  // 73394 positions, 12762105325 outcomes
    {4, 47393, 0},  // 68038 positions, 935011443 outcomes
    {4, 12762, 0},  // 67321 positions, 1792910810 outcomes
    {4, 3960, 0},   // 65732 positions, 7652139687 outcomes
    {4, 301615, 0}, // 64279 positions, 4422705089 outcomes
    {4, 89996, 0},  // 61632 positions, 294381104 outcomes
    {4, 378753, 1}, // 61530 positions, 3722348017 outcomes
    {4, 88582, 0},  // 60361 positions, 6567339410 outcomes
    {2, 136636, 0}, // 22424 positions, 172828 outcomes
    {2, 121286, 0}, // 14035 positions, 134637 outcomes
    {2, 39145, 0},  // 13714 positions, 330123 outcomes
    {2, 50267, 0},  // 13083 positions, 182685 outcomes
    {3, 3253, 0},   // 12289 positions, 1900206 outcomes
    {3, 136741, 0}, // 6170 positions, 3982974 outcomes
    {3, 169080, 0}, // 5335 positions, 1499118 outcomes
    {3, 28849, 0},  // 5263 positions, 2697281 outcomes
};

inline constexpr int kPorConfiguracion = 2000;

// The corpus the benchmark measures and whose node count the tests pin.
inline std::vector<Posicion> CorpusCompleto()
{
    std::vector<Posicion> corpus = GenerarCorpus(kPorConfiguracion);
    for (const Referencia& g : kGrandes) {
        const std::vector<Posicion> v = PosicionesDeManos(g.Configuracion, g.Mano, g.Mano + 1);
        corpus.push_back(v.at(static_cast<std::size_t>(g.Indice)));
    }
    return corpus;
}

} // namespace zp::corpus

// Whole matches of four automatic players at level 100 with no window, as the developer programs play them:
// matches and hands per second in pairs and in individual play, and a checksum of every score sheet, so
// that a faster engine that plays differently shows at once.
//
//   bench_partidas [--partidas N] [--rondas N]
//
// Each round plays the same N seeded matches per mode; the figures are those of the fastest round, timed by
// the processor time the program used (on a shared machine, wall-clock time counts the others' turns too) and
// by the wall clock.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "engine/partida.h"
#include "engine/reglas.h"
#include "tests/soporte/motor_sin_ventana.h"

using namespace zp;

namespace {

using Reloj = std::chrono::steady_clock;

struct Ronda
{
    double segundos = 0; // processor time
    double reloj = 0;    // wall clock
    long long manos = 0;
    std::uint64_t suma = 0; // checksum of the score sheets
    int sinTerminar = 0;
};

std::uint64_t Mezclar(std::uint64_t h, long long v)
{
    return (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
}

Ronda JugarRonda(Modalidad modo, int partidas)
{
    Ronda r;
    r.suma = 1469598103934665603ull;
    const auto t0 = Reloj::now();
    const std::clock_t c0 = std::clock();
    for (int i = 1; i <= partidas; ++i) {
        MotorSinVentana m(static_cast<std::uint32_t>(i));
        m.a.ModoJuego = modo;
        m.a.PausaEntreJugadas = false;
        m.a.Sonido = false;
        for (std::size_t p = 1; p <= 4; ++p) {
            m.a.Jugador[p].ControlJugador = Control::Automatico;
            m.a.Jugador[p].NivelJugador = 100;
        }
        Contexto c = m.Ctx();
        if (ComenzarPartida(c).Fin != FinPartida::Terminada) ++r.sinTerminar;
        r.manos += m.e.NumeroMano;
        r.suma = Mezclar(r.suma, m.e.NumeroMano);
        for (std::size_t p = 1; p <= 4; ++p) r.suma = Mezclar(r.suma, m.e.PuntosJugador[p]);
        r.suma = Mezclar(Mezclar(r.suma, m.e.TotalPareja1), m.e.TotalPareja2);
    }
    r.segundos = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    r.reloj = std::chrono::duration<double>(Reloj::now() - t0).count();
    return r;
}

long long Valor(int argc, char** argv, const char* nombre, long long porDefecto)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], nombre) == 0) return std::atoll(argv[i + 1]);
    return porDefecto;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("uso: bench_partidas [--partidas N] [--rondas N]\n");
            return 0;
        }
    }
    const int partidas = static_cast<int>(std::clamp(Valor(argc, argv, "--partidas", 2000), 1LL, 1000000LL));
    const int rondas = static_cast<int>(std::clamp(Valor(argc, argv, "--rondas", 5), 1LL, 100LL));

    struct Modo
    {
        const char* nombre;
        Modalidad modo;
    };
    const Modo modos[] = {{"parejas", Modalidad::Parejas}, {"individual 4", Modalidad::Individual}};
    int fallos = 0;
    for (const Modo& m : modos) {
        Ronda mejor;
        mejor.segundos = mejor.reloj = 1e30;
        for (int k = 0; k < rondas; ++k) {
            const Ronda r = JugarRonda(m.modo, partidas);
            if (k > 0 && (r.suma != mejor.suma || r.manos != mejor.manos)) {
                std::printf("%s: the rounds played differently\n", m.nombre);
                ++fallos;
            }
            mejor.reloj = std::min(mejor.reloj, r.reloj);
            if (r.segundos < mejor.segundos) {
                const double reloj = mejor.reloj;
                mejor = r;
                mejor.reloj = reloj;
            }
        }
        std::printf(
            "%-13s %d matches, %lld hands: %6.0f matches/s %7.0f hands/s (wall clock %6.0f matches/s), "
            "checksum %016llx%s\n",
            m.nombre, partidas, mejor.manos, partidas / mejor.segundos,
            static_cast<double>(mejor.manos) / mejor.segundos, partidas / mejor.reloj,
            static_cast<unsigned long long>(mejor.suma), mejor.sinTerminar ? ", some unfinished" : "");
        fallos += mejor.sinTerminar != 0;
    }
    return fallos == 0 ? 0 : 1;
}

// Deals hands with no window and prints them: for a seed and rules, the hands, the stock, the leader and the
// line's set-up. Same seed, same deal.
//
//   reparto [--semilla N] [--asientos 1234] [--fichas F] [--manos K] [--modo 1|2] [--sentido 1|2]
//           [--primera-mano 1|2] [--turno-salida 1..4] [--cinco-dobles 1|2] [--ganador G]
//           [--pantalla 800x600]
#include <cstdio>
#include <string>

#include "engine/contexto.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{"reparto",
                        "uso: reparto [--semilla N] [--asientos 1234] [--fichas F] [--manos K] [--modo 1|2]\n"
                        "               [--sentido 1|2] [--primera-mano 1|2] [--turno-salida 1..4]\n"
                        "               [--cinco-dobles 1|2] [--ganador G] [--pantalla 800x600]\n"};

struct Opciones
{
    OpcionesReglas reglas;
    int manos = 1, ganador = 0;
};

Opciones LeerOpciones(int argc, char** argv)
{
    constexpr long long kMaximo = 1000000000;
    Opciones o;
    o.reglas.TurnoSalida = 1;
    o.reglas.CincoDobles = 1;
    std::vector<Opcion> opciones = OpcionesDeReglas(programa, o.reglas, kMaximo, kMaximo);
    opciones.insert(opciones.end(), {programa.Entera("--manos", o.manos, 0, kMaximo),
                                     programa.Entera("--turno-salida", o.reglas.TurnoSalida, 0, kMaximo),
                                     programa.Entera("--cinco-dobles", o.reglas.CincoDobles, 0, kMaximo),
                                     programa.Entera("--ganador", o.ganador, 0, kMaximo)});
    programa.Leer(argc, argv, opciones);
    return o;
}

std::string Ficha(Entero a, Entero b)
{
    return std::to_string(a) + "-" + std::to_string(b);
}

void Imprimir(const EstadoJuego& e, const Ajustes& a)
{
    std::printf("Mano %d\n", e.NumeroMano);
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(a, p)) {
            std::printf("  Asiento %zu: fuera de juego\n", p);
            continue;
        }
        std::printf("  Asiento %zu (%s, %d dobles):", p, a.Jugador[p].NombreJugador.c_str(),
                    e.DoblesJugador[p]);
        for (int s = 1; s <= e.HuecosMano[p]; ++s)
            std::printf(" %s", Ficha(e.Manos[p][static_cast<std::size_t>(s)].PuntoA,
                                     e.Manos[p][static_cast<std::size_t>(s)].PuntoB)
                                   .c_str());
        std::printf("\n    números:");
        for (std::size_t k = 1; k <= 7; ++k) std::printf(" %d", e.NumerosOrdenados[p][k]);
        std::printf("\n");
    }
    std::printf("  Montón (%d):", e.FichasMonton);
    for (int i = 1; i <= e.FichasMonton; ++i)
        std::printf(" %s", Ficha(e.Monton[static_cast<std::size_t>(i)].PuntoA,
                                 e.Monton[static_cast<std::size_t>(i)].PuntoB)
                               .c_str());
    std::printf("\n");
    if (e.SalidaA != kNinguna) std::printf("  Ficha de salida: %s\n", Ficha(e.SalidaA, e.SalidaB).c_str());
    std::printf("  Sale el asiento %d; turno inicial %d\n", e.JugadorSalida, e.JugadorTurno);
    for (std::size_t x = 1; x <= 2; ++x) {
        const auto& l = e.Linea;
        std::printf("  Extremo %zu: dirección %d, ancla (%d, %d), límites %d %d %d %d\n", x,
                    l.DireccionExtremo[x], l.XExtremo[x], l.YExtremo[x], l.LimiteGiro[x][1],
                    l.LimiteGiro[x][2], l.LimiteGiro[x][3], l.LimiteGiro[x][4]);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const Opciones o = LeerOpciones(argc, argv);
    const OpcionesReglas& r = o.reglas;
    MotorSinVentana motor(r.Semilla, MedirPantalla(r.Ancho, r.Alto));
    Ajustes& a = motor.a;
    AplicarReglas(r, a, motor.e);
    if (ValidarReglas(a) != FalloReglas::Ninguno) {
        std::fprintf(stderr, "reparto: estas reglas no permiten repartir\n");
        return 1;
    }

    std::printf("Semilla %u, pantalla %dx%d\n", r.Semilla, motor.pantalla.AnchoPantalla,
                motor.pantalla.AltoPantalla);
    Contexto c = motor.Ctx();
    for (int k = 0; k < o.manos; ++k) {
        motor.e.GanadorMano = static_cast<Entero>(o.ganador);
        if (IniciarMano(c) != ResultadoReparto::Listo) {
            std::fprintf(stderr, "reparto: el reparto no terminó\n");
            return 1;
        }
        Imprimir(motor.e, a);
    }
    ImprimirMensajes(motor.usuario);
    return 0;
}

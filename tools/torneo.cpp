// A seeded tournament of automatic players with no window: every seat gets a level and a character, the
// hands are dealt from one seed and played from another, and the hands won and the points taken are printed
// per seat and, in pairs play, per pair. Same seeds, same figures.
//
//   torneo [--semilla N] [--manos N] [--serie N] [--modo 1|2] [--asientos 1234] [--sentido 1|2]
//          [--niveles 0,100,0,100] [--caracteres 2,2,2,2]
//
// --serie is the number of hands after which a new match starts (hand 1 again, with its opening tile).
#include <cstdio>
#include <string>
#include <vector>

#include "engine/contexto.h"
#include "engine/reglas.h"
#include "engine/turno.h"
#include "tests/soporte/mano_automatica.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{"torneo",
                        "uso: torneo [--semilla N] [--manos N] [--serie N] [--modo 1|2] [--asientos 1234]\n"
                        "              [--sentido 1|2] [--niveles 0,100,0,100] [--caracteres 2,2,2,2]\n"};

constexpr long long kMaximo = 1000000000;

struct Opciones
{
    std::uint32_t semilla = 1;
    int manos = 2000, serie = 10, modo = 1, sentido = 1;
    std::string asientos = "1234";
    std::vector<int> niveles{50, 50, 50, 50};
    std::vector<int> caracteres{2, 2, 2, 2};
};

// One value per seat, each from `minimo` to `maximo`.
Opcion PorAsiento(const char* nombre, std::vector<int>& destino, int minimo, int maximo)
{
    return {nombre, [&destino, minimo, maximo](const char* v) {
                destino = programa.Cuatro(v, [minimo, maximo](const char* parte) {
                    const auto n = static_cast<int>(programa.Numero(parte, 0, kMaximo));
                    if (n < minimo || n > maximo) programa.Uso("valor fuera de rango");
                    return n;
                });
            }};
}

Opciones LeerOpciones(int argc, char** argv)
{
    Opciones o;
    programa.Leer(argc, argv,
                  {
                      programa.Entera("--semilla", o.semilla, 0, kMaximo),
                      programa.Entera("--manos", o.manos, 0, kMaximo),
                      programa.Entera("--serie", o.serie, 0, kMaximo),
                      programa.Entera("--modo", o.modo, 0, kMaximo),
                      programa.Entera("--sentido", o.sentido, 1, 2),
                      programa.Texto("--asientos", o.asientos),
                      PorAsiento("--niveles", o.niveles, 0, 100),
                      PorAsiento("--caracteres", o.caracteres, 1, 3),
                  });
    if (o.serie < 1 || o.serie > 700) programa.Uso("la serie va de 1 a 700 manos");
    if (o.modo != 1 && o.modo != 2) programa.Uso("modo 1 (parejas) o 2 (individual)");
    return o;
}

const char* NombreCaracter(Caracter k)
{
    return k == Caracter::Conservador ? "Conservador" : k == Caracter::Agresivo ? "Agresivo" : "Medio";
}

} // namespace

int main(int argc, char** argv)
{
    const Opciones o = LeerOpciones(argc, argv);
    MotorSinVentana motor(o.semilla);
    AzarSemilla azarJuego(o.semilla ^ 0x5bd1e995u);
    Ajustes& a = motor.a;
    a.ModoJuego = static_cast<Modalidad>(o.modo);
    a.SentidoJuego = static_cast<Sentido>(o.sentido);
    motor.e.PasoTurno = PasoDeSentido(a.SentidoJuego);
    a.Sonido = false;
    a.PausaEntreJugadas = false;
    MarcarAsientos(o.asientos, a);
    for (std::size_t p = 1; p <= 4; ++p) {
        AjustesJugador& j = a.Jugador[p];
        j.ControlJugador = Control::Automatico;
        j.NivelJugador = static_cast<Entero>(o.niveles[p - 1]);
        j.CaracterJugador = static_cast<Caracter>(o.caracteres[p - 1]);
    }
    if (ValidarReglas(a) != FalloReglas::Ninguno) programa.Uso("asientos y modo no permiten jugar");

    Contexto reparto = motor.Ctx();
    Contexto juego{motor.e,     motor.a,   motor.pantalla, motor.mesa, motor.usuario,
                   motor.ritmo, motor.red, motor.almacen,  azarJuego};

    std::array<int, 5> ganadas{}, puntos{}; // by seat, or by pair code in pairs play
    int empates = 0, cerradas = 0, fallidas = 0;
    for (int m = 0; m < o.manos; ++m) {
        if (m % o.serie == 0) EmpezarSerie(motor.e);
        const ResultadoManoAutomatica r = JugarManoAutomatica(reparto, juego);
        if (!r.Valida) {
            ++fallidas;
            EmpezarSerie(motor.e);
            continue;
        }
        if (!r.Domino) ++cerradas;
        if (r.Ganador == 0) {
            ++empates;
            continue;
        }
        ++ganadas[static_cast<std::size_t>(r.Ganador)];
        puntos[static_cast<std::size_t>(r.Ganador)] += r.Puntos;
    }

    std::printf("Torneo: semilla %u, %d manos en series de %d, %s\n", o.semilla, o.manos, o.serie,
                o.modo == 1 ? "parejas" : "individual");
    for (std::size_t p = 1; p <= 4; ++p) {
        const AjustesJugador& j = a.Jugador[p];
        if (j.EstadoJugador != EstadoAsiento::Activado) continue;
        std::printf("  Asiento %zu: nivel %5.1f %-11s", p, j.NivelJugador / 10.0,
                    NombreCaracter(j.CaracterJugador));
        if (o.modo == 2) std::printf("  manos ganadas %5d  puntos %7d", ganadas[p], puntos[p]);
        std::printf("\n");
    }
    if (o.modo == 1) {
        std::printf("  Pareja 1 (asientos 2 y 4): manos ganadas %5d  puntos %7d\n", ganadas[1], puntos[1]);
        std::printf("  Pareja 2 (asientos 1 y 3): manos ganadas %5d  puntos %7d\n", ganadas[2], puntos[2]);
    }
    std::printf("  Manos cerradas %d, empates %d, sin terminar %d\n", cerradas, empates, fallidas);
    return fallidas == 0 ? 0 : 1;
}

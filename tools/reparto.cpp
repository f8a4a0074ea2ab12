// Deals hands with no window and prints them: for a seed and rules, the hands, the stock, the leader and the
// line's set-up. Same seed, same deal.
//
//   reparto [--semilla N] [--asientos 1234] [--fichas F] [--manos K] [--modo 1|2] [--sentido 1|2]
//           [--primera-mano 1|2] [--turno-salida 1..4] [--cinco-dobles 1|2] [--ganador G]
//           [--pantalla 800x600]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/contexto.h"
#include "engine/reglas.h"
#include "engine/reparto.h"

namespace {

using namespace zp;

struct Opciones
{
    std::uint32_t semilla = 1;
    std::string asientos = "1234";
    int fichas = 7, manos = 1, modo = 0, sentido = 1, primera = 1, turno = 1, cincoDobles = 1, ganador = 0;
    int ancho = 800, alto = 600;
};

[[noreturn]] void Uso(const char* motivo)
{
    std::fprintf(stderr, "reparto: %s\n", motivo);
    std::fprintf(stderr,
                 "uso: reparto [--semilla N] [--asientos 1234] [--fichas F] [--manos K] [--modo 1|2]\n"
                 "               [--sentido 1|2] [--primera-mano 1|2] [--turno-salida 1..4]\n"
                 "               [--cinco-dobles 1|2] [--ganador G] [--pantalla 800x600]\n");
    std::exit(2);
}

int Numero(const char* texto)
{
    char* fin = nullptr;
    const long n = std::strtol(texto, &fin, 10);
    if (fin == texto || *fin != '\0' || n < 0 || n > 1000000000L) Uso("número no válido");
    return static_cast<int>(n);
}

Opciones LeerOpciones(int argc, char** argv)
{
    Opciones o;
    for (int i = 1; i < argc; ++i) {
        const std::string nombre = argv[i];
        if (i + 1 >= argc) Uso("falta el valor de una opción");
        const char* valor = argv[++i];
        if (nombre == "--semilla")
            o.semilla = static_cast<std::uint32_t>(Numero(valor));
        else if (nombre == "--asientos")
            o.asientos = valor;
        else if (nombre == "--fichas")
            o.fichas = Numero(valor);
        else if (nombre == "--manos")
            o.manos = Numero(valor);
        else if (nombre == "--modo")
            o.modo = Numero(valor);
        else if (nombre == "--sentido")
            o.sentido = Numero(valor);
        else if (nombre == "--primera-mano")
            o.primera = Numero(valor);
        else if (nombre == "--turno-salida")
            o.turno = Numero(valor);
        else if (nombre == "--cinco-dobles")
            o.cincoDobles = Numero(valor);
        else if (nombre == "--ganador")
            o.ganador = Numero(valor);
        else if (nombre == "--pantalla") {
            if (std::sscanf(valor, "%dx%d", &o.ancho, &o.alto) != 2) Uso("pantalla no válida");
        } else {
            Uso("opción desconocida");
        }
    }
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
        if (a.Jugador[p].EstadoJugador != 1) {
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
    MotorSinVentana motor(o.semilla, MedirPantalla(o.ancho, o.alto));
    Ajustes& a = motor.a;
    int enJuego = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        const bool esta = o.asientos.find(static_cast<char>('0' + p)) != std::string::npos;
        a.Jugador[p].EstadoJugador = esta ? 1 : 2;
        enJuego += esta ? 1 : 0;
    }
    a.NumeroJugadores = static_cast<Entero>(enJuego);
    a.FichasPorJugador = static_cast<Entero>(o.fichas);
    a.ModoJuego = static_cast<Entero>(o.modo != 0 ? o.modo : (enJuego == 4 ? 1 : 2));
    a.SentidoJuego = static_cast<Entero>(o.sentido);
    a.PrimeraMano = static_cast<Entero>(o.primera);
    a.TurnoSalida = static_cast<Entero>(o.turno);
    a.JugadorCincoDobles = static_cast<Entero>(o.cincoDobles);
    a.SistemaReparto = 2;
    a.JuegoEnRed = false;
    motor.e.PasoTurno = o.sentido == 2 ? -1 : 1;
    if (ValidarReglas(a) != FalloReglas::Ninguno) {
        std::fprintf(stderr, "reparto: estas reglas no permiten repartir\n");
        return 1;
    }

    std::printf("Semilla %u, pantalla %dx%d\n", o.semilla, motor.pantalla.AnchoPantalla,
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
    for (const auto& m : motor.usuario.Mensajes) std::printf("[%s] %s\n", m.titulo.c_str(), m.texto.c_str());
    return 0;
}

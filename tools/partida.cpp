// A whole match of automatic players with no window, for a seed and rules given on the command line; prints
// the score sheet and the totals as the score sheet window lays them out, the pairs notepad or the
// individual report. Same seed and rules, same sheet.
//
//   partida [--semilla N] [--modo 1|2] [--asientos 1234] [--puntos N] [--anotacion 1|2] [--anotan 1|2]
//           [--pareja 1|2] [--empate 1|2|3] [--salida-empate 1|2] [--turno 1..4] [--primera 1|2]
//           [--fichas N] [--remanentes N] [--sentido 1|2] [--niveles 50,50,50,50]
//           [--caracteres 2,3,1,2] [--mensajes]
//
// --mensajes also prints every message box the match showed, in order.
#include <cstdio>
#include <string>

#include "engine/contexto.h"
#include "engine/fin_mano.h"
#include "engine/partida.h"
#include "engine/reglas.h"
#include "engine/turno.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{
    "partida",
    "uso: partida [--semilla N] [--modo 1|2] [--asientos 1234] [--puntos N] [--anotacion 1|2]\n"
    "               [--anotan 1|2] [--pareja 1|2] [--empate 1|2|3] [--salida-empate 1|2]\n"
    "               [--turno 1..4] [--primera 1|2] [--fichas N] [--remanentes N]\n"
    "               [--sentido 1|2] [--niveles 50,50,50,50] [--caracteres 2,3,1,2] [--mensajes]\n",
    "valor no válido"};

// One value per seat, each from `minimo` to `maximo`, into the field `campo` of every seat.
template <class T>
Opcion PorAsiento(const char* nombre, Ajustes& a, T AjustesJugador::*campo, int minimo, int maximo)
{
    return {nombre, [&a, campo, minimo, maximo](const char* v) {
                const auto n = programa.Cuatro(v, [minimo, maximo](const char* parte) {
                    return static_cast<int>(programa.Numero(parte, minimo, maximo));
                });
                for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].*campo = static_cast<T>(n[p - 1]);
            }};
}

struct Opciones
{
    std::uint32_t semilla = 1;
    bool mensajes = false;
};

Opciones LeerOpciones(int argc, char** argv, Ajustes& a)
{
    Opciones o;
    programa.Leer(argc, argv,
                  {
                      programa.Interruptor("--mensajes", o.mensajes),
                      programa.Entera("--semilla", o.semilla, 0, 2000000000),
                      programa.Entera("--modo", a.ModoJuego, 1, 2),
                      {"--asientos", [&a](const char* v) { MarcarAsientos(v, a); }},
                      programa.Entera("--puntos", a.PuntosPartida, 1, 999),
                      programa.Entera("--anotacion", a.SistemaAnotacion, 1, 2),
                      programa.Entera("--anotan", a.PuntosQueSeAnotan, 1, 2),
                      programa.Entera("--pareja", a.ParejaQueSeAnota, 1, 2),
                      programa.Entera("--empate", a.GanadorSiEmpate, 1, 3),
                      programa.Entera("--salida-empate", a.SalidaSiEmpate, 1, 2),
                      programa.Entera("--turno", a.TurnoSalida, 1, 4),
                      programa.Entera("--primera", a.PrimeraMano, 1, 2),
                      programa.Entera("--fichas", a.FichasPorJugador, 7, 14),
                      programa.Entera("--remanentes", a.RemanentesMonton, 0, 14),
                      programa.Entera("--sentido", a.SentidoJuego, 1, 2),
                      PorAsiento("--niveles", a, &AjustesJugador::NivelJugador, 0, 100),
                      PorAsiento("--caracteres", a, &AjustesJugador::CaracterJugador, 1, 3),
                  });
    return o;
}

std::string Arrobas(int n, std::size_t ancho = 3)
{
    std::string s = std::to_string(n);
    if (s.size() < ancho) s.insert(0, ancho - s.size(), ' ');
    return s;
}

std::string Ajustar(std::string s, std::size_t ancho)
{
    // Names are UTF-8: count characters, not bytes.
    std::size_t caracteres = 0;
    for (const char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++caracteres;
    if (caracteres < ancho) s.append(ancho - caracteres, ' ');
    return s;
}

// One cell: points, or points "-" tens when scoring by tens; blank when nothing was scored.
std::string Celda(const Ajustes& a, Entero puntos, Entero decenas)
{
    if (puntos <= 0)
        return a.SistemaAnotacion == Anotacion::Decenas ? std::string(7, ' ') : std::string(3, ' ');
    if (a.SistemaAnotacion == Anotacion::Decenas) return Arrobas(puntos) + "-" + Arrobas(decenas);
    return Arrobas(puntos);
}

void ImprimirMarcador(const EstadoJuego& e, const Ajustes& a)
{
    const int ultima = e.ManoEnCurso ? e.NumeroMano - 1 : e.NumeroMano;
    std::printf("Partida a %d puntos\n", a.PuntosPartida);
    if (EnParejas(a)) {
        std::printf("Mano Sale        Nosotros   Ellos\n");
        for (int h = 1; h <= ultima; ++h) {
            const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
            if (r.PuntosPareja1 == 0 && r.PuntosPareja2 == 0 && r.DecenasPareja1 == 0 &&
                r.DecenasPareja2 == 0)
                continue;
            std::printf("%s  %s %s   %s\n", Arrobas(h).c_str(), Ajustar(r.Sale, 11).c_str(),
                        Celda(a, r.PuntosPareja1, r.DecenasPareja1).c_str(),
                        Celda(a, r.PuntosPareja2, r.DecenasPareja2).c_str());
        }
        std::printf("Total            %s   %s\n", Arrobas(e.TotalPareja1, 7).c_str(),
                    Arrobas(e.TotalPareja2, 7).c_str());
        return;
    }
    std::string cabecera = "Mano   Sale    ";
    for (std::size_t p = 1; p <= 4; ++p)
        if (AsientoEnJuego(a, p)) cabecera += Ajustar(a.Jugador[p].NombreJugador, 10);
    std::printf("%s\n", cabecera.c_str());
    for (int h = 1; h <= ultima; ++h) {
        const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
        std::string fila = Arrobas(h) + "    " + Ajustar(r.Sale, 11);
        for (std::size_t p = 1; p <= 4; ++p)
            if (AsientoEnJuego(a, p)) fila += Ajustar(Celda(a, r.PuntosJugador[p], r.DecenasJugador[p]), 10);
        std::printf("%s\n", fila.c_str());
    }
    std::string total = "Total              ";
    for (std::size_t p = 1; p <= 4; ++p)
        if (AsientoEnJuego(a, p)) total += Ajustar(Arrobas(e.PuntosJugador[p], 7), 10);
    std::printf("%s\n", total.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    Ajustes a;
    const Opciones o = LeerOpciones(argc, argv, a);
    MotorSinVentana m(o.semilla);
    m.a = a;
    for (std::size_t p = 1; p <= 4; ++p) m.a.Jugador[p].ControlJugador = Control::Automatico;
    m.a.PausaEntreJugadas = false;
    m.e.PasoTurno = PasoDeSentido(m.a.SentidoJuego);
    if (ValidarReglas(m.a) != FalloReglas::Ninguno)
        programa.Uso("los jugadores y las normas no permiten repartir");

    Contexto c = m.Ctx();
    const ResultadoPartida r = ComenzarPartida(c);
    if (o.mensajes) {
        ImprimirMensajes(m.usuario);
        std::printf("\n");
    }
    // The closing steps leave the sheet as it was: the hands of the match are still there to print.
    ImprimirMarcador(m.e, m.a);
    std::printf("Manos: %d  %s\n", m.e.NumeroMano,
                r.Fin == FinPartida::Terminada ? "partida terminada" : "partida sin terminar");
    return r.Fin == FinPartida::Terminada ? 0 : 1;
}

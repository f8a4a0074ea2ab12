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
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/contexto.h"
#include "engine/fin_mano.h"
#include "engine/partida.h"
#include "engine/reglas.h"

namespace {

using namespace zp;

[[noreturn]] void Uso(const char* motivo)
{
    std::fprintf(stderr, "partida: %s\n", motivo);
    std::fprintf(
        stderr,
        "uso: partida [--semilla N] [--modo 1|2] [--asientos 1234] [--puntos N] [--anotacion 1|2]\n"
        "               [--anotan 1|2] [--pareja 1|2] [--empate 1|2|3] [--salida-empate 1|2]\n"
        "               [--turno 1..4] [--primera 1|2] [--fichas N] [--remanentes N]\n"
        "               [--sentido 1|2] [--niveles 50,50,50,50] [--caracteres 2,3,1,2] [--mensajes]\n");
    std::exit(2);
}

int Numero(const char* texto, int minimo, int maximo)
{
    char* fin = nullptr;
    const long n = std::strtol(texto, &fin, 10);
    if (fin == texto || *fin != '\0' || n < minimo || n > maximo) Uso("valor no válido");
    return static_cast<int>(n);
}

Entero E(const char* texto, int minimo, int maximo)
{
    return static_cast<Entero>(Numero(texto, minimo, maximo));
}

// Four values, one per seat 1..4, separated by commas.
std::vector<Entero> Cuatro(const char* texto, int minimo, int maximo)
{
    std::vector<Entero> v;
    std::string s = texto;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t coma = s.find(',', inicio);
        v.push_back(E(s.substr(inicio, coma == std::string::npos ? std::string::npos : coma - inicio).c_str(),
                      minimo, maximo));
        if (coma == std::string::npos) break;
        inicio = coma + 1;
    }
    if (v.size() != 4) Uso("hacen falta cuatro valores, uno por asiento");
    return v;
}

struct Opciones
{
    std::uint32_t semilla = 1;
    bool mensajes = false;
};

Opciones LeerOpciones(int argc, char** argv, Ajustes& a)
{
    Opciones o;
    for (int i = 1; i < argc; ++i) {
        const std::string nombre = argv[i];
        if (nombre == "--mensajes") {
            o.mensajes = true;
            continue;
        }
        if (i + 1 >= argc) Uso("falta el valor de una opción");
        const char* v = argv[++i];
        if (nombre == "--semilla")
            o.semilla = static_cast<std::uint32_t>(Numero(v, 0, 2000000000));
        else if (nombre == "--modo")
            a.ModoJuego = E(v, 1, 2);
        else if (nombre == "--asientos") {
            int n = 0;
            for (std::size_t p = 1; p <= 4; ++p) {
                const bool esta = std::strchr(v, static_cast<char>('0' + p)) != nullptr;
                a.Jugador[p].EstadoJugador = esta ? 1 : 2;
                n += esta ? 1 : 0;
            }
            a.NumeroJugadores = static_cast<Entero>(n);
        } else if (nombre == "--puntos")
            a.PuntosPartida = E(v, 1, 999);
        else if (nombre == "--anotacion")
            a.SistemaAnotacion = E(v, 1, 2);
        else if (nombre == "--anotan")
            a.PuntosQueSeAnotan = E(v, 1, 2);
        else if (nombre == "--pareja")
            a.ParejaQueSeAnota = E(v, 1, 2);
        else if (nombre == "--empate")
            a.GanadorSiEmpate = E(v, 1, 3);
        else if (nombre == "--salida-empate")
            a.SalidaSiEmpate = E(v, 1, 2);
        else if (nombre == "--turno")
            a.TurnoSalida = E(v, 1, 4);
        else if (nombre == "--primera")
            a.PrimeraMano = E(v, 1, 2);
        else if (nombre == "--fichas")
            a.FichasPorJugador = E(v, 7, 14);
        else if (nombre == "--remanentes")
            a.RemanentesMonton = E(v, 0, 14);
        else if (nombre == "--sentido")
            a.SentidoJuego = E(v, 1, 2);
        else if (nombre == "--niveles") {
            const auto n = Cuatro(v, 0, 100);
            for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].NivelJugador = n[p - 1];
        } else if (nombre == "--caracteres") {
            const auto n = Cuatro(v, 1, 3);
            for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].CaracterJugador = n[p - 1];
        } else
            Uso("opción desconocida");
    }
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
    if (puntos <= 0) return a.SistemaAnotacion == 1 ? std::string(7, ' ') : std::string(3, ' ');
    if (a.SistemaAnotacion == 1) return Arrobas(puntos) + "-" + Arrobas(decenas);
    return Arrobas(puntos);
}

void ImprimirMarcador(const EstadoJuego& e, const Ajustes& a)
{
    const int ultima = e.ManoEnCurso ? e.NumeroMano - 1 : e.NumeroMano;
    std::printf("Partida a %d puntos\n", a.PuntosPartida);
    if (a.ModoJuego == 1) {
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
        if (a.Jugador[p].EstadoJugador == 1) cabecera += Ajustar(a.Jugador[p].NombreJugador, 10);
    std::printf("%s\n", cabecera.c_str());
    for (int h = 1; h <= ultima; ++h) {
        const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
        std::string fila = Arrobas(h) + "    " + Ajustar(r.Sale, 11);
        for (std::size_t p = 1; p <= 4; ++p)
            if (a.Jugador[p].EstadoJugador == 1)
                fila += Ajustar(Celda(a, r.PuntosJugador[p], r.DecenasJugador[p]), 10);
        std::printf("%s\n", fila.c_str());
    }
    std::string total = "Total              ";
    for (std::size_t p = 1; p <= 4; ++p)
        if (a.Jugador[p].EstadoJugador == 1) total += Ajustar(Arrobas(e.PuntosJugador[p], 7), 10);
    std::printf("%s\n", total.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    Ajustes a;
    const Opciones o = LeerOpciones(argc, argv, a);
    MotorSinVentana m(o.semilla);
    m.a = a;
    for (std::size_t p = 1; p <= 4; ++p) m.a.Jugador[p].ControlJugador = 2;
    m.a.PausaEntreJugadas = false;
    if (ValidarReglas(m.a) != FalloReglas::Ninguno) Uso("los jugadores y las normas no permiten repartir");

    Contexto c = m.Ctx();
    const ResultadoPartida r = ComenzarPartida(c);
    if (o.mensajes) {
        for (const auto& k : m.usuario.Mensajes) std::printf("[%s] %s\n", k.titulo.c_str(), k.texto.c_str());
        std::printf("\n");
    }
    // The closing steps leave the sheet as it was: the hands of the match are still there to print.
    ImprimirMarcador(m.e, m.a);
    std::printf("Manos: %d  %s\n", m.e.NumeroMano,
                r.Fin == FinPartida::Terminada ? "partida terminada" : "partida sin terminar");
    return r.Fin == FinPartida::Terminada ? 0 : 1;
}

// Fuzz target for the state files: any bytes are read as a settings file, and a game in progress that is
// taken is then played on with no window, as the program's start does, for a bounded number of turns. Every
// state taken must write back to a file that reads the same, and the game left where play stopped must be
// one the reader takes again. The same first line is also read as a network client receives it. Built only
// with clang (tools/fuzz_estado.sh); with ZP_CORPUS set it first writes seed files there.
#include "engine/partida.h"
#include "settings/core/ajustes_recibidos.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace zp;

constexpr int kTurnos = 40; // turns played on a resumed game before the person "leaves"

void Comprobar(bool cierto)
{
    if (!cierto) __builtin_trap();
}

// The automatic person, who leaves at the start of a turn once `kTurnos` have begun.
class PersonaQueSeVa : public UsuarioAutomatico
{
public:
    Espera AtenderEventos() override { return ++turnos_ > kTurnos ? Espera::Abandonada : Espera::Cumplida; }

private:
    int turnos_ = 0;
};

struct Leido
{
    EstadoJuego juego;
    Ajustes ajustes;
    ResultadoLectura resultado;
};

Leido Leer(std::string_view bytes)
{
    Leido l;
    auto separado = SepararFicheroEstado(bytes);
    if (auto* motivo = std::get_if<std::string>(&separado))
        l.resultado.Ilegible = *motivo;
    else
        l.resultado = CargarCadenasEstado(std::get<CadenasEstado>(separado), l.juego, l.ajustes);
    return l;
}

// What was taken writes back to a file that reads the same, its game (if any) taken again.
std::string Reescribir(const EstadoJuego& juego, const Ajustes& ajustes)
{
    const std::string fichero = ComponerFicheroEstado(GenerarCadenasEstado(juego, ajustes));
    const Leido otra = Leer(fichero);
    Comprobar(!otra.resultado.Ilegible && !otra.resultado.PartidaDescartada);
    Comprobar(ComponerFicheroEstado(GenerarCadenasEstado(otra.juego, otra.ajustes)) == fichero);
    Comprobar(otra.juego.PartidaEnCurso == juego.PartidaEnCurso);
    return fichero;
}

// Plays on as the program's start does, then checks the game left behind is one the reader takes.
void JugarDespues(const EstadoJuego& juego, const Ajustes& ajustes)
{
    MotorSinVentana m(1);
    PersonaQueSeVa persona;
    m.e = juego;
    m.a = ajustes;
    Contexto c{m.e, m.a, m.pantalla, m.mesa, persona, m.ritmo, m.red, m.almacen, m.azar};
    ReanudarPartida(c);
    if (m.e.PartidaEnCurso) Reescribir(m.e, m.a);
}

void Semilla(const std::string& carpeta, const char* nombre, const EstadoJuego& j, const Ajustes& a)
{
    std::ofstream(carpeta + "/" + nombre, std::ios::binary)
        << ComponerFicheroEstado(GenerarCadenasEstado(j, a));
}

// A first run, and games left at several turns of a seeded match, one of them between two hands.
void EscribirSemillas(const std::string& carpeta)
{
    EstadoJuego j;
    Ajustes a;
    PonerAjustesPorDefecto(j, a);
    Semilla(carpeta, "primera_ejecucion", j, a);
    for (int turnos : {1, 5, 17, 33, 60}) {
        MotorSinVentana m(static_cast<std::uint32_t>(turnos));
        m.a.PausaEntreJugadas = false;
        class Hasta : public UsuarioAutomatico
        {
        public:
            explicit Hasta(int n) : n_(n) {}
            Espera AtenderEventos() override { return --n_ < 0 ? Espera::Abandonada : Espera::Cumplida; }

        private:
            int n_;
        } persona(turnos);
        Contexto c{m.e, m.a, m.pantalla, m.mesa, persona, m.ritmo, m.red, m.almacen, m.azar};
        ComenzarPartida(c);
        Semilla(carpeta, ("turno_" + std::to_string(turnos)).c_str(), m.e, m.a);
        if (turnos == 60) {
            m.e.ManoEnCurso = false;
            m.e.GanadorMano = 1;
            m.e.Anotaciones[static_cast<std::size_t>(m.e.NumeroMano)].PuntosPareja1 = 21;
            Semilla(carpeta, "entre_manos", m.e, m.a);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* carpeta = std::getenv("ZP_CORPUS")) EscribirSemillas(carpeta);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo)
{
    const std::string_view bytes(reinterpret_cast<const char*>(datos), largo);
    const Leido leido = Leer(bytes);
    if (!leido.resultado.Ilegible) {
        Reescribir(leido.juego, leido.ajustes);
        if (leido.juego.PartidaEnCurso) JugarDespues(leido.juego, leido.ajustes);
    }

    // The same first line as a network client receives it: taken whole or not at all; a deal is also
    // refused for what only its hands and stock can hold wrong.
    auto separado = SepararFicheroEstado(bytes);
    if (auto* cadenas = std::get_if<CadenasEstado>(&separado)) {
        EstadoJuego cliente;
        Ajustes ajustesCliente;
        cliente.PuestoLocal = 2;
        const CadenasEstado previas = GenerarCadenasEstado(cliente, ajustesCliente);
        const bool malos =
            AplicarAjustesRecibidos(cadenas->CadenaSituacion, cliente, ajustesCliente).has_value();
        const bool malas = AplicarManosRecibidas(cadenas->CadenaSituacion, cliente).has_value();
        Comprobar(!malos || malas);
        if (malos) Comprobar(GenerarCadenasEstado(cliente, ajustesCliente) == previas);
    }
    return 0;
}

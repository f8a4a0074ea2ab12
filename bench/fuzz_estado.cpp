// Fuzz target for the state-file reader: any bytes, read as a state file and as a received situation,
// must be refused or taken whole, never crash, and what is taken must write back to a file that reads the
// same. Built only with clang (tools/fuzz_estado.sh); with ZP_CORPUS set it first writes seed files there.
#include "settings/core/ajustes_recibidos.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_estado.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace zp;

void Comprobar(bool cierto)
{
    if (!cierto) __builtin_trap();
}

void Semilla(const std::string& carpeta, const char* nombre, const EstadoJuego& j, const Ajustes& a)
{
    std::ofstream(carpeta + "/" + nombre, std::ios::binary)
        << ComponerFicheroEstado(GenerarCadenasEstado(j, a));
}

void EscribirSemillas(const std::string& carpeta)
{
    EstadoJuego j;
    Ajustes a;
    PonerAjustesPorDefecto(j, a);
    Semilla(carpeta, "primera_ejecucion", j, a);
    j.PartidaEnCurso = j.ManoEnCurso = true;
    j.NumeroMano = 3;
    j.NumeroJugada = 6;
    j.JugadorTurno = j.JugadorSalida = 2;
    for (int i = 1; i <= 2; ++i) j.Anotaciones[static_cast<std::size_t>(i)].Sale = "Jugador1";
    for (int i = 1; i <= 5; ++i) {
        RegistroJugada& r = j.Jugadas[static_cast<std::size_t>(i)];
        r.Jugador = static_cast<Entero>(1 + i % 4);
        r.Extremo = 1;
        r.Extremo1 = r.Extremo2 = 6;
    }
    for (int p = 1; p <= 4; ++p) {
        j.HuecosMano[static_cast<std::size_t>(p)] = 7;
        for (int s = 1; s <= 7; ++s)
            j.Manos[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)] = {6, 5, 0};
    }
    Semilla(carpeta, "partida_en_juego", j, a);
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
    EstadoJuego juego;
    Ajustes ajustes;
    const CadenasEstado antes = GenerarCadenasEstado(juego, ajustes);

    auto separado = SepararFicheroEstado(bytes);
    if (auto* cadenas = std::get_if<CadenasEstado>(&separado)) {
        if (CargarCadenasEstado(*cadenas, juego, ajustes)) {
            Comprobar(GenerarCadenasEstado(juego, ajustes) == antes);
        } else {
            // What was taken writes back to a file that reads the same.
            const CadenasEstado escritas = GenerarCadenasEstado(juego, ajustes);
            EstadoJuego otro;
            Ajustes otros;
            auto vuelta = SepararFicheroEstado(ComponerFicheroEstado(escritas));
            Comprobar(std::holds_alternative<CadenasEstado>(vuelta));
            Comprobar(!CargarCadenasEstado(std::get<CadenasEstado>(vuelta), otro, otros));
            Comprobar(GenerarCadenasEstado(otro, otros) == escritas);
        }
        // The same first line as a network client receives it.
        EstadoJuego cliente;
        Ajustes ajustesCliente;
        cliente.PuestoLocal = 2;
        const CadenasEstado previas = GenerarCadenasEstado(cliente, ajustesCliente);
        const bool malos =
            AplicarAjustesRecibidos(cadenas->CadenaSituacion, cliente, ajustesCliente).has_value();
        const bool malas = AplicarManosRecibidas(cadenas->CadenaSituacion, cliente).has_value();
        Comprobar(malos == malas);
        if (malos) Comprobar(GenerarCadenasEstado(cliente, ajustesCliente) == previas);
    }
    return 0;
}

#pragma once
// The engine of the engine's tests: a table window that writes what it is asked, a scripted person and
// network, a store that keeps what it is given, a seeded generator; and hands set up slot by slot.
#include <functional>
#include <string>
#include <vector>

#include "engine/reglas.h"
#include "tests/soporte/mesa_que_anota.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {

// What the engine gave the store: files written and deleted, history records; and what it hands back: a
// situation string of its own (780 columns of 'S' unless a test sets one), the settings-load messages.
class AlmacenQueAnota : public Almacen
{
public:
    bool GrabarEstado(const std::string& nombre) override
    {
        Grabados.push_back(nombre);
        return true;
    }
    void BorrarFichero(const std::string& nombre) override { Borrados.push_back(nombre); }
    std::string GenerarCadenaSituacion() override { return Situacion; }
    void AplicarManosRecibidas(const std::string& cadena) override { Aplicadas.push_back(cadena); }
    std::vector<AvisoAlmacen> CargarAjustes() override
    {
        if (AlCargar) AlCargar();
        return Avisos;
    }
    void AnadirRegistroHistorico(const ResumenPartida& r) override { Historico.push_back(r); }

    std::string Situacion = std::string(780, 'S');
    std::vector<std::string> Grabados, Borrados, Aplicadas;
    std::vector<AvisoAlmacen> Avisos;
    std::vector<ResumenPartida> Historico;
    std::function<void()> AlCargar; // the settings file "read": the test puts its state in place
};

// Seats in play from a string of seat digits ("134"); pairs play exactly when all four play.
inline void PonerAsientos(Ajustes& a, const std::string& enJuego)
{
    a.ModoJuego = MarcarAsientos(enJuego, a) == 4 ? Modalidad::Parejas : Modalidad::Individual;
}

struct Banco
{
    explicit Banco(std::uint32_t semilla = 1, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), azar(semilla)
    {
        a.SistemaReparto = FormaReparto::Aleatorio;
    }
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    void Asientos(const std::string& enJuego) { PonerAsientos(a, enJuego); }

    // Puts the tile a-b held in the next slot of seat p; gives the slot.
    Entero DarFicha(Entero p, Entero a_, Entero b_)
    {
        auto& huecos = e.HuecosMano[static_cast<std::size_t>(p)];
        ++huecos;
        e.Manos[static_cast<std::size_t>(p)][static_cast<std::size_t>(huecos)] = HuecoMano{a_, b_, kEnMano};
        ++e.FichasEnMano[static_cast<std::size_t>(p)];
        return huecos;
    }

    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    MesaQueAnota mesa;
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenQueAnota almacen;
    AzarSemilla azar;
};

} // namespace zp

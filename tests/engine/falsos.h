#pragma once
// Fakes that remember what the engine asked of the world outside it.
#include <string>
#include <vector>

#include "engine/contexto.h"
#include "engine/reglas.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp::prueba {

class MesaQueAnota : public Mesa
{
public:
    void LimpiarMesa() override { Anotar("LimpiarMesa"); }
    void Refrescar() override {}
    void OcultarGrabadora() override {}
    void VaciarListaJugadas() override {}
    void OcultarListaJugadas() override { Anotar("OcultarListaJugadas"); }
    void DibujarMarcadorMesa() override {}
    void OcultarBotonContinuar() override {}
    void DibujarFichaDescubierta(Entero a, Entero b) override
    {
        Anotar("DibujarFichaDescubierta " + std::to_string(a) + std::to_string(b));
    }
    void DibujarMano(Entero p, bool descubierta) override
    {
        Anotar("DibujarMano " + std::to_string(p) + (descubierta ? " descubierta" : ""));
    }
    void DibujarNombres() override {}
    void DibujarMonton() override { Anotar("DibujarMonton"); }
    void PonerPunteroMesa(Puntero) override {}
    void AnularZonaPuntero() override {}
    void MostrarRotuloSalida(const std::string& texto) override { Anotar("Rotulo " + texto); }
    void BorrarRotuloSalida() override { Anotar("BorrarRotulo"); }

    bool Hubo(const std::string& llamada) const
    {
        for (const auto& l : Llamadas)
            if (l == llamada) return true;
        return false;
    }
    std::vector<std::string> Llamadas;

private:
    void Anotar(std::string s) { Llamadas.push_back(std::move(s)); }
};

// Its "situation string" is just a marker for the hand number, as the host's would carry it.
class AlmacenDePrueba : public Almacen
{
public:
    bool GrabarEstado(const std::string&) override { return true; }
    void BorrarFichero(const std::string&) override {}
    std::string GenerarCadenaSituacion() override { return Situacion; }
    void AplicarManosRecibidas(const std::string& cadena) override { Aplicadas.push_back(cadena); }

    std::string Situacion;
    std::vector<std::string> Aplicadas;
};

// A 780-column situation whose hand-number columns 184..186 hold `mano`.
inline std::string SituacionDeMano(int mano)
{
    std::string s(780, '9');
    const std::string n = std::to_string(1000 + mano).substr(1);
    s.replace(183, 3, n);
    return s;
}

// Engine with a recording table and store, otherwise headless.
struct Banco
{
    explicit Banco(std::uint32_t semilla = 1, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), azar(semilla)
    {
        a.SistemaReparto = FormaReparto::Aleatorio;
    }
    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    // Seats in play from a string of seat digits, with the count kept consistent.
    void Asientos(const std::string& enJuego)
    {
        const int n = MarcarAsientos(enJuego, a);
        if (n != 4) a.ModoJuego = Modalidad::Individual;
    }

    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    MesaQueAnota mesa;
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenDePrueba almacen;
    AzarSemilla azar;
};

} // namespace zp::prueba

#pragma once
// A headless engine whose table remembers the move and recorder calls, and hands built tile by tile, for
// the tests of carrying out moves and stepping through them.
#include <string>
#include <vector>

#include "engine/contexto.h"
#include "engine/reglas.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp::prueba {

class MesaDeJugadas : public MesaNula
{
public:
    void DibujarManoIndicadora(Entero p, Entero x, Entero y) override
    {
        Anotar("Indicar " + std::to_string(p) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void DibujarMano(Entero p, bool descubierta) override
    {
        Anotar("DibujarMano " + std::to_string(p) + (descubierta ? " descubierta" : ""));
    }
    void DibujarMonton() override { Anotar("DibujarMonton"); }
    void AnimarJugada(Entero n) override { Anotar("AnimarJugada " + std::to_string(n)); }
    void AnimarRobarFicha(Entero n) override { Anotar("AnimarRobarFicha " + std::to_string(n)); }
    void DeshacerJugada(Entero n) override { Anotar("DeshacerJugada " + std::to_string(n)); }
    void DevolverFichaAlMonton(Entero x0, Entero y0, Entero x1, Entero y1) override
    {
        Anotar("DevolverFichaAlMonton " + std::to_string(x0) + "," + std::to_string(y0) + " " +
               std::to_string(x1) + "," + std::to_string(y1));
    }
    void MostrarPaso(Entero p) override { Anotar("MostrarPaso " + std::to_string(p)); }
    void OcultarBotonContinuar() override { Anotar("OcultarBotonContinuar"); }
    void OcultarGrabadora() override { Anotar("OcultarGrabadora"); }
    void OcultarListaJugadas() override { Anotar("OcultarListaJugadas"); }
    void MostrarGrabadora() override { Anotar("MostrarGrabadora"); }
    void MostrarListaJugadas() override { Anotar("MostrarListaJugadas"); }
    void PonerLineaListaJugadas(const std::string& linea) override { Lineas.push_back(linea); }
    void SeleccionarLineaListaJugadas(int indice) override { Seleccionada = indice; }
    void QuitarLineaListaJugadas(int indice) override
    {
        Anotar("QuitarLinea " + std::to_string(indice));
        if (indice >= 0 && indice < static_cast<int>(Lineas.size())) Lineas.erase(Lineas.begin() + indice);
    }
    void PasoListaJugadas(int indice, bool) override { Seleccionada = indice; }

    int Veces(const std::string& prefijo) const
    {
        int n = 0;
        for (const auto& l : Llamadas) n += l.rfind(prefijo, 0) == 0 ? 1 : 0;
        return n;
    }
    bool Hubo(const std::string& llamada) const
    {
        for (const auto& l : Llamadas)
            if (l == llamada) return true;
        return false;
    }

    std::vector<std::string> Llamadas;
    std::vector<std::string> Lineas;
    int Seleccionada = -2; // never set

private:
    void Anotar(std::string s) { Llamadas.push_back(std::move(s)); }
};

struct BancoJugadas
{
    explicit BancoJugadas(std::uint32_t semilla = 1, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), azar(semilla)
    {
        a.SistemaReparto = FormaReparto::Aleatorio;
        a.JuegoEnRed = false;
    }
    BancoJugadas(const BancoJugadas&) = delete;
    BancoJugadas& operator=(const BancoJugadas&) = delete;

    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    // Seats in play from a string of seat digits; pairs only with all four.
    void Asientos(const std::string& enJuego)
    {
        const int n = MarcarAsientos(enJuego, a);
        a.ModoJuego = n == 4 ? Modalidad::Parejas : Modalidad::Individual;
    }

    // Puts the tile a-b held in the next slot of seat p; returns the slot.
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
    MesaDeJugadas mesa;
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenNulo almacen;
    AzarSemilla azar;
};

} // namespace zp::prueba

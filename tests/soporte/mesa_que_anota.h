#pragma once
// The table window of tests: it writes each call it gets as one line ("DibujarMano 2 descubierta") into its
// own list or into a diary it shares with the other fakes, and keeps the move list's lines as the table does.
#include <string>
#include <vector>

#include "engine/mesa.h"

namespace zp {

class MesaQueAnota : public DibujoMesa,
                     public AnimacionMesa,
                     public GrabadoraMesa,
                     public AvisosMesa,
                     public MandosMesa,
                     public ArranqueMesa
{
public:
    MesaQueAnota() : d_(Llamadas) {}
    explicit MesaQueAnota(std::vector<std::string>& diario) : d_(diario) {}
    MesaQueAnota(const MesaQueAnota&) = delete;
    MesaQueAnota& operator=(const MesaQueAnota&) = delete;

    void LimpiarMesa() override { Anotar("LimpiarMesa"); }
    void Refrescar() override { Anotar("Refrescar"); }
    void DibujarMano(Entero p, bool descubierta) override
    {
        Anotar("DibujarMano " + std::to_string(p) + (descubierta ? " descubierta" : ""));
    }
    void DibujarMonton() override { Anotar("DibujarMonton"); }
    void DibujarNombres() override { Anotar("DibujarNombres"); }
    void DibujarMarcadorMesa() override { Anotar("DibujarMarcadorMesa"); }
    void DibujarFichaDescubierta(Entero a, Entero b) override
    {
        Anotar("DibujarFichaDescubierta " + std::to_string(a) + std::to_string(b));
    }
    void RedibujarMesa() override { Anotar("RedibujarMesa"); }

    void DibujarManoIndicadora(Entero p, Entero x, Entero y) override
    {
        Anotar("Indicar " + std::to_string(p) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void IndicarFichas(Entero p) override { Anotar("IndicarFichas " + std::to_string(p)); }
    void ParpadearMano(Entero p) override { Anotar("ParpadearMano " + std::to_string(p)); }
    void AnimarJugada(Entero n) override { Anotar("AnimarJugada " + std::to_string(n)); }
    void AnimarRobarFicha(Entero n) override { Anotar("AnimarRobarFicha " + std::to_string(n)); }
    void DeshacerJugada(Entero n) override { Anotar("DeshacerJugada " + std::to_string(n)); }
    void DevolverFichaAlMonton(Entero x0, Entero y0, Entero x1, Entero y1) override
    {
        Anotar("DevolverFichaAlMonton " + std::to_string(x0) + "," + std::to_string(y0) + " " +
               std::to_string(x1) + "," + std::to_string(y1));
    }
    void MostrarPaso(Entero p) override { Anotar("MostrarPaso " + std::to_string(p)); }
    void MostrarSenalDomino(Entero p) override { Anotar("MostrarSenalDomino " + std::to_string(p)); }

    void MostrarGrabadora(bool visible) override
    {
        Anotar(visible ? "MostrarGrabadora" : "OcultarGrabadora");
    }
    void EncenderGrabadora(bool encendida) override
    {
        Anotar(encendida ? "EncenderGrabadora" : "ApagarGrabadora");
    }
    void PonerPunteroGrabadora(Puntero p) override { Anotar("PunteroGrabadora " + std::to_string(int(p))); }
    void MostrarListaJugadas(bool visible) override
    {
        Anotar(visible ? "MostrarListaJugadas" : "OcultarListaJugadas");
    }
    void PonerLineaListaJugadas(int linea, const std::string& texto) override
    {
        RecortarListaJugadas(linea);
        Lineas.push_back(texto);
        Seleccionada = linea;
    }
    void RecortarListaJugadas(int lineas) override
    {
        if (lineas < 0) lineas = 0;
        if (static_cast<int>(Lineas.size()) > lineas) Lineas.resize(static_cast<std::size_t>(lineas));
        if (Seleccionada >= lineas) Seleccionada = -1;
    }
    void PasoListaJugadas(int linea, bool) override { Seleccionada = linea; }

    void DibujarBotonContinuar(Entero) override { Anotar("DibujarBotonContinuar"); }
    void OcultarBotonContinuar() override { Anotar("OcultarBotonContinuar"); }
    void PonerPunteroContinuar(Puntero) override {}
    void DibujarEsperandoJugada() override { Anotar("DibujarEsperandoJugada"); }
    void OcultarPanelTurno() override { Anotar("OcultarPanelTurno"); }
    void MostrarRotuloSalida(const std::string& texto) override { Anotar("Rotulo " + texto); }
    void BorrarRotuloSalida() override { Anotar("BorrarRotulo"); }

    void MostrarCareta() override { Anotar("MostrarCareta"); }
    void CerrarCareta() override { Anotar("CerrarCareta"); }
    void DisponerMesa(const Pantalla& p) override
    {
        Anotar("DisponerMesa " + std::to_string(p.AnchoPantalla) + "x" + std::to_string(p.AltoPantalla));
    }
    void PintarGrabadora() override { Anotar("PintarGrabadora"); }
    void PintarFondo() override { Anotar("PintarFondo"); }
    void MostrarMesa() override { Anotar("MostrarMesa"); }
    bool LetraGrande() const override { return Grande; }

    // The calls written that begin with `prefijo`, and whether `llamada` was written.
    int Veces(const std::string& prefijo) const
    {
        int n = 0;
        for (const auto& l : d_) n += l.rfind(prefijo, 0) == 0 ? 1 : 0;
        return n;
    }
    bool Hubo(const std::string& llamada) const
    {
        for (const auto& l : d_)
            if (l == llamada) return true;
        return false;
    }

    std::vector<std::string> Llamadas;
    std::vector<std::string> Lineas; // the move list
    int Seleccionada = -2;           // its selected line; -2: never set
    bool Grande = false;             // the screen's fonts are large

private:
    void Anotar(std::string s) { d_.push_back(std::move(s)); }
    std::vector<std::string>& d_;
};

} // namespace zp

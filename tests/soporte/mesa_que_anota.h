#pragma once
// The table window of tests: it writes each call it gets as one line ("DibujarMano 2 descubierta") into a
// diary it may share with the other fakes, and keeps the move list's lines as the table does.
#include <algorithm>
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
    void LimpiarMesa() override { Anotar("LimpiarMesa"); }
    void Refrescar() override { Anotar("Refrescar"); }
    void DibujarMano(Entero p, bool descubierta) override
    {
        Anotar("DibujarMano", p, descubierta ? " descubierta" : "");
    }
    void DibujarMonton() override { Anotar("DibujarMonton"); }
    void DibujarNombres() override { Anotar("DibujarNombres"); }
    void DibujarMarcadorMesa() override { Anotar("DibujarMarcadorMesa"); }
    void DibujarFichaDescubierta(Entero a, Entero b) override { Anotar("DibujarFichaDescubierta", a, b); }
    void RedibujarMesa() override { Anotar("RedibujarMesa"); }

    void DibujarManoIndicadora(Entero p, Entero x, Entero y) override
    {
        Anotar("Indicar", p, " ", x, ",", y);
    }
    void IndicarFichas(Entero p) override { Anotar("IndicarFichas", p); }
    void ParpadearMano(Entero p) override { Anotar("ParpadearMano", p); }
    void AnimarJugada(Entero n) override { Anotar("AnimarJugada", n); }
    void AnimarRobarFicha(Entero n) override { Anotar("AnimarRobarFicha", n); }
    void DeshacerJugada(Entero n) override { Anotar("DeshacerJugada", n); }
    void DevolverFichaAlMonton(Entero x0, Entero y0, Entero x1, Entero y1) override
    {
        Anotar("DevolverFichaAlMonton", x0, ",", y0, " ", x1, ",", y1);
    }
    void MostrarPaso(Entero p) override { Anotar("MostrarPaso", p); }
    void MostrarSenalDomino(Entero p) override { Anotar("MostrarSenalDomino", p); }

    void MostrarGrabadora(bool visible) override
    {
        Anotar(visible ? "MostrarGrabadora" : "OcultarGrabadora");
    }
    void EncenderGrabadora(bool si) override { Anotar(si ? "EncenderGrabadora" : "ApagarGrabadora"); }
    void PonerPunteroGrabadora(Puntero p) override { Anotar("PunteroGrabadora", int(p)); }
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
    void PasoListaJugadas(int linea, bool adelante) override
    {
        Seleccionada = linea;
        Adelante = adelante;
    }

    void DibujarBotonContinuar(Entero modo) override { Anotar("DibujarBotonContinuar", modo); }
    void OcultarBotonContinuar() override { Anotar("OcultarBotonContinuar"); }
    void PonerPunteroContinuar(Puntero p) override { Anotar("PunteroContinuar", int(p)); }
    void DibujarEsperandoJugada() override { Anotar("DibujarEsperandoJugada"); }
    void OcultarPanelTurno() override { Anotar("OcultarPanelTurno"); }
    void MostrarRotuloSalida(const std::string& texto) override { Anotar("Rotulo ", texto); }
    void BorrarRotuloSalida() override { Anotar("BorrarRotulo"); }

    void PonerPunteroMesa(Puntero p) override { Anotar("PunteroMesa", int(p)); }
    void AnularZonaPuntero() override { Anotar("AnularZonaPuntero"); }
    void OcultarFlechas() override { Anotar("OcultarFlechas"); }
    void InhabilitarBotonAyuda() override { Anotar("InhabilitarBotonAyuda"); }
    void OcultarBombillaTutor() override { Anotar("OcultarBombillaTutor"); }

    void MostrarCareta() override { Anotar("MostrarCareta"); }
    void CerrarCareta() override { Anotar("CerrarCareta"); }
    void DisponerMesa(const Pantalla& p) override
    {
        Anotar("DisponerMesa", p.AnchoPantalla, "x", p.AltoPantalla);
    }
    void PintarGrabadora() override { Anotar("PintarGrabadora"); }
    void PintarFondo() override { Anotar("PintarFondo"); }
    void MostrarMesa() override { Anotar("MostrarMesa"); }
    bool LetraGrande() const override { return Grande; }

    // The calls written that begin with `prefijo`, and whether `llamada` was written.
    int Veces(const std::string& p) const
    {
        return int(
            std::count_if(Llamadas.begin(), Llamadas.end(), [&](auto& l) { return l.rfind(p, 0) == 0; }));
    }
    bool Hubo(const std::string& llamada) const
    {
        return std::count(Llamadas.begin(), Llamadas.end(), llamada);
    }

    std::vector<std::string> Llamadas;
    std::vector<std::string> Lineas; // the move list
    int Seleccionada = -2;           // its selected line; -2: never set
    bool Adelante = false;           // the recorder last stepped forwards
    bool Grande = false;             // the screen's fonts are large

private:
    // The call's name, then its arguments: the first number after a space, the rest as they stand.
    template <class... T> void Anotar(std::string s, const T&... partes)
    {
        int n = 0;
        ((s += Parte(partes, n++ == 0)), ...);
        Llamadas.push_back(std::move(s));
    }
    static std::string Parte(const std::string& texto, bool) { return texto; }
    static std::string Parte(long numero, bool primera)
    {
        return (primera ? " " : "") + std::to_string(numero);
    }
};

} // namespace zp

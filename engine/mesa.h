#pragma once
// The table window as the engine sees it: a few small sets of calls that return nothing, one per concern.
// The table window implements them all; a test's window only what it records.
#include <string>

#include "engine/estado.h"
#include "engine/pantalla.h"

namespace zp {

enum class Puntero
{
    Normal = 0,
    Reloj = 11,
    Mano = 99 // the pointing hand of a control that acts
};

// The table's drawing: what the engine has changed is drawn again.
class DibujoMesa
{
public:
    virtual ~DibujoMesa() = default;
    virtual void LimpiarMesa() {} // clears the drawing of the whole table
    virtual void Refrescar() {}
    // `descubierta`: face up whatever the seat's setting, as the end of a hand shows every hand.
    virtual void DibujarMano(Entero /*asiento*/, bool /*descubierta*/ = false) {}
    virtual void DibujarMonton() {}
    virtual void DibujarNombres() {}
    virtual void DibujarMarcadorMesa() {}
    // Lays the tile a-b face up on its cell of the manual-deal grid, with its sound.
    virtual void DibujarFichaDescubierta(Entero /*a*/, Entero /*b*/) {}
    virtual void RedibujarMesa() {} // the whole table from the game state
};

// Moves shown as they happen. The tile's slot is in HuecoFicha when a move's calls come.
class AnimacionMesa
{
public:
    virtual ~AnimacionMesa() = default;
    // The seat's pointing hand drawn at (x, y) over its hand; redrawing the hand erases it.
    virtual void DibujarManoIndicadora(Entero /*asiento*/, Entero /*x*/, Entero /*y*/) {}
    // The automatic player's pointing hand sweeping over the tiles the seat still holds, while it thinks.
    virtual void IndicarFichas(Entero /*asiento*/) {}
    virtual void ParpadearMano(Entero /*asiento*/) {} // the hand in turn blinks
    // Slides the tile of move record n from its hand slot to its place on the line and draws it there.
    virtual void AnimarJugada(Entero /*jugada*/) {}
    // Slides the stock tile of draw record n into the last slot of the mover's hand.
    virtual void AnimarRobarFicha(Entero /*jugada*/) {}
    // Takes the tile of record n off the line on screen and slides it back to its hand slot.
    virtual void DeshacerJugada(Entero /*jugada*/) {}
    // Slides a drawn tile's picture from its hand slot back to its place in the stock, then hides it.
    virtual void DevolverFichaAlMonton(Entero /*xDesde*/, Entero /*yDesde*/, Entero /*xHasta*/,
                                       Entero /*yHasta*/)
    {
    }
    virtual void MostrarPaso(Entero /*asiento*/) {} // the pass sign at the seat's hand
    // The domino sign blinking over the hand that emptied, with its sound; the hand is drawn again after.
    virtual void MostrarSenalDomino(Entero /*asiento*/) {}
};

// The recorder's remote and the move list, whose lines the window keeps: line n - 1 shows record n.
class GrabadoraMesa
{
public:
    virtual ~GrabadoraMesa() = default;
    virtual void MostrarGrabadora(bool /*visible*/) {}
    virtual void EncenderGrabadora(bool /*encendida*/) {} // the remote's power key lit or unlit
    virtual void PonerPunteroGrabadora(Puntero /*puntero*/) {}
    virtual void MostrarListaJugadas(bool /*visible*/) {}
    // Line `linea` shows `texto` and is selected; the lines after it, left from a review, go.
    virtual void PonerLineaListaJugadas(int /*linea*/, const std::string& /*texto*/) {}
    // Keeps the first `lineas` lines.
    virtual void RecortarListaJugadas(int /*lineas*/) {}
    // After a recorder step (`adelante`: forward): the step's pause, unless the list is about to scroll to
    // bring line `linea` into view, then that line selected (-1: none).
    virtual void PasoListaJugadas(int /*linea*/, bool /*adelante*/) {}
};

// What tells the person what comes next: the Continue button, the network turn panel, the lead banner.
class AvisosMesa
{
public:
    virtual ~AvisosMesa() = default;
    virtual void DibujarBotonContinuar(Entero /*modo*/) {}
    // Hides the Continue button's picture; the engine clears EsperaContinuar itself.
    virtual void OcultarBotonContinuar() {}
    virtual void PonerPunteroContinuar(Puntero /*puntero*/) {}
    // The turn panel naming the player in turn, with the clock of the wait started by
    // Usuario::IniciarEspera. While the engine waits for a remote move the window keeps the clock going.
    virtual void DibujarEsperandoJugada() {}
    virtual void OcultarPanelTurno() {}
    // The banner that asks the person to click the hand of the seat that leads, and its removal.
    virtual void MostrarRotuloSalida(const std::string& /*texto*/) {}
    virtual void BorrarRotuloSalida() {}
};

// The table's pointer and the controls a move leaves behind: the end arrows and the tutor.
class MandosMesa
{
public:
    virtual ~MandosMesa() = default;
    virtual void PonerPunteroMesa(Puntero /*puntero*/) {}
    virtual void AnularZonaPuntero() {}     // forget the pointer zone, so the next move sets the cursor anew
    virtual void OcultarFlechas() {}        // the two end arrows
    virtual void InhabilitarBotonAyuda() {} // the hint button unusable until the next turn
    virtual void OcultarBombillaTutor() {}  // the tutor's bulb
};

// The window's start-up.
class ArranqueMesa
{
public:
    virtual ~ArranqueMesa() = default;
    virtual void MostrarCareta() {}
    virtual void CerrarCareta() {}
    // The table window loaded, sized to the screen and laid out.
    virtual void DisponerMesa(const Pantalla& /*pantalla*/) {}
    virtual void PintarGrabadora() {} // the recorder remote's picture
    // The marble over the whole table, kept as the clean copy every erase copies from.
    virtual void PintarFondo() {}
    virtual void MostrarMesa() {} // shown and refreshed
    // The screen's fonts are larger than the layout was made for.
    virtual bool LetraGrande() const { return false; }
};

} // namespace zp

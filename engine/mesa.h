#pragma once
// The table window as the engine sees it: drawing and animation calls that return nothing. The table window
// implements them.
#include <string>

#include "engine/estado.h"
#include "engine/pantalla.h"

namespace zp {

enum class Puntero
{
    Normal = 0,
    Reloj = 11
};

class Mesa
{
public:
    virtual ~Mesa() = default;
    virtual void LimpiarMesa() = 0; // clears the drawing of the whole table
    virtual void Refrescar() = 0;
    virtual void OcultarGrabadora() = 0; // the recorder remote
    virtual void VaciarListaJugadas() = 0;
    virtual void OcultarListaJugadas() = 0;
    virtual void DibujarMarcadorMesa() = 0;
    // Hides the Continue button's picture; the engine clears EsperaContinuar itself.
    virtual void OcultarBotonContinuar() = 0;
    // Lays the tile a-b face up on its cell of the manual-deal grid, with its sound.
    virtual void DibujarFichaDescubierta(Entero a, Entero b) = 0;
    // `descubierta`: face up whatever the seat's setting, as the end of a hand shows every hand.
    virtual void DibujarMano(Entero asiento, bool descubierta = false) = 0;
    virtual void DibujarNombres() = 0;
    virtual void DibujarMonton() = 0;
    virtual void PonerPunteroMesa(Puntero puntero) = 0;
    virtual void AnularZonaPuntero() = 0; // forget the pointer zone, so the next move sets the cursor anew
    // The banner that asks the person to click the hand of the seat that leads, and its removal.
    virtual void MostrarRotuloSalida(const std::string& texto) = 0;
    virtual void BorrarRotuloSalida() = 0;

    // Carrying out a move and the recorder. The tile's slot is in HuecoFicha when these are called.
    // The seat's pointing hand drawn at (x, y) over its hand; redrawing the hand erases it.
    virtual void DibujarManoIndicadora(Entero /*asiento*/, Entero /*x*/, Entero /*y*/) {}
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
    virtual void DibujarBotonContinuar(Entero /*modo*/) {}
    virtual void InhabilitarBotonAyuda() {} // the hint button unusable until the next turn
    virtual void MostrarGrabadora() {}
    virtual void MostrarListaJugadas() {}
    virtual void RefrescarGrabadora() {}
    virtual void ApagarTeclaGrabadora() {} // the remote's power key drawn unlit
    virtual void PonerPunteroGrabadora(Puntero /*puntero*/) {}
    virtual void RestaurarCursorContinuar() {} // the pointing-hand cursor on the Continue button again
    // The move list on the table: append a line, select one (-1: none), remove one; the first visible line.
    virtual void PonerLineaListaJugadas(const std::string& /*linea*/) {}
    virtual void SeleccionarLineaListaJugadas(int /*indice*/) {}
    virtual void QuitarLineaListaJugadas(int /*indice*/) {}
    // After a recorder step (`adelante`: forward): the step's pause, unless the list is about to scroll to
    // bring line `indice` into view, then that line selected (-1: none).
    virtual void PasoListaJugadas(int /*indice*/, bool /*adelante*/) {}
    // The automatic player's pointing hand sweeping over the tiles the seat still holds, while it thinks.
    virtual void IndicarFichas(Entero /*asiento*/) {}

    // The match loop and the end of a hand.
    virtual void ParpadearMano(Entero /*asiento*/) {} // the hand in turn blinks
    // The domino sign blinking over the hand that emptied, with its sound; the hand is drawn again after.
    virtual void MostrarSenalDomino(Entero /*asiento*/) {}
    virtual void OcultarFlechas() {}       // the two end arrows
    virtual void OcultarPanelTurno() {}    // the network turn panel
    virtual void OcultarBombillaTutor() {} // the tutor's bulb
    // The turn panel naming the player in turn, with the clock of the wait started by
    // Usuario::IniciarEspera. While the engine waits with TipoEspera 2 the window keeps the clock going.
    virtual void DibujarEsperandoJugada() {}
    virtual void PonerPunteroContinuar(Puntero /*puntero*/) {}
    virtual void EncenderTeclaGrabadora() {} // the remote's power key drawn lit

    // Start-up.
    virtual void MostrarCareta() {}
    virtual void CerrarCareta() {}
    // The table window loaded, sized to the screen and laid out.
    virtual void DisponerMesa(const Pantalla& /*pantalla*/) {}
    virtual void PintarGrabadora() {} // the recorder remote's picture
    // The marble over the whole table, kept as the clean copy every erase copies from.
    virtual void PintarFondo() {}
    virtual void MostrarMesa() {}   // shown and refreshed
    virtual void RedibujarMesa() {} // the whole table from the game state
    // The screen's fonts are larger than the layout was made for.
    virtual bool LetraGrande() const { return false; }
};

} // namespace zp

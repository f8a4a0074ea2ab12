#pragma once
// The recorder's remote control at the bottom right of the table. With it the person switches the recorder
// on while the game waits for a move, steps back and forward through the hand one move at a time or in a
// run, and then either switches it off (every move is replayed and play goes on where it was) or continues
// from the move shown, which drops the later moves. The stepping itself is the engine's.
#include "engine/contexto.h"

#include <QPoint>

namespace zp {

class mesa;

enum class TeclaGrabadora
{
    Ninguna,
    Encendido,
    Atras,
    Adelante,
    AtrasRapido,
    AdelanteRapido,
    Continuar
};

// The remote between mouse events.
struct EstadoGrabadoraMesa
{
    Entero ZonaGrabadora = 0; // 1: the pointer is over a key that acts now
    bool RetrocesoRapido = false;
    bool AvanceRapido = false;
    // The match loop is inside its wait for the move: only then may the recorder move the game under it.
    bool BucleEsperando = false;
    Entero PunteroMesa = 0; // the remote's pointer: 1 pointing hand, 0 default, 11 hourglass
    bool Ocupada = false;   // replaying to the newest move: the hourglass stays
};

// The key under a point of the remote, in its own pixels. Column 25 of the middle rows belongs to both back
// keys and forward keys: the back key wins.
TeclaGrabadora TeclaEn(QPoint punto);

// Whether a key acts now. During a run only its own key acts, and stops it.
bool TeclaActiva(const EstadoJuego& e, const EstadoGrabadoraMesa& g, TeclaGrabadora tecla);

// The pointing hand over a key that acts, the default pointer elsewhere; the power key's tooltip.
void Pic_Grabadora_MouseMove(mesa& v, QPoint punto);
// Any mouse button: the key under the point, if it acts (the power key by its own rule).
void Pic_Grabadora_MouseDown(Contexto& c, mesa& v, QPoint punto);

// The remote's mouse events, once the engine's context exists.
void PrepararGrabadora(Contexto& c, mesa& v);

// A key's released or pressed picture; for the power key, unlit or lit.
void DibujarTeclaGrabadora(mesa& v, TeclaGrabadora tecla, bool pulsada);

} // namespace zp

#pragma once
// Every tile that changes place on the table travels there visibly: a tile played slides from its hand slot
// to its place on the line, a tile drawn blinks in the stock and slides into the drawer's hand, and the
// recorder plays both backwards. The picture is composed once, off screen, and the image control `Ima_Mover`
// carries it 8 px per axis and step.
#include "table/imagen_mesa.h"
#include "table/ritmo_mesa.h"

namespace zp {

// Where the moving picture is (its top left) and where it stops. The steps leave the origin equal to the
// destination.
struct RecorridoFicha
{
    Entero AnimXOrigen = 0, AnimYOrigen = 0;
    Entero AnimXDestino = 0, AnimYDestino = 0;
};

// Modes of the two engines: forward lifts the tile with a sound, backward does not.
inline constexpr Entero kAdelante = 1;
inline constexpr Entero kAtras = 2;

// The step loop: towards the destination at 45 degrees until one axis arrives, then straight along the
// other; a step never passes the destination.
void RecorrerPasos(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r);

// The face-up line tile of move record n: composed, shown at the origin, carried to the destination. Leaves
// `Ima_Mover` visible there.
void MoverFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r, Entero n, Entero modo);
// A small face-down tile along the stock's side (`LadoMonton`), likewise.
void DeslizarFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r, Entero modo);

// Record n, already applied, lays a tile: it slides from its slot in the mover's hand to the line and is
// drawn there; from the second tile of a hand on it lands with a sound.
void AnimarJugada(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n);
// Record n, already applied, draws from the stock: the tile blinks there (not while the recorder is on),
// slides to the far end of the drawer's strip, and the hand is drawn with it.
void AnimarRobarFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n);
// The recorder taking a draw back: the face-down tile slides from the hand slot back to its stock place.
void DevolverFichaAlMonton(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero xDesde, Entero yDesde,
                           Entero xHasta, Entero yHasta);

} // namespace zp

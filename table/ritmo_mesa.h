#pragma once
// The pace of the table's animations and effects: every pause (nominal milliseconds, scaled by the speed
// setting) and every sound they make, named here once; and the scene they draw on.
#include "engine/sonidos.h"
#include "platform/picture_box.h"
#include "table/lienzo_mesa.h"

namespace zp {

namespace ritmo_mesa {
// A tile travelling across the table.
inline constexpr int kPasoPixeles = 8;         // per axis and step
inline constexpr Entero kPausaPaso = 12;       // each step, counted from its start
inline constexpr Entero kPausaAlzar = 30;      // the picture is ready, not shown yet
inline constexpr Entero kPausaMostrar = 90;    // shown where it starts, before it moves
inline constexpr Entero kPausaMontonSin = 140; // a drawn tile blinking in the stock: gone
inline constexpr Entero kPausaMontonCon = 220; // and back
inline constexpr int kParpadeosMonton = 2;

// The hand in turn blinking.
inline constexpr int kParpadeosMano = 2;
inline constexpr Entero kPausaManoSin = 210;
inline constexpr Entero kPausaManoCon = 120;

// The pass sign.
inline constexpr Entero kPausaAntesPaso = 90;
inline constexpr Entero kPausaSenalPaso = 180; // shown after its sound, then hidden as long
inline constexpr int kParpadeosPaso = 2;

// A recorder step, unless the move list scrolls to show its line.
inline constexpr Entero kPausaPasoGrabadora = 210;

// The pointing hand sweeping over a hand: shorter the more tiles it holds.
inline constexpr int kBarridos = 3;
inline constexpr Entero kPausaIndicar = 150;
inline constexpr Entero kRebajaPorFicha = 9;

// The domino sign over the hand that emptied.
inline constexpr int kParpadeosDomino = 4;
inline constexpr Entero kPausaDominoCon = 360;
inline constexpr Entero kPausaDominoSin = 120;

// The tutor's bulb: a wait, then three blinks, each with its sound.
inline constexpr Entero kPausaAntesTutor = 180;
inline constexpr int kParpadeosTutor = 3;
inline constexpr Entero kPausaTutorCon = 370;
inline constexpr Entero kPausaTutorSin = 190;

// Sounds: how they are played and which.
inline constexpr Entero kSinEsperar = 1; // returns at once
inline constexpr Entero kEsperando = 0;  // returns when the sound has ended
} // namespace ritmo_mesa

// The pause and the sounds the table's drawings are paced by: the program's own unless a test gives others.
class RitmoMesa
{
public:
    virtual ~RitmoMesa() = default;
    // A step stamps its start before it draws, so that the drawing counts in its pause.
    virtual void MarcarInicioPausa();
    virtual void HacerPausa(Entero ms, Entero velocidad);
    virtual void ReproducirSonido(Entero modo, Entero id, bool sonido);
};

RitmoMesa& RitmoMesaPrograma();

// What the animations and effects draw on: the table's kept image and state, the box that shows it with
// the image controls over it, and the pace. Pauses take no input, so every frame is painted before one.
struct EscenaMesa
{
    LienzoMesa& l;
    PictureBox& tablero;
    RitmoMesa& ritmo = RitmoMesaPrograma();

    void Mostrar(const QRect& r) const { tablero.refresh(r); }
    void Pausa(Entero ms) const { ritmo.HacerPausa(ms, l.a.Velocidad); }
    void MarcarInicioPausa() const { ritmo.MarcarInicioPausa(); }
    void Sonido(Entero modo, Entero id) const { ritmo.ReproducirSonido(modo, id, l.a.Sonido); }
};

} // namespace zp

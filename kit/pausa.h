#pragma once
// The speed-scaled pause that paces every animation and step of play.
#include "engine/estado.h"
#include "platform/clock.h"

#include <cstdint>

namespace zp {

// Pause factor for a speed 0..100 in ten-thousandths: ((100 - v) / 50)^1.5, squared when above 1, each
// step rounded to four decimals with ties to even. Speed 50 gives exactly 10000.
std::int64_t FactorPausa(Entero velocidad);

// Milliseconds after its start at which a pause of `ms` ends: the first whole millisecond past ms x factor.
std::uint32_t DuracionPausa(Entero ms, Entero velocidad);

class Pausa
{
public:
    explicit Pausa(Clock& reloj = systemClock()) : reloj_(&reloj) {}

    // Waits ms x factor, counted from `InicioPausa` when an animation stamped it, else from now; the
    // screen shows what was drawn but nothing else of the program runs. `InicioPausa` is 0 afterwards.
    void HacerPausa(Entero ms, Entero velocidad);
    // An animation stamps the start before drawing a step, so that the drawing counts in the step.
    void MarcarInicioPausa() { InicioPausa = std::int32_t(reloj_->now()); }

    // Tests run on a clock of their own (one that never waits makes every pause zero).
    void PonerReloj(Clock& reloj) { reloj_ = &reloj; }
    Clock& Reloj() { return *reloj_; }

    std::int32_t InicioPausa = 0; // clock reading at the start of the current pause; 0 = none

private:
    Clock* reloj_;
};

// The program's pacing: one start stamp shared by every window.
Pausa& PausaPrograma();

} // namespace zp

#include "kit/pausa.h"

#include <algorithm>
#include <cmath>

namespace zp {

namespace {

constexpr std::int64_t kUno = 10000; // the factor's fixed point: four decimals

// Nearest integer, ties to even, of num / den (den > 0, num >= 0).
std::int64_t dividirRedondeandoAPar(std::int64_t num, std::int64_t den)
{
    const std::int64_t q = num / den, r = num % den;
    if (2 * r > den || (2 * r == den && (q & 1))) return q + 1;
    return q;
}

} // namespace

std::int64_t FactorPausa(Entero velocidad)
{
    // The settings keep the speed in 0..100; a stray value must not give a negative base.
    const int v = std::clamp<int>(velocidad, 0, 100);
    const double d = (100 - v) / 50.0;
    const std::int64_t factor = std::llrint(std::pow(d, 1.5) * double(kUno)); // rint: ties to even
    if (factor > kUno) return dividirRedondeandoAPar(factor * factor, kUno);
    return factor;
}

std::uint32_t DuracionPausa(Entero ms, Entero velocidad)
{
    if (ms < 0) return 0;
    return std::uint32_t(std::int64_t(ms) * FactorPausa(velocidad) / kUno + 1);
}

void Pausa::HacerPausa(Entero ms, Entero velocidad)
{
    if (InicioPausa == 0) MarcarInicioPausa();
    reloj_->pauseUntil(std::uint32_t(InicioPausa), DuracionPausa(ms, velocidad));
    InicioPausa = 0;
}

Pausa& PausaPrograma()
{
    static Pausa pausa;
    return pausa;
}

} // namespace zp

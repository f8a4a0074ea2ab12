#include "engine/azar.h"

#include <cassert>
#include <chrono>

namespace zp {

namespace {

// 32 random bits over 2^32: exact and the same on every platform, never 1.0.
double UniformeDe(std::mt19937& g)
{
    return static_cast<double>(g()) / 4294967296.0;
}

} // namespace

int Aleatorio(Azar& azar, int n)
{
    assert(n >= 1);
    const int r = static_cast<int>(azar.Uniforme() * n) + 1;
    return r > n ? n : r;
}

double AzarSemilla::Uniforme()
{
    return UniformeDe(generador_);
}

AzarReloj::AzarReloj()
{
    SembrarDelReloj();
}

double AzarReloj::Uniforme()
{
    return UniformeDe(generador_);
}

void AzarReloj::SembrarDelReloj()
{
    const auto ahora = std::chrono::steady_clock::now().time_since_epoch().count();
    generador_.seed(static_cast<std::uint32_t>(ahora ^ (ahora >> 32)));
}

} // namespace zp

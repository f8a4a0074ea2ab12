#pragma once
// Random numbers come from a generator handed to the engine: the program seeds it from the clock, tests and
// tools from a fixed seed, so that seed S always deals the same hands.
#include <cstdint>
#include <random>

namespace zp {

class Azar
{
public:
    virtual ~Azar() = default;
    // Uniform in [0, 1).
    virtual double Uniforme() = 0;
    // Where the game reseeds from the timer (a new match, a random deal). A seeded generator keeps its
    // course.
    virtual void SembrarDelReloj() = 0;
};

// floor(u x n) + 1 for a uniform u: uniform in 1..n.
int Aleatorio(Azar& azar, int n);

// Mersenne twister from a fixed seed; reseeding from the clock is ignored so that runs repeat.
class AzarSemilla : public Azar
{
public:
    explicit AzarSemilla(std::uint32_t semilla) : generador_(semilla) {}
    double Uniforme() override;
    void SembrarDelReloj() override {}

private:
    std::mt19937 generador_;
};

// The program's generator: reseeded from the clock whenever the game asks.
class AzarReloj : public Azar
{
public:
    AzarReloj();
    double Uniforme() override;
    void SembrarDelReloj() override;

private:
    std::mt19937 generador_;
};

} // namespace zp

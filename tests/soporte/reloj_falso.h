#pragma once
// The clock of the tests: it moves only when a pause asks it to, to that pause's end, and notes every pause.
#include "platform/clock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zp::prueba {

class RelojFalso : public Clock
{
public:
    struct Espera
    {
        std::uint32_t inicio, duracion;
    };

    std::uint32_t now() override { return ahora; }
    void pauseUntil(std::uint32_t inicio, std::uint32_t duracion) override
    {
        esperas.push_back({inicio, duracion});
        if (alPausar) alPausar();
        // The first reading at least `duracion` after `inicio`: a clock never goes back.
        if (std::uint32_t(ahora - inicio) < duracion) ahora = inicio + duracion;
    }

    // The length of every pause, in order.
    std::vector<std::uint32_t> Duraciones() const
    {
        std::vector<std::uint32_t> r;
        for (const Espera& e : esperas) r.push_back(e.duracion);
        return r;
    }

    std::uint32_t ahora = 5000;
    std::vector<Espera> esperas;
    std::function<void()> alPausar; // what a test looks at in each pause, before the clock moves
};

} // namespace zp::prueba

#pragma once
// A clock for pacing tests: it moves only when asked to wait, and records every wait.
#include "platform/clock.h"

#include <vector>

namespace zp::prueba {

class RelojFalso : public Clock
{
public:
    struct Espera
    {
        std::uint32_t inicio, duracion;
    };

    std::uint32_t ahora = 5000;
    std::vector<Espera> esperas;

    std::uint32_t now() override { return ahora; }
    void pauseUntil(std::uint32_t inicio, std::uint32_t duracion) override
    {
        esperas.push_back({inicio, duracion});
        // The first reading at least `duracion` after `inicio`, one millisecond at a time.
        while (std::uint32_t(ahora - inicio) < duracion) ++ahora;
    }
};

} // namespace zp::prueba

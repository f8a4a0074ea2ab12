#pragma once
// Everything an engine procedure works on: the game state, the rules and the services outside the engine.
// Passed to every procedure, so several engines can run in one process.
#include "engine/ajustes.h"
#include "engine/almacen.h"
#include "engine/azar.h"
#include "engine/mesa.h"
#include "engine/pantalla.h"
#include "engine/red.h"
#include "engine/ritmo.h"
#include "engine/usuario.h"

namespace zp {

struct Contexto
{
    EstadoJuego& e;
    Ajustes& a;
    const Pantalla& pantalla;
    Mesa& mesa;
    Usuario& usuario;
    Ritmo& ritmo;
    Red& red;
    Almacen& almacen;
    Azar& azar;
};

// A whole engine with no window: null table, pacing and files, an automatic person, a scripted network and
// a seeded generator. For tools and tests.
struct MotorSinVentana
{
    explicit MotorSinVentana(std::uint32_t semilla, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), azar(semilla)
    {
    }
    MotorSinVentana(const MotorSinVentana&) = delete;
    MotorSinVentana& operator=(const MotorSinVentana&) = delete;

    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    MesaNula mesa;
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenNulo almacen;
    AzarSemilla azar;
};

} // namespace zp

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

} // namespace zp

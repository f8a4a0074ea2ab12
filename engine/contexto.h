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
    // `ventana` implements every set of the table window's calls (engine/mesa.h).
    template <class Ventana>
    Contexto(EstadoJuego& e_, Ajustes& a_, const Pantalla& pantalla_, Ventana& ventana, Usuario& usuario_,
             Ritmo& ritmo_, Red& red_, Almacen& almacen_, Azar& azar_)
        : e(e_), a(a_), pantalla(pantalla_), dibujo(ventana), animacion(ventana), grabadora(ventana),
          avisos(ventana), mandos(ventana), arranque(ventana), usuario(usuario_), ritmo(ritmo_), red(red_),
          almacen(almacen_), azar(azar_)
    {
    }

    EstadoJuego& e;
    Ajustes& a;
    const Pantalla& pantalla;
    DibujoMesa& dibujo;
    AnimacionMesa& animacion;
    GrabadoraMesa& grabadora;
    AvisosMesa& avisos;
    MandosMesa& mandos;
    ArranqueMesa& arranque;
    Usuario& usuario;
    Ritmo& ritmo;
    Red& red;
    Almacen& almacen;
    Azar& azar;
};

} // namespace zp

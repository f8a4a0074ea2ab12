#pragma once
// The program's start on the window side: the table window and the services the engine works through,
// the engine's start-up run on them (cover, work folder, screen test; then, from the top-level event loop,
// the settings, the table laid out and shown, the help offer and a hand left in progress taken up again).
#include "engine/arranque.h"
#include "platform/virtual_screen.h"
#include "table/mesa.h"
#include "table/usuario_mesa.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zp {

class ConexionRed;

struct OpcionesArranque
{
    bool Careta = true;       // show the cover first
    std::string CarpetaDatos; // the work folder; empty: the program's folder when writable, else the user's
    // What to do with the match's outcome once it returns to the top-level loop; by default a request to
    // leave closes the program.
    std::function<void(const ResultadoPartida&)> AlTerminar;
    std::optional<std::uint32_t> Semilla; // deals and choices from this seed instead of the clock
};

struct Programa
{
    Programa();
    ~Programa();

    EstadoJuego e;
    Ajustes a;
    std::string CarpetaDatos;
    std::unique_ptr<mesa> Mesa;
    std::unique_ptr<UsuarioMesa> Persona;
    std::unique_ptr<Ritmo> Pausas;
    std::unique_ptr<Red> Conexion;
    std::unique_ptr<Almacen> Ficheros;
    std::unique_ptr<Azar> Suerte;
    Pantalla Medidas;
    std::optional<Contexto> Ctx;
    bool Salir = false; // the person would not play on this screen
    // What the top level does with each match's outcome once its loop has returned.
    std::function<void(const ResultadoPartida&)> AlTerminar;
    // The request the program took last; once it is the exit, no other is taken again.
    Peticion Pedida = Peticion::Ninguna;
};

// The program's network connection, when it has one.
ConexionRed* ConexionDe(Programa& pr);

// The screen the start-up is told about: the virtual one, or the real one when it is narrower than the
// program needs, so that the question about it is asked.
QSize PantallaParaArranque(const VirtualScreen& pantalla);

// Starts the program: the window and the engine's first steps now, its `Main` queued on the event loop
// (never inside the caller). Nothing is queued when the person chose to leave.
std::unique_ptr<Programa> ArrancarPrograma(OpcionesArranque opciones = {});

// A new match, a loaded game taken up or the end of the program, asked for by a window, the network or the
// program itself. A running match is abandoned first; the request is served from the top-level loop once
// that match has unwound, so that a match loop never runs inside another one or inside an input handler. An
// exit the person confirmed is final: whatever is asked after it, or was queued before it and not yet
// served, is dropped.
void PedirAlPrograma(Programa& pr, Peticion peticion);

} // namespace zp

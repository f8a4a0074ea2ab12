#pragma once
// The program's start, engine side: the work folder, the screen test, the settings and any game left in
// progress, the start-up tables, and the hand that was being played when the program last ended. The window
// steps (the cover, the table laid out and shown) are calls on the table; headless they do nothing.
//
// It runs in two halves because the context needs the work folder and the screen that the first one finds:
// the caller runs PrepararArranque, builds the context on what it returns, then runs Main.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/contexto.h"
#include "engine/partida.h"

namespace zp {

struct EntradaArranque
{
    std::filesystem::path CarpetaPrograma; // where the program and its first settings and history lie
    std::filesystem::path CarpetaUsuario;  // the per-user data folder, for when the program's is read-only
    int AnchoPantalla = 800;               // the logical screen, in pixels
    int AltoPantalla = 600;
};

struct Preparacion
{
    bool Salir = false;       // the person would not play on this screen
    std::string CarpetaDatos; // the work folder, ending in "/"
    int AnchoPantalla = 800;  // the screen the table is to be laid out for
    int AltoPantalla = 600;
};

// The first steps: the cover, the work folder, the screen test.
Preparacion PrepararArranque(ArranqueMesa& mesa, Usuario& usuario, const EntradaArranque& entrada);

// The program's folder when a file can be created there (the probe file is removed at once), else the
// per-user folder, created if need be; on its first use the settings and history files are copied into it
// from the program's folder. Ends in "/".
std::string PrepararCarpetaTrabajo(const std::filesystem::path& programa,
                                   const std::filesystem::path& usuario);

// A screen narrower than 800 pixels: the person may play on a table of 800 x 600 scaled to the screen, or
// leave. The display mode itself is never changed.
struct ResultadoPantalla
{
    bool Salir = false;
    int Ancho = 800;
    int Alto = 600;
};
ResultadoPantalla ComprobarPantalla(Usuario& usuario, int ancho, int alto);

// The rest, on the context built from PrepararArranque: the settings, the table, the start-up tables, the
// help offer, and a hand in progress taken up again (its match then runs inside this call).
ResultadoPartida Main(Contexto& c);

// The start-up tables and flags of the engine; the selectors' captions are the settings' TitulosSelector.
void InicializarTablas(Contexto& c);

// The items of the table's options pop-up, 1..5.
inline constexpr std::array<std::string_view, 6> kTextoMenuOpciones = {"",
                                                                       "Guardar este juego",
                                                                       "Cargar un juego guardado",
                                                                       "Borrar un juego guardado",
                                                                       "Ordenar fichas",
                                                                       "Girar fichas"};

} // namespace zp

// Every picture, sound, cursor and help page the program carries, named once. No Qt here: the engine-side
// code and the tests read the geometry too. Rectangles are left, top, width, height in pixels.
#pragma once

#include <string_view>

namespace zp::recursos {

struct Rect
{
    int x, y, ancho, alto;
};

struct Tamano
{
    int ancho, alto;
};

// A sprite drawn by AND with its mask, then XOR with its image.
struct ParMascara
{
    Rect imagen, mascara;
};

// Registers the compiled-in resources; linking `assets` already does it, calling it again is harmless.
void RegistrarRecursos();

// Buttons, controls, pointing hands and the recorder remote.
namespace bmpvario {
inline constexpr char Ruta[] = ":/dibujos/bmpvario.png";
inline constexpr Tamano Hoja{459, 177};

// Bar buttons 1..8 side by side; button 8 (statistics) stands between 3 and 4 on the bar.
constexpr Rect BotonBarra(int i)
{
    return {(i - 1) * 51, 0, 50, 50};
}
inline constexpr Rect BotonAyuda{409, 0, 50, 50};
inline constexpr Rect BotonHistorico{0, 51, 50, 50};
inline constexpr Rect BotonTotales{51, 51, 50, 50};
inline constexpr Rect BotonSalir{102, 51, 50, 50};
inline constexpr Rect BotonMensaje{102, 102, 50, 36};
inline constexpr Rect Marcador = BotonBarra(5);

inline constexpr Rect PistaPotenciometro{153, 51, 121, 23};
// Knob ground: the track's own pixels, taken from (x + 150, 53) for the knob's left edge x in 8..108.
inline constexpr Rect FondoMando{158, 53, 111, 19};
inline constexpr Rect BarraSelectorExtremo{275, 51, 5, 20};
inline constexpr Rect BarraSelectorColumna{279, 51, 1, 20};
inline constexpr Rect BotonContinuar{282, 51, 86, 36};
inline constexpr Rect BotonContinuarPulsado{369, 51, 86, 36};
inline constexpr Rect SpinFlechas{153, 75, 15, 19};
inline constexpr Rect SpinArriba{153, 75, 15, 9};
inline constexpr Rect SpinAbajo{153, 85, 15, 9};
inline constexpr Rect SpinArribaPulsado{169, 75, 15, 9};
inline constexpr Rect SpinAbajoPulsado{169, 85, 15, 9};
inline constexpr Rect FlechaSelector{186, 75, 29, 20};
inline constexpr Rect FlechaSelectorPulsada{216, 75, 29, 20};
inline constexpr Rect BuleanoEncendido{246, 75, 17, 17};
inline constexpr Rect BuleanoApagado{264, 75, 17, 17};

// Pointing hand of seat 1..4: right, down, left, up, towards the seat's tiles.
constexpr ParMascara ManoSenal(int asiento)
{
    return {{282 + (asiento - 1) * 32, 88, 32, 32}, {282 + (asiento - 1) * 32, 120, 32, 32}};
}
inline constexpr ParMascara SenalDomino{{410, 88, 32, 32}, {410, 120, 32, 32}};

// The remote with its keys released; a pressed copy of it stands 51 px to the right.
inline constexpr Rect Grabadora{0, 102, 50, 75};
inline constexpr Rect GrabadoraPulsada{51, 102, 50, 75};
inline constexpr int DesplazamientoPulsada = 51;
// Keys in the remote's own pixels; the sheet's released key is at (x, y + 102).
inline constexpr Rect TeclaEncendido{6, 6, 42, 13};
inline constexpr Rect TeclaAtras{4, 25, 21, 13};
inline constexpr Rect TeclaAdelante{25, 25, 21, 13};
inline constexpr Rect TeclaAtrasRapido{4, 41, 21, 13};
inline constexpr Rect TeclaAdelanteRapido{25, 41, 21, 13};
inline constexpr Rect TeclaContinuar{14, 57, 21, 13};
inline constexpr Rect EncendidoApagado{6, 108, 42, 13};
inline constexpr Rect EncendidoLuz{57, 108, 42, 13};

inline constexpr Rect Bloques[] = {
    BotonBarra(1),
    BotonBarra(2),
    BotonBarra(3),
    BotonBarra(4),
    BotonBarra(5),
    BotonBarra(6),
    BotonBarra(7),
    BotonBarra(8),
    BotonAyuda,
    BotonHistorico,
    BotonTotales,
    BotonSalir,
    BotonMensaje,
    PistaPotenciometro,
    BarraSelectorExtremo,
    BotonContinuar,
    BotonContinuarPulsado,
    SpinFlechas,
    SpinArribaPulsado,
    SpinAbajoPulsado,
    FlechaSelector,
    FlechaSelectorPulsada,
    BuleanoEncendido,
    BuleanoApagado,
    Grabadora,
    GrabadoraPulsada,
};
inline constexpr ParMascara Mascaras[] = {ManoSenal(1), ManoSenal(2), ManoSenal(3), ManoSenal(4),
                                          SenalDomino};
} // namespace bmpvario

// Blank tiles: every image has its mask 80 px lower.
namespace dibujos {
inline constexpr char Ruta[] = ":/dibujos/dibujos.png";
inline constexpr Tamano Hoja{553, 157};
inline constexpr int DesplazamientoMascara = 80;

// Large face-up tile of the local hand, slot 1..7; the face is x 4..39, y 4..76.
constexpr ParMascara VistaFichaGrande(int hueco)
{
    return {{(hueco - 1) * 44, 0, 44, 77}, {(hueco - 1) * 44, 80, 44, 77}};
}
// Line tiles: `LadoMesa` 2 is the left half of the table, 1 the right half.
inline constexpr ParMascara FichaLineaDerecha2{{310, 0, 40, 77}, {310, 80, 40, 77}};
inline constexpr ParMascara FichaLineaDerecha1{{352, 0, 40, 77}, {352, 80, 40, 77}};
inline constexpr ParMascara FichaLineaTumbada2{{395, 0, 77, 40}, {395, 80, 77, 40}};
inline constexpr ParMascara FichaLineaTumbada1{{474, 0, 77, 40}, {474, 80, 77, 40}};
// Standing tiles seen edge-on, by seat.
inline constexpr ParMascara FichaCanto1{{395, 41, 17, 38}, {476, 41, 17, 38}};
inline constexpr ParMascara FichaCanto2{{414, 41, 36, 17}, {495, 41, 36, 17}};
inline constexpr ParMascara FichaCanto3{{452, 41, 17, 38}, {533, 41, 17, 38}};
inline constexpr ParMascara FichaCanto4{{414, 62, 36, 17}, {495, 62, 36, 17}};

constexpr ParMascara FichaCanto(int asiento)
{
    return asiento == 1 ? FichaCanto1 : asiento == 2 ? FichaCanto2 : asiento == 3 ? FichaCanto3 : FichaCanto4;
}

// Pip squares (30x30, drawn at half place + 3) inside each blank tile, in the sprite's own pixels.
inline constexpr Rect CarasVistaGrande[] = {{7, 7, 30, 30}, {7, 44, 30, 30}};
inline constexpr Rect CarasLineaDerecha2[] = {{3, 3, 30, 30}, {3, 40, 30, 30}};
inline constexpr Rect CarasLineaDerecha1[] = {{7, 3, 30, 30}, {7, 40, 30, 30}};
inline constexpr Rect CarasLineaTumbada2[] = {{3, 3, 30, 30}, {40, 3, 30, 30}};
inline constexpr Rect CarasLineaTumbada1[] = {{7, 3, 30, 30}, {44, 3, 30, 30}};

inline constexpr ParMascara Mascaras[] = {
    VistaFichaGrande(1), VistaFichaGrande(2), VistaFichaGrande(3), VistaFichaGrande(4), VistaFichaGrande(5),
    VistaFichaGrande(6), VistaFichaGrande(7), FichaLineaDerecha2,  FichaLineaDerecha1,  FichaLineaTumbada2,
    FichaLineaTumbada1,  FichaCanto1,         FichaCanto2,         FichaCanto3,         FichaCanto4,
};
} // namespace dibujos

// Small faces and their pips, all copied whole.
namespace puntitos {
inline constexpr char Ruta[] = ":/dibujos/puntitos.png";
inline constexpr Tamano Hoja{160, 43};
// n = 1..6 pips; fila 0 for a lying tile (seats 1, 3), 1 for an upright one.
constexpr Rect Puntos(int n, int fila)
{
    return {(n - 1) * 16, fila * 17, 16, 16};
}
inline constexpr Rect CaraFichaTumbada3{97, 0, 42, 21};
inline constexpr Rect CaraFichaTumbada1{97, 22, 42, 21};
inline constexpr Rect CaraFichaDerecha{140, 0, 20, 42};
// Pip squares inside each face, in the face's own pixels.
inline constexpr Rect CarasTumbada3[] = {{3, 2, 16, 16}, {24, 2, 16, 16}};
inline constexpr Rect CarasTumbada1[] = {{2, 2, 16, 16}, {23, 2, 16, 16}};
inline constexpr Rect CarasDerecha[] = {{2, 2, 16, 16}, {2, 23, 16, 16}};
} // namespace puntitos

// Large pips, copied onto the blank tiles of `dibujos`.
namespace punneg {
inline constexpr char Ruta[] = ":/dibujos/punneg.png";
inline constexpr Tamano Hoja{180, 60};
// n = 1..6 pips; fila 0 for a lying tile (`GiroFicha` 0), 1 for an upright one.
constexpr Rect Puntos(int n, int fila)
{
    return {(n - 1) * 30, fila * 30, 30, 30};
}
} // namespace punneg

// The face colour of every tile, under every pip picture (0xRRGGBB).
inline constexpr unsigned ColorCara = 0xF5EFDB;

// The table's background, tiled across the screen.
namespace marmol {
inline constexpr char Ruta[] = ":/dibujos/marmol.png";
inline constexpr Tamano Hoja{640, 512};
} // namespace marmol

// Pictures with a transparent ground shown by the table's image controls.
namespace mesa {
inline constexpr char Flecha1[] = ":/dibujos/flecha1.png"; // points right
inline constexpr char Flecha2[] = ":/dibujos/flecha2.png"; // down
inline constexpr char Flecha3[] = ":/dibujos/flecha3.png"; // left
inline constexpr char Flecha4[] = ":/dibujos/flecha4.png"; // up
inline constexpr const char* Flechas[] = {Flecha1, Flecha2, Flecha3, Flecha4};
inline constexpr char Paso[] = ":/dibujos/paso.png";
inline constexpr char IndiTuto[] = ":/dibujos/bombilla.png";
inline constexpr Tamano Icono{32, 32};
} // namespace mesa

// Pictures carried by the other windows.
namespace careta {
inline constexpr char Ruta[] = ":/dibujos/careta.png";
inline constexpr Tamano Hoja{404, 188};
} // namespace careta
namespace mensajes {
inline constexpr char Si[] = ":/dibujos/si.png";
inline constexpr char No[] = ":/dibujos/no.png";
inline constexpr Tamano Boton{55, 55};
} // namespace mensajes
namespace personal {
inline constexpr char Directo[] = ":/dibujos/direc.png";
inline constexpr char Inverso[] = ":/dibujos/inver.png";
inline constexpr Tamano Figura{123, 97};
} // namespace personal
namespace cargua {
inline constexpr char Cargar[] = ":/dibujos/cargar.png";
inline constexpr char Guardar[] = ":/dibujos/guardar.png";
inline constexpr char Borrar[] = ":/dibujos/borrar.png";
inline constexpr Tamano Boton{50, 50};
} // namespace cargua
namespace mensared {
inline constexpr char Enviar[] = ":/dibujos/enviar.png";
inline constexpr Tamano Boton{55, 55};
} // namespace mensared
namespace marcador {
// Notepad header: rows every 15 px, a ruled row at y 76..90 and the pad's bottom edge below it.
inline constexpr char Puntos[] = ":/dibujos/puntos.png";
inline constexpr Tamano Hoja{290, 100};
} // namespace marcador
namespace historic {
// Binder piece: rows 2..24 repeat, rows 25..41 end the page, columns 26..50 are the page's right edge.
inline constexpr char Carpeta[] = ":/dibujos/carpeta.png";
inline constexpr Tamano Hoja{51, 42};
} // namespace historic

namespace sonidos {
struct Sonido
{
    int id;
    int hercios;
    int bits;
    int milisegundos;
    const char* ruta;
};
// Mono PCM; 8-bit samples are unsigned, 16-bit signed. Ids 8 and 13 do not exist.
inline constexpr Sonido Lista[] = {
    {1, 22050, 8, 98, ":/sonidos/01.wav"},    {2, 22050, 8, 153, ":/sonidos/02.wav"},
    {3, 22050, 8, 255, ":/sonidos/03.wav"},   {4, 24000, 16, 145, ":/sonidos/04.wav"},
    {5, 11025, 8, 116, ":/sonidos/05.wav"},   {6, 22050, 8, 39, ":/sonidos/06.wav"},
    {7, 22050, 8, 48, ":/sonidos/07.wav"},    {9, 22050, 8, 21, ":/sonidos/09.wav"},
    {10, 11025, 8, 460, ":/sonidos/10.wav"},  {11, 11025, 8, 168, ":/sonidos/11.wav"},
    {12, 22050, 8, 460, ":/sonidos/12.wav"},  {14, 22050, 8, 3743, ":/sonidos/14.wav"},
    {15, 22050, 8, 2921, ":/sonidos/15.wav"},
};
// Samples in a sound: its length at its rate, rounded.
constexpr int Muestras(const Sonido& s)
{
    return (s.hercios * s.milisegundos + 500) / 1000;
}
constexpr const Sonido* Buscar(int id)
{
    for (const Sonido& s : Lista)
        if (s.id == id) return &s;
    return nullptr;
}
} // namespace sonidos

namespace cursores {
struct Cursor
{
    const char* nombre;
    const char* ruta;
    int x, y; // hot spot
};
inline constexpr recursos::Tamano Medida{32, 32};
inline constexpr Cursor Lista[] = {
    {"ManoIndice", ":/cursores/manoindice.png", 13, 1}, {"ManoVerde", ":/cursores/manoverde.png", 13, 1},
    {"ManoRoja", ":/cursores/manoroja.png", 13, 1},     {"ManoCerrada", ":/cursores/manocerrada.png", 15, 6},
    {"Ordenar", ":/cursores/ordenar.png", 15, 1},       {"Girar", ":/cursores/girar.png", 13, 1},
};
// Names match without regard to letter case ("MANOINDICE" finds "ManoIndice").
constexpr const Cursor* Buscar(std::string_view nombre)
{
    auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (const Cursor& c : Lista) {
        std::string_view n = c.nombre;
        if (n.size() != nombre.size()) continue;
        bool igual = true;
        for (std::size_t i = 0; i < n.size() && igual; ++i) igual = minuscula(n[i]) == minuscula(nombre[i]);
        if (igual) return &c;
    }
    return nullptr;
}
} // namespace cursores

// Help pages: one per context number, ":/ayuda/<context>.html", and the contents page.
namespace ayuda {
inline constexpr char Prefijo[] = ":/ayuda/";
inline constexpr char Extension[] = ".html";
inline constexpr char Indice[] = ":/ayuda/indice.html";
} // namespace ayuda

// Every picture above, for whoever must check or preload them all.
inline constexpr const char* Dibujos[] = {
    bmpvario::Ruta, dibujos::Ruta,    puntitos::Ruta,    punneg::Ruta,      marmol::Ruta,   mesa::Flecha1,
    mesa::Flecha2,  mesa::Flecha3,    mesa::Flecha4,     mesa::Paso,        mesa::IndiTuto, careta::Ruta,
    mensajes::Si,   mensajes::No,     personal::Directo, personal::Inverso, cargua::Cargar, cargua::Guardar,
    cargua::Borrar, mensared::Enviar, marcador::Puntos,  historic::Carpeta,
};

} // namespace zp::recursos

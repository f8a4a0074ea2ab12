#pragma once
// The options pop-up a right click opens on the table while the game waits for Continue or no game runs.
// Off the hands it stores, loads or deletes a game through the stored-games window; on a hand it switches
// the two hand modes (tiles reordered by dragging, tiles turned by clicking). The program draws it itself;
// the row under the pointer is highlighted and a release runs it.
#include "engine/arranque.h"
#include "engine/estado.h"
#include "settings/cargua.h"

#include <array>

namespace zp {

class mesa;
struct Programa;

enum OpcionMenu : Entero
{
    kGuardarJuego = 1,
    kCargarJuego = 2,
    kBorrarJuego = 3,
    kOrdenarFichas = 4,
    kGirarFichas = 5
};

inline constexpr int kAnchoMenuOpciones = 150;

struct MenuOpciones
{
    std::array<bool, 11> OpcionMenuActiva{}; // item offered now
    Entero FilasMenuOpciones = 0;            // rows drawn
    Entero FilaMenuResaltada = 0;            // 1.. among the rows drawn; 0 none
    Entero OpcionMenuElegida = 0;            // the item run by the last release; 0 none
};

// The right click: the items offered where it was pressed, no row highlighted, the pop-up drawn there and
// kept inside the table. Nothing opens when nothing is offered.
void AbrirOpciones(mesa& v);

// Draws the offered items, the highlighted one in white on blue and an "X" before an active hand mode, and
// places the pop-up at the point pressed; shown when it has a row.
void MuestraOpciones(mesa& v);

// The pointer at height y over the pop-up highlights that row.
void Pic_SelOpciones_MouseMove(mesa& v, int y);

// A release on the pop-up runs the highlighted row. Storing or loading is refused while the recorder is on.
void Pic_SelOpciones_MouseUp(Programa& pr);

// The pop-up's mouse events.
void PrepararOpciones(Programa& pr);

// The stored-games window in one of its modes, modally. A game it loads is played on from its turn.
void AbrirCargua(Programa& pr, ModoCargua modo);

} // namespace zp

#pragma once
// A line at 800x600 led by seat 1 that turns at every limit of the table, with a draw and a pass between its
// tiles: where each tile goes and where its end stands after it. The geometry tests play it on the line
// alone, the move tests through whole moves.
#include <gtest/gtest.h>

#include "engine/estado.h"

namespace zp::prueba {

struct PasoLinea
{
    Entero extremo; // 8 draw, 9 pass: records that are not tiles
    Entero x, y, ancho, alto, lado, sprite, xAncla, yAncla, direccion;
};

// clang-format off
inline const PasoLinea kLineaQueDaLaVuelta[] = {
    {1, 356, 262, 77, 40, 1, 474, 432, 262, 3},
    {2, 281, 262, 77, 40, 2, 395, 281, 262, 1}, // not shifted: end 2 has no earlier tile
    {1, 433, 262, 77, 40, 1, 474, 509, 262, 3},
    {8, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 510, 262, 77, 40, 1, 474, 586, 262, 3},
    {1, 587, 262, 40, 77, 1, 352, 587, 338, 4}, // within 40 px: just right of the end tile
    {1, 587, 339, 40, 77, 1, 352, 587, 415, 4},
    {9, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 587, 416, 40, 77, 1, 352, 587, 492, 4},
    {1, 510, 452, 77, 40, 1, 474, 510, 452, 1}, // more than 40 px: beside the far end
    {1, 433, 452, 77, 40, 1, 474, 433, 452, 1},
    {1, 356, 452, 77, 40, 1, 474, 356, 452, 1},
    {1, 281, 452, 77, 40, 2, 395, 281, 452, 1}, // crossing the centre leftwards: 2 px right
    {1, 204, 452, 77, 40, 2, 395, 204, 452, 1},
    {1, 127, 452, 77, 40, 2, 395, 127, 452, 1},
    {1, 87, 415, 40, 77, 2, 310, 87, 415, 2},   // within 40 px: just left of the end tile
    {1, 87, 375, 77, 40, 2, 395, 163, 375, 3},  // this leg's limit lies just below the start
    {1, 164, 375, 77, 40, 2, 395, 240, 375, 3},
    {1, 241, 375, 77, 40, 2, 395, 317, 375, 3},
    {1, 318, 375, 77, 40, 2, 395, 394, 375, 3},
    {1, 393, 375, 77, 40, 1, 474, 469, 375, 3}, // crossing the centre rightwards: 2 px left
};
// clang-format on

// The record of a tile laid at step p.
inline void ComprobarPasoLinea(const RegistroJugada& r, const PasoLinea& p)
{
    EXPECT_EQ(r.XFicha, p.x);
    EXPECT_EQ(r.YFicha, p.y);
    EXPECT_EQ(r.AnchoFicha, p.ancho);
    EXPECT_EQ(r.AltoFicha, p.alto);
    EXPECT_EQ(r.LadoMesa, p.lado);
    EXPECT_EQ(r.XSpriteFicha, p.sprite);
    EXPECT_EQ(r.XExtremoDespues, p.xAncla);
    EXPECT_EQ(r.YExtremoDespues, p.yAncla);
    EXPECT_EQ(r.DireccionDespues, p.direccion);
}

} // namespace zp::prueba

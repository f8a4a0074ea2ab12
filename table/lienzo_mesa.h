#pragma once
// What every drawing of the table works on: the window's kept image, the clean marble copy it erases from,
// the sprite sheets, the game state and the few layout values that belong to the table window itself.
#include "engine/ajustes.h"
#include "engine/pantalla.h"
#include "platform/surface.h"

#include <array>
#include <functional>

namespace zp {

// The sprite sheets of the table window, which every other window copies from too.
struct HojasMesa
{
    Surface Pic_BmpVario;
    Surface Pic_Dibujos;
    Surface Pic_Puntitos;
    Surface Pic_PunNeg;
    Surface Marmol; // the 640 x 512 picture the background is tiled from
};

// The program's pictures; a sheet that cannot be read is a blank one of its size, so drawing never fails.
HojasMesa CargarHojasMesa();

// The table's background: the marble tiled from the top left over `ancho` x `alto`, whatever the size.
Surface ComponerMarmol(const Surface& marmol, int ancho, int alto);

// Layout values the table window keeps between drawings.
struct EstadoMesa
{
    Entero ZonaX = 0, ZonaY = 0, ZonaAncho = 0, ZonaAlto = 0; // the shared work rectangle
    Entero LadoMonton = 4;                                    // the seat side the stock lies along
    std::array<Entero, 3> FilasMonton{};
    bool PersonalAbierto = false; // the player settings are open: the stock keeps its side
    bool ArrastreOrden = false;   // a tile of a hand is being dragged to reorder it
    Entero ManoArrastrada = 0, HuecoArrastrado = 0;
    // The hand the tile was lifted from: its number, and the slot as the lift left it.
    Entero NumeroManoArrastre = 0;
    HuecoMano HuecoAlzado{};
    Entero ZonaPuntero = 0;
    Entero LineaGrabadora = -1; // the move list's line of the current move, -1 none
};

struct LienzoMesa
{
    Surface& mesa;         // the window's kept image
    const Surface& marmol; // `Pic_Marmol`
    const HojasMesa& hojas;
    EstadoJuego& e;
    Ajustes& a;
    const Pantalla& p;
    EstadoMesa& m;
    std::function<void()> Refrescar = [] {};
    std::function<void()> OcultarListaJugadas = [] {};
};

// Erases a rectangle of the table by copying it back from the marble.
inline void Borrar(LienzoMesa& l, int x, int y, int w, int h)
{
    l.mesa.blit(x, y, w, h, l.marmol, x, y);
}

// A masked sprite: the mask with AND, then the image with XOR at the same place.
inline void CopiarConMascara(Surface& destino, int x, int y, int w, int h, const Surface& hoja, int ix,
                             int iy, int mx, int my)
{
    destino.blit(x, y, w, h, hoja, mx, my, RasterOp::And);
    destino.blit(x, y, w, h, hoja, ix, iy, RasterOp::Xor);
}

// Colours of the table's drawing.
inline constexpr QRgb kAmarilloMesa = qRgb(255, 255, 0);
inline constexpr QRgb kAzulMarcador = qRgb(0, 0, 255);
inline constexpr QRgb kNegroMesa = qRgb(0, 0, 0);
inline constexpr QRgb kBlancoMesa = qRgb(255, 255, 255);

// The window's font is Arial 9 pt bold; the drawings change only size and weight (96 dots per inch).
inline FontSpec FuenteMesa(int pixeles = 12, bool negrita = true)
{
    return FontSpec{QStringLiteral("Arial"), pixeles, negrita};
}
inline constexpr int kPixeles9 = 12;   // 9 pt
inline constexpr int kPixeles8 = 11;   // 8 pt
inline constexpr int kPixeles825 = 11; // 8.25 pt

} // namespace zp

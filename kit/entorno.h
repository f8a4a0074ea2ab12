#pragma once
// What the kit's windows and controls need from the table window and the settings: the table's measures,
// whether a settings window is open, the sprite sheet, the table window itself, and the sound and speed
// settings. The table fills it when it lays itself out; tests fill it with their own.
#include "engine/ajustes.h"
#include "platform/surface.h"

class QWidget;

namespace zp {

struct EntornoKit
{
    Entero AnchoMesa = 0;         // width of the table area; 0 until the table is laid out
    Entero AltoPantalla = 0;      // screen height, also the table area's height
    Entero AnchoPantalla = 0;     // screen width
    bool AjustesAbiertos = false; // the player settings or the rules window is open

    const Surface* BmpVario = nullptr; // the table's sprite sheet; the program's own when unset
    QWidget* mesa = nullptr;           // the table window: its pointer is reset by the message box
    const Ajustes* ajustes = nullptr;  // `Sonido` and `Velocidad`; none means sound on, speed 50
};

EntornoKit& Entorno();

// The sprite sheet every control copies from: the table's, else the program's picture, else a blank sheet
// of the right size (nothing to copy is better than a crash).
const Surface& HojaBmpVario();

// Sound `id` when the sound setting is on; `modo` 1 returns at once, any other value when it has played.
void SonarKit(Entero modo, Entero id);
// The speed-scaled pause at the speed setting.
void PausarKit(Entero ms);
// One of the standard pointers on the table window, when there is one (as PonerPuntero).
void PunteroMesa(Entero codigo);

// The colours the kit draws with.
inline constexpr QRgb kBlanco = rgbFromBgr(0xFFFFFF);
inline constexpr QRgb kGris = rgbFromBgr(0x808080);
inline constexpr QRgb kGrisClaro = rgbFromBgr(0xC0C0C0);
inline constexpr QRgb kNegro = rgbFromBgr(0x000000);
inline constexpr QRgb kAzul = rgbFromBgr(0xFF0000);
inline constexpr QRgb kAzulMarino = rgbFromBgr(0x800000);
inline constexpr QRgb kRojo = rgbFromBgr(0x0000FF);
inline constexpr QRgb kPurpura = rgbFromBgr(0x800080);
inline constexpr QRgb kSombraVerde = rgbFromBgr(0x759575);

} // namespace zp

#pragma once
// Where the table window's fixed controls go for the screen in use, the rectangle of each seat's hand and
// the place of the pass sign. Pure arithmetic: the window applies it.
#include "engine/ajustes.h"
#include "engine/pantalla.h"

#include <QRect>
#include <array>

namespace zp {

// The Top of bar buttons 1..8 inside the bar; button 8 stands between 3 and 4.
inline constexpr std::array<Entero, 9> YBoton = {0, 5, 65, 125, 245, 305, 365, 425, 185};

inline constexpr int kLadoBoton = 50;
inline constexpr QSize kTamanoBoton9{50, 36};
inline constexpr QSize kTamanoBotContinuar{86, 36};
inline constexpr QSize kTamanoGrabadora{50, 75};
inline constexpr QSize kTamanoListaGrabadora{165, 72};

struct DisposicionMesa
{
    QRect Formulario;                // the window: the screen plus 2 px each way
    QRect Pic_Botonera;              // on the window
    std::array<QRect, 10> Pic_Boton; // 1..9, inside the bar
    QRect Pic_BotContinuar;          // inside the bar
    QRect Pic_Grabadora;             // on the window
    QSize Pic_Marmol;
    QRect Lis_Grabadora;
};

DisposicionMesa CalcularDisposicionMesa(const Pantalla& p);

// The work rectangle of seat p's hand (1..4); an empty one for any other seat.
QRect CalcularZonaMano(const EstadoJuego& e, const Ajustes& a, const Pantalla& p, Entero asiento);

// Top left of the 32 x 32 pass sign beside the seat in turn.
QPoint SituarIndicadorPaso(const Pantalla& p, Entero jugadorTurno);

} // namespace zp

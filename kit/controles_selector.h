#pragma once
// The option selector of the settings windows (`Pic_Selector`): a caption over an etched frame, a key
// with an arrow and a bar with the current option's text; each click on the key steps to the next option.
// The captions and option texts are the settings' tables, passed in by the window.
#include "engine/estado.h"
#include "kit/controles.h"

#include <span>

namespace zp {

class PictureBox;

// 145 pixels for the per-seat selectors (11..14 and 21..34), 175 for the others.
int AnchoSelector(Entero indice);

// The click area: the key, 4..33 x 14..34 of the selector, bounds included.
bool EnFlechaSelector(QPoint punto);

// The option after `valor` in `opciones` (the selector's row, options 1..5 at their index): back to 1
// past the fifth or at the first blank text. A value outside the row also goes back to 1.
Entero SiguienteOpcion(Entero valor, std::span<const QString> opciones);

// The value bar: a 5-pixel cap then one column of ground per pixel up to `ancho`, `alto` high, at (x, y).
void DibujarBarraSelector(Surface& imagen, int x, int y, int ancho, int alto);

// The whole selector on its surface: key released, frame, `titulo` centred as stored (blanks counted),
// bar, and the option text `opcion` centred on the bar without its outer blanks.
void PintarSelector(Surface& selector, Entero indice, const QString& titulo, const QString& opcion,
                    const FontSpec& fuente = FuenteControles());
// The same for option `valor` of the row; a value outside it shows no text.
void DibujarSelector(PictureBox& selector, Entero indice, Entero valor, const QString& titulo,
                     std::span<const QString> opciones, const FontSpec& fuente = FuenteControles());

// The click on a selector: steps `valor` to the next option and shows the key pressed for a moment, with
// its sounds, then the selector with the new option.
void AvanzarSelector(PictureBox& selector, Entero indice, Entero& valor, const QString& titulo,
                     std::span<const QString> opciones, const FontSpec& fuente = FuenteControles());

} // namespace zp

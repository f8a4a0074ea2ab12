#include "kit/controles_enmarcada.h"

#include <QWidget>

namespace zp {

QPoint DibujarEtiquetaEnmarcada(Surface& ventana, int x, int y, const QString& texto, int anchoControl,
                                const FontSpec& fuente)
{
    MarcoGrabado(ventana, x, y, x + kAnchoEnmarcada, y + 30);
    // The caption's opaque white print interrupts the frame's top edge.
    ImprimirTextoSombreado(ventana, MitadRedondeada(kAnchoEnmarcada, textWidth(texto, fuente)) + x, y - 8,
                           texto, fuente);
    return QPoint(MitadRedondeada(kAnchoEnmarcada, anchoControl) + x + 1, y + 8);
}

void DibujarEtiquetaEnmarcada(Surface& ventana, QWidget& control, QSize tamano, int x, int y,
                              const QString& texto, const FontSpec& fuente)
{
    MoverControl(control, DibujarEtiquetaEnmarcada(ventana, x, y, texto, tamano.width(), fuente), tamano);
    control.show();
}

} // namespace zp

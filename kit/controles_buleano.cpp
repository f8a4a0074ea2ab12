#include "kit/controles_buleano.h"

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"

#include <algorithm>

namespace zp {

int AnchoBuleano(const QString& texto, const FontSpec& fuente)
{
    return textWidth(texto.trimmed(), fuente) + 20;
}

void DibujarMarcoBuleano(Surface& ventana, QPoint esquina, int grosor)
{
    const int l = esquina.x(), t = esquina.y();
    ventana.box(l - 5, t - 5, l + 125, t + 20, kBlanco, grosor);
    ventana.box(l - 4, t - 4, l + 126, t + 21, kGris, grosor);
}

void PintarBuleano(Surface& buleano, const QString& texto, bool valor, const FontSpec& fuente)
{
    const auto& lampara = valor ? recursos::bmpvario::BuleanoEncendido : recursos::bmpvario::BuleanoApagado;
    buleano.resize(AnchoBuleano(texto, fuente), std::max(buleano.height(), lampara.alto));
    buleano.blit(0, 0, lampara.ancho, lampara.alto, HojaBmpVario(), lampara.x, lampara.y);
    ImprimirTextoSombreado(buleano, 19, 1, texto, fuente);
}

void DibujarBuleano(PictureBox& ventana, PictureBox& buleano, const QString& texto, bool valor,
                    const FontSpec& fuente, int grosor)
{
    const QRect antes = buleano.logicalGeometry();
    DibujarMarcoBuleano(ventana.surface(), antes.topLeft(), grosor);
    PintarBuleano(buleano.surface(), texto, valor, fuente);
    buleano.setLogicalGeometry(
        QRect(antes.topLeft(), QSize(buleano.surface().width(), buleano.surface().height())));
    ventana.invalidate();
    buleano.refresh();
}

} // namespace zp

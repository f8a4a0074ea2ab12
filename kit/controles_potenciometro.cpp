#include "kit/controles_potenciometro.h"

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"

namespace zp {

bool EnMandoPotenciometro(QPoint punto, Entero valor)
{
    return punto.x() >= valor + 8 && punto.x() <= valor + 20 && punto.y() >= 17 && punto.y() <= 35;
}

void DibujarMandoPotenciometro(Surface& potenciometro, int x, int y)
{
    // The track stands 148 px left of its place in the sheet: the knob's ground is the track's own columns
    // x + 2 .. x + 12, stretched over the knob's 13.
    potenciometro.stretchBlit(x, y, 13, 19, HojaBmpVario(), x + 150, 53, 11, 19);
    potenciometro.box(x, y, x + 12, y + 18, kBlanco);
    potenciometro.line(x + 12, y, x + 12, y + 19, kGris);
    potenciometro.line(x, y + 18, x + 12, y + 18, kGris);
    potenciometro.line(x + 6, y + 1, x + 6, y + 17, kRojo);
}

void BorrarMandoPotenciometro(Surface& potenciometro, Entero valor)
{
    potenciometro.blit(XMando(valor), kYMando, 13, 19, HojaBmpVario(), valor + 157, 53);
}

void PintarPotenciometro(Surface& potenciometro, Entero valor, const QString& texto, const FontSpec& fuente)
{
    const auto& pista = recursos::bmpvario::PistaPotenciometro;
    potenciometro.blit(5, 15, pista.ancho, pista.alto, HojaBmpVario(), pista.x, pista.y);
    DibujarMandoPotenciometro(potenciometro, XMando(valor), kYMando);
    MarcoGrabado(potenciometro, 0, 5, 129, 41);
    ImprimirTextoSombreado(potenciometro, MitadRedondeada(potenciometro.width(), textWidth(texto, fuente)), 0,
                           texto, fuente);
}

void DibujarPotenciometro(PictureBox& potenciometro, Entero valor, const QString& texto,
                          const FontSpec& fuente)
{
    PintarPotenciometro(potenciometro.surface(), valor, texto, fuente);
    potenciometro.refresh();
}

} // namespace zp

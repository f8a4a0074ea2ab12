#include "kit/controles_selector.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"

namespace zp {

namespace {

constexpr int kBarraX = 35, kBarraY = 14, kAltoBarra = 20;

QString TextoOpcion(Entero valor, std::span<const QString> opciones)
{
    if (valor < 0 || std::size_t(valor) >= opciones.size()) return {};
    return opciones[std::size_t(valor)];
}

void PintarTecla(Surface& selector, bool pulsada)
{
    const auto& r = pulsada ? recursos::bmpvario::FlechaSelectorPulsada : recursos::bmpvario::FlechaSelector;
    selector.blit(4, 14, r.ancho, r.alto, HojaBmpVario(), r.x, r.y);
}

} // namespace

int AnchoSelector(Entero indice)
{
    return (indice >= 11 && indice <= 14) || (indice >= 21 && indice <= 34) ? 145 : 175;
}

bool EnFlechaSelector(QPoint punto)
{
    return punto.x() >= 4 && punto.x() <= 33 && punto.y() >= 14 && punto.y() <= 34;
}

Entero SiguienteOpcion(Entero valor, std::span<const QString> opciones)
{
    const int siguiente = valor + 1;
    if (siguiente < 1 || siguiente > 5) return 1;
    if (TextoOpcion(Entero(siguiente), opciones).trimmed().isEmpty()) return 1;
    return Entero(siguiente);
}

void DibujarBarraSelector(Surface& imagen, int x, int y, int ancho, int alto)
{
    const Surface& hoja = HojaBmpVario();
    const auto& tapa = recursos::bmpvario::BarraSelectorExtremo;
    const auto& columna = recursos::bmpvario::BarraSelectorColumna;
    imagen.blit(x, y, tapa.ancho, alto, hoja, tapa.x, tapa.y);
    for (int k = 5; k <= ancho; ++k) imagen.blit(x + k, y, 1, alto, hoja, columna.x, columna.y);
}

void PintarSelector(Surface& selector, Entero indice, const QString& titulo, const QString& opcion,
                    const FontSpec& fuente)
{
    PintarTecla(selector, false);
    const int w = AnchoSelector(indice);
    MarcoGrabado(selector, 0, 6, w, 36);
    FontSpec normal = fuente;
    normal.bold = false;
    // The caption's opaque ground breaks the frame's top edge.
    ImprimirTextoSombreado(selector, MitadRedondeada(w, textWidth(titulo, normal)), -2, titulo, normal);
    DibujarBarraSelector(selector, kBarraX, kBarraY, w - 38, kAltoBarra);
    const QString t = opcion.trimmed();
    const int x = MitadRedondeada(w - 37, textWidth(t, normal)) + 35;
    selector.text(x + 1, 19, t, normal, kSombraVerde);
    selector.text(x, 18, t, normal, kNegro);
}

void DibujarSelector(PictureBox& selector, Entero indice, Entero valor, const QString& titulo,
                     std::span<const QString> opciones, const FontSpec& fuente)
{
    PintarSelector(selector.surface(), indice, titulo, TextoOpcion(valor, opciones), fuente);
    selector.refresh();
}

void AvanzarSelector(PictureBox& selector, Entero indice, Entero& valor, const QString& titulo,
                     std::span<const QString> opciones, const FontSpec& fuente)
{
    const int w = AnchoSelector(indice);
    SonarKit(0, sonido::Pulsar);
    valor = SiguienteOpcion(valor, opciones);
    PintarTecla(selector.surface(), true);
    DibujarBarraSelector(selector.surface(), kBarraX, kBarraY, w - 38, kAltoBarra); // wipes the old text
    selector.refresh();
    PausarKit(190);
    DibujarSelector(selector, indice, valor, titulo, opciones, fuente);
    SonarKit(0, sonido::Soltar);
}

} // namespace zp

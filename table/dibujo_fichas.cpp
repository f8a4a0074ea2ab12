#include "table/dibujo_fichas.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/entorno.h"

namespace zp {

namespace {

bool EsPunto(Entero puntos)
{
    return puntos >= 1 && puntos <= 6; // 0 is the blank face; anything else comes from a damaged state
}

} // namespace

QSize DibujarMarcoFicha(Surface& s, Entero asiento, int x, int y, Entero orientacion)
{
    const int w = orientacion == kFichaTumbada ? 42 : 20;
    const int h = orientacion == kFichaTumbada ? 21 : 42;
    // Lines leave out their end points, so the four corners keep the marble: the tile looks rounded.
    s.fillBox(x + 1, y, x + w - 2, y + h - 2, kNegroMesa);
    s.line(x + w - 1, y + 1, x + w - 1, y + h - 1, kNegroMesa);
    s.line(x, y + 1, x, y + h - 1, kNegroMesa);
    s.line(x + 1, y + h - 1, x + w - 1, y + h - 1, kBlancoMesa);
    if (asiento == 1) s.line(x + w - 1, y + 1, x + w - 1, y + h - 1, kBlancoMesa);
    if (asiento == 3) s.line(x, y + 1, x, y + h - 1, kBlancoMesa);
    return QSize(w, h);
}

void DibujarPuntos(Surface& s, const HojasMesa& hojas, Entero puntos, int x, int y, int fila)
{
    if (!EsPunto(puntos)) return;
    const auto r = recursos::puntitos::Puntos(puntos, fila);
    s.blit(x + 2, y + 2, r.ancho, r.alto, hojas.Pic_Puntitos, r.x, r.y);
}

void DibujarPuntosGrandes(Surface& s, const HojasMesa& hojas, Entero puntos, int x, int y, int fila)
{
    if (!EsPunto(puntos)) return;
    const auto r = recursos::punneg::Puntos(puntos, fila);
    s.blit(x + 3, y + 3, r.ancho, r.alto, hojas.Pic_PunNeg, r.x, r.y);
}

void DibujarFichaDescubierta(LienzoMesa& l, Entero a, Entero b)
{
    if (a < 0 || a > 6 || b < 0 || b > 6) return;
    const int x = l.e.OrigenRejillaX + b * 39;
    const int y = l.e.OrigenRejillaY + a * 50;
    l.m.ZonaX = static_cast<Entero>(x);
    l.m.ZonaY = static_cast<Entero>(y);
    const auto cara = recursos::puntitos::CaraFichaDerecha;
    l.mesa.blit(x, y, cara.ancho, cara.alto, l.hojas.Pic_Puntitos, cara.x, cara.y);
    DibujarPuntos(l.mesa, l.hojas, a, x, y, 1);
    DibujarPuntos(l.mesa, l.hojas, b, x, y + 21, 1);
    l.e.RejillaReparto[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = true;
    l.Refrescar();
    SonarKit(0, sonido::Ficha);
}

void DibujarFichaJugada(LienzoMesa& l, Entero n)
{
    if (n < 1 || n >= static_cast<int>(l.e.Jugadas.size())) return;
    const RegistroJugada& r = l.e.Jugadas[static_cast<std::size_t>(n)];
    const int desplazamiento = recursos::dibujos::DesplazamientoMascara;
    CopiarConMascara(l.mesa, r.XFicha, r.YFicha, r.AnchoFicha, r.AltoFicha, l.hojas.Pic_Dibujos,
                     r.XSpriteFicha, 0, r.XSpriteFicha, desplazamiento);
    DibujarPuntosGrandes(l.mesa, l.hojas, r.PuntoUnido, r.XMitad1, r.YMitad1, r.GiroFicha);
    DibujarPuntosGrandes(l.mesa, l.hojas, r.PuntoAbierto, r.XMitad2, r.YMitad2, r.GiroFicha);
}

} // namespace zp

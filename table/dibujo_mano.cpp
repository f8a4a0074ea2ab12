#include "table/dibujo_mano.h"

#include "assets/recursos.h"
#include "engine/disposicion_manos.h"
#include "engine/indices.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_monton.h"
#include "table/disposicion_mesa.h"
#include "table/nombres_mesa.h"

#include <algorithm>

namespace zp {

namespace {

constexpr int kVistasGrandes = 7; // the sheet holds large views for slots 1..7

// The seat's whole strip, wider than its hand: what an erase of the hand covers.
QRect FranjaMano(const LienzoMesa& l, Entero asiento)
{
    const DisposicionManos& d = l.e.Disposicion;
    const int ancho = d.EjeMano[3] - d.EjeMano[1] + (!AsientoEnJuego(l.a, 3) ? 42 : 0);
    switch (asiento) {
    case 1:
        return QRect(0, d.EjeMano[2], 42, d.EjeMano[4] - d.EjeMano[2]);
    case 2:
        return QRect(d.EjeMano[1], 0, ancho, 42);
    case 3:
        return QRect(d.EjeMano[3], d.EjeMano[2], 42, d.EjeMano[4] - d.EjeMano[2]);
    default:
        return QRect(d.EjeMano[1], l.p.AltoPantalla - 77, ancho, 77);
    }
}

void DibujarCara(LienzoMesa& l, Entero asiento, Entero hueco, int x, int y, bool invertida)
{
    namespace pt = recursos::puntitos;
    const HuecoMano& h = l.e.Manos[I(asiento)][I(hueco)];
    const int w = l.m.ZonaAncho, alto = l.m.ZonaAlto;
    Surface& s = l.mesa;
    switch (asiento) {
    case 1:
        s.blit(x, y, w, 21, l.hojas.Pic_Puntitos, pt::CaraFichaTumbada1.x, pt::CaraFichaTumbada1.y);
        DibujarPuntos(s, l.hojas, h.PuntoA, x, y, 0);
        DibujarPuntos(s, l.hojas, h.PuntoB, x + 21, y, 0);
        if (invertida) s.invert(x, y, w, 21);
        return;
    case 3:
        s.blit(x, y, w, 21, l.hojas.Pic_Puntitos, pt::CaraFichaTumbada3.x, pt::CaraFichaTumbada3.y);
        DibujarPuntos(s, l.hojas, h.PuntoA, x + 1, y, 0);
        DibujarPuntos(s, l.hojas, h.PuntoB, x + 22, y, 0);
        if (invertida) s.invert(x, y, w, 21);
        return;
    default:
        break;
    }
    if (asiento == 4 && l.e.ManoHolgada[4]) {
        // Past the seventh slot the sheet has no view of its own: the last one serves.
        const auto vista = recursos::dibujos::VistaFichaGrande(std::min<int>(hueco, kVistasGrandes));
        CopiarConMascara(s, x, y, kPasoGrande, alto, l.hojas.Pic_Dibujos, vista.imagen.x, vista.imagen.y,
                         vista.mascara.x, vista.mascara.y);
        DibujarPuntosGrandes(s, l.hojas, h.PuntoA, x + 4, y + 4, 1);
        DibujarPuntosGrandes(s, l.hojas, h.PuntoB, x + 4, y + 41, 1);
        // The face only: 36 x 73 from (4, 4), not past the tile's bottom edge.
        if (invertida) s.invert(x + 4, y + 4, 36, std::min(alto, 77) - 4);
        return;
    }
    s.blit(x, y, 20, alto, l.hojas.Pic_Puntitos, pt::CaraFichaDerecha.x, pt::CaraFichaDerecha.y);
    DibujarPuntos(s, l.hojas, h.PuntoA, x, y, 1);
    DibujarPuntos(s, l.hojas, h.PuntoB, x, y + 21, 1);
    if (invertida) s.invert(x, y, 20, alto);
}

void DibujarDorso(LienzoMesa& l, Entero asiento, int x, int y)
{
    if (l.e.ManoHolgada[I(asiento)]) {
        const auto canto = recursos::dibujos::FichaCanto(asiento);
        const bool lateral = asiento == 1 || asiento == 3;
        const int w = lateral ? l.m.ZonaAncho : 36;
        const int h = lateral ? 38 : l.m.ZonaAlto;
        CopiarConMascara(l.mesa, x, y, w, h, l.hojas.Pic_Dibujos, canto.imagen.x, canto.imagen.y,
                         canto.mascara.x, canto.mascara.y);
        return;
    }
    const Entero giro = (asiento == 1 || asiento == 3) ? kFichaTumbada : Entero{2};
    const QSize t = DibujarMarcoFicha(l.mesa, asiento, x, y, giro);
    l.m.ZonaAncho = static_cast<Entero>(t.width());
    l.m.ZonaAlto = static_cast<Entero>(t.height());
}

} // namespace

void CalcularDisposicionManos(LienzoMesa& l)
{
    if (AplicarDisposicionManos(l.e, l.a, zp::CalcularDisposicionManos(l.e, l.a, l.p)))
        l.OcultarListaJugadas();
}

bool ArrastreOrdenVigente(const EstadoJuego& e, const EstadoMesa& m)
{
    if (!m.ArrastreOrden || e.NumeroMano != m.NumeroManoArrastre) return false;
    if (m.ManoArrastrada < 1 || m.ManoArrastrada > 4 || m.HuecoArrastrado < 1 || m.HuecoArrastrado > kHuecos)
        return false;
    return e.Manos[I(m.ManoArrastrada)][I(m.HuecoArrastrado)] == m.HuecoAlzado;
}

AspectoHueco CalcularAspectoHueco(const EstadoJuego& e, const Ajustes& a, Entero asiento, Entero hueco)
{
    const HuecoMano& h = e.Manos[I(asiento)][I(hueco)];
    const bool vista = a.Jugador[I(asiento)].FichasJugador == VistaFichas::Visibles;
    if (h.Estado == kVacio) return AspectoHueco::Nada;
    if (vista && h.Estado == kEnMano) return AspectoHueco::Cara;
    if (vista && h.Estado == kPuesta && a.FichasVisiblesPuestas == FichasPuestas::CambianDeColor)
        return AspectoHueco::CaraInvertida;
    if (e.RepartoEnCurso) return h.Estado == kPuesta ? AspectoHueco::CaraInvertida : AspectoHueco::Cara;
    if (!vista && h.Estado == kEnMano) return AspectoHueco::Dorso;
    return AspectoHueco::Nada;
}

void DibujarMano(LienzoMesa& l, Entero asiento)
{
    if (asiento < 1 || asiento > 4) return;
    const QRect franja = FranjaMano(l, asiento);
    Borrar(l, franja.x(), franja.y(), franja.width(), franja.height());
    if (l.m.LadoMonton == asiento) CalcularDisposicionMonton(l);

    if (!AsientoEnJuego(l.a, asiento)) {
        if (l.m.LadoMonton == asiento && l.e.FichasMonton >= 1 && !l.e.RepartoEnCurso) DibujarMonton(l);
        l.Refrescar();
        return;
    }

    CalcularDisposicionManos(l);
    if (l.e.ManoEnCurso || l.e.RepartoEnCurso) DibujarNombres(l);
    const QRect zona = CalcularZonaMano(l.e, l.a, l.p, asiento);
    l.m.ZonaX = static_cast<Entero>(zona.x());
    l.m.ZonaY = static_cast<Entero>(zona.y());
    l.m.ZonaAncho = static_cast<Entero>(zona.width());
    l.m.ZonaAlto = static_cast<Entero>(zona.height());

    const DisposicionManos& d = l.e.Disposicion;
    const bool grandes = asiento == 4 && l.e.ManoHolgada[4];
    const int huecos = HuecosDe(l.e, asiento);
    for (int s = 1; s <= huecos; ++s) {
        // Only the dragged tile's own hand shows its slot empty: another hand may be redrawn meanwhile, and a
        // hand dealt in its place is drawn whole.
        if (asiento == l.m.ManoArrastrada && s == l.m.HuecoArrastrado && ArrastreOrdenVigente(l.e, l.m))
            continue;
        const AspectoHueco aspecto = CalcularAspectoHueco(l.e, l.a, asiento, static_cast<Entero>(s));
        if (aspecto == AspectoHueco::Nada) continue;
        const bool cara = aspecto != AspectoHueco::Dorso;
        const int paso = (grandes && cara) ? kPasoGrande : d.SeparacionFichas[I(asiento)];
        const int a_lo_largo = d.InicioMano[I(asiento)] + (s - 1) * paso;
        const bool lateral = asiento == 1 || asiento == 3;
        const int x = lateral ? l.m.ZonaX : a_lo_largo;
        const int y = lateral ? a_lo_largo : l.m.ZonaY;
        if (cara)
            DibujarCara(l, asiento, static_cast<Entero>(s), x, y, aspecto == AspectoHueco::CaraInvertida);
        else
            DibujarDorso(l, asiento, x, y);
    }
    l.Refrescar();
}

} // namespace zp

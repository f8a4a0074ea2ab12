#include "table/dibujo_monton.h"

#include "engine/geometria_monton.h"
#include "table/dibujo_fichas.h"

namespace zp {

void CalcularDisposicionMonton(LienzoMesa& l)
{
    const ZonaMonton z =
        zp::CalcularDisposicionMonton(l.a.FichasPorJugador, l.a.NumeroJugadores, l.m.LadoMonton, l.p);
    if (l.m.LadoMonton < 1 || l.m.LadoMonton > 4) return; // no side: the work rectangle stays as it was
    l.m.ZonaX = z.ZonaX;
    l.m.ZonaY = z.ZonaY;
    l.m.ZonaAncho = z.ZonaAncho;
    l.m.ZonaAlto = z.ZonaAlto;
    l.m.FilasMonton = z.FilasMonton;
    Borrar(l, z.ZonaX, z.ZonaY, z.ZonaAncho, z.ZonaAlto);
}

void DibujarMonton(LienzoMesa& l)
{
    if (!l.m.PersonalAbierto) l.m.LadoMonton = ElegirLadoMonton(l.a);
    CalcularDisposicionMonton(l);
    if (l.e.FichasMonton >= 1) {
        const ZonaMonton z{l.m.ZonaX, l.m.ZonaY, l.m.ZonaAncho, l.m.ZonaAlto, l.m.FilasMonton};
        const auto plazas = CalcularPlazasMonton(z, l.m.LadoMonton, l.e.FichasMonton);
        for (const PlazaFichaMonton& f : plazas) {
            const QSize t = DibujarMarcoFicha(l.mesa, l.m.LadoMonton, f.PosX, f.PosY, f.GiroFicha);
            l.m.ZonaAncho = static_cast<Entero>(t.width());
            l.m.ZonaAlto = static_cast<Entero>(t.height());
        }
        if (!plazas.empty()) {
            l.e.Colocacion.XFichaRobada = plazas.back().PosX;
            l.e.Colocacion.YFichaRobada = plazas.back().PosY;
        }
    }
    l.Refrescar();
}

} // namespace zp

#include "table/linea_mesa.h"

#include "engine/disposicion_manos.h"
#include "engine/geometria_linea.h"
#include "engine/jugada.h"
#include "engine/sonidos.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_mano.h"

#include <algorithm>

namespace zp {

void DibujarLinea(LienzoMesa& l, Entero hasta)
{
    const int ultima = std::min<int>(hasta, static_cast<int>(l.e.Jugadas.size()) - 1);
    for (int i = 1; i <= ultima; ++i) {
        const Entero extremo = l.e.Jugadas[static_cast<std::size_t>(i)].Extremo;
        if (extremo == 1 || extremo == 2) DibujarFichaJugada(l, static_cast<Entero>(i));
    }
}

void DibujarMarcasExtremos(const EstadoJuego& e, ImagenMesa& Ima_FlechaDer, ImagenMesa& Ima_FlechaIzq,
                           const std::array<ImagenMesa, 5>& Ima_Flechas)
{
    const std::array<MarcaExtremo, 3> marcas = CalcularMarcasExtremos(e.Linea);
    ImagenMesa* flechas[3] = {nullptr, &Ima_FlechaDer, &Ima_FlechaIzq};
    for (std::size_t i = 1; i <= 2; ++i) {
        const MarcaExtremo& m = marcas[i];
        ImagenMesa& flecha = *flechas[i];
        flecha.Move(QPoint(m.X, m.Y));
        if (m.Flecha >= 1 && m.Flecha <= 4)
            flecha.PonerDibujo(Ima_Flechas[static_cast<std::size_t>(m.Flecha)].Dibujo());
    }
}

void DeshacerJugada(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n)
{
    if (n < 1 || n >= static_cast<int>(s.l.e.Jugadas.size())) return;
    const RegistroJugada& j = s.l.e.Jugadas[static_cast<std::size_t>(n)];
    if (j.Jugador < 1 || j.Jugador > kAsientos || (j.Extremo != 1 && j.Extremo != 2)) return;

    RecorridoFicha r;
    r.AnimXOrigen = j.XFicha;
    r.AnimYOrigen = j.YFicha;
    r.AnimXDestino = j.XFicha;
    r.AnimYDestino = j.YFicha;
    if (const auto hueco = BuscarFichaEnMano(s.l.e, j.PuntoUnido, j.PuntoAbierto, j.Jugador)) {
        if (const auto sitio = CalcularPosicionFichaMano(s.l.e, s.l.a, s.l.p, j.Jugador, *hueco)) {
            r.AnimXDestino = sitio->X;
            r.AnimYDestino = sitio->Y;
        }
    }
    Borrar(s.l, j.XFicha, j.YFicha, j.AnchoFicha, j.AltoFicha);
    // The erase may have bitten into the tiles it overlapped: they come back whole.
    DibujarLinea(s.l, static_cast<Entero>(n - 1));
    MoverFicha(s, Ima_Mover, r, n, kAtras);
    Ima_Mover.Hide();
    DibujarMano(s.l, j.Jugador);
    s.Mostrar(Ima_Mover.Rectangulo());
    s.Sonido(ritmo_mesa::kSinEsperar, sonido::Ficha);
}

} // namespace zp

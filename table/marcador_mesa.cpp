#include "table/marcador_mesa.h"

#include "assets/recursos.h"
#include "engine/fin_mano.h"
#include "engine/redondeo.h"

#include <algorithm>

namespace zp {

namespace {

// Text whose centre stands at x.
void Centrado(Surface& s, double centro, int y, const QString& texto, const FontSpec& fuente)
{
    const int x = RedondearAPar(centro - textWidth(texto, fuente) / 2.0);
    s.text(x, y, texto, fuente, kAzulMarcador);
}

} // namespace

void DibujarMarcadorMesa(Surface& boton, const HojasMesa& hojas, EstadoJuego& e, const Ajustes& a)
{
    CalcularTotales(e, a);
    const auto bloc = recursos::bmpvario::Marcador;
    boton.blit(0, 0, bloc.ancho, bloc.alto, hojas.Pic_BmpVario, bloc.x, bloc.y);

    if (a.ModoJuego == Modalidad::Parejas) {
        const FontSpec fuente = FuenteMesa(kPixeles9, true);
        const QString n = QString::number(e.TotalPareja1), este = QString::number(e.TotalPareja2);
        if (e.TotalPareja1 <= 99 && e.TotalPareja2 <= 99) {
            boton.text(13, 9, QStringLiteral("N   E"), fuente, kNegroMesa);
            boton.text(9, 11, QStringLiteral("__ __"), fuente, kNegroMesa);
            Centrado(boton, 17, 27, n, fuente);
            Centrado(boton, 34, 27, este, fuente);
        } else {
            boton.text(8, 10, QStringLiteral("N:"), fuente, kNegroMesa);
            boton.text(20, 10, n, fuente, kAzulMarcador);
            boton.text(8, 26, QStringLiteral("E:"), fuente, kNegroMesa);
            boton.text(20, 26, este, fuente, kAzulMarcador);
        }
        return;
    }

    // Each seat's number where the seat sits: left, top, right, bottom.
    constexpr int kCentroX[5] = {0, 14, 25, 35, 25};
    constexpr int kY[5] = {0, 15, 5, 24, 34};
    const FontSpec fuente = FuenteMesa(kPixeles8, false);
    for (std::size_t p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        Centrado(boton, kCentroX[p], kY[p], QString::number(e.PuntosJugador[p]), fuente);
    }
}

} // namespace zp

#include "table/efectos_mano.h"

#include "assets/recursos.h"
#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/sonidos.h"
#include "table/dibujo_mano.h"
#include "table/disposicion_mesa.h"

#include <algorithm>

namespace zp {

namespace {

using namespace ritmo_mesa;

constexpr int kLadoSenal = 32;

void DibujarSenal(LienzoMesa& l, const recursos::ParMascara& senal, int x, int y)
{
    CopiarConMascara(l.mesa, x, y, senal.imagen.ancho, senal.imagen.alto, l.hojas.Pic_BmpVario,
                     senal.imagen.x, senal.imagen.y, senal.mascara.x, senal.mascara.y);
}

QPoint SitioSenal(const EscenaMesa& s, Entero asiento)
{
    const QPoint sitio = SituarIndicadorPaso(s.l.p, asiento);
    s.l.m.ZonaX = static_cast<Entero>(sitio.x());
    s.l.m.ZonaY = static_cast<Entero>(sitio.y());
    return sitio;
}

} // namespace

void ParpadearMano(const EscenaMesa& s, Entero asiento)
{
    if (!EsAsiento(asiento)) return;
    for (int vez = 0; vez < kParpadeosMano; ++vez) {
        const QRect zona = CalcularZonaMano(s.l.e, s.l.a, s.l.p, asiento);
        s.l.m.ZonaX = static_cast<Entero>(zona.x());
        s.l.m.ZonaY = static_cast<Entero>(zona.y());
        s.l.m.ZonaAncho = static_cast<Entero>(zona.width());
        s.l.m.ZonaAlto = static_cast<Entero>(zona.height());
        Borrar(s.l, zona.x(), zona.y(), zona.width(), zona.height());
        s.Mostrar(zona);
        s.Pausa(kPausaManoSin);
        DibujarMano(s.l, asiento);
        s.Mostrar(zona);
        s.Pausa(kPausaManoCon);
    }
}

void MostrarPaso(const EscenaMesa& s, ImagenMesa& Ima_Paso, Entero asiento)
{
    if (!EsAsiento(asiento)) return;
    if (Ima_Paso.Dibujo().isNull()) Ima_Paso.PonerDibujo(QImage(QString::fromLatin1(recursos::mesa::Paso)));
    s.Pausa(kPausaAntesPaso);
    Ima_Paso.Move(SitioSenal(s, asiento));
    for (int vez = 0; vez < kParpadeosPaso; ++vez) {
        Ima_Paso.Show();
        s.Mostrar(Ima_Paso.Rectangulo());
        s.Sonido(kEsperando, sonido::Paso);
        s.Pausa(kPausaSenalPaso);
        Ima_Paso.Hide();
        s.Mostrar(Ima_Paso.Rectangulo());
        s.Pausa(kPausaSenalPaso);
    }
}

void DibujarManoIndicadora(LienzoMesa& l, Entero asiento, Entero x, Entero y)
{
    if (!EsAsiento(asiento)) return;
    DibujarSenal(l, recursos::bmpvario::ManoSenal(asiento), x, y);
}

void IndicarFichas(const EscenaMesa& s, Entero asiento)
{
    if (!EsAsiento(asiento)) return;
    const auto p = static_cast<std::size_t>(asiento);
    const int n = HuecosDe(s.l.e, asiento);
    // Forward, back, forward again; where a sweep turns, the tile marked last is not marked again.
    const int primeros[kBarridos] = {1, n - 1, 2};
    const int ultimos[kBarridos] = {n, 1, n};
    const int pasos[kBarridos] = {1, -1, 1};
    int marcado = 0;
    for (int b = 0; b < kBarridos; ++b) {
        for (int h = primeros[b]; pasos[b] > 0 ? h <= ultimos[b] : h >= ultimos[b]; h += pasos[b]) {
            if (h < 1 || h > kHuecos) continue;
            if (s.l.e.Manos[p][static_cast<std::size_t>(h)].Estado != kEnMano || h == marcado) continue;
            const PuntoMesa sitio =
                CalcularPosicionManoIndicadora(s.l.e, s.l.p, asiento, static_cast<Entero>(h));
            DibujarManoIndicadora(s.l, asiento, sitio.X, sitio.Y);
            s.Mostrar(QRect(sitio.X, sitio.Y, kLadoSenal, kLadoSenal));
            // The more tiles, the quicker; past 16 tiles no wait at all.
            s.Pausa(static_cast<Entero>(kPausaIndicar - kRebajaPorFicha * s.l.e.FichasEnMano[p]));
            DibujarMano(s.l, asiento);
            s.Mostrar(QRect(sitio.X, sitio.Y, kLadoSenal, kLadoSenal));
            marcado = h;
        }
    }
}

void MostrarSenalDomino(const EscenaMesa& s, Entero asiento)
{
    if (!EsAsiento(asiento)) return;
    s.Sonido(kSinEsperar, sonido::Domino);
    const QPoint sitio = SitioSenal(s, asiento);
    const QRect zona(sitio, QSize(kLadoSenal, kLadoSenal));
    for (int vez = 0; vez < kParpadeosDomino; ++vez) {
        DibujarSenal(s.l, recursos::bmpvario::SenalDomino, sitio.x(), sitio.y());
        s.Mostrar(zona);
        s.Pausa(kPausaDominoCon);
        DibujarMano(s.l, asiento);
        s.Mostrar(zona);
        s.Pausa(kPausaDominoSin);
    }
}

} // namespace zp

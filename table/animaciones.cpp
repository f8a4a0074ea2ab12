#include "table/animaciones.h"

#include "assets/recursos.h"
#include "engine/disposicion_manos.h"
#include "engine/jugada.h"
#include "engine/sonidos.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_mano.h"
#include "table/dibujo_monton.h"

namespace zp {

namespace {

using namespace ritmo_mesa;

// The canvas ground that is left out of the moving picture (never a colour of a tile).
constexpr QRgb kFondoLienzo = qRgb(255, 0, 255);

int Signo(int v)
{
    return (v > 0) - (v < 0);
}

const RegistroJugada* Registro(const EstadoJuego& e, Entero n)
{
    if (n < 1 || n >= static_cast<int>(e.Jugadas.size())) return nullptr;
    const RegistroJugada& r = e.Jugadas[static_cast<std::size_t>(n)];
    if (r.Jugador < 1 || r.Jugador > kAsientos) return nullptr;
    return &r;
}

// The canvas as the picture of the image control: its ground shows the table through it, as the corners
// of a tile do on the line.
QImage SinFondo(const Surface& lienzo)
{
    QImage imagen = lienzo.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < imagen.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x)
            if ((fila[x] | 0xFF000000u) == kFondoLienzo) fila[x] = 0;
    }
    return imagen;
}

void Mostrar(const EscenaMesa& s, const ImagenMesa& imagen)
{
    s.Mostrar(imagen.Rectangulo());
}

} // namespace

void RecorrerPasos(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r)
{
    int x = r.AnimXOrigen, y = r.AnimYOrigen;
    const int xd = r.AnimXDestino, yd = r.AnimYDestino;
    if (x == xd && y == yd) return;
    int dx = kPasoPixeles * Signo(x - xd);
    int dy = kPasoPixeles * Signo(y - yd);
    while (x != xd || y != yd) {
        s.MarcarInicioPausa();
        if (x == xd) dx = 0;
        if (y == yd) dy = 0;
        x -= dx;
        y -= dy;
        // Arrival or overshoot snaps onto the destination.
        if (Signo(x - xd) != Signo(dx)) x = xd;
        if (Signo(y - yd) != Signo(dy)) y = yd;
        r.AnimXOrigen = static_cast<Entero>(x);
        r.AnimYOrigen = static_cast<Entero>(y);
        const QRect antes = Ima_Mover.Rectangulo();
        Ima_Mover.Move(QPoint(x, y));
        s.Mostrar(antes.united(Ima_Mover.Rectangulo()));
        s.Pausa(kPausaPaso);
    }
}

void MoverFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r, Entero n, Entero modo)
{
    const RegistroJugada* j = Registro(s.l.e, n);
    if (!j) return;
    const int w = j->AnchoFicha, h = j->AltoFicha;
    if (w <= 0 || h <= 0) return;
    Ima_Mover.Move(QPoint(r.AnimXOrigen, r.AnimYOrigen));

    Surface lienzo(w, h, kFondoLienzo);
    CopiarConMascara(lienzo, 0, 0, w, h, s.l.hojas.Pic_Dibujos, j->XSpriteFicha, 0, j->XSpriteFicha,
                     recursos::dibujos::DesplazamientoMascara);
    DibujarPuntosGrandes(lienzo, s.l.hojas, j->PuntoUnido, j->XMitad1 - j->XFicha, j->YMitad1 - j->YFicha,
                         j->GiroFicha);
    DibujarPuntosGrandes(lienzo, s.l.hojas, j->PuntoAbierto, j->XMitad2 - j->XFicha, j->YMitad2 - j->YFicha,
                         j->GiroFicha);
    Ima_Mover.PonerDibujo(SinFondo(lienzo));

    s.Mostrar(s.l.mesa.rect());
    s.Pausa(kPausaAlzar);
    if (modo == kAdelante) s.Sonido(kSinEsperar, sonido::Ficha);
    Ima_Mover.Show();
    Mostrar(s, Ima_Mover);
    s.Pausa(kPausaMostrar);
    s.Sonido(kSinEsperar, sonido::Desliza);
    RecorrerPasos(s, Ima_Mover, r);
}

void DeslizarFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, RecorridoFicha& r, Entero modo)
{
    const Entero lado = s.l.m.LadoMonton;
    const bool tumbada = lado == 2 || lado == 4;
    // The canvas is a pixel short of the tile drawn into it: its last column or row stays out.
    Surface lienzo(tumbada ? 40 : 20, tumbada ? 20 : 40, kFondoLienzo);
    DibujarMarcoFicha(lienzo, lado, 0, 0, tumbada ? kFichaTumbada : Entero(2));
    Ima_Mover.PonerDibujo(SinFondo(lienzo));

    s.Mostrar(s.l.mesa.rect());
    s.Pausa(kPausaAlzar);
    if (modo == kAdelante) s.Sonido(kSinEsperar, sonido::Ficha);
    Ima_Mover.Move(QPoint(r.AnimXOrigen, r.AnimYOrigen));
    Ima_Mover.Show();
    Mostrar(s, Ima_Mover);
    s.Pausa(kPausaMostrar);
    s.Sonido(kSinEsperar, sonido::Desliza);
    RecorrerPasos(s, Ima_Mover, r);
}

void AnimarJugada(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n)
{
    const RegistroJugada* j = Registro(s.l.e, n);
    if (!j) return;
    // The mover is the record's player: the recorder replays moves whatever the turn.
    const Entero p = j->Jugador;
    DibujarMano(s.l, p);
    RecorridoFicha r;
    r.AnimXDestino = j->XFicha;
    r.AnimYDestino = j->YFicha;
    r.AnimXOrigen = r.AnimXDestino;
    r.AnimYOrigen = r.AnimYDestino;
    if (const auto hueco = BuscarFichaEnMano(s.l.e, j->PuntoUnido, j->PuntoAbierto, p)) {
        if (const auto sitio = CalcularPosicionFichaMano(s.l.e, s.l.a, s.l.p, p, *hueco)) {
            r.AnimXOrigen = sitio->X;
            r.AnimYOrigen = sitio->Y;
        }
    }
    MoverFicha(s, Ima_Mover, r, n, kAdelante);
    Ima_Mover.Hide();
    DibujarFichaJugada(s.l, n);
    s.Mostrar(QRect(j->XFicha, j->YFicha, j->AnchoFicha, j->AltoFicha));
    // The first tile of a hand lands silently.
    if (n > 1) s.Sonido(kEsperando, sonido::Aterriza);
}

void AnimarRobarFicha(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero n)
{
    const RegistroJugada* j = Registro(s.l.e, n);
    if (!j) return;
    const LienzoMesa& l = s.l;
    const Entero p = j->Jugador;
    const DisposicionManos& d = l.e.Disposicion;
    const auto i = static_cast<std::size_t>(p);
    const Entero borde =
        l.a.Jugador[i].FichasJugador == VistaFichas::Visibles ? 0 : 23; // from the table's edge
    RecorridoFicha r;
    r.AnimXOrigen = j->XFicha;
    r.AnimYOrigen = j->YFicha;
    switch (p) {
    case 1:
        r.AnimXDestino = borde;
        r.AnimYDestino = d.FinMano[1];
        break;
    case 2:
        r.AnimXDestino = d.FinMano[2];
        r.AnimYDestino = borde;
        break;
    case 3:
        r.AnimXDestino = static_cast<Entero>(l.p.AnchoMesa - 39);
        r.AnimYDestino = d.FinMano[3];
        break;
    default:
        r.AnimXDestino = d.FinMano[4];
        r.AnimYDestino = d.EjeMano[4];
        break;
    }
    const Entero lado = l.m.LadoMonton;
    const Entero giro = (lado == 1 || lado == 3) ? Entero(2) : kFichaTumbada;

    if (!l.e.GrabadoraActiva) {
        // The tile about to be taken blinks twice in the stock.
        const QSize t = DibujarMarcoFicha(l.mesa, lado, j->XFicha, j->YFicha, giro);
        l.m.ZonaAncho = static_cast<Entero>(t.width());
        l.m.ZonaAlto = static_cast<Entero>(t.height());
        const QRect zona(j->XFicha, j->YFicha, t.width(), t.height());
        for (int vez = 0; vez < kParpadeosMonton; ++vez) {
            Borrar(s.l, zona.x(), zona.y(), zona.width(), zona.height());
            s.Mostrar(zona);
            s.Pausa(kPausaMontonSin);
            DibujarMarcoFicha(l.mesa, lado, j->XFicha, j->YFicha, giro);
            s.Mostrar(zona);
            s.Pausa(kPausaMontonCon);
        }
    }
    DibujarMonton(s.l);
    DeslizarFicha(s, Ima_Mover, r, kAdelante);
    Ima_Mover.Hide();
    DibujarMano(s.l, p);
    s.Mostrar(Ima_Mover.Rectangulo());
    s.Sonido(kEsperando, sonido::Ficha);
}

void DevolverFichaAlMonton(const EscenaMesa& s, ImagenMesa& Ima_Mover, Entero xDesde, Entero yDesde,
                           Entero xHasta, Entero yHasta)
{
    RecorridoFicha r{xDesde, yDesde, xHasta, yHasta};
    DeslizarFicha(s, Ima_Mover, r, kAtras);
    Ima_Mover.Hide();
    Mostrar(s, Ima_Mover);
}

} // namespace zp

#include "engine/geometria_linea.h"

#include <cassert>

#include "engine/indices.h"
#include "engine/redondeo.h"

namespace zp {

namespace {

bool DireccionValida(Entero d)
{
    return d >= kHaciaIzquierda && d <= kHaciaAbajo;
}

bool ExtremoValido(Entero e)
{
    return e == 1 || e == 2;
}

} // namespace

void PrepararInicioLinea(ExtremosLinea& linea, Entero jugadorSalida, const Pantalla& pantalla)
{
    assert(jugadorSalida >= 1 && jugadorSalida <= kAsientos);
    // One rounding on the whole expression.
    const int y0 = RedondearAPar((pantalla.AltoPantalla - 42 - 77) / 2.0 + 21);
    const int ancho = pantalla.AnchoMesa;
    const int alto = pantalla.AltoPantalla;
    auto& lim = linea.LimiteGiro;
    linea.YExtremo[1] = linea.YExtremo[2] = E(y0);
    // Margins of 146 px left and top, 147 right and 175 bottom; each end's last leg stops short of the start.
    lim[1][kHaciaIzquierda] = 146;
    lim[1][kHaciaAbajo] = E(alto - 175);
    lim[2][kHaciaArriba] = 146;
    lim[2][kHaciaDerecha] = E(ancho - 147);
    if (jugadorSalida == 1 || jugadorSalida == 3) {
        linea.DireccionExtremo[1] = kHaciaDerecha;
        linea.DireccionExtremo[2] = kHaciaIzquierda;
        linea.XExtremo[1] = pantalla.CentroX;
        linea.XExtremo[2] = E(pantalla.CentroX + 3);
        lim[1][kHaciaArriba] = E(y0 + 157);
        lim[1][kHaciaDerecha] = E(ancho - 147);
        lim[2][kHaciaIzquierda] = 146;
        lim[2][kHaciaAbajo] = E(y0 - 117);
    } else {
        linea.DireccionExtremo[1] = kHaciaAbajo;
        linea.DireccionExtremo[2] = kHaciaArriba;
        linea.XExtremo[1] = linea.XExtremo[2] = E(pantalla.CentroX - 20);
        lim[1][kHaciaArriba] = 146;
        lim[1][kHaciaDerecha] = E(linea.XExtremo[1] - 117);
        lim[2][kHaciaIzquierda] = E(linea.XExtremo[1] + 157);
        lim[2][kHaciaAbajo] = E(alto - 175);
    }
}

bool PasaLimiteGiro(Entero direccion, Entero limite, Entero posX, Entero posY)
{
    switch (direccion) {
    case kHaciaIzquierda:
        return posX < limite;
    case kHaciaArriba:
        return posY < limite;
    case kHaciaDerecha:
        return posX > limite;
    case kHaciaAbajo:
        return posY > limite;
    default:
        return false;
    }
}

AnclaLinea DoblarLinea(const AnclaLinea& ancla, Entero limite, bool anteriorAtravesado)
{
    assert(DireccionValida(ancla.Direccion));
    AnclaLinea r = ancla;
    int x = ancla.PosX;
    int y = ancla.PosY;
    const bool doble = ancla.DobleAtravesado;
    // After a double lying across, the new leg starts on the double's outer side. Within 40 px past the limit
    // the corner tile goes just beyond the end tile, and a double there is centred on the old line and laid
    // along the new one; farther past, the new leg starts beside the far end of the end tile.
    switch (ancla.Direccion) {
    case kHaciaIzquierda:
        if (anteriorAtravesado) {
            y -= 18;
        } else if (x + 40 >= limite) {
            x -= 40;
            y += 40;
            if (doble) {
                y += 19;
                r.DobleAtravesado = false;
            }
        } else {
            r.DobleAtravesado = false;
        }
        break;
    case kHaciaArriba:
        if (anteriorAtravesado) {
            x += 58;
        } else if (y + 40 < limite) {
            x += 39;
            r.DobleAtravesado = false;
        } else {
            y -= 40;
            x -= 1;
            if (doble) {
                x -= 19;
                r.DobleAtravesado = false;
            }
        }
        break;
    case kHaciaDerecha:
        if (anteriorAtravesado) {
            x -= 39;
            y += 58;
        } else if (x - 40 > limite) {
            x -= 39;
            y += 39;
            r.DobleAtravesado = false;
        } else {
            x += 1;
            y -= 1;
            if (doble) {
                y -= 19;
                r.DobleAtravesado = false;
            }
        }
        break;
    case kHaciaAbajo:
        if (anteriorAtravesado) {
            y -= 39;
            x -= 18;
        } else if (y - 40 > limite) {
            y -= 40;
            r.DobleAtravesado = false;
        } else {
            x += 40;
            y += 1;
            if (doble) {
                x += 19;
                r.DobleAtravesado = false;
            }
        }
        break;
    default:
        return r;
    }
    r.PosX = E(x);
    r.PosY = E(y);
    r.Direccion = E(ancla.Direccion % 4 + 1);
    return r;
}

FichaLinea CalcularRectanguloFichaLinea(const AnclaLinea& ancla, Entero ladoAnterior, Entero centroX)
{
    assert(DireccionValida(ancla.Direccion));
    const int x = ancla.PosX;
    const int y = ancla.PosY;
    const bool atravesada = ancla.DobleAtravesado;
    const int d = ancla.Direccion;

    // Rectangle: a double across is centred on the line, 18 px to each side of the band.
    int xf = 0, yf = 0;
    bool dePie = false;
    switch (d) {
    case kHaciaIzquierda:
        xf = atravesada ? x - 40 : x - 77;
        yf = atravesada ? y - 18 : y;
        dePie = atravesada;
        break;
    case kHaciaArriba:
        xf = atravesada ? x - 18 : x;
        yf = atravesada ? y - 40 : y - 77;
        dePie = !atravesada;
        break;
    case kHaciaDerecha:
        xf = x + 1;
        yf = atravesada ? y - 18 : y;
        dePie = atravesada;
        break;
    case kHaciaAbajo:
        xf = atravesada ? x - 18 : x;
        yf = y + 1;
        dePie = !atravesada;
        break;
    default:
        break;
    }

    const Entero lado = xf < centroX ? kLadoIzquierdo : kLadoDerecho;
    // The first tile of a horizontal run on the other half of the table is drawn 2 px back towards the tile
    // before it. The half is decided before the shift.
    if (d == kHaciaIzquierda && lado == kLadoIzquierdo && ladoAnterior == kLadoDerecho) {
        xf += 2;
    } else if (d == kHaciaDerecha && lado == kLadoDerecho && ladoAnterior == kLadoIzquierdo) {
        xf -= 2;
    }
    const int k = lado == kLadoDerecho ? 4 : 0;

    // Halves 37 px apart; along the line the joined half is the one next to the end tile.
    int xm1 = xf + k, ym1 = yf, xm2 = xf + k, ym2 = yf;
    switch (d) {
    case kHaciaIzquierda:
        if (atravesada)
            ym2 += 37;
        else
            xm1 += 37;
        break;
    case kHaciaArriba:
        if (atravesada)
            xm1 += 37;
        else
            ym1 += 37;
        break;
    case kHaciaDerecha:
        if (atravesada)
            ym2 += 37;
        else
            xm2 += 37;
        break;
    case kHaciaAbajo:
        if (atravesada)
            xm1 += 37;
        else
            ym2 += 37;
        break;
    default:
        break;
    }

    FichaLinea f;
    f.XFicha = E(xf);
    f.YFicha = E(yf);
    f.AnchoFicha = dePie ? kAnchoFichaLinea : kLargoFichaLinea;
    f.AltoFicha = dePie ? kLargoFichaLinea : kAnchoFichaLinea;
    f.LadoMesa = lado;
    if (dePie) {
        f.XSpriteFicha = lado == kLadoIzquierdo ? kSpriteDePieIzquierda : kSpriteDePieDerecha;
    } else {
        f.XSpriteFicha = lado == kLadoIzquierdo ? kSpriteTumbadaIzquierda : kSpriteTumbadaDerecha;
    }
    f.XMitad1 = E(xm1);
    f.YMitad1 = E(ym1);
    f.XMitad2 = E(xm2);
    f.YMitad2 = E(ym2);
    f.GiroFicha = dePie ? 1 : 0;
    f.DobleAtravesado = atravesada;

    // New anchor: the last column or row of the tile on the side of growth.
    f.PosX = ancla.PosX;
    f.PosY = ancla.PosY;
    switch (d) {
    case kHaciaIzquierda:
        f.PosX = E(xf);
        break;
    case kHaciaArriba:
        f.PosY = E(yf);
        break;
    case kHaciaDerecha:
        f.PosX = E(xf + f.AnchoFicha - 1);
        break;
    case kHaciaAbajo:
        f.PosY = E(yf + f.AltoFicha - 1);
        break;
    default:
        break;
    }
    return f;
}

Entero BuscarJugadaAnteriorExtremo(const std::vector<RegistroJugada>& jugadas, Entero numeroJugada,
                                   Entero extremo)
{
    for (int m = numeroJugada - 1; m >= 1; --m) {
        if (m < static_cast<int>(jugadas.size()) && jugadas[static_cast<std::size_t>(m)].Extremo == extremo) {
            return E(m);
        }
    }
    return 0;
}

namespace {

const RegistroJugada* RegistroAnterior(const EstadoJuego& estado, Entero jugadaAnteriorExtremo)
{
    if (jugadaAnteriorExtremo < 1 || jugadaAnteriorExtremo >= static_cast<int>(estado.Jugadas.size())) {
        return nullptr;
    }
    return &estado.Jugadas[static_cast<std::size_t>(jugadaAnteriorExtremo)];
}

// The end being played and the direction it grows in, when both are ones the line can be drawn from.
bool ExtremoEnJuego(const EstadoJuego& estado, std::size_t& e, Entero& d)
{
    assert(ExtremoValido(estado.ExtremoElegido));
    if (!ExtremoValido(estado.ExtremoElegido)) return false;
    e = static_cast<std::size_t>(estado.ExtremoElegido);
    d = estado.Linea.DireccionExtremo[e];
    return DireccionValida(d);
}

} // namespace

void DoblarLinea(EstadoJuego& estado, Entero jugadaAnteriorExtremo)
{
    std::size_t e = 0;
    Entero d = 0;
    if (!ExtremoEnJuego(estado, e, d)) return;
    ColocacionFicha& col = estado.Colocacion;
    const RegistroJugada* anterior = RegistroAnterior(estado, jugadaAnteriorExtremo);
    const AnclaLinea r = DoblarLinea(AnclaLinea{col.PosX, col.PosY, d, col.DobleAtravesado},
                                     estado.Linea.LimiteGiro[e][static_cast<std::size_t>(d)],
                                     anterior != nullptr && anterior->DobleAtravesado != 0);
    col.PosX = r.PosX;
    col.PosY = r.PosY;
    col.DobleAtravesado = r.DobleAtravesado;
    estado.Linea.DireccionExtremo[e] = r.Direccion;
}

void CalcularRectanguloFichaLinea(EstadoJuego& estado, Entero jugadaAnteriorExtremo, Entero centroX)
{
    std::size_t e = 0;
    Entero d = 0;
    if (!ExtremoEnJuego(estado, e, d)) return;
    ColocacionFicha& col = estado.Colocacion;
    const RegistroJugada* anterior = RegistroAnterior(estado, jugadaAnteriorExtremo);
    const FichaLinea f =
        CalcularRectanguloFichaLinea(AnclaLinea{col.PosX, col.PosY, d, col.DobleAtravesado},
                                     anterior != nullptr ? anterior->LadoMesa : Entero{0}, centroX);
    col.XFicha = f.XFicha;
    col.YFicha = f.YFicha;
    col.AnchoFicha = f.AnchoFicha;
    col.AltoFicha = f.AltoFicha;
    col.LadoMesa = f.LadoMesa;
    col.XSpriteFicha = f.XSpriteFicha;
    col.XMitad1 = f.XMitad1;
    col.YMitad1 = f.YMitad1;
    col.XMitad2 = f.XMitad2;
    col.YMitad2 = f.YMitad2;
    col.GiroFicha = f.GiroFicha;
    col.PosX = f.PosX;
    col.PosY = f.PosY;
}

std::array<MarcaExtremo, 3> CalcularMarcasExtremos(const ExtremosLinea& linea)
{
    std::array<MarcaExtremo, 3> marcas{};
    for (std::size_t i = 1; i <= 2; ++i) {
        const int x = linea.XExtremo[i];
        const int y = linea.YExtremo[i];
        MarcaExtremo& m = marcas[i];
        switch (linea.DireccionExtremo[i]) {
        case kHaciaIzquierda:
            m = {E(x - 34), E(y + 2), 1};
            break;
        case kHaciaArriba:
            m = {E(x + 4), E(y - 34), 2};
            break;
        case kHaciaDerecha:
            m = {E(x + 2), E(y + 2), 3};
            break;
        case kHaciaAbajo:
            m = {E(x + 6), E(y + 2), 4};
            break;
        default:
            break; // no line yet: no arrow
        }
    }
    return marcas;
}

} // namespace zp

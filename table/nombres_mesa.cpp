#include "table/nombres_mesa.h"

#include "engine/indices.h"
#include "engine/redondeo.h"

namespace zp {

namespace {

constexpr int kLetras = 9; // a name holds nine characters at most

QString Nombre(const Ajustes& a, Entero asiento)
{
    return QString::fromStdString(NombreAsiento(a, asiento));
}

FontSpec FuenteLinea()
{
    return FuenteMesa(kPixeles825, false);
}

void EnLinea(LienzoMesa& l, Entero asiento)
{
    const DisposicionManos& d = l.e.Disposicion;
    const int alto = l.p.AltoPantalla;
    QRect restaurado;
    QPoint texto;
    switch (asiento) {
    case 1:
        restaurado = QRect(0, d.InicioMano[1] - 28, 50, 13);
        texto = restaurado.topLeft();
        break;
    case 2:
        restaurado = QRect(d.FinMano[2] + 1, 13, 75, 14);
        texto = restaurado.topLeft();
        break;
    case 3:
        restaurado = QRect(l.p.AnchoMesa - 45, d.InicioMano[3] - 28, 46, 13);
        texto = QPoint(d.EjeMano[3], d.InicioMano[3] - 28);
        break;
    default:
        restaurado = QRect(d.FinMano[4] + 19, alto - 28, 75, 14);
        texto = restaurado.topLeft();
        break;
    }
    Borrar(l, restaurado.x(), restaurado.y(), restaurado.width(), restaurado.height());
    l.mesa.text(texto.x(), texto.y(), TextoNombreEnLinea(l.a, asiento), FuenteLinea(), kAmarilloMesa);
}

void EnLetras(LienzoMesa& l, Entero asiento)
{
    const DisposicionManos& d = l.e.Disposicion;
    const int alto = l.p.AltoPantalla, ancho = l.p.AnchoMesa;
    const QString nombre = Nombre(l.a, asiento);
    const int largo = int(nombre.trimmed().size());
    const bool lateral = asiento == 1 || asiento == 3;
    const int origen = RedondearAPar(((lateral ? alto : ancho) - 16.0 * largo) / 2.0);
    switch (asiento) {
    case 1:
        Borrar(l, 3, d.InicioMano[1], 18, d.LongitudMano[1]);
        break;
    case 2:
        Borrar(l, d.InicioMano[2], 0, d.LongitudMano[2], 18);
        break;
    case 3:
        Borrar(l, ancho - 13, d.InicioMano[3], 18, d.LongitudMano[3]);
        break;
    default:
        Borrar(l, d.InicioMano[4], alto - 25, d.LongitudMano[4], 18);
        break;
    }
    const FontSpec fuente = FuenteMesa(kPixeles9, true);
    for (int i = 1; i <= kLetras && i <= nombre.size(); ++i) {
        const QString letra = nombre.mid(i - 1, 1);
        const int w = textWidth(letra, fuente);
        const int a_lo_largo = origen + 16 * (i - 1);
        int x = 0, y = 0;
        switch (asiento) {
        case 1:
            x = RedondearAPar(3 + (10 - w) / 2.0);
            y = a_lo_largo;
            break;
        case 2:
            x = RedondearAPar(a_lo_largo + 10 - w / 2.0);
            y = 3;
            break;
        case 3:
            x = RedondearAPar(ancho - 13 + (10 - w) / 2.0);
            y = a_lo_largo;
            break;
        default:
            x = RedondearAPar(a_lo_largo + 10 - w / 2.0);
            y = alto - 25;
            break;
        }
        l.mesa.text(x, y, letra, fuente, kAmarilloMesa);
    }
}

} // namespace

bool NombreEnLetras(const EstadoJuego& e, const Ajustes& a, Entero asiento)
{
    if (asiento < 1 || asiento > 4) return false;
    if (asiento == 4) return e.ManoHolgada[4] && a.Jugador[4].FichasJugador == VistaFichas::Ocultas;
    return e.ManoHolgada[I(asiento)];
}

QString TextoNombreEnLinea(const Ajustes& a, Entero asiento)
{
    const QString nombre = Nombre(a, asiento);
    if (asiento == 1 && textWidth(nombre, FuenteLinea()) > 50) return nombre.left(7);
    return nombre;
}

void DibujarNombres(LienzoMesa& l)
{
    for (Entero p = 1; p <= 4; ++p) {
        if (!AsientoEnJuego(l.a, p)) continue;
        if (NombreEnLetras(l.e, l.a, p))
            EnLetras(l, p);
        else
            EnLinea(l, p);
    }
}

} // namespace zp

#include "table/disposicion_mesa.h"

#include "engine/redondeo.h"

namespace zp {

DisposicionMesa CalcularDisposicionMesa(const Pantalla& p)
{
    DisposicionMesa d;
    const int ancho = p.AnchoPantalla, alto = p.AltoPantalla;
    d.Formulario = QRect(0, 0, ancho + 2, alto + 2);
    d.Pic_Botonera = QRect(ancho - kAnchoBotonera, 0, kAnchoBotonera, alto);
    for (int i = 1; i <= 8; ++i) d.Pic_Boton[i] = QRect(20, YBoton[i], kLadoBoton, kLadoBoton);
    d.Pic_Boton[9] = QRect(QPoint(20, alto - 41), kTamanoBoton9);
    // Centred in the gap between buttons 7 and 9, worked out in floating point.
    const double hueco = d.Pic_Boton[9].y() - YBoton[7] - kLadoBoton - kTamanoBotContinuar.height();
    const int arriba = RedondearAPar(YBoton[7] + kLadoBoton + hueco / 2.0);
    d.Pic_BotContinuar = QRect(QPoint(3, arriba), kTamanoBotContinuar);
    d.Pic_Grabadora = QRect(QPoint(p.AnchoMesa - 55, alto - 76), kTamanoGrabadora);
    d.Pic_Marmol = QSize(ancho + 9, alto + 2);
    d.Lis_Grabadora = QRect(QPoint(0, alto - kTamanoListaGrabadora.height()), kTamanoListaGrabadora);
    return d;
}

QRect CalcularZonaMano(const EstadoJuego& e, const Ajustes& a, const Pantalla& p, Entero asiento)
{
    if (asiento < 1 || asiento > 4) return {};
    const auto s = static_cast<std::size_t>(asiento);
    const DisposicionManos& d = e.Disposicion;
    const bool canto = e.ManoHolgada[s];
    const int fondo = canto ? 17 : 42;
    switch (asiento) {
    case 1:
        return QRect(canto ? 23 : 0, d.InicioMano[1], fondo, d.LongitudMano[1]);
    case 2:
        return QRect(d.InicioMano[2], canto ? 23 : 0, d.LongitudMano[2], fondo);
    case 3:
        return QRect(canto ? p.AnchoMesa - 39 : d.EjeMano[3], d.InicioMano[3], fondo, d.LongitudMano[3]);
    default: {
        int alto = 42;
        if (e.ManoHolgada[4]) alto = a.Jugador[4].FichasJugador == VistaFichas::Visibles ? 77 : 17;
        return QRect(d.InicioMano[4], d.EjeMano[4], d.LongitudMano[4], alto);
    }
    }
}

QPoint SituarIndicadorPaso(const Pantalla& p, Entero jugadorTurno)
{
    switch (jugadorTurno) {
    case 1:
        return {3, p.CentroY - 16};
    case 2:
        return {p.CentroX - 16, 3};
    case 3:
        return {p.AnchoMesa - 36, p.CentroY - 16};
    default:
        return {p.CentroX - 16, p.AltoPantalla - 36};
    }
}

} // namespace zp

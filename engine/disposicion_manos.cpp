#include "engine/disposicion_manos.h"

#include "engine/redondeo.h"

namespace zp {

namespace {

constexpr int kPasoOculta = 39; // full pitch, and the test for it
constexpr int kAnchoListaJugadas = 165;

bool ManoTapaLista(const DisposicionManos& d)
{
    return d.InicioMano[4] < kAnchoListaJugadas + 1;
}

} // namespace

ResultadoDisposicion CalcularDisposicionManos(const EstadoJuego& e, const Ajustes& a,
                                              const Pantalla& pantalla)
{
    ResultadoDisposicion r;
    DisposicionManos& d = r.disposicion;
    const int alto = pantalla.AltoPantalla;
    const int ancho = pantalla.AnchoMesa;
    const int sitio[5] = {0, alto - 150, ancho - 83, alto - 150, ancho - 100};

    for (int p = 1; p <= 4; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const int n = e.HuecosMano[i];
        const bool oculta = a.Jugador[i].FichasJugador == VistaFichas::Ocultas;
        bool holgada = oculta && n * kPasoOculta < sitio[p];
        if (p == 4 && a.NumeroJugadores == 4) holgada = true;
        if (e.RepartoEnCurso) holgada = false;
        int paso =
            (p == 4 && a.Jugador[4].FichasJugador == VistaFichas::Visibles) ? kPasoGrande : kPasoOculta;
        if (!holgada && n * kPasoOculta > sitio[p]) {
            const int base = (p == 1 || p == 3) ? 21 : 20; // the small tile along the strip
            paso = base + (sitio[p] - n * base) / n;       // non-negative here, so / rounds down
        }
        r.ManoHolgada[i] = holgada;
        d.SeparacionFichas[i] = static_cast<Entero>(paso);
    }

    for (int p = 1; p <= 4; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const int lado = (p == 1 || p == 3) ? alto : ancho;
        const int longitud = e.HuecosMano[i] * d.SeparacionFichas[i];
        d.LongitudMano[i] = static_cast<Entero>(longitud);
        d.InicioMano[i] = RedondearAPar((lado - longitud) / 2.0);
        d.FinMano[i] = static_cast<Entero>(d.InicioMano[i] + longitud - 1);
    }
    d.EjeMano[1] = 41;
    d.EjeMano[2] = 41;
    d.EjeMano[3] = static_cast<Entero>(ancho - 42);
    d.EjeMano[4] = static_cast<Entero>(r.ManoHolgada[4] ? alto - 77 : alto - 42);

    r.OcultarLista = ManoTapaLista(d);
    return r;
}

bool AplicarDisposicionManos(EstadoJuego& e, Ajustes& a, const ResultadoDisposicion& r)
{
    e.Disposicion = r.disposicion;
    for (std::size_t p = 1; p <= 4; ++p) e.ManoHolgada[p] = r.ManoHolgada[p];
    if (r.OcultarLista) a.ListaJugadas = VistaLista::AlConectarGrabadora;
    return r.OcultarLista;
}

void CalcularDisposicionManos(Contexto& c)
{
    if (AplicarDisposicionManos(c.e, c.a, CalcularDisposicionManos(c.e, c.a, c.pantalla)))
        c.grabadora.MostrarListaJugadas(false);
}

bool ListaJugadasVisible(const EstadoJuego& e, const Ajustes& a)
{
    return a.ListaJugadas == VistaLista::SiempreVisible && !ManoTapaLista(e.Disposicion);
}

std::optional<PuntoMesa> CalcularPosicionFichaMano(const EstadoJuego& e, const Ajustes& a,
                                                   const Pantalla& pantalla, Entero p, Entero n)
{
    const DisposicionManos& d = e.Disposicion;
    const auto paso = [&](int s) { return (n - 1) * d.SeparacionFichas[static_cast<std::size_t>(s)]; };
    switch (p) {
    case 1:
        return PuntoMesa{static_cast<Entero>(a.Jugador[1].FichasJugador == VistaFichas::Visibles ? 0 : 23),
                         static_cast<Entero>(d.InicioMano[1] + paso(1))};
    case 2:
        return PuntoMesa{static_cast<Entero>(d.InicioMano[2] + paso(2)),
                         static_cast<Entero>(a.Jugador[2].FichasJugador == VistaFichas::Visibles ? 0 : 23)};
    case 3:
        return PuntoMesa{static_cast<Entero>(pantalla.AnchoMesa - 39),
                         static_cast<Entero>(d.InicioMano[3] + paso(3))};
    case 4: {
        const int x = e.ManoHolgada[4] ? d.InicioMano[4] + (n - 1) * kPasoGrande : d.InicioMano[4] + paso(4);
        return PuntoMesa{static_cast<Entero>(x), d.EjeMano[4]};
    }
    default:
        return std::nullopt;
    }
}

} // namespace zp

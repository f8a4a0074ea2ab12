#include "engine/reparto_manual.h"

#include "engine/redondeo.h"

namespace zp {

void CalcularOrigenRejilla(EstadoJuego& e, const Pantalla& pantalla)
{
    e.OrigenRejillaX = RedondearAPar((pantalla.AnchoPantalla - 254) / 2.0);
    e.OrigenRejillaY = RedondearAPar((pantalla.AltoPantalla - 342) / 2.0 - 20);
}

bool ColocarFichaReparto(EstadoJuego& e, Entero asiento, Entero a, Entero b)
{
    if (!e.RepartoEnCurso || asiento < 1 || asiento > 4) return false;
    const auto p = static_cast<std::size_t>(asiento);
    if (!e.AsientoReparto[p] || e.FichasEnMano[p] >= e.FichasReparto) return false;
    if (a < 0 || a > 6 || b < 0 || b > a) return false;
    auto& celda = e.RejillaReparto[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    if (!celda) return false;
    for (int k = 1; k <= e.FichasReparto && k <= kHuecos; ++k) {
        HuecoMano& h = e.Manos[p][static_cast<std::size_t>(k)];
        if (h.Estado != kVacio) continue;
        h = HuecoMano{a, b, kEnMano};
        ++e.FichasEnMano[p];
        celda = false;
        return true;
    }
    return false;
}

std::optional<HuecoMano> DevolverFichaReparto(EstadoJuego& e, Entero asiento, Entero hueco)
{
    if (!e.RepartoEnCurso || asiento < 1 || asiento > 4 || hueco < 1 || hueco > e.FichasReparto ||
        hueco > kHuecos)
        return std::nullopt;
    const auto p = static_cast<std::size_t>(asiento);
    HuecoMano& h = e.Manos[p][static_cast<std::size_t>(hueco)];
    if (h.Estado == kVacio || h.PuntoA < 0 || h.PuntoA > 6 || h.PuntoB < 0 || h.PuntoB > h.PuntoA)
        return std::nullopt;
    h.Estado = kVacio;
    --e.FichasEnMano[p];
    e.RejillaReparto[static_cast<std::size_t>(h.PuntoA)][static_cast<std::size_t>(h.PuntoB)] = true;
    return h;
}

bool RepartoManualCompleto(const EstadoJuego& e)
{
    int asientos = 0, fichas = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        if (e.AsientoReparto[p]) ++asientos;
        fichas += e.FichasEnMano[p];
    }
    return fichas == asientos * e.FichasReparto;
}

FinRepartoManual RepartirAMano(Contexto& c, const Ajustes& r)
{
    EstadoJuego& e = c.e;
    c.mandos.PonerPunteroMesa(Puntero::Normal);
    c.mandos.AnularZonaPuntero();
    e.RepartoEnCurso = true;
    e.RejillaReparto = {};
    e.FichasReparto = r.FichasPorJugador;
    for (std::size_t p = 0; p <= 4; ++p) e.AsientoReparto[p] = p >= 1 && AsientoEnJuego(r, p);
    CalcularOrigenRejilla(e, c.pantalla);

    for (Entero a = 0; a <= 6; ++a) {
        for (Entero b = 0; b <= a; ++b) {
            e.RejillaReparto[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = true;
            c.dibujo.DibujarFichaDescubierta(a, b);
        }
    }
    for (Entero p = 1; p <= 4; ++p) c.dibujo.DibujarMano(p);
    c.dibujo.DibujarNombres();
    c.dibujo.Refrescar();

    // The live rules are watched only for the switch to the random deal; anything else changed meanwhile
    // waits for the next hand.
    const Espera espera = c.usuario.EsperarRepartoManual(
        e, [&] { return RepartoManualCompleto(e) || c.a.SistemaReparto == FormaReparto::Aleatorio; });
    e.RepartoEnCurso = false;
    if (espera == Espera::Abandonada) return FinRepartoManual::Abandonado;
    if (!RepartoManualCompleto(e)) return FinRepartoManual::CambioAleatorio;

    // What is left on the grid goes to random free slots of the stock.
    for (Entero a = 0; a <= 6; ++a) {
        for (Entero b = 0; b <= a; ++b) {
            if (!e.RejillaReparto[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]) continue;
            bool libre = false;
            for (int k = 1; k <= e.FichasMonton; ++k)
                libre = libre || e.Monton[static_cast<std::size_t>(k)].PuntoA == kNinguna;
            if (!libre) continue;
            std::size_t k = 0;
            do {
                k = static_cast<std::size_t>(Aleatorio(c.azar, e.FichasMonton));
            } while (e.Monton[k].PuntoA != kNinguna);
            e.Monton[k] = FichaMonton{a, b};
        }
    }

    c.dibujo.LimpiarMesa();
    for (Entero p = 1; p <= 4; ++p)
        if (r.Jugador[static_cast<std::size_t>(p)].FichasJugador == VistaFichas::Ocultas)
            c.dibujo.DibujarMano(p);
    c.mandos.PonerPunteroMesa(Puntero::Reloj);
    return FinRepartoManual::Completo;
}

} // namespace zp

#include "engine/cinco_dobles.h"

#include <string>

#include "engine/mensajes_red.h"

namespace zp {

namespace {

constexpr int kAyuda = 2144;
const std::string kTitulo = "Jugador con cinco dobles";
// The question closed from outside keeps the tiles: refusing them would deal the hand again.
constexpr CierreCaja kCierre = CierreCaja::Aceptar;

// An automatic player's refusal, told in a one-button box.
bool AvisarRechazo(Contexto& c, const Ajustes& r, int p)
{
    const std::string texto = "El jugador " + NombreAsiento(r, p) +
                              " tiene cinco o más dobles entre sus fichas iniciales y ha optado por "
                              "rechazarlas y repetir el juego.";
    return !c.usuario.MostrarMensaje(kTitulo, texto, 2, 1, kAyuda).abandonada;
}

// The seat is still played from another computer over the network.
bool ControlRemoto(const Ajustes& a, int p)
{
    return a.JuegoEnRed && AsientoConControl(a, p, Control::Remoto);
}

DecisionCincoDobles Decision(bool rechazadas)
{
    return rechazadas ? DecisionCincoDobles::Rechazadas : DecisionCincoDobles::Aceptadas;
}

DecisionCincoDobles EnLocal(Contexto& c, const Ajustes& r)
{
    bool rechazadas = false;
    for (int p = 1; p <= 4; ++p) {
        if (c.e.DoblesJugador[static_cast<std::size_t>(p)] < kMinimoDobles) continue;
        if (r.Jugador[static_cast<std::size_t>(p)].ControlJugador != Control::Manual) {
            if (!AvisarRechazo(c, r, p)) return DecisionCincoDobles::Abandonada;
            rechazadas = true;
        } else {
            const std::string texto = "El jugador " + NombreAsiento(r, p) +
                                      " tiene cinco o más dobles entre sus fichas iniciales. ¿Desea seguir "
                                      "jugando con ellas (botón Aceptar) o rechazarlas y repetir la mano "
                                      "(botón Cancelar)?";
            const auto respuesta = c.usuario.MostrarMensaje(kTitulo, texto, 3, 2, kAyuda, kCierre);
            if (respuesta.abandonada) return DecisionCincoDobles::Abandonada;
            rechazadas = !respuesta.valor;
        }
    }
    return Decision(rechazadas);
}

DecisionCincoDobles EnRed(Contexto& c, const Ajustes& r)
{
    EstadoJuego& e = c.e;
    int p = 0;
    for (int q = 1; q <= 4 && p == 0; ++q)
        if (e.DoblesJugador[static_cast<std::size_t>(q)] >= kMinimoDobles) p = q;
    if (p == 0) return DecisionCincoDobles::Aceptadas;

    const bool administrador = r.ModoRed == PapelRed::Administrador;
    bool rechazadas = false;
    if (p == 4) {
        const auto respuesta = c.usuario.MostrarMensaje(
            kTitulo,
            "Ha recibido  cinco  o  más  dobles entre sus fichas iniciales. ¿Desea seguir jugando con ellas "
            "(Aceptar) o rechazarlas y repetir la mano (Cancelar)?",
            3, 2, kAyuda, kCierre);
        if (respuesta.abandonada) return DecisionCincoDobles::Abandonada;
        rechazadas = !respuesta.valor;
        if (!administrador) {
            c.red.EnviarAlAdministrador(CrearMensajeCincoDobles(rechazadas));
            return Decision(rechazadas);
        }
    } else if (administrador && AsientoConControl(r, p, Control::Automatico)) {
        if (!AvisarRechazo(c, r, p)) return DecisionCincoDobles::Abandonada;
        rechazadas = true;
    } else {
        const std::string texto =
            "El jugador " + NombreAsiento(r, p) +
            " tiene cinco o más dobles entre sus fichas iniciales y debe decidir si las "
            "acepta o las rechaza. Permanezca a la espera." +
            std::string(SaltoLinea);
        c.usuario.IniciarEspera();
        const Espera espera = c.red.EsperarRed([&] {
            // A player lost meanwhile is played here from then on, and an automatic player refuses.
            if (administrador && !ControlRemoto(c.a, p)) return rechazadas = true;
            c.usuario.MostrarEspera(kTitulo, texto, 5);
            const std::optional<bool> d = TomarCincoDoblesDeCola(c.red.ColaRed());
            if (d) rechazadas = *d;
            return d.has_value();
        });
        c.usuario.OcultarEspera();
        if (espera == Espera::Abandonada) return DecisionCincoDobles::Abandonada;
    }

    if (administrador) {
        c.red.EnviarAClientes(CrearMensajeCincoDobles(rechazadas), static_cast<Entero>(p));
    } else if (rechazadas && !AvisarRechazo(c, r, p)) {
        return DecisionCincoDobles::Abandonada;
    }
    return Decision(rechazadas);
}

} // namespace

DecisionCincoDobles AplicarCincoDobles(Contexto& c, const Ajustes& r)
{
    if (r.JugadorCincoDobles != CincoDobles::PuedeDevolver) return DecisionCincoDobles::Aceptadas;
    return r.JuegoEnRed ? EnRed(c, r) : EnLocal(c, r);
}

} // namespace zp

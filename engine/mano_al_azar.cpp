#include "engine/mano_al_azar.h"

#include "engine/analisis_mano.h"
#include "engine/indices.h"
#include "engine/turno.h"

namespace zp {

namespace {

bool HuecoEnMano(const HuecoMano& h)
{
    return h.Estado == kEnMano && h.PuntoA != kNinguna;
}

} // namespace

std::vector<JugadaPosible> ListarJugadasPosibles(const EstadoJuego& e, const Ajustes& a)
{
    std::vector<JugadaPosible> r;
    const Entero p = e.JugadorTurno;
    if (p < 1 || p > kAsientos) return r;
    const auto& x = e.Linea.Extremos;
    for (int s = 1; s <= e.HuecosMano[I(p)]; ++s) {
        const Entero hueco = static_cast<Entero>(s);
        if (!ComprobarFichaJugable(e, a, hueco)) continue;
        const HuecoMano& h = e.Manos[I(p)][I(s)];
        if (e.NumeroJugada == 1) {
            r.push_back({hueco, 1, h.PuntoA, h.PuntoB});
            continue;
        }
        const int extremos = x[1] == x[2] ? 1 : 2;
        for (int k = 1; k <= extremos; ++k) {
            const Entero extremo = static_cast<Entero>(k);
            if (h.PuntoA == x[I(k)])
                r.push_back({hueco, extremo, h.PuntoA, h.PuntoB});
            else if (h.PuntoB == x[I(k)])
                r.push_back({hueco, extremo, h.PuntoB, h.PuntoA});
        }
    }
    return r;
}

bool ManoCerrada(const EstadoJuego& e, const Ajustes& a)
{
    const auto& x = e.Linea.Extremos;
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        if (!AsientoEnJuego(a, p)) continue;
        for (int s = 1; s <= e.HuecosMano[p]; ++s) {
            const HuecoMano& h = e.Manos[p][I(s)];
            if (HuecoEnMano(h) &&
                (h.PuntoA == x[1] || h.PuntoA == x[2] || h.PuntoB == x[1] || h.PuntoB == x[2]))
                return false;
        }
    }
    if (e.FichasMonton > a.RemanentesMonton) {
        const auto puestas = [&](Entero n) { return AnalizarFichasNumero(e, 0, n).PuestasConNumero; };
        if (puestas(x[1]) < 7 || puestas(x[2]) < 7) return false;
    }
    return true;
}

ResultadoManoAlAzar JugarManoAlAzar(Contexto& c)
{
    EstadoJuego& e = c.e;
    ResultadoManoAlAzar resultado;
    for (;;) {
        e.FichaA = e.FichaB = e.ExtremoElegido = kNinguna;
        if (!AvanzarTurno(e, c.a)) {
            resultado.Fallo = FalloJugada::JugadorNoValido;
            return resultado;
        }
        e.JugadaElegida = false;
        e.EleccionTurno = false;
        std::vector<JugadaPosible> posibles = ListarJugadasPosibles(e, c.a);
        while (posibles.empty() && e.FichasMonton > c.a.RemanentesMonton) {
            resultado.Fallo = RobarFicha(c);
            if (resultado.Fallo != FalloJugada::Ninguno) return resultado;
            posibles = ListarJugadasPosibles(e, c.a);
        }
        e.ExtremoElegido = kExtremoPasa; // nothing fits: a pass, as the chooser leaves it
        if (!posibles.empty()) {
            const JugadaPosible& j = posibles[I(Aleatorio(c.azar, static_cast<int>(posibles.size())) - 1)];
            e.FichaA = j.FichaA;
            e.FichaB = j.FichaB;
            e.ExtremoElegido = j.Extremo;
            e.EleccionTurno = e.NumeroJugada != 1 && posibles.size() >= 2;
        }
        resultado.Fallo = EjecutarJugada(c);
        if (resultado.Fallo != FalloJugada::Ninguno) return resultado;
        if (e.FichasEnMano[I(e.JugadorTurno)] == 0) {
            resultado.Domino = true;
            return resultado;
        }
        if (ManoCerrada(e, c.a)) return resultado;
    }
}

bool FotoMano::operator==(const FotoMano& o) const
{
    return DiferenciaFotos(*this, o).empty();
}

FotoMano TomarFoto(const EstadoJuego& e)
{
    FotoMano f;
    f.Manos = e.Manos;
    f.HuecosMano = e.HuecosMano;
    f.FichasEnMano = e.FichasEnMano;
    f.FichasMonton = e.FichasMonton;
    f.Extremos = e.Linea.Extremos;
    f.DireccionExtremo = e.Linea.DireccionExtremo;
    f.FichasEnExtremo = e.Linea.FichasEnExtremo;
    f.XExtremo = e.Linea.XExtremo;
    f.YExtremo = e.Linea.YExtremo;
    f.PesoNumero = e.PesoNumero;
    f.NumeroJugada = e.NumeroJugada;
    f.JugadorTurno = e.JugadorTurno;
    return f;
}

std::string DiferenciaFotos(const FotoMano& a, const FotoMano& b)
{
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        for (std::size_t s = 1; s <= kHuecos; ++s) {
            const HuecoMano& x = a.Manos[p][s];
            const HuecoMano& y = b.Manos[p][s];
            if (x.PuntoA != y.PuntoA || x.PuntoB != y.PuntoB || x.Estado != y.Estado)
                return "mano " + std::to_string(p) + ", hueco " + std::to_string(s);
        }
    }
    if (a.HuecosMano != b.HuecosMano) return "HuecosMano";
    if (a.FichasEnMano != b.FichasEnMano) return "FichasEnMano";
    if (a.FichasMonton != b.FichasMonton) return "FichasMonton";
    if (a.Extremos != b.Extremos) return "Extremos";
    if (a.DireccionExtremo != b.DireccionExtremo) return "DireccionExtremo";
    if (a.FichasEnExtremo != b.FichasEnExtremo) return "FichasEnExtremo";
    if (a.XExtremo != b.XExtremo || a.YExtremo != b.YExtremo) return "XExtremo/YExtremo";
    if (a.PesoNumero != b.PesoNumero) return "PesoNumero";
    if (a.NumeroJugada != b.NumeroJugada) return "NumeroJugada";
    if (a.JugadorTurno != b.JugadorTurno) return "JugadorTurno";
    return {};
}

} // namespace zp

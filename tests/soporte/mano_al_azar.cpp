#include "tests/soporte/mano_al_azar.h"

#include "engine/analisis_mano.h"
#include "engine/indices.h"
#include "engine/turno.h"

namespace zp {

namespace {

// A random legal move; the count is the number of moves listed.
class TurnoAlAzar : public PasosTurno
{
public:
    // As the chooser's count does, it leaves no choice marked on the draws that may follow.
    void Contar(Contexto& c) override
    {
        c.e.EleccionTurno = false;
        c.e.JugadasPosibles = static_cast<Entero>(ListarJugadasPosibles(c.e, c.a).size());
    }

    EleccionTurno Elegir(Contexto& c) override
    {
        EstadoJuego& e = c.e;
        const std::vector<JugadaPosible> posibles = ListarJugadasPosibles(e, c.a);
        e.ExtremoElegido = kExtremoPasa; // nothing fits: a pass, as the chooser leaves it
        if (!posibles.empty()) {
            const JugadaPosible& j = posibles[I(Aleatorio(c.azar, static_cast<int>(posibles.size())) - 1)];
            e.FichaA = j.FichaA;
            e.FichaB = j.FichaB;
            e.ExtremoElegido = j.Extremo;
            e.EleccionTurno = e.NumeroJugada != 1 && posibles.size() >= 2;
        }
        return EleccionTurno::Jugar;
    }
};

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

ResultadoManoAlAzar JugarManoAlAzar(Contexto& c)
{
    TurnoAlAzar turno;
    ResultadoManoAlAzar resultado;
    for (;;) {
        const ResultadoTurno r = JugarTurno(c, turno);
        if (r.Fallo != FalloJugada::Ninguno) resultado.Fallo = r.Fallo;
        if (r.Fin == FinTurno::Siguiente && resultado.Fallo == FalloJugada::Ninguno) continue;
        resultado.Domino = r.Fin == FinTurno::Domino;
        return resultado;
    }
}

FotoMano TomarFoto(const EstadoJuego& e)
{
    const ExtremosLinea& l = e.Linea;
    return {e.Manos,    e.HuecosMano,       e.FichasEnMano,    e.FichasMonton,
            l.Extremos, l.DireccionExtremo, l.FichasEnExtremo, l.XExtremo,
            l.YExtremo, e.PesoNumero,       e.NumeroJugada,    e.JugadorTurno};
}

std::string DiferenciaFotos(const FotoMano& a, const FotoMano& b)
{
    for (std::size_t p = 1; p <= kAsientos; ++p)
        if (a.Manos[p] != b.Manos[p]) return "mano " + std::to_string(p);
    const std::pair<bool, const char*> partes[] = {
        {a.HuecosMano == b.HuecosMano, "HuecosMano"},
        {a.FichasEnMano == b.FichasEnMano, "FichasEnMano"},
        {a.FichasMonton == b.FichasMonton, "FichasMonton"},
        {a.Extremos == b.Extremos, "Extremos"},
        {a.DireccionExtremo == b.DireccionExtremo, "DireccionExtremo"},
        {a.FichasEnExtremo == b.FichasEnExtremo, "FichasEnExtremo"},
        {a.XExtremo == b.XExtremo && a.YExtremo == b.YExtremo, "XExtremo/YExtremo"},
        {a.PesoNumero == b.PesoNumero, "PesoNumero"},
        {a.NumeroJugada == b.NumeroJugada, "NumeroJugada"},
        {a.JugadorTurno == b.JugadorTurno, "JugadorTurno"}};
    for (const auto& [igual, parte] : partes)
        if (!igual) return parte;
    return {};
}

} // namespace zp

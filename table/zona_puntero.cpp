#include "table/zona_puntero.h"

#include "engine/indices.h"
#include "engine/jugada.h"
#include "platform/wait.h"

#include <cmath>

namespace zp {

namespace {

// Int of a division made in floating point: the floor, so that a point before a strip's first slot gives 0.
Entero Piso(double valor)
{
    return static_cast<Entero>(std::floor(valor));
}

const HuecoMano* HuecoApuntadoDe(const EstadoJuego& e, const EntradaMesa& en)
{
    const Entero p = en.ManoApuntada, h = en.HuecoApuntado;
    if (!HuecoValido(e, p, h)) return nullptr;
    return &e.Manos[I(p)][I(h)];
}

// A laid tile shows only while laid tiles stay in the hand in another colour.
bool FichaSeVe(const EstadoJuego& e, const Ajustes& a, const EntradaMesa& en)
{
    const HuecoMano* h = HuecoApuntadoDe(e, en);
    return h && (h->Estado == kEnMano ||
                 (h->Estado == kPuesta && a.FichasVisiblesPuestas == FichasPuestas::CambianDeColor));
}

bool JuegaEstePuesto(const EstadoJuego& e, const Ajustes& a)
{
    const Entero p = e.JugadorTurno;
    return AsientoConControl(a, p, Control::Manual);
}

// Picking up or turning works on any hand shown face up.
bool FichaManejable(const EstadoJuego& e, const Ajustes& a, const EntradaMesa& en)
{
    return en.ManoApuntada != 0 && en.HuecoApuntado != 0 &&
           a.Jugador[I(en.ManoApuntada)].FichasJugador == VistaFichas::Visibles && FichaSeVe(e, a, en);
}

Entero ZonaReparto(EstadoJuego& e, const Ajustes& a, EntradaMesa& en, Entero x, Entero y)
{
    if (en.ArrastreReparto) return kZonaArrastre;
    HallaManoYFicha(e, a, en, x, y, true);
    const bool fueraRejilla = x < e.OrigenRejillaX || x > e.OrigenRejillaX + 253 || y < e.OrigenRejillaY ||
                              y > e.OrigenRejillaY + 341;
    if (fueraRejilla) {
        const HuecoMano* h = HuecoApuntadoDe(e, en);
        return h && h->Estado != kVacio ? kZonaJugable : kZonaNormal;
    }
    HallaFilyCol(e, en, x, y);
    const Entero f = en.FilaRejilla, c = en.ColumnaRejilla;
    const bool celda = f >= 0 && f <= 6 && c >= 0 && c <= f && e.RejillaReparto[I(f)][I(c)];
    return celda ? kZonaOrdenar : kZonaNormal;
}

} // namespace

bool HuecoValido(const EstadoJuego& e, Entero mano, Entero hueco)
{
    return EsAsiento(mano) && hueco >= 1 && hueco <= HuecosDe(e, mano);
}

void HallaManoYFicha(EstadoJuego& e, const Ajustes& a, EntradaMesa& en, Entero x, Entero y, bool exacto)
{
    const DisposicionManos& d = e.Disposicion;
    en.ManoApuntada = 0;
    en.TrasUltimaFicha = false;
    // Later strips win where two overlap.
    const bool dentro[5] = {
        false,
        x <= 42 && d.InicioMano[1] <= y && y <= d.FinMano[1],
        d.InicioMano[2] <= x && x <= d.FinMano[2] && y <= 42,
        x >= d.EjeMano[3] && d.InicioMano[3] <= y && y <= d.FinMano[3],
        d.InicioMano[4] <= x && x <= d.FinMano[4] && y >= d.EjeMano[4],
    };
    for (Entero p = 1; p <= kAsientos; ++p) {
        if (!dentro[p]) continue;
        const int desplazamiento = (p == 1 || p == 3 ? y : x) - d.InicioMano[I(p)];
        en.ManoApuntada = p;
        // The large face-up tiles of a roomy bottom hand sit 4 px into their 44 px pitch. A hidden roomy
        // hand is edge-on at its own pitch and is tested like the others.
        if (p == 4 && e.ManoHolgada[4] && a.Jugador[4].FichasJugador == VistaFichas::Visibles) {
            int hueco = Piso((desplazamiento - 4) / 44.0) + 1;
            const int inicio = (hueco - 1) * 44 + 4;
            if (exacto && (desplazamiento < inicio || desplazamiento > inicio + 36)) hueco = 0;
            en.HuecoApuntado = static_cast<Entero>(hueco);
        } else {
            const int s = d.SeparacionFichas[I(p)];
            int hueco = s > 0 ? Piso(desplazamiento / double(s)) + 1 : 0;
            const int inicio = (hueco - 1) * s;
            // A small tile covers 21 px of its pitch, from its start.
            if (exacto && (desplazamiento < inicio || desplazamiento > inicio + 20)) hueco = 0;
            en.HuecoApuntado = static_cast<Entero>(hueco);
        }
        en.TrasUltimaFicha = desplazamiento > d.LongitudMano[I(p)] - 20;
    }
    if (en.ManoApuntada != 0 && !AsientoEnJuego(a, en.ManoApuntada)) en.ManoApuntada = 0;
}

void HallaFilyCol(const EstadoJuego& e, EntradaMesa& en, Entero x, Entero y)
{
    // Cells of 39 x 50 px, each with a small upright tile of 20 x 42 at its top left.
    const int dy = y - e.OrigenRejillaY, dx = x - e.OrigenRejillaX;
    en.FilaRejilla = Piso(dy / 50.0);
    if (dy > en.FilaRejilla * 50 + 41) en.FilaRejilla = 9;
    en.ColumnaRejilla = Piso(dx / 39.0);
    if (dx > en.ColumnaRejilla * 39 + 19) en.ColumnaRejilla = 9;
}

void CambiarModoMano(const EstadoJuego& e, EntradaMesa& en, bool ordenar)
{
    CaducarModosMano(e, en);
    bool& modo = ordenar ? en.OrdenarFichas : en.GirarFichas;
    modo = !modo;
    if (!modo) return;
    (ordenar ? en.GirarFichas : en.OrdenarFichas) = false;
    en.PartidaModo = matchGeneration();
    en.ManoModo = e.NumeroMano;
    en.JugadaModo = e.NumeroJugada;
    en.TurnoModo = e.JugadorTurno;
}

void CaducarModosMano(const EstadoJuego& e, EntradaMesa& en)
{
    const bool vigentes = e.ManoEnCurso && !e.RepartoEnCurso && en.PartidaModo == matchGeneration() &&
                          en.ManoModo == e.NumeroMano && en.JugadaModo == e.NumeroJugada &&
                          en.TurnoModo == e.JugadorTurno;
    if (vigentes) return;
    en.OrdenarFichas = false;
    en.GirarFichas = false;
}

Entero CalcularZonaPuntero(EstadoJuego& e, const Ajustes& a, EntradaMesa& en, bool arrastreOrden, Entero x,
                           Entero y)
{
    // A reorder drag in progress keeps its mode until the tile is put down.
    if (!arrastreOrden) CaducarModosMano(e, en);
    const bool modoMano = en.OrdenarFichas || en.GirarFichas;
    if (JuegaEstePuesto(e, a) && e.PartidaEnCurso && e.ManoEnCurso && !e.GrabadoraActiva && !modoMano &&
        !e.RepartoEnCurso) {
        HallaManoYFicha(e, a, en, x, y, true);
        if (en.ManoApuntada != e.JugadorTurno || en.HuecoApuntado == 0 || e.EsperaExtremo) return kZonaNormal;
        if (HuecoApuntadoDe(e, en) && ComprobarFichaJugable(e, a, en.HuecoApuntado)) return kZonaJugable;
        return FichaSeVe(e, a, en) ? kZonaNoJugable : kZonaNormal;
    }
    // The deal and the choice of leader come before the hand modes: a mode left on from the last hand must
    // neither block the choice nor start a grid lift from a hand tile.
    if (e.RepartoEnCurso) return ZonaReparto(e, a, en, x, y);
    if (e.EligiendoSalida) {
        HallaManoYFicha(e, a, en, x, y, false);
        return en.ManoApuntada != 0 ? kZonaSalida : kZonaNormal;
    }
    if (en.OrdenarFichas) {
        if (arrastreOrden) return kZonaArrastre;
        HallaManoYFicha(e, a, en, x, y, true);
        return FichaManejable(e, a, en) ? kZonaOrdenar : kZonaNormal;
    }
    if (en.GirarFichas) {
        HallaManoYFicha(e, a, en, x, y, true);
        return FichaManejable(e, a, en) ? kZonaGirar : kZonaNormal;
    }
    return kZonaNormal;
}

const char* CursorDeZona(Entero zona)
{
    static constexpr const char* nombres[] = {"",        "ManoIndice", "ManoVerde",  "ManoRoja",
                                              "Ordenar", "Girar",      "ManoCerrada"};
    return zona >= 1 && zona <= 6 ? nombres[zona] : "";
}

} // namespace zp

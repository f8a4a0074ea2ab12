#include "scores/core/estadisticas.h"

#include "engine/analisis_mano.h"
#include "engine/ficha.h"
#include "engine/indices.h"
#include "engine/reglas.h"
#include "engine/turno.h"

#include <algorithm>

namespace zp {

namespace {

// The seats in play in turn order from the leader. A leader not in play (none chosen yet, a seat left out
// since, a damaged file) starts the walk at the next seat in play; the walk takes each seat once, so it
// always ends.
std::vector<Entero> AsientosDesdeSalida(const EstadoJuego& e, const Ajustes& a)
{
    Entero p = e.JugadorSalida;
    if (!AsientoEnJuego(a, p)) {
        if (!EsAsiento(p)) p = 0;
        if (!CalcularJugadorSiguiente(e, a, p)) return {};
    }
    std::vector<Entero> asientos;
    for (int paso = 0; paso < kAsientos; ++paso) {
        if (std::find(asientos.begin(), asientos.end(), p) != asientos.end()) break;
        asientos.push_back(p);
        CalcularJugadorSiguiente(e, a, p);
    }
    return asientos;
}

// One move of the hand, counted for its player's row.
void ContarJugada(EstadisticasMano& s, FilaEstadisticas& f, const RegistroJugada& j, int i,
                  bool salidaForzada)
{
    if (j.Extremo == kExtremoRoba || j.Extremo == kExtremoPasa) {
        // The numbers the player had no tile for.
        if (i > 1 && EsPunto(j.Extremo1) && EsPunto(j.Extremo2)) {
            f.HaPasado[I(j.Extremo1)] = 1;
            f.HaPasado[I(j.Extremo2)] = 1;
        }
        return;
    }
    const Entero u = j.PuntoUnido, o = j.PuntoAbierto;
    if (!EsPunto(u) || !EsPunto(o)) return;
    const bool doble = u == o;
    f.Fichas.push_back({u, o});
    // The opening tile cuts nothing; a later double neither cuts nor shows.
    if (i > 1 && !doble) ++f.PalosCortados[I(u)];
    const bool muestra = !(i == 1 && salidaForzada) && !(i > 1 && doble);
    if (muestra) {
        ++f.PalosDeCara[I(o)];
        if (i == 1 && !doble) ++f.PalosDeCara[I(u)];
    }
    ++s.PalosPuestos[I(u)];
    if (o != u) ++s.PalosPuestos[I(o)];
    ++s.FichasPuestas;
    s.PuntosPuestos = static_cast<Entero>(s.PuntosPuestos + u + o);
}

} // namespace

int EstadisticasMano::FichasFilaMasLarga() const
{
    std::size_t mas = 0;
    for (const FilaEstadisticas& f : Filas) mas = std::max(mas, f.Fichas.size());
    return static_cast<int>(mas);
}

EstadisticasMano CalcularEstadisticas(const EstadoJuego& e, const Ajustes& a)
{
    EstadisticasMano s;
    // The first hand's opening tile under "Sale el Seis Doble" was forced: it shows nothing.
    const bool salidaForzada = e.NumeroMano == 1 && a.PrimeraMano == Apertura::SeisDoble;
    const int hechas = std::min<int>(e.NumeroJugada - 1, static_cast<int>(e.Jugadas.size()) - 1);
    for (const Entero p : AsientosDesdeSalida(e, a)) {
        FilaEstadisticas& f = s.Filas.emplace_back();
        f.Asiento = p;
        for (int i = 1; i <= hechas; ++i) {
            const RegistroJugada& j = e.Jugadas[I(i)];
            if (j.Jugador == p) ContarJugada(s, f, j, i, salidaForzada);
        }
    }

    for (Entero x = 0; x <= 6; ++x)
        for (Entero y = 0; y <= x; ++y) s.Puesta[I(x)][I(y)] = BuscarPoseedor(e, x, y).Puesta;

    if (e.NumeroJugada > 1) {
        const Entero e1 = e.Linea.Extremos[1], e2 = e.Linea.Extremos[2];
        // Both ends on one number give one list.
        std::vector<Entero> abiertos{e1};
        if (e2 != e1) abiertos.push_back(e2);
        for (const Entero v : abiertos) {
            if (!EsPunto(v)) continue;
            auto& lista = s.FichasQueCasan.emplace_back();
            for (Entero k = 0; k <= 6; ++k) {
                const PoseedorFicha h = BuscarPoseedor(e, v, k);
                if (h.Puesta) continue;
                // A tile in the stock has no holder and is never marked.
                lista.push_back({v, k, h.Asiento != 0 && h.Asiento == e.JugadorTurno});
            }
        }
    }
    return s;
}

} // namespace zp

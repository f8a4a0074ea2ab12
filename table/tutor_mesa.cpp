#include "table/tutor_mesa.h"

#include "engine/eleccion.h"
#include "engine/jugada.h"
#include "engine/sonidos.h"
#include "table/linea_mesa.h"
#include "table/mesa.h"
#include "table/ritmo_mesa.h"

namespace zp {

QPoint SitioBombillaTutor(const EstadoJuego& e, const Pantalla& p, Entero asiento, Entero hueco)
{
    const DisposicionManos& d = e.Disposicion;
    const std::size_t s = static_cast<std::size_t>(asiento);
    const int paso = d.SeparacionFichas[s];
    const int desde = d.InicioMano[s] + (hueco - 1) * paso;
    switch (asiento) {
    case 1:
        return {43, desde - 5};
    case 2:
        return {desde - 6, 43};
    case 3:
        return {p.AnchoMesa - 76, desde - 5};
    default:
        // A roomy bottom hand lays its tiles 44 px apart whatever its pitch says.
        if (e.ManoHolgada[4]) return {d.InicioMano[4] + (hueco - 1) * 44 + 7, d.EjeMano[4] - 33};
        return {desde - 6, d.EjeMano[4] - 33};
    }
}

void MostrarJugadaTutor(Contexto& c, mesa& m)
{
    using namespace ritmo_mesa;
    EstadoJuego& e = c.e;
    const Entero p = e.JugadorTurno;
    e.ModoAyuda = true;
    ElegirJugada(c);
    if (e.ExtremoElegido == kNinguna) {
        m.MostrarPaso(p);
        e.ModoAyuda = false;
        return;
    }
    e.HuecoFicha = BuscarFichaEnMano(e, e.FichaA, e.FichaB, p).value_or(Entero{0});
    const auto& x = e.Linea.Extremos;
    const bool ambos = (e.FichaA == x[1] && e.FichaB == x[2]) || (e.FichaA == x[2] && e.FichaB == x[1]);
    // The arrow only where the end makes a difference: a tile that fits both ends by its two pips.
    ImagenMesa* flecha = nullptr;
    if (ambos && e.FichaA != e.FichaB) {
        DibujarMarcasExtremos(e, m.Ima_FlechaDer, m.Ima_FlechaIzq, m.Ima_Flechas);
        flecha = e.ExtremoElegido == 1 ? &m.Ima_FlechaDer : &m.Ima_FlechaIzq;
    }
    m.Ima_IndiTuto.Move(SitioBombillaTutor(e, c.pantalla, p, e.HuecoFicha));
    c.ritmo.HacerPausa(kPausaAntesTutor);
    for (int vez = 0; vez < kParpadeosTutor; ++vez) {
        c.ritmo.ReproducirSonido(ModoSonido::Seguir, sonido::Salida);
        m.Ima_IndiTuto.Show();
        if (flecha) flecha->Show();
        m.Refrescar();
        c.ritmo.HacerPausa(kPausaTutorCon);
        m.Ima_IndiTuto.Hide();
        if (flecha) flecha->Hide();
        m.Refrescar();
        c.ritmo.HacerPausa(kPausaTutorSin);
    }
    e.ModoAyuda = false;
}

} // namespace zp

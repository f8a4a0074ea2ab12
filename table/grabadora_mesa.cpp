#include "table/grabadora_mesa.h"

#include "assets/recursos.h"
#include "engine/fin_mano.h"
#include "engine/grabadora.h"
#include "engine/indices.h"
#include "engine/lista_jugadas.h"
#include "engine/partida.h"
#include "engine/sonidos.h"
#include "kit/cursores.h"
#include "platform/wait.h"
#include "table/mesa.h"

#include <array>

namespace zp {

namespace {

namespace bv = recursos::bmpvario;

constexpr Entero kPausaCarrera = 80; // between the steps of a run, and before continuing from here
const char* const kAvisoEncendido = "Encender/Apagar mando";

struct Tecla
{
    TeclaGrabadora tecla;
    int x1, x2, y1, y2;    // where a press takes it, bounds included
    recursos::Rect dibujo; // its place on the remote
};

// In the order they are looked at: the first that holds the point is the key.
constexpr std::array<Tecla, 6> kTeclas = {{
    {TeclaGrabadora::Encendido, 6, 44, 6, 19, bv::TeclaEncendido},
    {TeclaGrabadora::Atras, 4, 25, 25, 38, bv::TeclaAtras},
    {TeclaGrabadora::Adelante, 25, 46, 25, 38, bv::TeclaAdelante},
    {TeclaGrabadora::AtrasRapido, 4, 25, 41, 54, bv::TeclaAtrasRapido},
    {TeclaGrabadora::AdelanteRapido, 25, 46, 41, 54, bv::TeclaAdelanteRapido},
    {TeclaGrabadora::Continuar, 14, 35, 57, 70, bv::TeclaContinuar},
}};

const Tecla* Buscar(TeclaGrabadora t)
{
    for (const Tecla& k : kTeclas)
        if (k.tecla == t) return &k;
    return nullptr;
}

bool EnCarrera(const EstadoGrabadoraMesa& g)
{
    return g.RetrocesoRapido || g.AvanceRapido;
}

void Sonar(Contexto& c, Entero id)
{
    c.ritmo.ReproducirSonido(ModoSonido::Esperar, id);
}

void Pulsar(Contexto& c, mesa& v, TeclaGrabadora t)
{
    DibujarTeclaGrabadora(v, t, true);
    v.Pic_Grabadora->refresh();
    Sonar(c, sonido::Pulsar);
}

void Soltar(Contexto& c, mesa& v, TeclaGrabadora t)
{
    DibujarTeclaGrabadora(v, t, false);
    v.Pic_Grabadora->refresh();
    Sonar(c, sonido::Soltar);
}

bool PuedeRetroceder(const EstadoJuego& e)
{
    return e.NumeroJugada >= 2;
}

bool PuedeAvanzar(const EstadoJuego& e)
{
    return e.NumeroJugada < e.PosicionGrabadora;
}

// Steps while the run's flag holds and the bound allows, yielding between steps; a second press on the
// run's key, handled meanwhile, clears the flag. A match abandoned or the program leaving ends it too.
void Carrera(Contexto& c, mesa& v, TeclaGrabadora t, bool& enMarcha, bool (*puede)(const EstadoJuego&),
             FalloJugada (*paso)(Contexto&))
{
    if (!enMarcha) {
        Pulsar(c, v, t);
        enMarcha = true;
        while (enMarcha && puede(c.e)) {
            if (paso(c) != FalloJugada::Ninguno) break;
            c.ritmo.HacerPausa(kPausaCarrera);
            if (c.usuario.AtenderEventos() == Espera::Abandonada) break;
        }
        Soltar(c, v, t);
    }
    enMarcha = false;
}

// Play goes on from the move shown: the draws that followed it stay, the rest of the hand is dropped.
void ContinuarDesdeAqui(Contexto& c, mesa& v)
{
    EstadoJuego& e = c.e;
    Pulsar(c, v, TeclaGrabadora::Continuar);
    c.ritmo.HacerPausa(kPausaCarrera);
    while (PuedeAvanzar(e) && e.NumeroJugada >= 1 && I(e.NumeroJugada) < e.Jugadas.size() &&
           e.Jugadas[I(e.NumeroJugada)].Extremo == kExtremoRoba)
        if (AvanzarGrabadora(c) != FalloJugada::Ninguno) break;
    if (e.NumeroJugada != e.PosicionGrabadora) e.ManoReabierta = false;
    DibujarTeclaGrabadora(v, TeclaGrabadora::Continuar, false);
    v.RecortarListaJugadas(e.NumeroJugada - 1);
    if (e.NumeroJugada < 2) v.MostrarListaJugadas(false);
    e.PosicionGrabadora = e.NumeroJugada;
    IrAlFinalGrabadora(c);
    const Entero p = e.JugadorTurno;
    // An automatic seat moves at once; the person here plays or presses Continue as ever.
    if (AsientoConControl(c.a, p, Control::Automatico)) OcultarBotonContinuar(c);
}

void Encendido(Contexto& c, mesa& v)
{
    EstadoJuego& e = c.e;
    if (EnCarrera(v.Grabadora) || !v.Grabadora.BucleEsperando) return;
    if (e.GrabadoraActiva) {
        if (!v.Grabadora.Ocupada) IrAlFinalGrabadora(c);
    } else if (e.NumeroJugada > 1 && e.EsperaContinuar && e.ManoEnCurso && !c.a.JuegoEnRed) {
        // Only while the game waits for a move of the hand in progress, with a move to look back on.
        ActivarGrabadora(c);
    }
    v.refresh();
}

} // namespace

TeclaGrabadora TeclaEn(QPoint p)
{
    for (const Tecla& k : kTeclas)
        if (p.x() >= k.x1 && p.x() <= k.x2 && p.y() >= k.y1 && p.y() <= k.y2) return k.tecla;
    return TeclaGrabadora::Ninguna;
}

bool TeclaActiva(const EstadoJuego& e, const EstadoGrabadoraMesa& g, TeclaGrabadora t)
{
    if (!g.BucleEsperando) return false;
    const bool on = e.GrabadoraActiva;
    switch (t) {
    case TeclaGrabadora::Encendido:
        return !e.EsperaExtremo;
    case TeclaGrabadora::Atras:
        return on && PuedeRetroceder(e) && !EnCarrera(g);
    case TeclaGrabadora::Adelante:
        return on && PuedeAvanzar(e) && !EnCarrera(g);
    case TeclaGrabadora::AtrasRapido:
        return on && PuedeRetroceder(e) && !g.AvanceRapido;
    case TeclaGrabadora::AdelanteRapido:
        return on && PuedeAvanzar(e) && !g.RetrocesoRapido;
    case TeclaGrabadora::Continuar:
        return on && e.NumeroJugada != e.PosicionGrabadora && !EnCarrera(g);
    case TeclaGrabadora::Ninguna:
        break;
    }
    return false;
}

void Pic_Grabadora_MouseMove(mesa& v, QPoint punto)
{
    EstadoJuego& e = v.Juego();
    EstadoGrabadoraMesa& g = v.Grabadora;
    const TeclaGrabadora t = TeclaEn(punto);
    const bool activa = TeclaActiva(e, g, t);
    g.ZonaGrabadora = activa ? 1 : 0;
    v.Pic_Grabadora->setToolTip(activa && t == TeclaGrabadora::Encendido ? QString::fromUtf8(kAvisoEncendido)
                                                                         : QString());
    // While everything is replayed the hourglass stays.
    if (g.ZonaGrabadora == g.PunteroMesa || g.Ocupada) return;
    if (g.ZonaGrabadora == 1)
        PonerCursor(v.Pic_Grabadora, "ManoIndice");
    else
        PonerPuntero(v.Pic_Grabadora, kPunteroNormal);
    g.PunteroMesa = g.ZonaGrabadora;
}

void Pic_Grabadora_MouseDown(Contexto& c, mesa& v, QPoint punto)
{
    EstadoJuego& e = c.e;
    EstadoGrabadoraMesa& g = v.Grabadora;
    v.Pic_SelOpciones->hide();
    const TeclaGrabadora t = TeclaEn(punto);
    if (t == TeclaGrabadora::Encendido) {
        Encendido(c, v);
    } else if (t != TeclaGrabadora::Ninguna && g.PunteroMesa == 1) {
        switch (t) {
        case TeclaGrabadora::Atras:
            Pulsar(c, v, t);
            if (PuedeRetroceder(e)) RetrocederGrabadora(c);
            Soltar(c, v, t);
            break;
        case TeclaGrabadora::Adelante:
            Pulsar(c, v, t);
            if (PuedeAvanzar(e)) AvanzarGrabadora(c);
            Soltar(c, v, t);
            break;
        case TeclaGrabadora::AtrasRapido:
            Carrera(c, v, t, g.RetrocesoRapido, PuedeRetroceder, RetrocederGrabadora);
            break;
        case TeclaGrabadora::AdelanteRapido:
            Carrera(c, v, t, g.AvanceRapido, PuedeAvanzar, AvanzarGrabadora);
            break;
        case TeclaGrabadora::Continuar:
            ContinuarDesdeAqui(c, v);
            break;
        default:
            break;
        }
    }
    // The match loop's wait looks at its flags again.
    notifyStateChanged();
}

void PrepararGrabadora(Contexto& c, mesa& v)
{
    Contexto* contexto = &c;
    mesa* ventana = &v;
    QObject::connect(v.Pic_Grabadora, &PictureBox::moved, v.Pic_Grabadora,
                     [ventana](const PointerEvent& p) { Pic_Grabadora_MouseMove(*ventana, p.position); });
    QObject::connect(v.Pic_Grabadora, &PictureBox::pressed, v.Pic_Grabadora,
                     [contexto, ventana](const PointerEvent& p) {
                         Pic_Grabadora_MouseDown(*contexto, *ventana, p.position);
                     });
}

void DibujarTeclaGrabadora(mesa& v, TeclaGrabadora t, bool pulsada)
{
    const Tecla* k = Buscar(t);
    if (!k) return;
    const recursos::Rect& d = k->dibujo;
    const int x = d.x + (pulsada ? bv::DesplazamientoPulsada : 0);
    v.Pic_Grabadora->surface().blit(d.x, d.y, d.ancho, d.alto, v.Hojas().Pic_BmpVario, x,
                                    d.y + bv::Grabadora.y);
    v.Pic_Grabadora->invalidate();
}

} // namespace zp

#include "table/usuario_mesa.h"

#include "kit/cursores.h"
#include "kit/espera.h"
#include "kit/mensajes.h"
#include "platform/wait.h"
#include "table/entrada_mesa.h"
#include "table/mesa.h"

#include <QCoreApplication>

namespace zp {

namespace {

// The match a call began under was abandoned, or the program is on its way out.
bool Cortada(std::uint32_t generacion)
{
    return quitting() || matchGeneration() != generacion;
}

// A round of the Continue wait that shows something: the turn panel's texts blink off for 200 ms of each
// second, which a round every 50 ms shows, while the wait still sleeps nearly all the time.
constexpr int kVueltaMs = 50;

template <class T> Respuesta<T> Tras(WaitEnd fin, T valor)
{
    return fin == WaitEnd::ConditionHeld ? Respuesta<T>::De(std::move(valor)) : Respuesta<T>::Abandono();
}

} // namespace

UsuarioMesa::UsuarioMesa(mesa& ventana) : ventana_(ventana) {}

Respuesta<bool> UsuarioMesa::MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                            int botones, int ayuda, CierreCaja alCerrar)
{
    const std::uint32_t generacion = matchGeneration();
    const bool respuesta =
        zp::MostrarMensaje(titulo, texto, Entero(lineas), Entero(botones), Entero(ayuda), alCerrar);
    if (Cortada(generacion)) return Respuesta<bool>::Abandono();
    return Respuesta<bool>::De(respuesta);
}

void UsuarioMesa::IniciarEspera()
{
    ventana_.Pic_Info->IniciarEspera();
}

void UsuarioMesa::MostrarEspera(const std::string& titulo, const std::string& texto, int lineas)
{
    QString t = QString::fromStdString(texto);
    ventana_.Pic_Info->MostrarEspera(QString::fromStdString(titulo), t, Entero(lineas));
}

void UsuarioMesa::OcultarEspera()
{
    ventana_.Pic_Info->hide();
}

Respuesta<Continuacion> UsuarioMesa::EsperarContinuar(const std::function<void()>& cadaVuelta)
{
    EstadoJuego& e = ventana_.Juego();
    // A tile chosen counts only while its hand runs: the one that ended the hand must not end the pause
    // that follows it.
    auto elegida = [&e] { return e.ManoEnCurso && e.JugadaElegida; };
    bool& esperando = ventana_.Grabadora.BucleEsperando;
    esperando = true;
    WaitOptions rondas;
    if (cadaVuelta) {
        rondas.onTick = cadaVuelta;
        rondas.tickMs = kVueltaMs;
    }
    const WaitEnd fin =
        waitUntil([&] { return !e.EsperaContinuar || elegida() || e.RedibujoPendiente; }, rondas);
    esperando = false;
    Continuacion c = Continuacion::Continuar;
    if (elegida())
        c = Continuacion::FichaElegida;
    else if (e.RedibujoPendiente)
        c = Continuacion::Redibujar;
    return Tras(fin, c);
}

Respuesta<Entero> UsuarioMesa::EsperarEleccionExtremo()
{
    EstadoJuego& e = ventana_.Juego();
    MostrarFlechasExtremos(ventana_);
    const WaitEnd fin = waitUntil([&e] { return !e.EsperaExtremo; });
    PonerPuntero(&ventana_, kPunteroEspera);
    ventana_.OcultarFlechas();
    return Tras(fin, e.ExtremoElegido);
}

Respuesta<Entero> UsuarioMesa::EsperarEleccionSalida(const Ajustes&)
{
    EstadoJuego& e = ventana_.Juego();
    e.EligiendoSalida = true;
    ventana_.Entrada.SalidaElegida = 0;
    const WaitEnd fin = waitUntil([&e] { return !e.EligiendoSalida; });
    return Tras(fin, ventana_.Entrada.SalidaElegida);
}

Espera UsuarioMesa::EsperarRepartoManual(EstadoJuego&, const std::function<bool()>& terminado)
{
    return waitUntil(terminado) == WaitEnd::ConditionHeld ? Espera::Cumplida : Espera::Abandonada;
}

Espera UsuarioMesa::AtenderEventos()
{
    QCoreApplication::processEvents();
    // What those events left for the event loop (the exit that a close of the window asks for) is served
    // now, between the steps: the pauses of the next step would keep it until the step after.
    QCoreApplication::sendPostedEvents();
    return PartidaDejada() ? Espera::Abandonada : Espera::Cumplida;
}

bool UsuarioMesa::PartidaDejada()
{
    return Cortada(matchInPlay());
}

} // namespace zp

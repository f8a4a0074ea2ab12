#include "table/entrada_continuar.h"

#include "engine/sonidos.h"
#include "platform/wait.h"
#include "table/mesa.h"
#include "table/ritmo_mesa.h"

namespace zp {
namespace {

constexpr Entero kPausaPulsado = 420; // the pressed picture stays this long
constexpr Entero kEstadoPulsado = 2;

constexpr int kCtrlC = 3;
constexpr int kEscape = 27;
constexpr Entero kBotonPersonal = 2;

} // namespace

void Pic_BotContinuar_MouseDown(mesa& ventana)
{
    EstadoJuego& e = ventana.Juego();
    const Ajustes& a = ventana.Datos();
    ventana.Pic_SelOpciones->hide();
    if (!e.EsperaContinuar || e.GrabadoraActiva) return;
    // A lifted hand tile is marked laid until it is put down: the loop must not go on meanwhile.
    if (ventana.Estado().ArrastreOrden || ventana.Entrada.ArrastreReparto) return;

    RitmoMesa& ritmo = RitmoMesaPrograma();
    ritmo.ReproducirSonido(ritmo_mesa::kEsperando, sonido::Pulsar, a.Sonido);
    ventana.DibujarBotonContinuar(kEstadoPulsado);
    ventana.Pic_BotContinuar->refresh();
    ritmo.HacerPausa(kPausaPulsado, a.Velocidad);
    e.EsperaContinuar = false;
    if (!a.PausaEntreJugadas) ventana.OcultarBotonContinuar();
    notifyStateChanged();
}

void Form_KeyPress(mesa& ventana, int codigo)
{
    if (codigo == kCtrlC) return;
    if (codigo == 'q' || codigo == 'Q' || codigo == kEscape) {
        ventana.showMinimized();
        return;
    }
    const EstadoJuego& e = ventana.Juego();
    const Ajustes& a = ventana.Datos();
    bool continuar = true;
    if (e.ManoEnCurso) {
        const Entero p = e.JugadorTurno;
        continuar = !(AsientoConControl(a, p, Control::Remoto) ||
                      (a.JuegoEnRed && AsientoConControl(a, p, Control::Manual)));
    }
    if (continuar) Pic_BotContinuar_MouseDown(ventana);
    // With no match a key opens the player settings.
    if (!e.PartidaEnCurso && ventana.PedirBoton) ventana.PedirBoton(kBotonPersonal);
}

} // namespace zp

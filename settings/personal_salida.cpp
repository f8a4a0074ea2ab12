// Leaving the player settings: the settings are checked, every change that ends the game in progress is
// asked about and undone when the person cancels it, the addresses are checked, the host tells its clients,
// and the table is left what to do next.
#include "settings/personal.h"

#include "engine/reglas.h"
#include "engine/sonidos.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "settings/core/direccion_ip.h"
#include "settings/core/fichero_estado.h"

#include <QString>
#include <algorithm>

namespace zp {

namespace {

bool IgualSinMayusculas(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

std::string SinBlancosAlrededor(const std::string& texto)
{
    return QString::fromStdString(texto).trimmed().toStdString();
}

} // namespace

void personal::Pic_BotSalir_MouseDown()
{
    if (saliendo_) return;
    saliendo_ = true;
    PunteroMesa(kPunteroEspera);
    SonarKit(0, sonido::Clic);
    const bool sale = ComprobarSalida();
    saliendo_ = false;
    PunteroMesa(kPunteroNormal);
    if (sale) Form_Unload();
}

// The checks in their order; false where the window stays open for the person to put things right.
bool personal::ComprobarSalida()
{
    Ajustes& a = c_.a;
    a.NumeroJugadores = Entero(ContarJugadoresEnJuego(a));
    if (a.NumeroJugadores < 2) {
        MostrarMensaje(
            "Número de Jugadores",
            "Ha  modificado  los  jugadores  activados,  pero  debe haber como mínimo dos jugadores "
            "activados para poder jugar una partida.",
            3, 1, 2123);
        return false;
    }
    if (a.JuegoEnRed && a.ModoRed == PapelRed::Administrador) {
        int remotos = 0;
        for (std::size_t s = 1; s <= 3; ++s)
            if (AsientoEnJuego(a, s) && a.Jugador[s].ControlJugador == Control::Remoto) ++remotos;
        if (remotos == 0) {
            MostrarMensaje(
                "Número de Jugadores en Red",
                "Tiene activado el selector Jugar en Red y ha seleccionado Administrador en el de  Modo de "
                "juego en red,  pero  no  ha seleccionado el valor  Remoto  en el  Control del Juego  de "
                "ninguno  de  los  jugadores.  Debe haber como  mínimo  un jugador activado en  Remoto  "
                "para poder jugar una partida en Red.",
                6, 1, 2135);
            return false;
        }
    }
    PreguntarPorLaRed();
    PreguntarPorElModo();
    PreguntarPorLosControles();
    PreguntarPorLosActivados();
    if (!ComprobarDirecciones()) return false;
    PreguntarPorLasDirecciones();
    AsentarJugadores(a);
    for (std::size_t s = 1; s <= 4; ++s)
        a.Jugador[s].NombreJugador = SinBlancosAlrededor(a.Jugador[s].NombreJugador);
    if (c_.servicios.EsperandoConexiones()) c_.servicios.LimpiarMesa();
    DifundirCambios();
    GuardarAlSalir();
    return true;
}

void personal::PreguntarPorLaRed()
{
    Ajustes& a = c_.a;
    if (a.JuegoEnRed == JuegoEnRedAntes) return;
    const bool aceptar = MostrarMensaje(
        "Jugar en red",
        "Ha modificado el selector Jugar en red,  por lo que se dará por  finalizada  la  partida   actual  "
        "y  "
        "comenzará  una  nueva partida con el valor seleccionado.  Pulse el  botón  Aceptar para comenzar la "
        "nueva partida. Si pulsa el botón Cancelar no se modificará el valor y continuará la partida en "
        "juego.",
        5, 2, 2135);
    if (!aceptar) {
        a.JuegoEnRed = JuegoEnRedAntes;
        a.ModoRed = ModoRedAntes;
        for (std::size_t s = 1; s <= 3; ++s) a.Jugador[s].ControlJugador = ControlAntes[s];
        return;
    }
    if (a.JuegoEnRed) {
        banderas_.ReiniciarRed = true;
        return;
    }
    c_.servicios.CerrarRed();
    const bool restaurar = MostrarMensaje(
        "Restaurar situación anterior",
        "Ha terminado de jugar en red. ¿Desea restaurar la situación que había antes de entrar en red?.  "
        "Pulse  "
        "el  botón  Aceptar para volver a la situación anterior.  Pulse el  botón  Cancelar para iniciar una "
        "nueva partida con los valores actuales.",
        4, 2);
    banderas_.RestaurarSituacion = restaurar;
    banderas_.NuevaPartida = !restaurar;
}

void personal::PreguntarPorElModo()
{
    Ajustes& a = c_.a;
    if (!a.JuegoEnRed || a.ModoRed == ModoRedAntes) return;
    bool aceptar = true;
    if (!banderas_.ReiniciarRed)
        aceptar = MostrarMensaje(
            "Modo de juego en red",
            "Ha modificado el Modo de juego en red, por lo que se dará por  finalizada  la  partida  "
            "actual   y   comenzará  una  nueva partida  con  el  modo  actualmente seleccionado.  "
            "Pulse  el botón  Aceptar  para comenzar la nueva partida.  Si pulsa el botón Cancelar "
            "no se modificará el Modo de juego en red y continuará la partida en juego.",
            6, 2, 2136);
    if (aceptar) {
        // A failed write leaves the old file whole; the settings are written again when the program ends.
        (void)GuardarAjustes(c_.CarpetaDatos, c_.e, a);
        banderas_.ReiniciarRed = true;
        banderas_.NuevaPartida = true;
        return;
    }
    a.ModoRed = ModoRedAntes;
    for (std::size_t s = 1; s <= 3; ++s) a.Jugador[s].ControlJugador = ControlAntes[s];
}

void personal::PreguntarPorLosControles()
{
    Ajustes& a = c_.a;
    if (!a.JuegoEnRed || a.ModoRed != PapelRed::Administrador || banderas_.ReiniciarRed) return;
    bool nuevoRemoto = false, remotoQuitado = false;
    for (std::size_t s = 1; s <= 3; ++s) {
        if (EstadoAntes[s] != EstadoAsiento::Activado || a.Jugador[s].ControlJugador == ControlAntes[s])
            continue;
        (a.Jugador[s].ControlJugador == Control::Remoto ? nuevoRemoto : remotoQuitado) = true;
    }
    auto deshacer = [&] {
        for (std::size_t s = 1; s <= 4; ++s) a.Jugador[s].ControlJugador = ControlAntes[s];
    };
    const EstadoJuego& e = c_.e;
    if (nuevoRemoto) {
        bool aceptar = true;
        if (e.PartidaEnCurso && e.NumeroJugada >= 2 && !banderas_.NuevaPartida)
            aceptar = MostrarMensaje(
                "Control del juego",
                "Ha modificado el  Control del juego  de algún jugador, por lo que se dará por  "
                "finalizada  la  partida  actual   y   comenzará  una  nueva partida  con  el valor  "
                "actualmente  seleccionado.  Pulse  el botón  Aceptar  para comenzar la nueva "
                "partida.  Si pulsa el botón Cancelar no se modificará el Control de juego  y "
                "continuará la partida actual.",
                6, 2, 2124);
        if (!aceptar) return deshacer();
        banderas_.ReiniciarRed = true;
        banderas_.NuevaPartida = true;
        return;
    }
    if (!remotoQuitado) return;
    const bool aceptar =
        MostrarMensaje("Control del juego",
                       "Ha cambiado el  Control del juego de un jugador pasándolo de   Remoto   a   "
                       "Automático ,  por lo que se va a proceder a desconectarlo  de  la  partida.  "
                       "Pulse el botón  Aceptar  para desconectar al jugador.  Si  pulsa  el  botón  "
                       "Cancelar  no se modificará el Control de juego y continuará la partida.",
                       5, 2, 2124);
    if (!aceptar) return deshacer();
    for (Entero s = 1; s <= 3; ++s) {
        const AjustesJugador& j = a.Jugador[std::size_t(s)];
        if (EstadoAntes[std::size_t(s)] == EstadoAsiento::Activado &&
            j.ControlJugador != ControlAntes[std::size_t(s)] && j.ControlJugador != Control::Remoto)
            c_.servicios.DesconectarAsiento(s);
    }
}

void personal::PreguntarPorLosActivados()
{
    Ajustes& a = c_.a;
    bool cambiado = false;
    for (std::size_t s = 1; s <= 4; ++s) cambiado = cambiado || a.Jugador[s].EstadoJugador != EstadoAntes[s];
    if (!cambiado) return;
    const EstadoJuego& e = c_.e;
    bool aceptar = true;
    if (e.PartidaEnCurso && e.NumeroJugada >= 2 && !banderas_.NuevaPartida && !banderas_.ReiniciarRed)
        aceptar = MostrarMensaje(
            "Jugadores Activados",
            "Ha modificado los jugadores activados, por lo que se dará por  finalizada  la  partida  "
            "actual   y  comenzará  una  nueva partida   con   los   jugadores   actualmente   "
            "seleccionados. Pulse el botón  Aceptar para comenzar la nueva partida. Si pulsa  el  "
            "botón  Cancelar  no se modificarán los jugadores activados y continuará la partida "
            "en juego.",
            6, 2, 2123);
    if (!aceptar) {
        for (std::size_t s = 1; s <= 4; ++s) a.Jugador[s].EstadoJugador = EstadoAntes[s];
        // The seats in play are the old ones again: so is their count.
        a.NumeroJugadores = Entero(ContarJugadoresEnJuego(a));
        return;
    }
    for (std::size_t s = 1; s <= 4; ++s)
        if (!AsientoEnJuego(a, s)) c_.e.FichasEnMano[s] = 0;
    // The fewest tiles each and none kept back fit the set with any number of players.
    a.FichasPorJugador = Entero(ajuste::FichasPorJugador.Minimo);
    a.RemanentesMonton = Entero(ajuste::RemanentesMonton.Minimo);
    if (a.JuegoEnRed) banderas_.ReiniciarRed = true;
    banderas_.NuevaPartida = true;
}

bool personal::ComprobarDirecciones()
{
    Ajustes& a = c_.a;
    if (!a.JuegoEnRed) return true;
    std::vector<std::size_t> asientos;
    if (a.ModoRed == PapelRed::Administrador) {
        for (std::size_t s = 1; s <= 3; ++s)
            if (AsientoEnJuego(a, s) && a.Jugador[s].ControlJugador == Control::Remoto) asientos.push_back(s);
    } else {
        asientos.push_back(4);
    }
    for (std::size_t s : asientos) {
        const DireccionComprobada d = ComprobarIP(a.Jugador[s].DireccionIP);
        a.Jugador[s].DireccionIP = d.Direccion;
        if (d.Valida) continue;
        const QString quien = s == 4 ? QStringLiteral("La  Dirección  IP  del Administrador")
                                     : QStringLiteral("La Dirección IP remota de ") +
                                           QString::fromStdString(a.Jugador[s].NombreJugador);
        MostrarMensaje(
            "Dirección IP",
            quien + QStringLiteral(" no tiene el formato previsto.\r\n\r\nEl número IP se forma con cuatro "
                                   "cifras  de  3  dígitos como máximo cada una y separadas por puntos. "
                                   "Ninguna de las cuatro cifras puede superar el número 255."),
            6, 1, 2128);
        return false;
    }
    return true;
}

void personal::PreguntarPorLasDirecciones()
{
    Ajustes& a = c_.a;
    if (!a.JuegoEnRed) return;
    bool cambiada = false;
    for (std::size_t s = 1; s <= 4; ++s)
        cambiada = cambiada || !IgualSinMayusculas(a.Jugador[s].DireccionIP, IPAntes[s]);
    if (!cambiada) return;
    bool aceptar = true;
    if (!banderas_.ReiniciarRed)
        aceptar = MostrarMensaje(
            "Modo de juego en red",
            "Ha modificado alguna  Dirección IP ,  por lo que se dará por finalizada la partida "
            "actual  y  comenzará una nueva  partida con las nuevas direcciones IP. Pulse el botón  "
            "Aceptar  para comenzar la nueva partida. Si pulsa el botón Cancelar no se modificará "
            "ninguna  dirección  IP  y  continuará  la  partida en juego.",
            6, 2, 2128);
    if (aceptar) {
        banderas_.ReiniciarRed = true;
        banderas_.NuevaPartida = true;
        return;
    }
    for (std::size_t s = 1; s <= 4; ++s) a.Jugador[s].DireccionIP = IPAntes[s];
}

void personal::DifundirCambios()
{
    const Ajustes& a = c_.a;
    if (!a.JuegoEnRed || a.ModoRed != PapelRed::Administrador || banderas_.NuevaPartida) return;
    bool cambio =
        a.SentidoJuego != SentidoAntes || a.ListaJugadas != ListaAntes || a.PausaEntreJugadas != PausaAntes;
    for (std::size_t s = 1; s <= 4 && !cambio; ++s) {
        const AjustesJugador& j = a.Jugador[s];
        cambio = !IgualSinMayusculas(j.NombreJugador, NombreAntes[s]) ||
                 j.ControlJugador != ControlAntes[s] || j.NivelJugador != NivelAntes[s] ||
                 j.CaracterJugador != CaracterAntes[s] || !IgualSinMayusculas(j.DireccionIP, IPAntes[s]);
    }
    if (cambio) c_.servicios.EnviarEstadoRed();
}

void personal::GuardarAlSalir()
{
    // A network game is not this computer's to keep: the settings are saved with a local game only.
    if (c_.a.JuegoEnRed || JuegoEnRedAntes) return;
    EstadoJuego juego = c_.e;
    // A match the table is about to replace, or one caught in its deal, is not kept for the next start.
    if (banderas_.NuevaPartida || juego.RepartoEnCurso) {
        juego.RepartoEnCurso = false;
        juego.PartidaEnCurso = false;
        juego.ManoEnCurso = false;
    }
    // A failed write leaves the old file whole; the settings are written again when the program ends.
    (void)GuardarAjustes(c_.CarpetaDatos, juego, c_.a);
}

} // namespace zp

#include "table/botonera.h"

#include "engine/mensajes_red.h"
#include "engine/partida.h"
#include "engine/sonidos.h"
#include "kit/ayuda.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "network/ciclo_red.h"
#include "network/mensared.h"
#include "platform/wait.h"
#include "scores/estadis.h"
#include "scores/marcador.h"
#include "settings/core/fichero_estado.h"
#include "settings/guardar_ajustes.h"
#include "settings/normas.h"
#include "table/ajustes_mesa.h"
#include "table/arranque_mesa.h"
#include "table/ritmo_mesa.h"
#include "table/tutor_mesa.h"

#include <QPointer>

namespace zp {

namespace {

enum Boton : Entero
{
    kNuevaPartida = 1,
    kPersonal = 2,
    kNormas = 3,
    kTutor = 4,
    kMarcador = 5,
    kAyuda = 6,
    kSalir = 7,
    kEstadisticas = 8,
    kMensajeRed = 9
};

const AjustesJugador& EnTurno(const EstadoJuego& e, const Ajustes& a)
{
    const Entero p = EsAsiento(e.JugadorTurno) ? e.JugadorTurno : Entero{0};
    return a.Jugador[static_cast<std::size_t>(p)];
}

void NuevaPartida(Programa& pr)
{
    const Ajustes& a = pr.a;
    if (a.JuegoEnRed && a.ModoRed == PapelRed::Cliente) {
        MostrarMensaje(
            "Partida en red",
            "Cuando se juega una partida en red en modo  Cliente  no  se puede comenzar una nueva partida, "
            "ya que esta posibilidad sólo la tiene el Administrador de la misma.",
            3, 1, kAyudaRed);
        return;
    }
    // While network play starts nothing is asked, dealt or announced: the new match is the one the start-up
    // leads to, on every computer, or a match here when network play did not start.
    if (ConexionRed* red = ConexionDe(pr); red && red->Estado.AplazarPeticion(Peticion::NuevaPartida)) return;
    // However the settings came, pairs need four players: settled as leaving the player settings would.
    // What still allows no deal is said, and the match in progress is left as it was.
    AsentarJugadores(pr.a);
    if (const FalloReglas fallo = ValidarReglas(a); fallo != FalloReglas::Ninguno) {
        AvisarReglasNoValidas(fallo, a);
        return;
    }
    bool respuesta = true;
    if (pr.e.PartidaEnCurso)
        respuesta = MostrarMensaje(
            "Abandonar la partida en curso",
            "¿Desea abandonar la partida que está jugando para comenzar una nueva partida?", 2, 2);
    if (!respuesta) return;
    if (a.JuegoEnRed) pr.Ctx->red.EnviarATodosRed(CrearMensajeNuevaPartida());
    PedirAlPrograma(pr, Peticion::NuevaPartida);
}

void Tutor(Programa& pr)
{
    if (pr.a.JuegoEnRed) {
        MostrarMensaje(
            "Partida en red",
            "Cuando se juega una partida en red no puede utilizar el Tutor de Juego ninguno de los "
            "jugadores.",
            2, 1, kAyudaRed);
        return;
    }
    MostrarJugadaTutor(*pr.Ctx, *pr.Mesa);
}

// The windows the bar opens, each shown modally through its own procedure from here.

void AbrirPersonal(Programa& pr, PeticionesAjustes& peticiones)
{
    peticiones = MostrarPersonalEnMesa(pr);
}

void AbrirNormas(Programa& pr, PeticionesAjustes& peticiones)
{
    peticiones.NuevaPartida = MostrarNormas(*pr.Ctx, pr.Mesa.get());
}

void AbrirMarcador(Programa& pr)
{
    MostrarMarcador(pr.e, pr.a, pr.CarpetaDatos, pr.Mesa.get());
}

void AbrirEstadisticas(Programa& pr)
{
    MostrarEstadisticas(pr.e, pr.a, pr.CarpetaDatos, pr.Mesa.get());
}

bool EsperandoConexiones(Programa& pr)
{
    const ConexionRed* red = ConexionDe(pr);
    return red && red->Estado.EsperandoConexiones;
}

void AbrirMensajeRed(Programa& pr)
{
    if (auto* red = ConexionDe(pr)) MostrarMensared(*red, pr.Mesa.get());
}

// The settings windows run with the message box centred on the whole screen; the player settings also keep
// the stock on its side while they redraw the table.
void AbrirAjustes(Programa& pr, bool personal, PeticionesAjustes& peticiones)
{
    EstadoMesa& m = pr.Mesa->Estado();
    Entorno().AjustesAbiertos = true;
    m.PersonalAbierto = personal;
    if (personal)
        AbrirPersonal(pr, peticiones);
    else
        AbrirNormas(pr, peticiones);
    m.PersonalAbierto = false;
    Entorno().AjustesAbiertos = false;
}

void AtenderPeticiones(Programa& pr, const PeticionesAjustes& p)
{
    auto* red = ConexionDe(pr);
    if (p.RestaurarSituacion && red) {
        RestaurarAntesDeRed(*red);
        return;
    }
    // Whether a new match starts is the network start-up's to say: the host's verdict.
    if (p.ReiniciarRed) {
        if (IniciarJuegoEnRed(pr)) PedirAlPrograma(pr, Peticion::NuevaPartida);
        return;
    }
    if (p.NuevaPartida) PedirAlPrograma(pr, Peticion::NuevaPartida);
}

// Leaving a network game ends network play as switching it off would, and gives back the game set aside when
// it began: into the settings file, which the next start takes up. The addresses typed since are kept, as a
// snapshot taken up does not change them. False when it could not be written there, so that it stays set
// aside; a file that cannot be given back is said and goes, as at the end of network play.
bool DevolverSituacionApartada(const std::string& carpetaDatos, const EstadoJuego& e, const Ajustes& a)
{
    EstadoJuego juego = e;
    Ajustes datos = a;
    const ResultadoCargaEstado r = CargarEstadoConDirecciones(carpetaDatos, kFicheroAntesDeRed, juego, datos);
    if (r.Mensaje) MostrarMensaje(r.Mensaje->Titulo, r.Mensaje->Texto, Entero(r.Mensaje->Lineas), 1);
    if (!r.FicheroEncontrado) return true;
    return GuardarAjustesAlSalir(carpetaDatos, juego, datos);
}

void Salir(Programa& pr)
{
    // Whatever asked (the button, a close of the window), it answers every close made before it ends.
    const mesa::SalidaEnCurso salida(*pr.Mesa);
    EstadoJuego& e = pr.e;
    if (e.EligiendoSalida) {
        MostrarMensaje("Salir del programa",
                       "Elija el jugador que va a salir este juego antes de poder abandonar el programa.", 2,
                       1);
        return;
    }
    if (e.GrabadoraActiva) {
        MostrarMensaje("Salir del programa",
                       "Tiene que apagar la Grabadora de jugadas antes de poder abandonar el programa.", 2,
                       1);
        return;
    }
    if (VisorAyuda* ayuda = AyudaAbierta()) ayuda->close();
    // A close of the question's own box is a close of the window again: it adds nothing.
    bool respuesta = true;
    if (e.PartidaEnCurso && pr.a.JuegoEnRed) {
        respuesta =
            MostrarMensaje("Salir del programa", "¿Desea salir del programa y abandonar la partida en red?",
                           1, 2, 0, CierreCaja::Ninguno);
    } else if (e.PartidaEnCurso) {
        respuesta =
            MostrarMensaje("Posponer la partida en curso",
                           "¿Desea abandonar el programa para continuar en otro momento la partida que está "
                           "jugando?",
                           2, 2, 0, CierreCaja::Ninguno);
    }
    if (!respuesta) return;
    // A game left in the middle of its deal cannot be taken up again: it is not kept.
    if (e.RepartoEnCurso) {
        e.RepartoEnCurso = false;
        e.PartidaEnCurso = false;
    }
    // A network game is not this computer's to keep: the one from before it is, once nothing more of the
    // network can arrive.
    const bool enRed = pr.a.JuegoEnRed;
    if (!enRed) GuardarAjustesAlSalir(pr.CarpetaDatos, e, pr.a);
    if (auto* red = ConexionDe(pr)) CerrarRed(*red);
    if (!enRed || DevolverSituacionApartada(pr.CarpetaDatos, e, pr.a))
        DescartarSituacionApartada(pr.CarpetaDatos);
    pr.Mesa->hide();
    PedirAlPrograma(pr, Peticion::Salir);
}

} // namespace

void AvisarReglasNoValidas(FalloReglas fallo, const Ajustes& a)
{
    const QString personal = QStringLiteral("  Personalizar la aplicación");
    const QString normas = QStringLiteral("  Normas de juego");
    QString texto;
    switch (fallo) {
    case FalloReglas::Ninguno:
        return;
    case FalloReglas::PocosJugadores:
        texto = QStringLiteral("Para jugar una partida debe haber como mínimo dos jugadores activados. "
                               "Actívelos en") +
                personal + QStringLiteral(".");
        break;
    case FalloReglas::JugadoresDescontados:
    case FalloReglas::ParejasSinCuatro:
        texto = QStringLiteral("Los jugadores activados no permiten jugar en el modo de juego elegido. "
                               "Revíselos en") +
                personal + QStringLiteral(".");
        break;
    case FalloReglas::FichasFueraDeRango:
        texto = QStringLiteral("Cada jugador debe recibir entre %1 y %2 fichas. Cámbielo en")
                    .arg(ajuste::FichasPorJugador.Minimo)
                    .arg(ajuste::FichasPorJugador.Maximo) +
                normas + QStringLiteral(".");
        break;
    case FalloReglas::DemasiadasFichas:
        texto = QStringLiteral("No se pueden repartir %1 fichas a cada uno de los %2 jugadores activados: el "
                               "juego tiene %3 fichas. Cambie las fichas por jugador en")
                    .arg(a.FichasPorJugador)
                    .arg(ContarJugadoresEnJuego(a))
                    .arg(kFichasJuego) +
                normas + QStringLiteral("  o los jugadores activados en") + personal + QStringLiteral(".");
        break;
    }
    MostrarMensaje(QStringLiteral("Comenzar nueva partida"), texto, ContarLineasMensaje(texto), 1);
}

bool BotonUtilizable(const EstadoJuego& e, const Ajustes& a, Entero Index, bool esperandoConexiones)
{
    switch (Index) {
    case kNuevaPartida:
        return !e.GrabadoraActiva;
    case kPersonal:
        return !e.GrabadoraActiva && !e.EligiendoSalida;
    case kNormas:
        return !e.GrabadoraActiva && !e.EligiendoSalida && !esperandoConexiones;
    case kTutor:
        return EnTurno(e, a).ControlJugador == Control::Manual && e.ManoEnCurso && e.EsperaContinuar &&
               !e.GrabadoraActiva;
    case kEstadisticas:
        return EnTurno(e, a).FichasJugador != VistaFichas::Ocultas && e.NumeroJugada != 0;
    default:
        return true;
    }
}

void PrepararBotonera(Programa& pr)
{
    Programa* p = &pr;
    pr.Mesa->PedirBoton = [p](Entero i) { PulsarBoton(*p, i); };
    for (Entero i = 1; i <= 9; ++i) {
        PictureBox* boton = pr.Mesa->Pic_Boton[static_cast<std::size_t>(i)];
        boton->setToolTip(QString::fromUtf8(kAvisosBotonera[static_cast<std::size_t>(i)].data()));
        PonerPuntero(boton, kPunteroProhibido);
        QObject::connect(boton, &PictureBox::moved, boton,
                         [p, i](const PointerEvent&) { Pic_Boton_MouseMove(*p, i); });
        QObject::connect(boton, &PictureBox::pressed, boton,
                         [p, i](const PointerEvent&) { Pic_Boton_MouseDown(*p, i); });
    }
}

void Pic_Boton_MouseMove(Programa& pr, Entero Index)
{
    PictureBox* boton = pr.Mesa->Pic_Boton[static_cast<std::size_t>(Index)];
    const bool utilizable = BotonUtilizable(pr.e, pr.a, Index, EsperandoConexiones(pr));
    const bool prohibido = PunteroDe(boton) == kPunteroProhibido;
    if (prohibido && utilizable)
        PonerCursor(boton, "ManoIndice");
    else if (!prohibido && !utilizable)
        PonerPuntero(boton, kPunteroProhibido);
}

namespace {

void Orden(Programa& pr, Entero Index)
{
    pr.Ctx->ritmo.ReproducirSonido(ModoSonido::Esperar, sonido::Clic);
    PeticionesAjustes peticiones;
    switch (Index) {
    case kNuevaPartida:
        NuevaPartida(pr);
        break;
    case kPersonal:
        AbrirAjustes(pr, true, peticiones);
        break;
    case kNormas:
        AbrirAjustes(pr, false, peticiones);
        break;
    case kTutor:
        Tutor(pr);
        break;
    case kMarcador:
        AbrirMarcador(pr);
        break;
    case kAyuda:
        MostrarAyuda(0); // the contents
        break;
    case kSalir:
        Salir(pr);
        break;
    case kEstadisticas:
        AbrirEstadisticas(pr);
        break;
    case kMensajeRed:
        AbrirMensajeRed(pr);
        break;
    default:
        break;
    }
    AtenderPeticiones(pr, peticiones);
}

} // namespace

void Pic_Boton_MouseDown(Programa& pr, Entero Index)
{
    if (Index < 1 || Index > 9) return;
    pr.Mesa->Pic_SelOpciones->hide();
    // The last pass of the pointer decides, not the state now.
    if (PunteroDe(pr.Mesa->Pic_Boton[static_cast<std::size_t>(Index)]) == kPunteroProhibido) return;
    Orden(pr, Index);
}

void PulsarBoton(Programa& pr, Entero Index)
{
    if (Index < 1 || Index > 9) return;
    pr.Mesa->Pic_SelOpciones->hide();
    // No pointer has passed over the button: its rule decides.
    if (!BotonUtilizable(pr.e, pr.a, Index, EsperandoConexiones(pr))) return;
    Orden(pr, Index);
}

void ReanudarJuegoCargado(Programa& pr)
{
    EstadoJuego& e = pr.e;
    if (!e.RedibujoPendiente) return;
    e.RedibujoPendiente = false;
    // From the top level, once a match running meanwhile has unwound: its turn is the loaded game's.
    if (e.PartidaEnCurso || matchLoopRunning()) PedirAlPrograma(pr, Peticion::ReanudarPartida);
}

} // namespace zp

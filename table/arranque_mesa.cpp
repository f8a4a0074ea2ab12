#include "table/arranque_mesa.h"

#include "kit/carpeta.h"
#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "kit/sonido.h"
#include "network/ciclo_red.h"
#include "network/conexion_red.h"
#include "network/mensared.h"
#include "platform/outside_pause.h"
#include "platform/virtual_screen.h"
#include "platform/wait.h"
#include "scores/core/historico.h"
#include "settings/core/almacen_ficheros.h"
#include "settings/core/fichero_estado.h"
#include "table/botonera.h"
#include "table/grabadora_mesa.h"
#include "table/opciones_mesa.h"

#include <QApplication>
#include <filesystem>
#include <utility>

namespace zp {

namespace {

// Pauses and sounds at the speed and sound settings.
class RitmoPrograma : public Ritmo
{
public:
    explicit RitmoPrograma(const Ajustes& a) : a_(a) {}
    void HacerPausa(int ms) override { PausaPrograma().HacerPausa(Entero(ms), a_.Velocidad); }
    void ReproducirSonido(ModoSonido modo, int numero) override
    {
        if (!a_.Sonido) return;
        SonidosPrograma().ReproducirSonido(static_cast<Entero>(modo), Entero(numero), true);
    }

private:
    const Ajustes& a_;
};

// The settings' files, plus the history file the end of a match appends to.
class AlmacenPrograma : public AlmacenFicheros
{
public:
    AlmacenPrograma(EstadoJuego& juego, Ajustes& datos, const std::string& carpetaDatos)
        : AlmacenFicheros(juego, datos, carpetaDatos), carpeta_(carpetaDatos)
    {
    }
    void AnadirRegistroHistorico(const ResumenPartida& partida) override
    {
        // A history that cannot be written is no reason to hold up the end of a match: it stays as it was,
        // and the person is told.
        const auto fallo = zp::AnadirRegistroHistorico(carpeta_, partida, FechaHoraActual());
        if (!fallo) return;
        const QString texto = QStringLiteral("No se ha podido añadir esta partida al Histórico de partidas "
                                             "(%1). El histórico queda como estaba.")
                                  .arg(QString::fromStdString(TextoErrorAjustes(fallo->Numero)));
        MostrarMensaje(QStringLiteral("Histórico de partidas jugadas"), texto, ContarLineasMensaje(texto), 1);
    }

private:
    std::string carpeta_;
};

std::filesystem::path CarpetaPrograma()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void EncolarPeticion(Programa& pr, Peticion peticion);

// Runs on the top-level loop: the match, then its outcome handed on; what it asked for comes next, queued.
void Ejecutar(Programa& pr, const std::function<ResultadoPartida(Contexto&)>& partida)
{
    ResultadoPartida r;
    {
        MatchLoop bucle;
        r = partida(*pr.Ctx);
    }
    // A request made after the match's last step is carried out all the same.
    const auto pedida = static_cast<Peticion>(std::exchange(pr.e.PeticionPendiente, Entero{0}));
    if (r.Siguiente == Peticion::Ninguna) r.Siguiente = pedida;
    // A match that could not be dealt says why rather than leave the table as if nothing had been asked.
    if (r.Fin == FinPartida::ReglasNoValidas && !quitting()) AvisarReglasNoValidas(ValidarReglas(pr.a), pr.a);
    // Queued before the handler runs: the handler may be the last thing that sees this program.
    if (!quitting() && (r.Siguiente == Peticion::NuevaPartida || r.Siguiente == Peticion::ReanudarPartida))
        EncolarPeticion(pr, r.Siguiente);
    if (pr.AlTerminar) pr.AlTerminar(r);
}

// From the event loop, never inside a pause: a match started there would never hear the person.
void Encolar(Programa& pr, std::function<void(Programa&)> llamada)
{
    Programa* p = &pr;
    postOutsidePause(pr.Mesa.get(), [p, llamada = std::move(llamada)] { llamada(*p); });
}

// Every request is weighed here against the one the program took last, once as it is made and again as it
// is served: an exit confirmed in between leaves it nothing to do.
bool Tomar(Programa& pr, Peticion peticion)
{
    pr.Pedida = PeticionEnPie(pr.Pedida, peticion);
    return pr.Pedida == peticion;
}

void EncolarPeticion(Programa& pr, Peticion peticion)
{
    Encolar(pr, [peticion](Programa& p) {
        if (!Tomar(p, peticion)) return;
        // A match that began meanwhile (its wait handled this call) goes first: it is abandoned with the
        // request rather than a loop being started inside its own.
        if (matchLoopRunning()) {
            PedirAlPrograma(p, peticion);
            return;
        }
        // Nor inside the network start-up's waits: it asks for the request once it is over.
        if (ConexionRed* red = ConexionDe(p); red && red->Estado.AplazarPeticion(peticion)) return;
        // A new local match takes the place of the game set aside before network play.
        if (peticion == Peticion::NuevaPartida && !p.a.JuegoEnRed) DescartarSituacionApartada(p.CarpetaDatos);
        Ejecutar(p, [peticion](Contexto& c) {
            // Pairs need four players, whatever the settings were read from.
            if (peticion == Peticion::NuevaPartida) AsentarJugadores(c.a);
            return AtenderPeticion(c, peticion);
        });
    });
}

// What network play asks of the table: matches from the top level, the player settings, the chat.
void PrepararRed(Programa& pr, ConexionRed& red)
{
    Programa* p = &pr;
    ProgramaRed programa;
    programa.CarpetaDatos = pr.CarpetaDatos;
    programa.Pedir = [p](Peticion peticion) {
        if (peticion != Peticion::Ninguna || matchLoopRunning()) PedirAlPrograma(*p, peticion);
    };
    programa.AbrirPersonal = [p] { PulsarBoton(*p, 2); };
    programa.VerBotonMensajes = [p](bool visible) { p->Mesa->Pic_Boton[9]->setVisible(visible); };
    programa.MostrarMensajes = [p, &red] { MostrarMensared(red, p->Mesa.get()); };
    PrepararCicloRed(red, *pr.Ctx, std::move(programa));
}

} // namespace

QSize PantallaParaArranque(const VirtualScreen& pantalla)
{
    // A screen too narrow is laid out as 800 x 600 anyway: the start-up asks first, naming the real one.
    return pantalla.narrowerThanMinimum() ? pantalla.realSize() : pantalla.logicalSize();
}

Programa::Programa() = default;
Programa::~Programa() = default;

ConexionRed* ConexionDe(Programa& pr)
{
    return dynamic_cast<ConexionRed*>(pr.Conexion.get());
}

std::unique_ptr<Programa> ArrancarPrograma(OpcionesArranque opciones)
{
    auto programa = std::make_unique<Programa>();
    Programa& pr = *programa;
    pr.Mesa = std::make_unique<mesa>(pr.e, pr.a);
    pr.Mesa->SinCareta = !opciones.Careta;
    pr.Persona = std::make_unique<UsuarioMesa>(*pr.Mesa);

    const VirtualScreen& pantalla = virtualScreen();
    EntradaArranque entrada;
    entrada.CarpetaPrograma = CarpetaPrograma();
    entrada.CarpetaUsuario = std::filesystem::path(ObtenerDirectorioWindows());
    const QSize medida = PantallaParaArranque(pantalla);
    entrada.AnchoPantalla = medida.width();
    entrada.AltoPantalla = medida.height();
    const Preparacion preparada = PrepararArranque(*pr.Mesa, *pr.Persona, entrada);
    pr.Salir = preparada.Salir;
    pr.CarpetaDatos = opciones.CarpetaDatos.empty() ? preparada.CarpetaDatos : opciones.CarpetaDatos;
    pr.Medidas = MedirPantalla(preparada.AnchoPantalla, preparada.AltoPantalla);
    if (preparada.AnchoPantalla != pantalla.width() || preparada.AltoPantalla != pantalla.height())
        setVirtualScreen(VirtualScreen::switched(pantalla.realSize()));

    pr.Pausas = std::make_unique<RitmoPrograma>(pr.a);
    auto conexion = std::make_unique<ConexionRed>(pr.e, pr.a);
    ConexionRed& red = *conexion;
    pr.Conexion = std::move(conexion);
    pr.Ficheros = std::make_unique<AlmacenPrograma>(pr.e, pr.a, pr.CarpetaDatos);
    if (opciones.Semilla)
        pr.Suerte = std::make_unique<AzarSemilla>(*opciones.Semilla);
    else
        pr.Suerte = std::make_unique<AzarReloj>();
    pr.Ctx.emplace(Contexto{pr.e, pr.a, pr.Medidas, *pr.Mesa, *pr.Persona, *pr.Pausas, *pr.Conexion,
                            *pr.Ficheros, *pr.Suerte});
    PrepararRed(pr, red);
    if (pr.Salir) return programa;

    pr.AlTerminar = opciones.AlTerminar ? opciones.AlTerminar : [](const ResultadoPartida& r) {
        if (r.Siguiente == Peticion::Salir) {
            requestQuit();
            QApplication::quit();
        }
    };
    PrepararBotonera(pr);
    PrepararOpciones(pr);
    PrepararGrabadora(*pr.Ctx, *pr.Mesa);
    // A resumed match runs inside Main: from the top-level loop, never inside the caller.
    Encolar(pr, [](Programa& p) { Ejecutar(p, [](Contexto& c) { return Main(c); }); });
    return programa;
}

void PedirAlPrograma(Programa& pr, Peticion peticion)
{
    if (!Tomar(pr, peticion)) return;
    if (matchLoopRunning()) {
        // The match's waits end and its loop unwinds; the top level then finds the request in its outcome.
        PedirPeticion(pr.e, peticion);
        abandonMatch();
        return;
    }
    EncolarPeticion(pr, peticion);
}

} // namespace zp

// A network match of automatic players with no window, one program per computer: the host waits for its
// clients on the loopback address, then every computer plays the match through the network messages and
// prints the score sheet in the host's seat numbering, so that the sheets of all the computers can be
// compared line by line. Network play starts, goes on after a lost connection and takes up an unfinished
// game exactly as in the program: only the person's answers come from the command line.
//
//   partida_red --administrador [--clientes 1..3] [--puerto N] [--semilla N] [--puntos N] [--modo 1|2]
//               [--carpeta DIR] [--respuestas 0/1...] [--cortar N] [--salir N] [--chat TEXTO]...
//               [--mensajes N]
//   partida_red --cliente --puerto N [--semilla N] [--carpeta DIR] [--respuestas 0/1...] [--cortar N]
//               [--chat TEXTO]... [--mensajes N]
//
// The host takes seats 1.. for its clients and plays the rest itself; port 0 takes a free one, which it
// prints first ("puerto N") for the clients to be started with. Each message box shown is printed as
// "mensaje: title" when it shows; the questions are answered in turn by the digits of --respuestas (1 =
// Aceptar), then accepted. --cortar N stops the program dead once it has written its N-th snapshot of the
// network game (a host first waits for its clients to stop too), leaving the snapshot for a later run;
// --salir N makes the host leave there as the exit button does. --chat sends a chat line once network play
// has started; --mensajes N waits, once the match is over, until N chat lines are stored, and prints them
// ("chat: ...").
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/contexto.h"
#include "engine/partida.h"
#include "engine/turno.h"
#include "network/ciclo_red.h"
#include "network/conexion_red.h"
#include "network/core/arranque_red.h"
#include "network/inicio_red.h"
#include "network/mensared.h"
#include "platform/socket_control.h"
#include "platform/text/cp1252.h"
#include "platform/wait.h"
#include "settings/core/almacen_ficheros.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{
    "partida_red",
    "uso: partida_red --administrador [--clientes 1..3] [--puerto N] [--semilla N] [--puntos N] [--modo "
    "1|2]\n"
    "                 [--carpeta DIR] [--respuestas 0/1...] [--cortar N] [--salir N] [--chat TEXTO]...\n"
    "                 [--mensajes N]\n"
    "       partida_red --cliente --puerto N [--semilla N] [--carpeta DIR] [--respuestas 0/1...]\n"
    "                 [--cortar N] [--chat TEXTO]... [--mensajes N]\n"};

constexpr const char* kLoopback = "127.0.0.1";

struct Opciones
{
    bool administrador = false, cliente = false;
    int clientes = 1;
    int puerto = ConexionRed::kPuertoRed;
    std::uint32_t semilla = 1;
    int puntos = 30;
    int modo = 1;
    std::string carpeta;
    std::string respuestas;
    int cortar = 0, salir = 0;
    std::vector<std::string> chat;
    int mensajes = 0;
};

// A wait that only the program's end cuts short.
void Esperar(const std::function<bool()>& condicion)
{
    WaitOptions o;
    o.belongsToMatch = false;
    waitUntil(condicion, o);
}

void Imprimir(const std::string& linea)
{
    std::printf("%s\n", linea.c_str());
    std::fflush(stdout);
}

// The person: the scripted answers, and every box printed as it shows.
class Persona : public UsuarioAutomatico
{
public:
    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda, CierreCaja alCerrar) override
    {
        Imprimir("mensaje: " + titulo);
        return UsuarioAutomatico::MostrarMensaje(titulo, texto, lineas, botones, ayuda, alCerrar);
    }
    void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) override
    {
        UsuarioAutomatico::MostrarEspera(titulo, texto, lineas);
        if (auto avisar = std::exchange(AlEsperar, nullptr)) avisar();
    }
    std::function<void()> AlEsperar; // once, the first time a wait shows
};

// The state files, and the stop at the N-th snapshot of the network game.
class AlmacenCortado : public AlmacenFicheros
{
public:
    using AlmacenFicheros::AlmacenFicheros;
    bool GrabarEstado(const std::string& nombre) override
    {
        const bool hecho = AlmacenFicheros::GrabarEstado(nombre);
        if (nombre == kFicheroRed && ++instantaneas == alInstante && alLlegar) alLlegar();
        return hecho;
    }
    int instantaneas = 0, alInstante = 0;
    std::function<void()> alLlegar;
};

// The score sheet with every seat and pair in the host's numbering: the same lines on every computer.
void ImprimirMarcador(const EstadoJuego& e, bool terminada)
{
    const auto local = [&e](int p) {
        return static_cast<std::size_t>(CalcularJugadorRelativo(Entero(p), e.PuestoLocal));
    };
    // Pair 1 is seats 2 and 4 here; on a computer at an odd seat of the host those are the host's pair 2.
    const bool cruzadas = e.PuestoLocal % 2 == 1;
    for (int h = 1; h <= e.NumeroMano; ++h) {
        const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
        const int p24 = cruzadas ? r.PuntosPareja2 : r.PuntosPareja1,
                  d24 = cruzadas ? r.DecenasPareja2 : r.DecenasPareja1;
        const int p13 = cruzadas ? r.PuntosPareja1 : r.PuntosPareja2,
                  d13 = cruzadas ? r.DecenasPareja1 : r.DecenasPareja2;
        std::printf("mano %3d  sale %-9s  parejas %3d-%d %3d-%d  jugadores", h, r.Sale.c_str(), p24, d24, p13,
                    d13);
        for (int p = 1; p <= 4; ++p)
            std::printf(" %3d-%d", r.PuntosJugador[local(p)], r.DecenasJugador[local(p)]);
        std::printf("\n");
    }
    std::printf("total  parejas %d %d  jugadores", cruzadas ? e.TotalPareja2 : e.TotalPareja1,
                cruzadas ? e.TotalPareja1 : e.TotalPareja2);
    for (int p = 1; p <= 4; ++p) std::printf(" %d", e.PuntosJugador[local(p)]);
    std::printf("\n%s\n", terminada ? "partida terminada" : "partida sin terminar");
    std::fflush(stdout);
}

int ChatGuardado(const EstadoRed& s)
{
    int n = 0;
    for (const std::string& m : s.MensajesChat) n += m.find_first_not_of(' ') != std::string::npos;
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacion(argc, argv);
    Opciones o;
    programa.Leer(argc, argv,
                  {
                      programa.Interruptor("--administrador", o.administrador),
                      programa.Interruptor("--cliente", o.cliente),
                      programa.Entera("--clientes", o.clientes, 1, 3),
                      programa.Entera("--puerto", o.puerto, 0, 65535),
                      programa.Entera("--semilla", o.semilla, 0, 2000000000),
                      programa.Entera("--puntos", o.puntos, 1, 999),
                      programa.Entera("--modo", o.modo, 1, 2),
                      programa.Texto("--carpeta", o.carpeta),
                      programa.Texto("--respuestas", o.respuestas),
                      programa.Entera("--cortar", o.cortar, 1, 9999),
                      programa.Entera("--salir", o.salir, 1, 9999),
                      {"--chat", [&o](const char* v) { o.chat.emplace_back(v); }},
                      programa.Entera("--mensajes", o.mensajes, 0, 999),
                  });
    if (o.administrador == o.cliente) programa.Uso("hace falta --administrador o --cliente");

    // Each computer keeps its own state files, inside the folder given with or without its "/".
    QTemporaryDir temporal;
    std::string carpeta = o.carpeta.empty() ? QDir(temporal.path()).absolutePath().toStdString() : o.carpeta;
    if (carpeta.back() != '/') carpeta += '/';

    EstadoJuego e;
    Ajustes a;
    PonerAjustesPorDefecto(e, a);
    a.Sonido = false;
    a.PausaEntreJugadas = false;
    a.JuegoEnRed = true;
    a.PuntosPartida = static_cast<Entero>(o.puntos);
    a.ModoJuego = static_cast<Modalidad>(o.modo);
    a.ModoRed = o.administrador ? PapelRed::Administrador : PapelRed::Cliente;
    for (std::size_t p = 1; p <= 4; ++p) {
        const bool remoto = o.administrador && static_cast<int>(p) <= o.clientes;
        a.Jugador[p].ControlJugador = remoto ? Control::Remoto : Control::Automatico;
        a.Jugador[p].DireccionIP = remoto ? kLoopback : "";
    }
    if (o.cliente) a.Jugador[4].DireccionIP = kLoopback;

    const Pantalla pantalla = MedirPantalla(800, 600);
    MesaNula mesa;
    Persona persona;
    for (char r : o.respuestas) persona.RespuestasMensaje.push_back(r != '0');
    RitmoNulo ritmo;
    ConexionRed red(e, a);
    red.Puerto = static_cast<quint16>(o.puerto);
    AlmacenCortado almacen(e, a, carpeta);
    AzarSemilla azar(o.semilla);
    Contexto c{e, a, pantalla, mesa, persona, ritmo, red, almacen, azar};

    // The program around network play: one match at a time, a new one only once the running one unwound.
    Peticion pendiente = Peticion::Ninguna;
    bool enMarcha = false;
    ProgramaRed programaRed;
    programaRed.CarpetaDatos = carpeta;
    programaRed.Pedir = [&](Peticion p) {
        if (enMarcha) {
            PedirPeticion(e, p);
            abandonMatch();
        } else if (p != Peticion::Ninguna) {
            pendiente = p;
        }
    };
    programaRed.AbrirPersonal = [] { Imprimir("personal"); };
    PrepararCicloRed(red, c, programaRed);

    if (o.cortar > 0 || o.salir > 0) {
        almacen.alInstante = o.cortar > 0 ? o.cortar : o.salir;
        almacen.alLlegar = [&] {
            if (o.salir > 0) {
                // The exit button: network play closed, the match left as it stands.
                CerrarRed(red);
                ImprimirMarcador(e, false);
                std::_Exit(0);
            }
            // Switched off: on the host once its clients are gone, so that they reach the same move.
            if (o.administrador) Esperar([&] { return ContarConectados(a) == 0; });
            Imprimir("cortada");
            std::_Exit(3);
        };
    }

    // The host listens before it first shows whom it waits for: the port goes out then.
    if (o.administrador)
        persona.AlEsperar = [&red] { Imprimir("puerto " + std::to_string(red.WSServidor[0]->localPort())); };
    const bool nueva = IniciarJuegoEnRed(red);
    for (const std::string& t : o.chat) red.EnviarMensajeChat(ComponerMensajeChatAhora(a, t));
    Peticion p = nueva ? Peticion::NuevaPartida : std::exchange(pendiente, Peticion::Ninguna);
    if (!nueva && !a.JuegoEnRed) Imprimir("sin red");
    ResultadoPartida r;
    while (p == Peticion::NuevaPartida || p == Peticion::ReanudarPartida) {
        if (p == Peticion::ReanudarPartida) Imprimir("partida reanudada");
        enMarcha = true;
        r = AtenderPeticion(c, p);
        enMarcha = false;
        p = r.Siguiente != Peticion::Ninguna ? r.Siguiente : std::exchange(pendiente, Peticion::Ninguna);
    }
    // The match is over: players leaving now is no news.
    red.AlDesconectarCliente = nullptr;
    if (o.mensajes > 0) {
        Esperar([&] { return ChatGuardado(red.Estado) >= o.mensajes; });
        for (const std::string& m : red.Estado.MensajesChat)
            if (m.find_first_not_of(' ') != std::string::npos) Imprimir("chat: " + desdeCp1252(m));
    }
    const bool terminada = r.Fin == FinPartida::Terminada;
    ImprimirMarcador(e, terminada);

    // The host stays until its clients have left, so that nothing it sent is cut off; a client leaves.
    if (o.administrador && a.JuegoEnRed) Esperar([&] { return ContarConectados(a) == 0; });
    red.CerrarSockets();
    return terminada ? 0 : 1;
}

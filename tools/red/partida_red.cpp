// A network match of automatic players with no window, one program per computer: the host waits for its
// clients on the loopback address, then every computer plays the match through the network messages and
// prints the score sheet in the host's seat numbering, so that the sheets of all the computers can be
// compared line by line.
//
//   partida_red --administrador [--clientes 1..3] [--puerto N] [--semilla N] [--puntos N] [--modo 1|2]
//               [--carpeta DIR]
//   partida_red --cliente --puerto N [--semilla N] [--carpeta DIR]
//
// The host takes seats 1.. for its clients and plays the rest itself; port 0 takes a free one, which it
// prints first ("puerto N") for the clients to be started with.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>

#include "engine/contexto.h"
#include "engine/partida.h"
#include "engine/turno.h"
#include "network/conexion_red.h"
#include "network/core/mensajes.h"
#include "platform/socket_control.h"
#include "platform/wait.h"
#include "settings/core/almacen_ficheros.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{"partida_red",
                        "uso: partida_red --administrador [--clientes 1..3] [--puerto N] [--semilla N]\n"
                        "                 [--puntos N] [--modo 1|2] [--carpeta DIR]\n"
                        "       partida_red --cliente --puerto N [--semilla N] [--carpeta DIR]\n"};

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
};

// A wait that only the program's end cuts short; false when it was cut.
bool Esperar(const std::function<bool()>& condicion, const std::function<void()>& cadaVez = {})
{
    WaitOptions o;
    o.belongsToMatch = false;
    o.onTick = cadaVez;
    return waitUntil(condicion, o) == WaitEnd::ConditionHeld;
}

int Fallo(const char* motivo)
{
    std::fprintf(stderr, "partida_red: %s\n", motivo);
    return 1;
}

// Host: the clients take seats 1.. by their address, answer with their game code; then the state and the
// verdict "new game" go out and the match starts.
bool Acoger(ConexionRed& red, Ajustes& a, int clientes)
{
    if (!red.Escuchar()) return false;
    std::printf("puerto %u\n", unsigned(red.WSServidor[0]->localPort()));
    std::fflush(stdout);
    const auto listos = [&] {
        for (std::size_t p = 1; p <= static_cast<std::size_t>(clientes); ++p)
            if (!a.Jugador[p].Conectado) return false;
        return red.Estado.ClientesRespondidos() >= clientes;
    };
    if (!Esperar(listos)) return false;
    red.EnviarEstadoRed();
    red.EnviarATodosRed(CrearMensaje(codigo_red::TipoPartida, "1"));
    return true;
}

// Client: connects (again while nobody listens yet), learns its seat, reports no unfinished game and waits
// for the verdict.
bool Unirse(ConexionRed& red, EstadoJuego& e)
{
    red.Conectar();
    const auto conectado = [&] { return red.WSCliente->state() == SocketControl::Connected; };
    const auto reintentar = [&] {
        if (red.WSCliente->state() == SocketControl::Error) red.Conectar();
    };
    if (!Esperar(conectado, reintentar)) return false;
    std::optional<EntradaCola> puesto;
    if (!Esperar([&] { return (puesto = red.Estado.Cola.Tomar(codigo_red::Puesto, nullptr)).has_value(); }))
        return false;
    e.PuestoLocal = static_cast<Entero>(puesto->Cuerpo[0] - '0');
    if (e.PuestoLocal < 1) return false;
    red.EnviarAlAdministrador(CrearMensaje(codigo_red::CodigoPartida, "0000000000"));
    std::optional<EntradaCola> tipo;
    return Esperar(
        [&] { return (tipo = red.Estado.Cola.Tomar(codigo_red::TipoPartida, nullptr)).has_value(); });
}

// The score sheet with every seat and pair in the host's numbering: the same lines on every computer.
void ImprimirMarcador(const EstadoJuego& e, const Ajustes& a, bool terminada)
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
    (void)a;
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
                  });
    if (o.administrador == o.cliente) programa.Uso("hace falta --administrador o --cliente");

    // Each computer keeps its own state files.
    QTemporaryDir temporal;
    const std::string carpeta =
        o.carpeta.empty() ? QDir(temporal.path()).absolutePath().toStdString() + "/" : o.carpeta;

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
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    ConexionRed red(e, a);
    red.Puerto = static_cast<quint16>(o.puerto);
    AlmacenFicheros almacen(e, a, carpeta);
    AzarSemilla azar(o.semilla);
    Contexto c{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar};

    if (o.administrador ? !Acoger(red, a, o.clientes) : !Unirse(red, e)) return Fallo("no se pudo empezar");
    const ResultadoPartida r = ComenzarPartida(c);
    const bool terminada = r.Fin == FinPartida::Terminada;
    ImprimirMarcador(e, a, terminada);
    std::fflush(stdout);

    // The host stays until its clients have left, so that nothing it sent is cut off; a client leaves.
    if (o.administrador)
        Esperar([&] {
            for (std::size_t p = 1; p <= 3; ++p)
                if (a.Jugador[p].Conectado) return false;
            return true;
        });
    red.CerrarSockets();
    return terminada ? 0 : 1;
}

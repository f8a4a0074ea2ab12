// Nuestro administrador y nuestro cliente frente a un ordenador que solo sabe del protocolo.
#include "common/espera_acotada.h"
#include "network/ciclo_red.h"
#include "network/conexion_red.h"
#include "network/core/mensajes.h"
#include "platform/clock.h"
#include "platform/socket_control.h"
#include "settings/core/fichero_estado.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace zp {
namespace {

using prueba::EsperarA;

// A peer that knows nothing but the bytes: what it received so far.
struct Ajeno
{
    explicit Ajeno(quint16 puerto)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead,
                         [this] { recibido += socket.readAll().toStdString(); });
        socket.connectToHost("127.0.0.1", puerto);
    }
    void Enviar(const std::string& bytes)
    {
        socket.write(bytes.data(), qint64(bytes.size()));
        socket.flush();
    }
    QTcpSocket socket;
    std::string recibido;
};

struct Lado
{
    explicit Lado(bool administrador)
    {
        PonerAjustesPorDefecto(juego, datos);
        datos.JuegoEnRed = true;
        datos.ModoRed = administrador ? PapelRed::Administrador : PapelRed::Cliente;
        red.Puerto = 0;
    }
    EstadoJuego juego;
    Ajustes datos;
    ConexionRed red{juego, datos};
};

TEST(ConexionRed, los_clientes_ajenos_se_sientan_por_direccion_y_reciben_los_mensajes_reenviados)
{
    Lado h(true);
    for (std::size_t p : {1, 3}) {
        h.datos.Jugador[p].ControlJugador = Control::Remoto;
        h.datos.Jugador[p].DireccionIP = "127.0.0.1";
    }
    std::vector<QString> rechazados;
    std::vector<Entero> desconectados;
    h.red.AlRechazarConexion = [&](const QString& d) { rechazados.push_back(d); };
    h.red.AlDesconectarCliente = [&](Entero p) { desconectados.push_back(p); };
    h.red.Estado.Arrancando = true; // callers are seated only while network play starts
    ASSERT_TRUE(h.red.Escuchar());
    const quint16 puerto = h.red.WSServidor[0]->localPort();

    // Seats 1 and 3 expect this address: the first caller gets seat 1, the second seat 3.
    Ajeno uno(puerto);
    ASSERT_TRUE(EsperarA([&] { return uno.recibido.size() >= 8; }));
    EXPECT_EQ(uno.recibido, "ZRP33031");
    Ajeno tres(puerto);
    ASSERT_TRUE(EsperarA([&] { return tres.recibido.size() >= 8; }));
    EXPECT_EQ(tres.recibido, "ZRP33033");
    EXPECT_TRUE(h.datos.Jugador[1].Conectado && h.datos.Jugador[3].Conectado);

    // No seat is left for a third: it is turned away, not left waiting.
    Ajeno otro(puerto);
    ASSERT_TRUE(EsperarA([&] { return otro.socket.state() == QAbstractSocket::UnconnectedState; }));
    ASSERT_TRUE(EsperarA([&] { return !rechazados.empty(); }));
    EXPECT_EQ(rechazados, std::vector<QString>{"127.0.0.1"});
    EXPECT_TRUE(otro.recibido.empty());

    // A game code in two pieces, and a chat line that comes back to both clients.
    tres.Enviar("ZRP33040000");
    tres.Enviar("000000");
    ASSERT_TRUE(EsperarA([&] { return h.red.Estado.ClientesRespondidos() == 1; }));
    std::string chat = "Ana      21:07Hola, \xBFqu\xE9 tal?"; // one byte per character, as on the wire
    chat.resize(kLargoChat, ' ');
    uno.recibido.clear();
    tres.recibido.clear();
    uno.Enviar("ZRP3320" + chat);
    ASSERT_TRUE(EsperarA([&] { return uno.recibido.size() >= 221 && tres.recibido.size() >= 221; }));
    EXPECT_EQ(uno.recibido, "ZRP3320" + chat);
    EXPECT_EQ(tres.recibido, "ZRP3320" + chat);
    EXPECT_EQ(h.red.Estado.MensajesChat[1], chat);

    // A move of the host's seat goes to both; one made by seat 3 goes back only to seat 1.
    uno.recibido.clear();
    tres.recibido.clear();
    h.red.EnviarAClientes("ZRP330601661", 3);
    h.red.EnviarATodosRed("ZRP330702652");
    ASSERT_TRUE(EsperarA([&] { return uno.recibido.size() >= 24 && tres.recibido.size() >= 12; }));
    EXPECT_EQ(uno.recibido, "ZRP330601661ZRP330702652");
    EXPECT_EQ(tres.recibido, "ZRP330702652");

    tres.socket.disconnectFromHost();
    ASSERT_TRUE(EsperarA([&] { return !desconectados.empty(); }));
    EXPECT_EQ(desconectados, std::vector<Entero>{3});
    EXPECT_FALSE(h.datos.Jugador[3].Conectado);
    EXPECT_TRUE(h.datos.Jugador[1].Conectado);

    // The host's player drops seat 1: its connection closes and nobody is told of it.
    h.red.CerrarPuestoSinAviso(1);
    ASSERT_TRUE(EsperarA([&] { return uno.socket.state() == QAbstractSocket::UnconnectedState; }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(h.datos.Jugador[1].Conectado);
    EXPECT_EQ(desconectados, std::vector<Entero>{3});
}

TEST(ConexionRed,
     una_partida_nueva_del_administrador_se_pide_una_vez_tras_la_llegada_y_lo_de_detras_espera_a_que_empiece)
{
    QTcpServer ajeno;
    ASSERT_TRUE(ajeno.listen(QHostAddress::LocalHost));
    Lado c(false);
    c.juego.PuestoLocal = 2;
    c.datos.Jugador[4].DireccionIP = "127.0.0.1";
    c.red.Puerto = ajeno.serverPort();
    int pedidas = 0, pedidasAlLlegar = -1;
    c.red.AlPedirNuevaPartida = [&] { ++pedidas; };
    c.red.Conectar();
    ASSERT_TRUE(EsperarA([&] { return ajeno.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> socket(ajeno.nextPendingConnection());
    // Runs right after the network's own handler of the same arrival: the match being left is not stopped
    // from inside the socket's event, but at the next step of play.
    QObject::connect(c.red.WSCliente, &SocketControl::dataArrival, [&] { pedidasAlLlegar = pedidas; });

    socket->write("ZRP33032ZRP3308ZRP3308ZRP33021");
    socket->flush();
    ASSERT_TRUE(EsperarA([&] { return pedidas > 0; }));
    EXPECT_EQ(pedidasAlLlegar, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(pedidas, 1);
    // The seat and the verdict belong to the start-up: neither dropped nor held by the new game.
    EXPECT_EQ(c.red.Estado.Cola.Texto(), "032021");
    c.red.EmpezarPartida();
    EXPECT_EQ(c.red.Estado.Cola.Texto(), "032021");
}

// What a connection asks of the program while network play starts (the host's new game, a game taken up, the
// host lost) is kept for the start-up's end, the last one asked: no match begins inside its waits.
TEST(ConexionRed, una_partida_pedida_mientras_arranca_la_red_se_guarda_para_el_final_del_arranque)
{
    Lado c(false);
    std::vector<Peticion> pedidas;
    c.red.Programa.Pedir = [&](Peticion p) { pedidas.push_back(p); };
    c.red.Estado.Arrancando = true;
    PedirPartida(c.red, Peticion::ReanudarPartida);
    PedirPartida(c.red, Peticion::NuevaPartida);
    EXPECT_TRUE(pedidas.empty());
    EXPECT_EQ(c.red.Estado.PeticionAplazada, Peticion::NuevaPartida);
    c.red.Estado.Arrancando = false;
    PedirPartida(c.red, Peticion::Ninguna);
    EXPECT_EQ(pedidas, std::vector<Peticion>{Peticion::Ninguna});
}

TEST(ConexionRed, lo_que_una_llamada_deja_para_despues_espera_a_que_acabe_la_pausa_en_curso)
{
    // A box opened inside a quiet pause could never be answered: the pause holds the person's input.
    Lado h(true);
    std::vector<bool> enPausa;
    std::vector<std::string> orden;
    h.red.AlRechazarConexion = [&](const QString&) {
        enPausa.push_back(inQuietPause());
        orden.push_back("aviso");
    };
    ASSERT_TRUE(h.red.Escuchar());
    // Runs right after the host's own handler of the request: a pause of the match begins then.
    int pausas = 0;
    QObject::connect(h.red.WSServidor[0], &SocketControl::connectionRequest, [&] {
        quietPauseUntilNs(monotonicNs() + 60'000'000);
        ++pausas;
        // What is asked once the pause is over comes after what it held.
        QTimer::singleShot(0, [&] { orden.push_back("tras la pausa"); });
    });
    Ajeno nadie(h.red.WSServidor[0]->localPort()); // no seat expects anybody
    ASSERT_TRUE(EsperarA([&] { return orden.size() == 2; }));
    EXPECT_EQ(pausas, 1);
    EXPECT_EQ(enPausa, std::vector<bool>{false});
    EXPECT_EQ(orden, (std::vector<std::string>{"aviso", "tras la pausa"}))
        << "served as soon as the pause ends";
}

} // namespace
} // namespace zp

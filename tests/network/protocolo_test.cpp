// Los mensajes de la red tal como llegan, y lo que el administrador reenvía a cada cliente.
#include "engine/contexto.h"
#include "engine/reparto.h"
#include "network/core/mensajes.h"
#include "network/core/protocolo.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

class EnlacesFalsos : public Enlaces
{
public:
    bool Abierto(int socket) const override { return abiertos[static_cast<std::size_t>(socket)]; }
    Entero Puesto(int socket) const override { return puestos[static_cast<std::size_t>(socket)]; }
    void Enviar(int socket, const std::string& mensaje) override { enviados.push_back({socket, mensaje}); }

    std::array<bool, 4> abiertos{true, true, true, true};
    std::array<Entero, 4> puestos{0, 1, 2, 3};
    std::vector<std::pair<int, std::string>> enviados;
};

// One end of the network: a host, or a client sitting at the host's seat 2.
struct Extremo
{
    explicit Extremo(bool administrador)
    {
        PonerAjustesPorDefecto(juego, datos);
        datos.JuegoEnRed = true;
        datos.ModoRed = administrador ? PapelRed::Administrador : PapelRed::Cliente;
        juego.PuestoLocal = administrador ? 4 : 2;
    }
    Avisos Recibir(std::string_view bytes, int socket = 0) { return protocolo.Recibir(socket, bytes); }

    EstadoRed red;
    EstadoJuego juego;
    Ajustes datos;
    EnlacesFalsos enlaces;
    ProtocoloRed protocolo{red, juego, datos, enlaces};
};

// The situation string of a fresh deal for hand `mano`, the players named after `nombre`.
std::string Situacion(std::uint32_t semilla, Entero mano, const std::string& nombre = "Jugador")
{
    MotorSinVentana m(semilla);
    PonerAjustesPorDefecto(m.e, m.a);
    for (std::size_t p = 1; p <= 4; ++p) m.a.Jugador[p].NombreJugador = nombre + std::to_string(p);
    m.e.NumeroMano = mano;
    VaciarManos(m.e, m.a);
    RepartirAlAzar(m.e, m.a, m.azar);
    return GenerarCadenasEstado(m.e, m.a).CadenaSituacion;
}

std::string Chat(char relleno)
{
    return "Ana      21:07" + std::string(200, relleno);
}

TEST(TramaRed, corta_igual_los_mensajes_juntos_partidos_o_byte_a_byte)
{
    const std::string chat = Chat('x');
    const std::tuple<bool, std::string, std::vector<MensajeRed>> casos[] = {
        {false, "ZRP33032ZRP33021", {{3, "2"}, {2, "1"}}},
        {true, "ZRP330601661ZRP33050", {{6, "01661"}, {5, "0"}}},
        {true, "  zrp3320" + chat + "ZRP33041234567890", {{20, chat}, {4, "1234567890"}}},
        {false, "ZRP3308ZRP33013", {{8, ""}, {1, "3"}}},
    };
    for (const auto& [administrador, bytes, esperados] : casos) {
        SCOPED_TRACE(bytes.substr(0, 24));
        // The whole block at once, byte by byte, and cut in two at every point.
        std::vector<std::vector<std::string>> lecturas{{bytes}, {}};
        for (char c : bytes) lecturas[1].push_back(std::string(1, c));
        for (std::size_t corte = 1; corte < bytes.size(); ++corte)
            lecturas.push_back({bytes.substr(0, corte), bytes.substr(corte)});
        for (const auto& partes : lecturas) {
            TramaRed trama(administrador);
            std::vector<MensajeRed> salen;
            for (const std::string& parte : partes)
                for (MensajeRed& m : trama.Recibir(parte)) salen.push_back(std::move(m));
            ASSERT_EQ(salen, esperados) << partes.size() << " lecturas";
            EXPECT_EQ(trama.Pendientes(), 0u);
        }
    }
}

TEST(ProtocoloRed, un_estado_y_un_reparto_seguidos_se_aplican_y_guardan_en_cualquier_particion)
{
    const std::string estado = Situacion(5, 1, "Nom");
    const std::string reparto = Situacion(6, 1);
    const std::string bytes = "ZRP3311" + estado + "ZRP3312" + reparto;
    ASSERT_EQ(bytes.size(), 1574u);
    std::vector<std::size_t> cortes;
    for (std::size_t c = 1; c < bytes.size(); c += 7) cortes.push_back(c);
    cortes.insert(cortes.end(), {786, 787, 788, 793, 794, 1460, 1573});
    for (std::size_t corte : cortes) {
        Extremo cliente(false);
        cliente.Recibir(bytes.substr(0, corte));
        cliente.Recibir(bytes.substr(corte));
        SCOPED_TRACE(corte);
        // The host's seat 2 is seat 4 here, the host's own seat 4 is seat 2.
        EXPECT_EQ(cliente.datos.Jugador[4].NombreJugador, "Nom2");
        EXPECT_EQ(cliente.datos.Jugador[2].NombreJugador, "Nom4");
        EXPECT_EQ(cliente.datos.Jugador[2].ControlJugador, Control::Remoto);
        ASSERT_EQ(cliente.red.CadenaSituacionRed.size(), 1u);
        EXPECT_EQ(cliente.red.CadenaSituacionRed.front(), reparto);
        EXPECT_TRUE(cliente.red.Cola.Vacia());
        EXPECT_EQ(cliente.red.Descartados, 0);
    }
}

// A hand dealt twice (five doubles refused) before the first deal was taken: both stay, in order. A new game
// drops them; what the host sends after it waits, unread, until the new match begins here (another new game
// meanwhile drops that too and is asked for only once); chat lines are stored at once.
TEST(ProtocoloRed, tras_una_partida_nueva_lo_que_llega_espera_a_que_empiece_aqui_salvo_la_charla)
{
    Extremo cliente(false);
    const std::string primero = Situacion(2, 3), segundo = Situacion(3, 3);
    cliente.Recibir("ZRP3312" + primero + "ZRP33051ZRP3312" + segundo + "ZRP33014");
    EXPECT_EQ(cliente.red.Cola.Texto(), "051014");
    EXPECT_EQ(cliente.red.CadenaSituacionRed, (std::deque<std::string>{primero, segundo}));

    const std::string nueva = Situacion(4, 1), otra = Situacion(5, 1);
    const std::string nombre = cliente.datos.Jugador[4].NombreJugador;
    EXPECT_TRUE(cliente
                    .Recibir("ZRP3308ZRP3311" + Situacion(6, 1, "Nom") + "ZRP3312" + nueva + "ZRP33013" +
                             "ZRP3320" + Chat('a'))
                    .NuevaPartida);
    EXPECT_TRUE(cliente.red.Cola.Vacia());
    EXPECT_TRUE(cliente.red.CadenaSituacionRed.empty());
    EXPECT_EQ(cliente.datos.Jugador[4].NombreJugador, nombre);
    EXPECT_EQ(cliente.red.MensajesChat[1], Chat('a'));

    EXPECT_FALSE(cliente.Recibir("ZRP3308ZRP3311" + Situacion(7, 1, "Otro") + "ZRP3312" + otra + "ZRP33012")
                     .NuevaPartida);
    EXPECT_TRUE(cliente.red.Cola.Vacia());
    EXPECT_EQ(cliente.datos.Jugador[4].NombreJugador, nombre);
    const Avisos avisos = cliente.protocolo.EmpezarPartida();
    EXPECT_TRUE(avisos.Recibido);
    EXPECT_EQ(cliente.red.Cola.Texto(), "012");
    EXPECT_EQ(cliente.red.CadenaSituacionRed, std::deque<std::string>{otra});
    EXPECT_EQ(cliente.datos.Jugador[4].NombreJugador, "Otro2");

    // Once begun, what comes is handled as it comes.
    cliente.Recibir("ZRP33013");
    EXPECT_EQ(cliente.red.Cola.Texto(), "012013");
}

// The seat and the verdict belong to the start-up, not to a match: a new game read with them, before or
// after, in one read or cut anywhere, neither drops nor holds them; it drops what came for the match before
// it and holds what comes for the new one.
TEST(ProtocoloRed, el_puesto_y_el_veredicto_del_arranque_no_se_pierden_ni_se_retienen_con_una_partida_nueva)
{
    const std::tuple<std::string, std::string, std::string> casos[] = {
        {"ZRP33032ZRP3308", "032", "032"},
        {"ZRP3308ZRP33032", "032", "032"},
        {"ZRP3308ZRP33032ZRP33021", "032021", "032021"},
        {"ZRP33032ZRP33013ZRP3308ZRP33014ZRP33021", "032021", "032021014"},
    };
    for (const auto& [bytes, alLlegar, alEmpezar] : casos) {
        for (std::size_t corte = 0; corte < bytes.size(); ++corte) {
            SCOPED_TRACE(bytes + " / " + std::to_string(corte));
            Extremo cliente(false);
            Avisos a = cliente.Recibir(bytes.substr(0, corte));
            a |= cliente.Recibir(bytes.substr(corte));
            EXPECT_TRUE(a.NuevaPartida);
            EXPECT_EQ(cliente.red.Cola.Texto(), alLlegar);
            cliente.protocolo.EmpezarPartida();
            EXPECT_EQ(cliente.red.Cola.Texto(), alEmpezar);
            EXPECT_EQ(cliente.red.Descartados, 0);
        }
    }
}

TEST(ProtocoloRed, un_mensaje_mal_formado_o_de_quien_no_toca_se_descarta_sin_cambiar_nada)
{
    std::string estadoMalo = Situacion(4, 1);
    estadoMalo.replace(146, 1, "x"); // NumeroJugadores
    std::string repartoDoble = Situacion(4, 1);
    repartoDoble.replace(338, 3, repartoDoble.substr(335, 3)); // seat 1 holds its first tile twice
    std::string manoMala = Situacion(4, 1);
    manoMala.replace(183, 3, "0 1");
    struct Caso
    {
        bool administrador;
        std::string bytes;
        int socket = 0;
        bool sinPuesto = false;
    };
    const Caso casos[] = {
        {false, "ZRP3399x"},                       // a kind nobody knows
        {false, "ZRP3304" + std::string(10, '0')}, // a kind only the host receives
        {false, "ZRP33x1"},                        // a code that is no number
        {false, "XRP33013"},                       // no prefix
        {false, "ZRP33019"},                       // leader out of range
        {false, "ZRP33010"},
        {false, "ZRP33023"},     // game type out of range
        {false, "ZRP33034"},     // seat out of range
        {false, "ZRP3303a"},     //
        {false, "ZRP33052"},     // five doubles neither kept nor refused
        {false, "ZRP330601783"}, // a pip 7
        {false, "ZRP330601660"}, // end 0
        {false, "ZRP33060a661"}, // move number not digits
        {false, "ZRP3311" + estadoMalo},
        {false, "ZRP3312" + repartoDoble},
        {false, "ZRP3312" + manoMala},
        {true, "ZRP3311" + Situacion(4, 1), 1}, // a client cannot send the state
        {true, "ZRP33041234567x90", 1},
        {true, "ZRP33051", 3, true}, // a socket that serves no seat
        {true, "ZRP330601663", 2},   // end 3
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.bytes.substr(0, 20));
        Extremo x(k.administrador);
        if (k.sinPuesto) x.enlaces.puestos[static_cast<std::size_t>(k.socket)] = 0;
        const CadenasEstado antes = GenerarCadenasEstado(x.juego, x.datos);
        const Avisos avisos = x.Recibir(k.bytes, k.socket);
        EXPECT_FALSE(avisos.Recibido || avisos.NuevaPartida || avisos.Chat);
        EXPECT_EQ(x.red.Descartados, 1);
        EXPECT_TRUE(x.red.Cola.Vacia());
        EXPECT_TRUE(x.red.CadenaSituacionRed.empty());
        EXPECT_EQ(x.red.ClientesRespondidos(), 0);
        EXPECT_TRUE(x.enlaces.enviados.empty());
        EXPECT_EQ(GenerarCadenasEstado(x.juego, x.datos), antes);
        // Nothing is left half-read: the next good message comes through on its own.
        x.enlaces.puestos = {0, 1, 2, 3};
        x.Recibir(k.administrador ? "ZRP330601661" : "ZRP33013", k.socket);
        EXPECT_EQ(x.red.Cola.Texto(), k.administrador ? "0601661" : "013");
    }
}

TEST(ProtocoloRed, el_administrador_reenvia_cada_mensaje_a_todos_los_clientes_salvo_el_que_lo_origino)
{
    Extremo h(true);
    h.enlaces.abiertos[3] = false;
    const std::string jugada = "ZRP330601661";

    // A chat line goes back to every open client, its sender included, and is stored once.
    const std::string chat = Chat('y');
    EXPECT_TRUE(h.Recibir("ZRP3320" + chat, 2).Chat);
    using Envios = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(h.enlaces.enviados, (Envios{{1, "ZRP3320" + chat}, {2, "ZRP3320" + chat}}));
    EXPECT_EQ(h.red.MensajesChat[1], chat);
    EXPECT_EQ(h.red.MensajesChat[2], "");

    // A remote seat's move goes to every other client; one of the host's seats to all.
    h.enlaces.enviados.clear();
    h.protocolo.EnviarAClientes(jugada, 2);
    h.protocolo.EnviarAClientes(jugada, 0);
    EXPECT_EQ(h.enlaces.enviados, (Envios{{1, jugada}, {1, jugada}, {2, jugada}}));

    Extremo c(false);
    c.protocolo.EnviarAlAdministrador(jugada);
    EXPECT_EQ(c.enlaces.enviados, (Envios{{0, jugada}}));
}

TEST(ProtocoloRed, el_administrador_cuenta_una_respuesta_por_puesto_y_anota_si_difiere)
{
    Extremo h(true);
    h.red.CodigoPartida = "0427003012";
    h.Recibir("ZRP33040427003012", 1);
    h.Recibir("ZRP33040427003012", 1);
    EXPECT_EQ(h.red.ClientesRespondidos(), 1);
    EXPECT_TRUE(h.red.PartidaRecuperable);
    h.Recibir("ZRP33040000000000", 3);
    EXPECT_EQ(h.red.ClientesRespondidos(), 2);
    EXPECT_FALSE(h.red.PartidaRecuperable);
}

TEST(ColaRed, una_espera_salta_lo_que_no_es_para_ella_y_toma_solo_de_quien_toca)
{
    Extremo h(true);
    h.Recibir("ZRP33051", 1);
    h.Recibir("ZRP330601661", 1);
    h.Recibir("ZRP330601662", 2);
    h.Recibir("ZRP330602661", 2);
    EXPECT_EQ(h.red.Cola.Texto(), "051060166106016620602661");
    const auto jugada =
        h.red.Cola.Tomar(codigo_red::Jugada, [](const EntradaCola& e) { return e.Origen == 2; });
    ASSERT_TRUE(jugada);
    EXPECT_EQ(jugada->Cuerpo, "01662");
    EXPECT_EQ(h.red.Cola.Texto(), "0602661");
    EXPECT_FALSE(h.red.Cola.Tomar(codigo_red::CincoDobles, nullptr));
    EXPECT_TRUE(h.red.Cola.Vacia());
}

TEST(ProtocoloRed, el_motor_del_administrador_solo_recibe_la_jugada_del_turno_y_los_dobles_de_quien_los_tiene)
{
    Extremo h(true);
    h.juego.JugadorTurno = 2;
    h.juego.DoblesJugador[3] = 5;
    h.Recibir("ZRP330601661", 1); // seat 1 is not in turn
    h.Recibir("ZRP33051", 1);     // nor was it dealt five doubles
    h.Recibir("ZRP330602661", 2);
    h.Recibir("ZRP33050", 3);
    EXPECT_EQ(h.protocolo.ColaDelMotor(), "0602661050");
    EXPECT_EQ(h.red.Descartados, 2);

    // On a client everything comes from the host, in order.
    Extremo c(false);
    c.Recibir("ZRP33050ZRP33013ZRP33021ZRP330601661");
    EXPECT_EQ(c.protocolo.ColaDelMotor(), "0500130601661");
    EXPECT_EQ(c.red.Cola.Texto(), "021");
}

} // namespace
} // namespace zp

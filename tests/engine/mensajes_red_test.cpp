// The network messages: how each is written, and what a queue of arrivals gives when read.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/mensaje_jugada.h"
#include "engine/mensajes_red.h"
#include "engine/reparto.h"
#include "engine/salida.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {
namespace {

// A 780-column situation whose hand-number columns 184..186 hold `mano`.
std::string SituacionDeMano(int mano)
{
    std::string s(780, '9');
    const std::string n = std::to_string(1000 + mano).substr(1);
    s.replace(183, 3, n);
    return s;
}

TEST(MensajesRed, los_mensajes_salen_con_su_prefijo_codigo_y_digito)
{
    // A move travels with its number in two digits and one digit a datum.
    EXPECT_EQ(CrearMensajeJugada(7, 6, 4, 2) + CrearMensajeJugada(42, 3, 5, 1), "ZRP330607642ZRP330642351");
    EXPECT_EQ(CrearMensajeSalida(3), "ZRP33013");
    EXPECT_EQ(CrearMensajeCincoDobles(true), "ZRP33051");
    EXPECT_EQ(CrearMensajeCincoDobles(false), "ZRP33050");
    EXPECT_EQ(CrearMensajeReparto("abc"), "ZRP3312abc");
}

TEST(MensajesRed, el_estado_sale_solo_con_la_situacion_entera)
{
    Banco b;
    EnviarEstadoRed(b.red, b.almacen);
    b.almacen.Situacion = "corta"; // the receivers frame by length
    EnviarEstadoRed(b.red, b.almacen);
    ASSERT_EQ(b.red.Enviados.size(), 1u);
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP3311" + std::string(780, 'S'));
    EXPECT_EQ(b.red.Enviados[0].destino, RedNula::Envio::A::Todos);
}

TEST(MensajesRed, un_mensaje_de_salida_con_digito_fuera_de_rango_se_descarta)
{
    // The queue, the seat here; the leader read and what is left. Seat 1 is out of play: in the last, the
    // host's seat 3 sits at seat 1 here.
    const std::tuple<std::string, Entero, std::optional<Entero>, std::string> casos[] = {
        {"013", 4, 3, ""},        {"014", 2, 2, ""},        {"01206", 4, 2, "06"}, {"010", 4, {}, ""},
        {"015", 4, {}, ""},       {"019013", 2, {}, "013"}, {"01x", 4, {}, ""},    {"01", 4, {}, ""},
        {"0601661013", 4, 3, ""}, {"", 4, {}, ""},          {"011", 4, {}, ""},    {"013", 2, {}, ""},
        {"013", 1, 2, ""}};
    for (const auto& [llega, puestoLocal, salida, queda] : casos) {
        Ajustes a;
        a.Jugador[1].EstadoJugador = EstadoAsiento::Desactivado;
        std::string cola = llega;
        EXPECT_EQ(TomarSalidaDeCola(cola, puestoLocal, a), salida)
            << llega << " en el puesto " << puestoLocal;
        EXPECT_EQ(cola, queda) << llega;
    }
}

TEST(MensajesRed, una_decision_de_cinco_dobles_que_no_es_0_ni_1_se_descarta)
{
    const std::tuple<std::string, std::optional<bool>, std::string> casos[] = {
        {"051", true, ""}, {"050013", false, "013"}, {"052", {}, ""},
        {"05-", {}, ""},   {"013051", true, ""},     {"0", {}, "0"}};
    for (const auto& [llega, rechazadas, queda] : casos) {
        std::string cola = llega;
        EXPECT_EQ(TomarCincoDoblesDeCola(cola), rechazadas) << llega;
        EXPECT_EQ(cola, queda) << llega;
    }
}

TEST(MensajesRed, el_numero_de_mano_de_un_reparto_se_lee_solo_si_esta_bien_formado)
{
    std::string mala = SituacionDeMano(7);
    mala[184] = ' ';
    const std::pair<std::string, std::optional<int>> casos[] = {
        {SituacionDeMano(7), 7},
        {SituacionDeMano(700), 700},
        {SituacionDeMano(999), 999},
        {mala, std::nullopt},
        {SituacionDeMano(7).substr(0, 779), std::nullopt},
        {"", std::nullopt}};
    for (const auto& [situacion, mano] : casos)
        EXPECT_EQ(LeerManoDeReparto(situacion), mano) << situacion.substr(183, 3);
}

TEST(MensajesRed, el_administrador_envia_el_reparto_y_la_salida)
{
    Banco b(7);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    b.almacen.Situacion = SituacionDeMano(1);
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    ASSERT_EQ(b.red.Enviados.size(), 2u);
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP3312" + SituacionDeMano(1));
    EXPECT_EQ(b.red.Enviados[1].mensaje, "ZRP3301" + std::to_string(b.e.JugadorSalida));
    EXPECT_EQ(b.red.Enviados[1].destino, RedNula::Envio::A::Todos);
}

// The client's hands are whatever the host's situation holds; here the fake store records it.
TEST(MensajesRed, el_cliente_espera_el_reparto_de_su_mano_y_descarta_el_mal_formado)
{
    Banco b(7);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Cliente;
    b.e.PuestoLocal = 2;
    b.e.NumeroMano = 4; // this deal is hand 5
    std::string mala = SituacionDeMano(5);
    mala[183] = 'x';
    b.red.Llegadas = {
        [&] { b.red.Repartos.push_back(SituacionDeMano(4)); }, // an older hand: dropped, the wait goes on
        [&] { b.red.Repartos.push_back(mala); },               // dropped
        [&] { b.red.Repartos.push_back(SituacionDeMano(5)); },
        [&] { b.red.Cola += "019"; }, // a leader digit out of range: dropped
        [&] { b.red.Cola += "011"; }, // seat 1 of the host is seat 3 here
    };
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    ASSERT_EQ(b.almacen.Aplicadas.size(), 1u);
    EXPECT_EQ(b.almacen.Aplicadas[0], SituacionDeMano(5));
    EXPECT_TRUE(b.red.Repartos.empty());
    EXPECT_TRUE(b.red.Cola.empty());
    EXPECT_EQ(b.e.NumeroMano, 5);
    EXPECT_EQ(b.e.JugadorSalida, 3);
    EXPECT_EQ(b.usuario.TituloEspera, "Juego en red");
    EXPECT_FALSE(b.usuario.EsperaVisible); // hidden once the leader arrived
    EXPECT_TRUE(b.red.Enviados.empty());
}

TEST(MensajesRed, un_cliente_sin_reparto_ni_salida_vuelve_cuando_se_abandona_la_partida)
{
    Banco b(7);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Cliente;
    EXPECT_EQ(IniciarMano(b.c), ResultadoReparto::Abandonado);
    EXPECT_FALSE(b.usuario.EsperaVisible);
    b.red.Llegadas = {[&] { b.red.Repartos.push_back(SituacionDeMano(9)); }};
    EXPECT_EQ(IniciarMano(b.c), ResultadoReparto::Abandonado); // the leader never came
    EXPECT_FALSE(b.usuario.EsperaVisible);
}

// Move 7 of seat 2, which holds 6-4, 3-1 and the laid 5-3; the line shows 3 at end 1 and 6 at end 2.
EstadoJuego Mesa7()
{
    EstadoJuego e;
    e.NumeroMano = 2;
    e.NumeroJugada = 7;
    e.JugadorTurno = 2;
    e.Linea.Extremos = {0, 3, 6};
    DarFichas(e, 2, "64 31");
    DarFichas(e, 2, "53", kPuesta);
    return e;
}

TEST(MensajeJugada, solo_se_toma_la_jugada_de_este_turno_que_encaja_y_lo_demas_se_descarta)
{
    // The queue; the move taken and what is left.
    const std::tuple<const char*, std::string, std::optional<JugadaRecibida>, std::string> casos[] = {
        {"la jugada tal cual", "0607642", JugadaRecibida{6, 4, 2}, ""},
        {"el otro extremo según quien la envía", "0607641", JugadaRecibida{6, 4, 2}, ""},
        {"por el otro número", "0607311", JugadaRecibida{3, 1, 1}, ""},
        {"por el otro número y el otro extremo", "0607312", JugadaRecibida{3, 1, 1}, ""},
        {"de otra jugada", "0606642", std::nullopt, ""},
        {"un punto 7", "0607742", std::nullopt, ""},
        {"el extremo 3", "0607643", std::nullopt, ""},
        {"el extremo 0", "0607640", std::nullopt, ""},
        {"una ficha que no tiene", "0607361", std::nullopt, ""},
        {"una ficha ya puesta", "0607351", std::nullopt, ""},
        {"una ficha suya que no encaja", "0607462", std::nullopt, ""},
        {"una cifra que no es cifra", "06x7642", std::nullopt, ""},
        {"las que no valen se descartan hasta la buena", "060664206076430607641", JugadaRecibida{6, 4, 2},
         ""},
        {"la siguiente se queda en la cola", "06076420608311", JugadaRecibida{6, 4, 2}, "0608311"},
        {"un mensaje de otra clase no la bloquea", "0510607642", JugadaRecibida{6, 4, 2}, ""},
        {"ni uno de la clase 03", "0330607642", JugadaRecibida{6, 4, 2}, ""},
        {"una jugada a medias espera al resto", "060764", std::nullopt, "060764"},
        {"un código desconocido vacía la cola", "99abc0607642", std::nullopt, ""},
        // The first move keeps the end sent: nothing is laid to turn it by.
        {"la primera jugada por el extremo 1", "0601531", JugadaRecibida{5, 3, 1}, ""},
        {"la primera jugada por el extremo 2", "0601532", JugadaRecibida{5, 3, 2}, ""},
    };
    for (const auto& [nombre, llega, jugada, queda] : casos) {
        EstadoJuego e = Mesa7();
        if (llega.substr(2, 2) == "01") { // the hand's first move, 5-3 still held
            e.NumeroJugada = 1;
            e.Linea.Extremos = {0, kNinguna, kNinguna};
            e.Manos[2][3].Estado = kEnMano;
        }
        std::string cola = llega;
        EXPECT_EQ(TomarJugadaDeCola(cola, e, Ajustes{}), jugada) << nombre;
        EXPECT_EQ(cola, queda) << nombre;
    }
}

} // namespace
} // namespace zp

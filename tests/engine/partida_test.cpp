#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/arranque.h"
#include "engine/fin_mano.h"
#include "engine/mensaje_jugada.h"
#include "engine/partida.h"
#include "engine/reparto.h"
#include "partida_banco.h"
#include "tests/soporte/mano_al_azar.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {
namespace {

using prueba::BancoPartida;

// The score sheet as rows "hand leader column-values", one per written hand, and the totals.
std::vector<std::string> Hoja(const EstadoJuego& e, const Ajustes& a)
{
    std::vector<std::string> filas;
    for (int h = 1; h <= e.NumeroMano; ++h) {
        const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(h)];
        std::string f = std::to_string(h) + " " + r.Sale;
        if (EnParejas(a)) {
            f += " " + std::to_string(r.PuntosPareja1) + "-" + std::to_string(r.DecenasPareja1) + " " +
                 std::to_string(r.PuntosPareja2) + "-" + std::to_string(r.DecenasPareja2);
        } else {
            for (std::size_t p = 1; p <= 4; ++p)
                if (AsientoEnJuego(a, p))
                    f += " " + std::to_string(r.PuntosJugador[p]) + "-" + std::to_string(r.DecenasJugador[p]);
        }
        filas.push_back(f);
    }
    std::string t = "Total";
    if (EnParejas(a)) {
        t += " " + std::to_string(e.TotalPareja1) + " " + std::to_string(e.TotalPareja2);
    } else {
        for (std::size_t p = 1; p <= 4; ++p)
            if (AsientoEnJuego(a, p)) t += " " + std::to_string(e.PuntosJugador[p]);
    }
    filas.push_back(t);
    return filas;
}

TEST(Partida, una_partida_sembrada_de_jugadores_automaticos_da_siempre_la_misma_hoja)
{
    struct Caso
    {
        const char* nombre;
        std::uint32_t semilla;
        std::string asientos;
        Entero anotacion, puntos;
        std::vector<std::string> hoja;
    };
    const Caso casos[] = {
        {"parejas por decenas a 30, como viene de fábrica",
         1,
         "1234",
         1,
         30,
         {"1 Jugador3 0-0 27-3", "2 Jugador4 40-4 0-0", "3 Jugador1 19-2 0-0", "4 Jugador2 4-1 0-0",
          "5 Jugador3 68-7 0-0", "6 Jugador4 0-0 59-6", "7 Jugador1 48-5 0-0", "8 Jugador2 90-9 0-0",
          "9 Jugador3 0-0 52-6", "10 Jugador4 12-2 0-0", "Total 30 15"}},
        {"tres jugadores por unidades a 60",
         5,
         "123",
         2,
         60,
         {"1 Jugador3 21-3 0-0 0-0", "2 Jugador1 25-3 0-0 0-0", "3 Jugador2 0-0 32-4 0-0",
          "4 Jugador3 0-0 0-0 59-6", "5 Jugador1 19-2 0-0 0-0", "Total 65 32 59"}},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        BancoPartida b(k.semilla);
        b.Asientos(k.asientos);
        b.a.SistemaAnotacion = static_cast<Anotacion>(k.anotacion);
        b.a.PuntosPartida = k.puntos;
        const ResultadoPartida r = ComenzarPartida(b.c);
        EXPECT_EQ(r.Fin, FinPartida::Terminada);
        EXPECT_EQ(r.Siguiente, Peticion::Ninguna);
        const auto hoja = Hoja(b.e, b.a);
        EXPECT_EQ(hoja, k.hoja) << ::testing::PrintToString(hoja);
        // The closing steps: no match, no move, no snapshot left.
        EXPECT_FALSE(b.e.PartidaEnCurso);
        EXPECT_EQ(b.e.NumeroJugada, 0);
        ASSERT_FALSE(b.almacen.Borrados.empty());
        EXPECT_EQ(b.almacen.Borrados.back(), "ZARPE33.DRE");
        EXPECT_GE(b.e.Anotaciones.size(), 1101u);
        EXPECT_EQ(b.usuario.Mensajes.back().titulo, "Histórico de partidas jugadas");
        EXPECT_EQ(b.almacen.Historico.size(), 1u);
    }
}

std::vector<std::string> Titulos(const BancoPartida& b)
{
    std::vector<std::string> t;
    for (const auto& m : b.usuario.Mensajes) t.push_back(m.titulo);
    return t;
}

// The first end-of-hand message shown, title and text.
std::string PrimerFinDeMano(const BancoPartida& b)
{
    for (const auto& m : b.usuario.Mensajes)
        if (m.titulo == "C i e r r e" || m.titulo == "Final de este juego") return m.titulo + ": " + m.texto;
    return {};
}

TEST(Partida, una_mano_guardada_a_medias_se_reanuda_con_el_mismo_jugador_y_acaba_igual)
{
    // The reference: the match played through, every turn waiting for the Continue button.
    BancoPartida referencia(11);
    referencia.a.PausaEntreJugadas = true;
    ASSERT_EQ(ComenzarPartida(referencia.c).Fin, FinPartida::Terminada);

    // The same match left at the ninth wait, as the exit command leaves it to the settings file.
    BancoPartida antes(11);
    antes.a.PausaEntreJugadas = true;
    antes.usuario.AbandonarEn = "Continuar";
    antes.usuario.VezAbandono = 9;
    antes.usuario.Pide = Peticion::Salir;
    const ResultadoPartida r = ComenzarPartida(antes.c);
    EXPECT_EQ(r.Fin, FinPartida::Abandonada);
    EXPECT_EQ(r.Siguiente, Peticion::Salir);
    ASSERT_TRUE(antes.e.PartidaEnCurso && antes.e.ManoEnCurso);
    const auto dejada = antes.usuario.Turnos.back();
    const EstadoJuego guardado = antes.e;
    const Ajustes ajustes = antes.a;

    // The next start reads it (another seed: only the hand in progress is compared).
    BancoPartida despues(97);
    despues.almacen.AlCargar = [&] {
        despues.e = guardado;
        despues.a = ajustes;
    };
    const ResultadoPartida reanudada = Main(despues.c);
    EXPECT_EQ(reanudada.Fin, FinPartida::Terminada);
    const auto titulos = Titulos(despues);
    ASSERT_GE(titulos.size(), 3u);
    EXPECT_EQ(titulos[0], "ZARPELON");
    EXPECT_EQ(titulos[1], "Continuar la partida anterior");
    EXPECT_EQ(despues.usuario.Mensajes[1].texto,
              "Continua el desarrollo de la partida que no finalizó en la sesión anterior.");
    ASSERT_FALSE(despues.usuario.Turnos.empty());
    EXPECT_EQ(despues.usuario.Turnos[0].Jugador, dejada.Jugador);
    EXPECT_EQ(despues.usuario.Turnos[0].Jugada, dejada.Jugada);
    EXPECT_EQ(PrimerFinDeMano(despues), PrimerFinDeMano(referencia));
    EXPECT_EQ(despues.e.Anotaciones[1], referencia.e.Anotaciones[1]);
}

TEST(Partida, la_persona_juega_sus_fichas_y_elige_el_extremo_cuando_su_ficha_encaja_en_los_dos)
{
    BancoPartida b(2);
    b.usuario.JugarFichas = true;
    b.usuario.ExtremosElegidos = {2};
    b.usuario.AbandonarTrasExtremo = true;
    const ResultadoPartida r = ComenzarPartida(b.c);
    ASSERT_EQ(r.Fin, FinPartida::Abandonada);
    ASSERT_EQ(b.usuario.Preguntas.size(), 1u);
    const auto& p = b.usuario.Preguntas[0];
    const RegistroJugada& j = b.e.Jugadas[static_cast<std::size_t>(p.Jugada)];
    EXPECT_EQ(j.Jugador, 4);
    EXPECT_EQ(j.Extremo, 2);
    // The tile clicked, laid on end 2 by the pip that meets it.
    EXPECT_TRUE((j.PuntoUnido == p.FichaA && j.PuntoAbierto == p.FichaB) ||
                (j.PuntoUnido == p.FichaB && j.PuntoAbierto == p.FichaA));
    EXPECT_EQ(j.PuntoUnido, j.Extremo2);
}

TEST(Partida, abandonada_en_cualquier_espera_no_muestra_ni_reparte_nada_mas_y_la_nueva_empieza_arriba)
{
    struct Caso
    {
        const char* espera;
        int vez;
        std::uint32_t semilla;
        bool pausa = false, fichas = false;
        Entero turnoSalida = 1;
    };
    const Caso casos[] = {
        {"Mensaje Comienza la Partida", 1, 1},
        {"Eventos", 5, 1},
        {"Continuar", 3, 1, true},
        {"Extremo", 1, 2, false, true},
        {"Mensaje C i e r r e", 1, 3},
        {"Mensaje Final de este juego", 1, 1},
        {"Continuar entre manos", 2, 1},
        {"Mensaje Final de Partida", 1, 1},
        {"Mensaje Histórico de partidas jugadas", 1, 1},
        {"Salida", 2, 1, false, false, 2},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.espera);
        BancoPartida b(k.semilla);
        b.a.PausaEntreJugadas = k.pausa;
        b.a.TurnoSalida = static_cast<ReglaSalida>(k.turnoSalida);
        b.usuario.JugarFichas = k.fichas;
        b.usuario.AbandonarEn = k.espera;
        b.usuario.VezAbandono = k.vez;
        const ResultadoPartida r = ComenzarPartida(b.c);
        EXPECT_EQ(r.Fin, FinPartida::Abandonada);
        EXPECT_EQ(r.Siguiente, Peticion::NuevaPartida);
        // Nothing more is shown; only the lead's banner, when it was up, is taken down.
        const prueba::Diario tras = b.TrasAbandono();
        const prueba::Diario rotulo = {"BorrarRotulo", "Refrescar"};
        EXPECT_EQ(tras, k.turnoSalida == 2 ? rotulo : prueba::Diario{});
        // Unwound as it stood: the window saves or replaces it, the engine closes nothing.
        EXPECT_TRUE(b.e.PartidaEnCurso);
        EXPECT_TRUE(b.almacen.Borrados.empty());

        b.usuario.AbandonarEn.clear();
        const std::size_t vistos = b.usuario.Mensajes.size();
        const ResultadoPartida nueva = AtenderPeticion(b.c, r.Siguiente);
        EXPECT_EQ(nueva.Fin, FinPartida::Terminada);
        ASSERT_GT(b.usuario.Mensajes.size(), vistos);
        if (k.turnoSalida != 2) {
            EXPECT_EQ(b.usuario.Mensajes[vistos].titulo, "Comienza la Partida");
        }
        EXPECT_EQ(b.e.Anotaciones[1].Sale.empty(), false);
    }
}

TEST(Partida, sin_la_jugada_del_jugador_remoto_la_espera_acaba_solo_si_se_abandona)
{
    BancoPartida b(4);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    b.a.Jugador[1].ControlJugador = Control::Remoto;
    b.a.Jugador[3].ControlJugador = Control::Remoto;
    PedirPeticion(b.e, Peticion::Salir);
    const ResultadoPartida r = ComenzarPartida(b.c);
    EXPECT_EQ(r.Fin, FinPartida::Abandonada);
    EXPECT_EQ(r.Siguiente, Peticion::Ninguna); // a new match clears any request left from before
    ASSERT_FALSE(b.diario.empty());
    EXPECT_EQ(b.diario.back(), "DibujarEsperandoJugada");
    EXPECT_TRUE(b.e.PartidaEnCurso);
}

// A tile seat 1 does not hold that carries the pip of end 1 (any, before the first tile), as "ab".
std::string Ajena(const EstadoJuego& e)
{
    for (Entero a = 0; a <= 6; ++a)
        for (Entero b = 0; b <= a; ++b) {
            const Entero x = e.Linea.Extremos[1];
            if (x != kNinguna && a != x && b != x) continue;
            if (!BuscarFichaEnMano(e, a, b, 1)) return std::to_string(a) + std::to_string(b);
        }
    return "66";
}

TEST(Partida, en_red_el_administrador_solo_acepta_la_jugada_remota_que_encaja_y_la_reenvia_a_los_demas)
{
    BancoPartida b(6);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Administrador;
    b.a.Jugador[1].ControlJugador = Control::Remoto;
    b.a.PausaEntreJugadas = false;
    std::vector<std::string> esperadas; // "NNAB" of every remote move sent
    int llamada = 0;
    std::function<void()> responder = [&] {
        b.red.Llegadas.push_back(responder);
        EstadoJuego& e = b.e;
        if (!e.ManoEnCurso || e.JugadorTurno != 1) return;
        const auto posibles = ListarJugadasPosibles(e, b.a);
        ASSERT_FALSE(posibles.empty());
        const JugadaPosible& j = posibles.back();
        const std::string n = std::to_string(100 + e.NumeroJugada).substr(1);
        const std::string a = std::to_string(j.FichaA), bb = std::to_string(j.FichaB);
        if (++llamada % 2 == 1) {
            // Each is dropped and the wait goes on: another move's number, a pip 7, end 3, a tile not held.
            const std::string otro = std::to_string(100 + e.NumeroJugada - 1).substr(1);
            const JugadaPosible& f = posibles.front(); // legal now, but sent under another move's number
            b.red.Cola +=
                "06" + otro + std::to_string(f.FichaA) + std::to_string(f.FichaB) + std::to_string(f.Extremo);
            b.red.Cola += "06" + n + "7" + bb + "1";
            b.red.Cola += "06" + n + a + bb + "3";
            b.red.Cola += "06" + n + Ajena(e) + "1";
            return;
        }
        // The sender's own numbering of the ends: the receiver turns it by the pip joined.
        Entero extremo = j.Extremo;
        const auto& x = e.Linea.Extremos;
        if (e.NumeroJugada != 1 && x[1] != x[2] && x[static_cast<std::size_t>(3 - extremo)] != j.FichaA)
            extremo = static_cast<Entero>(3 - extremo);
        b.red.Cola += "06" + n + a + bb + std::to_string(extremo);
        esperadas.push_back(n + std::to_string(std::max(j.FichaA, j.FichaB)) +
                            std::to_string(std::min(j.FichaA, j.FichaB)));
    };
    b.red.Llegadas.push_back(responder);
    const ResultadoPartida r = ComenzarPartida(b.c);
    ASSERT_EQ(r.Fin, FinPartida::Terminada);
    ASSERT_FALSE(esperadas.empty());

    // The state goes out first, then the deal and the leader; moves of the remote seat go to every client
    // but its own, the others' to all; draws and passes never.
    ASSERT_FALSE(b.red.Enviados.empty());
    EXPECT_EQ(b.red.Enviados[0].mensaje, "ZRP3311" + std::string(780, 'S'));
    EXPECT_EQ(b.e.IdPartida.size(), 4u);
    std::vector<std::string> delRemoto;
    for (const auto& m : b.red.Enviados) {
        if (m.mensaje.compare(0, 7, "ZRP3306") != 0) continue;
        ASSERT_EQ(m.mensaje.size(), 12u);
        EXPECT_EQ(m.destino, RedNula::Envio::A::Clientes);
        if (m.salvoPuesto == 1) {
            // The tile as laid here: on the first move it is turned for the seat.
            const char x = m.mensaje[9], y = m.mensaje[10];
            delRemoto.push_back(m.mensaje.substr(7, 2) + std::max(x, y) + std::min(x, y));
        } else {
            EXPECT_EQ(m.salvoPuesto, 0);
        }
    }
    EXPECT_EQ(delRemoto, esperadas);
    EXPECT_TRUE(b.red.Cola.empty());

    // A snapshot on every turn, removed at the end; the end-of-hand boxes have one button.
    EXPECT_FALSE(b.almacen.Grabados.empty());
    for (const auto& g : b.almacen.Grabados) EXPECT_EQ(g, "ZARPE33.DRE");
    EXPECT_EQ(b.almacen.Borrados.back(), "ZARPE33.DRE");
    for (const auto& m : b.usuario.Mensajes) {
        if (m.titulo == "Final de este juego" || m.titulo == "C i e r r e") {
            EXPECT_EQ(m.botones, 1);
        }
    }
}

TEST(Partida, un_cliente_envia_solo_las_jugadas_de_su_asiento_y_juega_las_que_le_llegan)
{
    // A hand dealt here, then played as a client whose host relays the other seats' moves.
    BancoPartida b(8);
    b.e.PartidaEnCurso = true;
    ASSERT_EQ(IniciarMano(b.c), ResultadoReparto::Listo);
    b.a.JuegoEnRed = true;
    b.a.ModoRed = PapelRed::Cliente;
    b.e.PuestoLocal = 2;
    int recibidas = 0;
    std::function<void()> responder = [&] {
        EstadoJuego& e = b.e;
        // Only a move wait is answered: the next deal's wait finds nothing and the match is left there.
        if (!e.ManoEnCurso) return;
        b.red.Llegadas.push_back(responder);
        const auto posibles = ListarJugadasPosibles(e, b.a);
        ASSERT_FALSE(posibles.empty());
        const JugadaPosible& j = posibles.front();
        b.red.Cola += std::string(kCodigoJugada) + std::to_string(100 + e.NumeroJugada).substr(1) +
                      std::to_string(j.FichaA) + std::to_string(j.FichaB) + std::to_string(j.Extremo);
        ++recibidas;
    };
    for (int i = 0; i < 3; ++i) b.red.Llegadas.push_back(responder);
    const ResultadoPartida r = JugarPartida(b.c);
    EXPECT_EQ(r.Fin, FinPartida::Abandonada);
    EXPECT_GT(recibidas, 0);
    // Seat 4's laid tiles went to the host, nothing else did; the hand was played to its end.
    int propias = 0;
    for (const auto& m : b.red.Enviados) {
        EXPECT_EQ(m.destino, RedNula::Envio::A::Administrador);
        EXPECT_EQ(m.mensaje.compare(0, 7, "ZRP3306"), 0);
        ++propias;
    }
    int tilesDe4 = 0;
    for (int n = 1; n < static_cast<int>(b.e.Jugadas.size()); ++n) {
        const RegistroJugada& j = b.e.Jugadas[static_cast<std::size_t>(n)];
        if (j.Jugador == 4 && (j.Extremo == 1 || j.Extremo == 2)) ++tilesDe4;
    }
    EXPECT_EQ(propias, tilesDe4);
    EXPECT_GT(propias, 0);
    EXPECT_FALSE(b.e.ManoEnCurso);
}

TEST(Partida, cancelar_el_final_de_la_mano_la_reabre_y_no_anota_nada_hasta_que_vuelve_a_acabar)
{
    for (const auto& [titulo, semilla] :
         {std::pair<std::string, std::uint32_t>{"Final de este juego", 1}, {"C i e r r e", 3}}) {
        SCOPED_TRACE(titulo);
        BancoPartida referencia(semilla);
        ASSERT_EQ(ComenzarPartida(referencia.c).Fin, FinPartida::Terminada);

        BancoPartida b(semilla);
        b.usuario.RechazarTitulo = titulo;
        b.usuario.VecesRechazo = 1;
        ASSERT_EQ(ComenzarPartida(b.c).Fin, FinPartida::Terminada);
        // The box comes again once play is back where the hand ended, with the same text.
        const auto& m = b.usuario.Mensajes;
        const auto primera =
            std::find_if(m.begin(), m.end(), [&](const auto& x) { return x.titulo == titulo; });
        ASSERT_NE(primera, m.end());
        const auto segunda =
            std::find_if(primera + 1, m.end(), [&](const auto& x) { return x.titulo == titulo; });
        ASSERT_NE(segunda, m.end());
        EXPECT_EQ(primera->texto, segunda->texto);
        EXPECT_TRUE(std::any_of(b.usuario.Turnos.begin(), b.usuario.Turnos.end(),
                                [](const auto& t) { return t.Reabierta; }));
        EXPECT_EQ(Hoja(b.e, b.a), Hoja(referencia.e, referencia.a));
        EXPECT_FALSE(b.e.GrabadoraActiva);
    }
}

TEST(Partida, con_reglas_que_no_permiten_repartir_no_empieza)
{
    BancoPartida b;
    b.a.NumeroJugadores = 3; // four seats are in play
    const ResultadoPartida r = ComenzarPartida(b.c);
    EXPECT_EQ(r.Fin, FinPartida::ReglasNoValidas);
    EXPECT_FALSE(b.e.PartidaEnCurso);
    EXPECT_TRUE(b.usuario.Mensajes.empty());
}

} // namespace
} // namespace zp

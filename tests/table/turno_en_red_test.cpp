// Una partida en red que espera una jugada, en la ventana de la mesa: el panel de turno cuenta el tiempo de
// la espera, y el del asiento de este ordenador parpadea mientras se le espera a él; el botón Continuar
// pulsado para un asiento no sigue nombrándolo en los turnos que no lo esperan.
#include "comun_mesa.h"

#include "engine/geometria_linea.h"
#include "engine/partida.h"
#include "engine/reparto.h"
#include "kit/pausa.h"
#include "network/conexion_red.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/entrada_continuar.h"
#include "table/panel_turno.h"
#include "table/usuario_mesa.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/reloj_falso.h"

#include <QTimer>

#include <map>

namespace {

const std::string kSinTextos = "sin textos";

struct TurnoEnRed : prueba::MesaPrueba
{
    // The hand taken up at the first move of `turno` in a network game of `papel` (the host plays seat 2
    // from another computer). What the turn panel showed, one entry per change: its clock ("0:01"), the
    // blink's off phase, or "?" for anything else. It is watched until its clock reads 0:01 and, on this
    // computer's seat, until its texts have gone and come back.
    std::vector<std::string> Vistas(zp::PapelRed papel, zp::Entero turno)
    {
        e = {};
        a = {};
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        a.JuegoEnRed = true;
        a.ModoRed = papel;
        a.Jugador[2].ControlJugador = zp::Control::Remoto;
        prueba::RepartirManoAMedias(e, 3);
        e.JugadorTurno = e.JugadorSalida = turno;
        zp::mesa& m = Abrir();
        zp::MotorSinVentana motor(1);
        zp::UsuarioMesa persona(m);
        zp::ConexionRed red(e, a);
        zp::Contexto c{e, a, motor.pantalla, m, persona, motor.ritmo, red, motor.almacen, motor.azar};

        // What it may show, drawn apart.
        std::vector<std::pair<std::string, QImage>> dibujos;
        zp::PictureBox aparte;
        aparte.setSurface(zp::Surface(79, 66));
        zp::EstadoMesa em;
        const int arriba = m.Pic_BotContinuar->logicalGeometry().top();
        for (int s = 0; s <= 2; ++s) {
            zp::DibujarEsperandoJugada(aparte, e, a, em, arriba, s, 0.5);
            dibujos.emplace_back(zp::TextoTiempoEspera(s).toStdString(), aparte.surface().image().copy());
        }
        if (turno == 4) {
            zp::DibujarEsperandoJugada(aparte, e, a, em, arriba, 0, 0.1);
            dibujos.emplace_back(kSinTextos, aparte.surface().image().copy());
        }

        std::vector<std::string> vistas;
        bool parpadeo = false; // the texts went and came back
        QTimer mirar;
        QObject::connect(&mirar, &QTimer::timeout, [&] {
            if (m.Pic_TexTurno->isHidden()) return;
            std::string v = "?";
            for (const auto& [nombre, dibujo] : dibujos)
                if (m.Pic_TexTurno->surface().image() == dibujo) v = nombre;
            if (!vistas.empty() && vistas.back() == v) return;
            parpadeo = parpadeo || (!vistas.empty() && vistas.back() == kSinTextos);
            vistas.push_back(v);
            if (v == "0:01" && (turno != 4 || parpadeo)) zp::abandonMatch();
        });
        mirar.start(5);
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [] { zp::abandonMatch(); });
        limite.start(5000);
        zp::prueba::RelojFalso reloj;
        zp::Clock& antes = zp::PausaPrograma().Reloj();
        zp::PausaPrograma().PonerReloj(reloj);
        EXPECT_EQ(zp::ReanudarPartida(c).Fin, zp::FinPartida::Abandonada);
        zp::PausaPrograma().PonerReloj(antes);
        return vistas;
    }
};

TEST_F(TurnoEnRed, el_reloj_del_panel_avanza_mientras_se_espera_y_el_de_este_ordenador_parpadea)
{
    const std::pair<zp::PapelRed, zp::Entero> casos[] = {
        {zp::PapelRed::Administrador, 4}, // the person here
        {zp::PapelRed::Cliente, 4},
        {zp::PapelRed::Administrador, 2}, // a remote player
        {zp::PapelRed::Cliente, 1},
    };
    for (const auto& [papel, turno] : casos) {
        SCOPED_TRACE(testing::Message() << "papel " << int(papel) << ", turno " << turno);
        const std::vector<std::string> vistas = Vistas(papel, turno);
        EXPECT_EQ(std::count(vistas.begin(), vistas.end(), "?"), 0);
        if (turno == 4) {
            // Green, its texts off in the first fifth of each second and back after it, on till 0:01.
            const auto apagado = std::find(vistas.begin(), vistas.end(), kSinTextos);
            const bool vuelven =
                apagado != vistas.end() && std::find(apagado, vistas.end(), "0:01") != vistas.end();
            EXPECT_TRUE(vuelven) << testing::PrintToString(vistas);
        } else {
            // Blue and steady.
            EXPECT_EQ(vistas, (std::vector<std::string>{"0:00", "0:01"}));
        }
    }
}

// The host's person presses Continue for seat 2, automatic; seat 3, remote, and the person here can only
// pass after it. Neither of their turns waits on the button: from their start, through their blinks and
// passes, it is gone, and the match is not shown as still waiting for seat 2.
TEST_F(TurnoEnRed, el_continuar_pulsado_para_un_asiento_no_queda_en_los_turnos_que_no_lo_esperan)
{
    zp::PonerAjustesPorDefecto(e, a);
    a.Sonido = false;
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.PausaEntreJugadas = true;
    a.Jugador[3].ControlJugador = zp::Control::Remoto;
    // Seat 2 holds every 6 and leads the first hand with the 6-6.
    a.PrimeraMano = zp::Apertura::SeisDoble;
    a.TurnoSalida = zp::ReglaSalida::Rotatorio;
    prueba::RepartirManos(e, {2, 1, 3, 4}, 7);
    zp::ContarManos(e, a);
    e.JugadorTurno = e.JugadorSalida = 2;
    zp::mesa& m = Abrir();
    zp::MotorSinVentana motor(1);
    zp::PrepararInicioLinea(e.Linea, e.JugadorSalida, motor.pantalla);
    zp::UsuarioMesa persona(m);
    zp::ConexionRed red(e, a);
    zp::Contexto c{e, a, motor.pantalla, m, persona, motor.ritmo, red, motor.almacen, motor.azar};

    // Continue for seat 2; the match is left at seat 1's wait, the next one.
    QTimer guion;
    QObject::connect(&guion, &QTimer::timeout, [&] {
        if (!e.EsperaContinuar || m.Pic_BotContinuar->isHidden()) return;
        if (e.JugadorTurno == 2) zp::Pic_BotContinuar_MouseDown(m);
        if (e.JugadorTurno == 1) zp::abandonMatch();
    });
    guion.start(5);
    QTimer::singleShot(5000, &guion, [] { zp::abandonMatch(); });
    // Each turn after seat 2's, drawn with pauses (its blink, its pass), and whether one showed the button.
    std::map<zp::Entero, bool> boton;
    zp::prueba::RelojFalso reloj;
    reloj.alPausar = [&] {
        if (e.ManoEnCurso && e.JugadorTurno != 2 && e.JugadorTurno != 1)
            boton[e.JugadorTurno] |= !m.Pic_BotContinuar->isHidden();
    };
    zp::Clock& antes = zp::PausaPrograma().Reloj();
    zp::PausaPrograma().PonerReloj(reloj);
    EXPECT_EQ(zp::ReanudarPartida(c).Fin, zp::FinPartida::Abandonada);
    zp::PausaPrograma().PonerReloj(antes);
    EXPECT_EQ(e.JugadorTurno, 1);
    EXPECT_EQ(boton, (std::map<zp::Entero, bool>{{3, false}, {4, false}}));
}

} // namespace

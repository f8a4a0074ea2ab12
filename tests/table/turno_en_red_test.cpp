// Una partida en red que espera una jugada, en la ventana de la mesa: el panel de turno cuenta el tiempo de
// la espera, y el del asiento de este ordenador parpadea mientras se le espera a él.
#include "comun_mesa.h"

#include "engine/partida.h"
#include "kit/pausa.h"
#include "network/conexion_red.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/panel_turno.h"
#include "table/usuario_mesa.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/reloj_falso.h"

#include <QTimer>

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

} // namespace

// Cómo se ve la ventana: una imagen revisada con el juego en red de Administrador, un asiento remoto, otro
// desactivado y el resto de los controles.
#include "comun_personal.h"

#include "common/imagen_referencia.h"

namespace {

using Personal = prueba::VentanaPersonal;

TEST_F(Personal, se_ve_como_su_imagen_revisada)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.Jugador[1].ControlJugador = zp::Control::Remoto;
    a.Jugador[1].DireccionIP = "192.168.1.40";
    a.Jugador[3].EstadoJugador = zp::EstadoAsiento::Desactivado;
    a.Jugador[2].NombreJugador = "Ana Luz";
    a.Jugador[2].NivelJugador = 80;
    a.Velocidad = 30;
    a.SentidoJuego = zp::Sentido::Inverso;
    zp::personal& v = Abrir();
    EXPECT_TRUE(zp::prueba::CoincideConImagen(v.grab().toImage(), "personal"));
}

} // namespace

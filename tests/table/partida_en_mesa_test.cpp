// Una partida entera de cuatro jugadores automáticos en la ventana de la mesa, con todas sus animaciones y
// las pausas a cero: acaba con el marcador de siempre para su semilla, y la mesa del final se ve como su
// imagen revisada, con la línea de la última mano doblada en los límites de la mesa.
#include "common/imagen_referencia.h"
#include "engine/contexto.h"
#include "engine/partida.h"
#include "kit/pausa.h"
#include "platform/virtual_screen.h"
#include "table/mesa.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/reloj_falso.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

// Golden figures of seed 21 under the default rules.
constexpr Entero kManosEsperadas = 9;
constexpr Entero kTotalPareja1 = 16;
constexpr Entero kTotalPareja2 = 31;

// The automatic person, who also takes a picture of the table when the end of the match is announced.
class PersonaQueMira : public UsuarioAutomatico
{
public:
    explicit PersonaQueMira(mesa& m) : ventana_(m) {}
    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda, CierreCaja alCerrar) override
    {
        if (titulo == "Final de Partida") {
            Final = ventana_.surface().image().copy();
        }
        return UsuarioAutomatico::MostrarMensaje(titulo, texto, lineas, botones, ayuda, alCerrar);
    }
    QImage Final;

private:
    mesa& ventana_;
};

TEST(PartidaEnMesa, una_partida_sembrada_acaba_en_su_marcador_y_su_mesa_final)
{
    setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
    MotorSinVentana motor(21);
    motor.a.Sonido = false;
    motor.a.PausaEntreJugadas = false;
    for (std::size_t p = 1; p <= 4; ++p) motor.a.Jugador[p].ControlJugador = Control::Automatico;
    zp::prueba::RelojFalso reloj;
    Clock& antes = PausaPrograma().Reloj();
    PausaPrograma().PonerReloj(reloj);
    mesa ventana(motor.e, motor.a);
    ventana.DisponerMesa(motor.pantalla);
    ventana.PintarFondo();
    ventana.PonerFondo(Surface(8, 8, qRgb(40, 96, 72))); // a plain cloth, so that the picture stays light
    PersonaQueMira persona(ventana);
    Contexto c{motor.e,     motor.a,   motor.pantalla, ventana,   persona,
               motor.ritmo, motor.red, motor.almacen,  motor.azar};
    const ResultadoPartida r = ComenzarPartida(c);
    PausaPrograma().PonerReloj(antes);

    EXPECT_EQ(r.Fin, FinPartida::Terminada);
    EXPECT_FALSE(motor.e.PartidaEnCurso);
    // The score sheet this seed always gives: hands played and the two pairs' totals.
    EXPECT_EQ(motor.e.NumeroMano, kManosEsperadas);
    EXPECT_EQ(motor.e.TotalPareja1, kTotalPareja1);
    EXPECT_EQ(motor.e.TotalPareja2, kTotalPareja2);

    // The table when the end is announced: the last hand's line, bent at the table's limits, and its hands.
    ASSERT_FALSE(persona.Final.isNull());
    EXPECT_TRUE(prueba::CoincideConImagen(persona.Final, "mesa_al_final_de_la_partida_sembrada", 8, 0));
}

} // namespace
} // namespace zp

// Una partida entera de cuatro jugadores automáticos en la ventana de la mesa, con todas sus animaciones y
// las pausas a cero: acaba con el marcador de siempre para su semilla, y la mesa del final muestra cada ficha
// de la última mano donde su registro la puso, con la línea doblada en los límites de la mesa.
#include "engine/contexto.h"
#include "engine/partida.h"
#include "kit/pausa.h"
#include "platform/virtual_screen.h"
#include "table/linea_mesa.h"
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
constexpr int kFichasUltimaMano = 21;

using RelojSinEspera = zp::prueba::RelojFalso;

// The automatic person, who also takes a picture of the table when the end of the match is announced.
class PersonaQueMira : public UsuarioAutomatico
{
public:
    explicit PersonaQueMira(mesa& m) : ventana_(m) {}
    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda) override
    {
        if (titulo == "Final de Partida") {
            Final = ventana_.surface().image().copy();
            Jugadas = ventana_.Juego().Jugadas;
            NumeroJugada = ventana_.Juego().NumeroJugada;
        }
        return UsuarioAutomatico::MostrarMensaje(titulo, texto, lineas, botones, ayuda);
    }
    QImage Final;
    std::vector<RegistroJugada> Jugadas;
    Entero NumeroJugada = 0;

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
    RelojSinEspera reloj;
    Clock& antes = PausaPrograma().Reloj();
    PausaPrograma().PonerReloj(reloj);
    mesa ventana(motor.e, motor.a);
    ventana.DisponerMesa(motor.pantalla);
    ventana.PintarFondo();
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

    ASSERT_FALSE(persona.Final.isNull());
    EstadoJuego ultima = motor.e;
    ultima.Jugadas = persona.Jugadas;
    Surface esperada = ventana.Marmol();
    LienzoMesa l{esperada, ventana.Marmol(), ventana.Hojas(), ultima,
                 motor.a,  motor.pantalla,   ventana.Estado()};
    DibujarLinea(l, persona.NumeroJugada);
    int fichas = 0, dobladas = 0;
    for (int i = 1; i < persona.NumeroJugada; ++i) {
        const RegistroJugada& j = persona.Jugadas[std::size_t(i)];
        if (j.Extremo != 1 && j.Extremo != 2) continue;
        ++fichas;
        if (i > 1 && j.DireccionAntes != j.DireccionDespues) ++dobladas;
        SCOPED_TRACE(i);
        for (int y = j.YFicha; y < j.YFicha + j.AltoFicha; y += 3)
            for (int x = j.XFicha; x < j.XFicha + j.AnchoFicha; x += 3)
                ASSERT_EQ(persona.Final.pixel(x, y), esperada.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(fichas, kFichasUltimaMano);
    EXPECT_GE(dobladas, 1) << "the last hand's line turns at the table's limits";
}

} // namespace
} // namespace zp

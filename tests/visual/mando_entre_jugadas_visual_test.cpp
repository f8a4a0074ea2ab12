// En un servidor X de verdad y con las pausas del juego: el mando de la grabadora pulsado mientras la máquina
// elige y mueve llega cuando el programa vuelve a atender, antes de que parpadee la mano siguiente, y ya no
// espera ninguna jugada: la mesa se para en el turno siguiente con su mano a la vista, el botón Continuar
// nombra a quien le toca, la grabadora sigue apagada, y una tecla sigue la partida.
#include "eventos_x.h"
#include "table/disposicion_mesa.h"
#include "table/programa_prueba.h"

namespace {

const QPoint kEncendido(25, 12);
constexpr int kTeclaC = 54; // "c" in the server's usual keymap

struct MandoEntreJugadas : prueba::ProgramaPrueba
{
    zp::mesa& M() const { return *programa->Mesa; }
    zp::EstadoJuego& J() const { return programa->e; }

    // The table waits for the move `jugada`, and has drawn everything it shows while waiting.
    bool EsperaLaJugada(zp::Entero jugada) const
    {
        return programa && M().Grabadora.BucleEsperando && J().NumeroJugada == jugada && !zp::inQuietPause();
    }

    // Pixels of the table's own drawing in `zona` that the server shows otherwise; the controls over it
    // aside.
    int Distintos(const prueba::PantallaX& pantalla, QWidget& w, const QImage& dibujo, QRect zona) const
    {
        const QImage vista = pantalla.Leer(w, zona);
        if (vista.isNull()) return zona.width() * zona.height();
        int distintos = 0;
        for (int y = 0; y < zona.height(); ++y)
            for (int x = 0; x < zona.width(); ++x) {
                const QPoint p = zona.topLeft() + QPoint(x, y);
                if (&w == &M() && M().childAt(p)) continue;
                if ((vista.pixel(x, y) ^ dibujo.pixel(p)) & 0xFFFFFFu) ++distintos;
            }
        return distintos;
    }
};

TEST_F(MandoEntreJugadas, el_mando_pulsado_mientras_mueve_la_maquina_deja_ver_la_mano_siguiente_y_su_boton)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "sin servidor X";
    ManoAMedias();
    zp::PausaPrograma().PonerReloj(zp::systemClock());
    prueba::PantallaX pantalla;
    zp::Entero siguiente = 0;
    int manoDistinta = -1, botonDistinto = -1;
    bool grabadora = true, manoDibujada = false, botonDibujado = false;
    std::uint32_t esperando = 0, tecla = 0;
    // What the screen shows of the hand in turn and of the Continue button, against the table's drawing.
    auto mirar = [&] {
        zp::mesa& m = M();
        siguiente = J().JugadorTurno;
        const QRect zona = zp::CalcularZonaMano(J(), programa->a, programa->Medidas, siguiente);
        manoDistinta = Distintos(pantalla, m, m.surface().image(), zona);
        botonDistinto = Distintos(pantalla, *m.Pic_BotContinuar, m.Pic_BotContinuar->surface().image(),
                                  m.Pic_BotContinuar->rect());
        return manoDistinta == 0 && botonDistinto == 0;
    };
    // A key that does not go on with the game ends the test instead of leaving it waiting.
    paso = [&] {
        if (tecla != 0 && zp::clockMs() - tecla > 20000) zp::abandonMatch();
    };
    pasos = {
        // Seat 1 moves; then Continue for seat 2, and the power key as soon as its move is under way.
        {[&] { return EsperaLaJugada(1); }, [&] { prueba::PulsarTeclaX(M(), kTeclaC); }},
        {[&] { return EsperaLaJugada(2); }, [&] { prueba::PulsarTeclaX(M(), kTeclaC); }},
        {[&] { return !M().Grabadora.BucleEsperando; },
         [&] {
             prueba::PulsarBotonX(*M().Pic_Grabadora, kEncendido);
             prueba::SoltarBotonX(*M().Pic_Grabadora, kEncendido);
         }},
        // The wait for seat 3, once the screen shows it (or it has had two seconds to).
        {[&] {
             if (!EsperaLaJugada(3)) return false;
             if (esperando == 0) esperando = zp::clockMs();
             return mirar() || zp::clockMs() - esperando > 2000;
         },
         [&] {
             // And what it shows is the hand and the button as they are drawn afresh.
             zp::mesa& m = M();
             const QImage mesa = m.surface().image().copy();
             const QImage boton = m.Pic_BotContinuar->surface().image().copy();
             m.DibujarMano(siguiente);
             m.DibujarBotonContinuar(1);
             manoDibujada = mesa == m.surface().image();
             botonDibujado = boton == m.Pic_BotContinuar->surface().image();
             grabadora = J().GrabadoraActiva;
             tecla = zp::clockMs();
             prueba::PulsarTeclaX(M(), kTeclaC);
         }},
        {[&] { return EsperaLaJugada(4); }, [&] { zp::abandonMatch(); }},
    };
    Arrancar();
    zp::PausaPrograma().PonerReloj(reloj);

    ASSERT_GE(pasoActual, 4u);
    EXPECT_EQ(pasoActual, pasos.size()) << "the key at the wait went on with the game";
    EXPECT_EQ(siguiente, 3);
    EXPECT_EQ(manoDistinta, 0) << "the screen shows the table's drawing of the hand in turn";
    EXPECT_EQ(botonDistinto, 0) << "the screen shows the table's drawing of the Continue button";
    EXPECT_TRUE(manoDibujada) << "the hand in turn is drawn whole";
    EXPECT_TRUE(botonDibujado) << "the Continue button names the seat in turn";
    EXPECT_FALSE(grabadora) << "the power key came while no move was awaited";
}

} // namespace

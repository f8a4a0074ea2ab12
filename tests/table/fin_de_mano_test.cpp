// El final de un juego en la mesa: con Cancelar el juego se reabre una jugada atrás con la grabadora
// encendida, el mando lo recorre adelante y atrás, apagarlo vuelve al final y seguir desde una jugada
// descarta las posteriores; después la partida sigue hasta su final. Y el juego que termina con la última
// ficha de la persona espera a Continuar como cualquier otro.
#include "programa_prueba.h"

#include "common/imagen_referencia.h"
#include "engine/disposicion_manos.h"
#include "engine/jugada.h"
#include "table/lista_jugadas_mesa.h"
#include "tests/soporte/mano_al_azar.h"

#include <QListWidget>

namespace {

const QString kFinal = QStringLiteral("Final de este juego");
const QString kCierre = QStringLiteral("C i e r r e");

// The remote's keys, in its own pixels.
const QPoint kEncendido(25, 12), kAtras(14, 31), kAdelante(36, 31), kAtrasRapido(14, 47),
    kAdelanteRapido(36, 47), kContinuar(24, 63);

struct FinDeMano : prueba::ProgramaPrueba
{
    zp::mesa& M() const { return *programa->Mesa; }
    zp::EstadoJuego& J() const { return programa->e; }
    void Tecla(QPoint p) const { Pulsar(M().Pic_Grabadora, p); }
    int Lineas() const { return M().Lis_Grabadora->count(); }
    int Elegida() const
    {
        const auto elegidas = M().Lis_Grabadora->selectedItems();
        return elegidas.isEmpty() ? -1 : M().Lis_Grabadora->row(elegidas.front());
    }
};

TEST_F(FinDeMano, cancelar_reabre_el_juego_el_mando_lo_recorre_y_la_partida_sigue_hasta_su_final)
{
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
    a.PausaEntreJugadas = false;
    a.ListaJugadas = zp::VistaLista::SiempreVisible;
    Arrancar(21);
    int finales = 0;
    responder = [&](const QString& t) -> std::optional<bool> {
        if (t != kFinal && t != kCierre) return std::nullopt;
        return ++finales > 2; // Cancelar, twice
    };
    zp::Entero pos = 0;
    pasos = {
        // Cancelar: the hand is open one move back, the recorder lit, every move in the list.
        {[&] { return J().GrabadoraActiva && M().Grabadora.BucleEsperando; },
         [&] {
             zp::EstadoJuego& j = J();
             pos = j.PosicionGrabadora;
             EXPECT_EQ(j.NumeroJugada, pos - 1);
             EXPECT_EQ(Lineas(), pos - 1);
             EXPECT_EQ(Elegida(), pos - 3);
             EXPECT_TRUE(M().Pic_Grabadora->isVisible());

             // Off the hands the pop-up offers storing, loading and deleting; storing is refused now.
             QTest::mouseMove(&M(), {400, 150});
             QTest::mouseClick(&M(), Qt::RightButton, {}, {400, 150});
             EXPECT_TRUE(zp::prueba::CoincideConImagen(M().grab().toImage(), "mesa_grabadora_y_menu", 8, 0));
             Pulsar(M().Pic_SelOpciones, {40, 10});
             ASSERT_FALSE(cajas.empty());
             EXPECT_EQ(cajas.back().titulo, QStringLiteral("Grabadora encendida"));

             // Three moves back and forward again: the same game, the list's lines all kept.
             const zp::FotoMano visto = zp::TomarFoto(j);
             for (int i = 1; i <= 3; ++i) Tecla(kAtras);
             EXPECT_EQ(j.NumeroJugada, pos - 4);
             EXPECT_EQ(Elegida(), pos - 6);
             EXPECT_EQ(Lineas(), pos - 1);
             EXPECT_NE(zp::TomarFoto(j).Manos, visto.Manos);
             for (int i = 1; i <= 3; ++i) Tecla(kAdelante);
             EXPECT_EQ(j.NumeroJugada, pos - 1);
             EXPECT_EQ(zp::DiferenciaFotos(visto, zp::TomarFoto(j)), "");
             // Off: the last move again, and the hand ends once more.
             Tecla(kEncendido);
             EXPECT_FALSE(j.GrabadoraActiva);
         }},
        // Cancelar again: a run back to the start, a run forward to the end, then play on from two back.
        {[&] { return J().GrabadoraActiva && M().Grabadora.BucleEsperando; },
         [&] {
             zp::EstadoJuego& j = J();
             EXPECT_EQ(finales, 2);
             Tecla(kAtrasRapido);
             EXPECT_EQ(j.NumeroJugada, 1);
             EXPECT_EQ(Elegida(), -1);
             EXPECT_EQ(j.Linea.FichasEnExtremo[1] + j.Linea.FichasEnExtremo[2], 0) << "no tile on the table";
             Tecla(kAdelanteRapido);
             EXPECT_EQ(j.NumeroJugada, pos);
             Tecla(kAtras);
             Tecla(kAtras);
             Tecla(kContinuar);
             EXPECT_FALSE(j.GrabadoraActiva);
             EXPECT_GE(j.NumeroJugada, pos - 2) << "only the draws after the move shown are replayed";
             EXPECT_EQ(j.PosicionGrabadora, j.NumeroJugada);
             EXPECT_EQ(Lineas(), j.NumeroJugada - 1) << "the later moves' lines are gone";
         }},
        // Play goes on from there; between hands the table waits for Continue.
        {[&] { return M().Grabadora.BucleEsperando && !J().ManoEnCurso && J().PartidaEnCurso; },
         [&] { Pulsar(M().Pic_BotContinuar); }, true},
    };
    Pulsar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 120000));
    EXPECT_EQ(pasoActual, 2u);
    EXPECT_GT(finales, 2);
    EXPECT_EQ(resultados[1].Fin, zp::FinPartida::Terminada);
}

TEST_F(FinDeMano, una_segunda_pulsacion_en_una_carrera_del_mando_la_para_tras_el_paso_en_curso)
{
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
    a.PausaEntreJugadas = false;
    a.Velocidad = 75;
    Arrancar(21);
    responder = [&](const QString& t) -> std::optional<bool> {
        if (t != kFinal && t != kCierre) return std::nullopt;
        return false; // Cancelar: the hand reopens with the recorder on
    };
    // The key pressed again while its run goes on, from a timer: during one of the run's pauses or between
    // two of its steps, as a person's click comes. The run must end with the step it was taking.
    struct Segunda
    {
        zp::Entero enPaso = 0;
        zp::Entero al = 0;
    };
    auto carrera = [&](QPoint tecla, zp::Entero jugadas, Segunda& s) {
        zp::EstadoJuego& j = J();
        const zp::Entero inicio = j.NumeroJugada;
        QTimer persona;
        QObject::connect(&persona, &QTimer::timeout, [&] {
            if (s.enPaso != 0 || std::abs(j.NumeroJugada - inicio) < jugadas) return;
            s.enPaso = j.NumeroJugada;
            Tecla(tecla);
        });
        persona.start(3);
        Tecla(tecla); // returns when the run is over
        persona.stop();
        s.al = j.NumeroJugada;
    };
    Segunda atras, adelante;
    QImage mando;
    pasos = {
        {[&] { return J().GrabadoraActiva && M().Grabadora.BucleEsperando; },
         [&] {
             mando = M().Pic_Grabadora->surface().image().copy();
             // Real pauses at the game's speed: the press waits out the one under way like a person's.
             zp::PausaPrograma().PonerReloj(zp::systemClock());
             carrera(kAtrasRapido, 3, atras);
             carrera(kAdelanteRapido, 2, adelante);
             zp::PausaPrograma().PonerReloj(reloj);
             zp::abandonMatch();
         }},
    };
    Pulsar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 60000));
    ASSERT_EQ(pasoActual, 1u);
    ASSERT_NE(atras.enPaso, 0) << "the second press came during the run";
    EXPECT_EQ(atras.al, atras.enPaso);
    ASSERT_NE(adelante.enPaso, 0);
    EXPECT_EQ(adelante.al, adelante.enPaso);
    // Both keys were drawn released again.
    EXPECT_EQ(M().Pic_Grabadora->surface().image(), mando);
}

TEST_F(FinDeMano, el_juego_que_acaba_con_una_ficha_pulsada_espera_a_continuar)
{
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Manual;
    respuestas[kFinal] = respuestas[kCierre] = true;
    Arrancar(5);
    bool ultimaPulsada = false, esperaba = false;
    pasos = {
        // Every seat is played here: a tile that fits is clicked, its end chosen when asked; else Continue.
        {[&] { return J().ManoEnCurso && (M().Grabadora.BucleEsperando || J().EsperaExtremo); },
         [&] {
             zp::EstadoJuego& j = J();
             if (j.EsperaExtremo) {
                 QTest::mouseClick(&M(), Qt::LeftButton, {}, M().Ima_FlechaDer.Rectangulo().center());
                 return;
             }
             ultimaPulsada = false;
             for (zp::Entero h = 1; h <= j.HuecosMano[std::size_t(j.JugadorTurno)]; ++h) {
                 if (!zp::ComprobarFichaJugable(j, programa->a, h)) continue;
                 ultimaPulsada = true;
                 const auto sitio =
                     zp::CalcularPosicionFichaMano(j, programa->a, programa->Medidas, j.JugadorTurno, h);
                 Pulsar(&M(), QPoint(sitio->X + 8, sitio->Y + 8));
                 return;
             }
             Pulsar(M().Pic_BotContinuar);
         },
         true},
    };
    paso = [&] {
        // The hand is over and its message answered: the table must wait for Continue.
        if (M().Grabadora.BucleEsperando && !J().ManoEnCurso && J().PartidaEnCurso && !esperaba) {
            esperaba = J().NumeroMano == 1;
            zp::abandonMatch(); // fin de la prueba
        }
    };
    Pulsar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 60000));
    EXPECT_TRUE(ultimaPulsada) << "the hand ended with a tile the person clicked";
    EXPECT_TRUE(esperaba) << "the next hand waits for Continue";
}

} // namespace

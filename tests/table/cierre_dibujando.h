// Cerrar la ventana de la mesa mientras se dibuja una jugada, un reparto o el final de un juego, con las
// pausas de verdad: la petición espera a que acabe el dibujo y la caja que venga detrás, y entonces pregunta
// una sola vez como el botón de salir; con Aceptar el programa termina y la partida queda guardada para otro
// momento, con el juego terminado en la hoja de tanteo; con No la partida sigue sin más preguntas.
#pragma once

#include "programa_prueba.h"

#include "engine/ciclo_turno.h"
#include "platform/clock.h"

#include <functional>
#include <optional>

namespace prueba {

inline const QString kPosponer = QStringLiteral("Posponer la partida en curso");
inline const QString kFinalJuego = QStringLiteral("Final de este juego");
inline const QString kCierreJuego = QStringLiteral("C i e r r e");

// When the close reaches the table.
enum class Momento
{
    EnPausa,      // in the middle of a pause, while a tile travels
    EntrePasos,   // as the drawing is over, between two steps of the match
    EnReparto,    // while the tiles of the first hand are dealt
    UltimaJugada, // while the tile that ends the first hand travels
    FinDeMano,    // in the pauses that show the first hand's end, before its box
};

struct CierreDibujando : ProgramaPrueba
{
    static constexpr int kLimiteMs = 60000;

    // Boxes of the program open now.
    static int CajasAbiertas()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<zp::mensajes*>(w) && w->isVisible()) ++n;
        return n;
    }

    // Only something broken runs into this: the program is told to quit, and the test fails instead of
    // hanging.
    void PonerLimite()
    {
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [this] {
            vencido = true;
            if (auto* caja = QApplication::activeModalWidget()) caja->close();
            zp::requestQuit();
        });
        limite.start(kLimiteMs);
    }
    QTimer limite;
    bool vencido = false;

    // What a run saw.
    int preguntas = 0;           // exit questions opened
    bool preguntaEncima = false; // one opened on top of another box
    zp::Entero jugadaAlCerrar = 0, jugadaAlPreguntar = 0;

    // A new match of four automatic seats, no pause between moves; at `momento`, at `velocidad`, the window
    // is asked to close `cierres` times, 80 ms apart, and the question is answered Aceptar (or No: play then
    // goes on for two more moves, and the match is left there).
    void CerrarDibujando(zp::Entero velocidad, Momento momento, const std::function<void(zp::mesa&)>& cerrar,
                         int cierres = 1, bool aceptar = true)
    {
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = false;
        respuestas[kPosponer] = aceptar;
        respuestas[kFinalJuego] = respuestas[kCierreJuego] = true;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo == kPosponer) {
                ++preguntas;
                preguntaEncima = preguntaEncima || CajasAbiertas() > 1;
                jugadaAlPreguntar = programa->e.NumeroJugada;
                if (!aceptar) zp::PausaPrograma().PonerReloj(reloj); // the rest at full speed
            }
            return std::nullopt;
        };
        const bool alFinal = momento == Momento::UltimaJugada || momento == Momento::FinDeMano;
        // The deal and the blinks before the first move flash by, unless the close comes during the deal.
        if (momento != Momento::EnReparto) a.Velocidad = 100;
        Arrancar(alFinal ? 7 : 21);
        // Up to the hand's last moves the match runs with no pauses.
        if (!alFinal) zp::PausaPrograma().PonerReloj(zp::systemClock());
        bool cajaEnPausa = false;
        int pedidos = 0;
        std::optional<QRect> salida; // where the tile was when its speed was set
        QTimer vigia, otro;
        otro.setSingleShot(true);
        QObject::connect(&otro, &QTimer::timeout, [&] {
            ++pedidos;
            cerrar(*programa->Mesa);
        });
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            zp::mesa& m = *programa->Mesa;
            const zp::EstadoJuego& j = programa->e;
            // At the hand's end the moves before its last one flash by: the last one's tile is the one whose
            // speed is set.
            const bool ultima = j.ManoEnCurso && (j.FichasEnMano[std::size_t(j.JugadorTurno)] == 0 ||
                                                  zp::ManoCerrada(j, programa->a));
            if (alFinal && &zp::PausaPrograma().Reloj() == static_cast<zp::Clock*>(&reloj) && j.ManoEnCurso &&
                std::count(j.FichasEnMano.begin() + 1, j.FichasEnMano.end(), zp::Entero{1}) > 0)
                zp::PausaPrograma().PonerReloj(zp::systemClock());
            // The speed is set as the tile sets off, and the close comes once it has taken a step at that
            // speed.
            if (!salida && zp::inQuietPause() && m.Ima_Mover.Visible() && (!alFinal || ultima)) {
                salida = m.Ima_Mover.Rectangulo();
                programa->a.Velocidad = velocidad;
            }
            const bool enCamino = salida && m.Ima_Mover.Visible() && m.Ima_Mover.Rectangulo() != *salida;
            bool aMano = false;
            switch (momento) {
            case Momento::EnPausa:
            case Momento::UltimaJugada:
                aMano = zp::inQuietPause() && enCamino;
                break;
            case Momento::EntrePasos:
                aMano = salida && !zp::inQuietPause() && !m.Ima_Mover.Visible();
                break;
            case Momento::EnReparto:
                aMano = zp::inQuietPause() && j.RepartiendoMano;
                break;
            case Momento::FinDeMano:
                aMano = zp::inQuietPause() && salida && j.PartidaEnCurso && !j.ManoEnCurso;
                break;
            }
            if (pedidos == 0 && aMano && !QApplication::activeModalWidget()) {
                ++pedidos;
                jugadaAlCerrar = j.NumeroJugada;
                cerrar(m);
                if (cierres > 1) otro.start(80);
            }
            // A box opened inside the pause could never be answered there: noted, and the program ended.
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            if (caja && zp::inQuietPause()) {
                cajaEnPausa = true;
                caja->reject();
                zp::requestQuit();
            }
        });
        vigia.start(1);
        // Answered No: play goes on, and is left once two more moves are made.
        if (!aceptar)
            pasos = {{[&] { return preguntas > 0 && programa->e.NumeroJugada >= jugadaAlPreguntar + 2; },
                      [] { zp::abandonMatch(); }}};
        PonerLimite();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));
        zp::PausaPrograma().PonerReloj(reloj);

        ASSERT_EQ(pedidos, cierres) << "the close came at that moment";
        EXPECT_FALSE(cajaEnPausa) << "the question opened inside the drawing's pause, deaf to the person";
        ASSERT_FALSE(vencido) << "the program was still there " << kLimiteMs << " ms later";
        EXPECT_EQ(preguntas, 1) << "asked once";
        EXPECT_FALSE(preguntaEncima) << "asked inside a box it did not open";
        if (!aceptar) {
            EXPECT_EQ(resultados.back().Fin, zp::FinPartida::Abandonada) << "play went on";
            EXPECT_GE(programa->e.NumeroJugada, jugadaAlPreguntar + 2);
            return;
        }
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        EXPECT_FALSE(programa->Mesa->isVisible());
        if (momento == Momento::EnPausa || momento == Momento::EntrePasos) {
            // Asked as the drawing ends, before another move is drawn.
            EXPECT_EQ(jugadaAlPreguntar,
                      momento == Momento::EntrePasos ? jugadaAlCerrar : jugadaAlCerrar + 1);
        }
        zp::EstadoJuego leido;
        zp::Ajustes ajustesLeidos;
        ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
        EXPECT_TRUE(leido.PartidaEnCurso) << "the match in progress is kept";
        EXPECT_EQ(leido.IdPartida, programa->e.IdPartida);
        if (alFinal) {
            // Asked once the hand's box was answered: the hand is over, and on the score sheet.
            ASSERT_GE(cajas.size(), 2u);
            EXPECT_TRUE(cajas[cajas.size() - 2].titulo == kFinalJuego ||
                        cajas[cajas.size() - 2].titulo == kCierreJuego);
            EXPECT_FALSE(leido.ManoEnCurso);
            EXPECT_EQ(leido.NumeroMano, 1);
            EXPECT_EQ(leido.GanadorMano, programa->e.GanadorMano);
            EXPECT_NE(leido.Anotaciones[1], zp::RegistroMano{}) << "the ended hand is on the score sheet";
            EXPECT_EQ(leido.Anotaciones[1], programa->e.Anotaciones[1]);
            return;
        }
        EXPECT_TRUE(leido.ManoEnCurso);
        EXPECT_EQ(leido.NumeroJugada, programa->e.NumeroJugada);
        if (momento == Momento::EnReparto) {
            // Asked once the box after the deal was answered, before the first move.
            ASSERT_GE(cajas.size(), 2u);
            EXPECT_EQ(cajas[cajas.size() - 2].titulo, QStringLiteral("Comienza la Partida"));
            EXPECT_EQ(jugadaAlPreguntar, 1);
        }
    }

    // How a close meets the exit button's question.
    enum class CierreYSalir
    {
        ConLaPreguntaAbierta, // the window is asked to close while the question is open
        AntesDelBoton,        // asked to close just before the button is pressed, at the same step
        EnLaMismaPausa,       // asked to close, and the button pressed, during the same pause of a move
    };

    // A match of four automatic seats that waits for Continue between moves. Near such a wait the window is
    // asked to close and the exit button pressed, as `cuando` says; the question is answered No (with the
    // question open, once the program has heard the close: `oido`). Play then goes on for two moves, the
    // window is asked to close again, and once that has asked too the match is left there.
    void CerrarConLaPreguntaDeSalir(
        const std::function<void(zp::mesa&)>& cerrar, CierreYSalir cuando,
        const std::function<bool()>& oido = [] { return true; })
    {
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = true;
        respuestas[kPosponer] = false;
        bool enPausa = false;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo == kPosponer) {
                ++preguntas;
                preguntaEncima = preguntaEncima || CajasAbiertas() > 1;
                enPausa = enPausa || zp::inQuietPause();
                zp::PausaPrograma().PonerReloj(reloj);
            }
            return std::nullopt;
        };
        Arrancar(21);
        QTimer persona;
        constexpr zp::Entero kSalir = 7;
        // The exit button as a key or a close asks it: at once, with no events handled first.
        auto salir = [&] { programa->Mesa->PedirBoton(kSalir); };
        QObject::connect(&persona, &QTimer::timeout, [&] {
            if (cuando == CierreYSalir::EnLaMismaPausa) {
                if (!zp::inQuietPause() || !programa->Mesa->Ima_Mover.Visible()) return;
                persona.stop();
                // The pointer's way to the button and the press are held by the pause, as the close is.
                Pasar(kSalir);
                cerrar(*programa->Mesa);
                QTest::mouseClick(Boton(kSalir), Qt::LeftButton, {}, {12, 14});
                return;
            }
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            if (!caja || caja->TextoTitulo() != kPosponer) return;
            if (contestarCajas) {
                contestarCajas = false;
                cerrar(*programa->Mesa);
            } else if (oido()) {
                persona.stop();
                contestarCajas = true;
            }
        });
        zp::Entero jugada = 0;
        int antesDelOtro = 0; // questions before the later close
        auto esperando = [&] { return programa->e.ManoEnCurso && programa->Mesa->Grabadora.BucleEsperando; };
        auto enJugada = [&](int n) {
            return [&, n] { return esperando() && programa->e.NumeroJugada == jugada + n; };
        };
        auto continuar = [&] { Pulsar(programa->Mesa->Pic_BotContinuar); };
        pasos = {{esperando,
                  [&] {
                      jugada = programa->e.NumeroJugada;
                      switch (cuando) {
                      case CierreYSalir::ConLaPreguntaAbierta:
                          persona.start(5);
                          salir();
                          break;
                      case CierreYSalir::AntesDelBoton:
                          cerrar(*programa->Mesa);
                          salir();
                          break;
                      case CierreYSalir::EnLaMismaPausa:
                          // The move that Continue sets off is drawn at a real pace.
                          zp::PausaPrograma().PonerReloj(zp::systemClock());
                          programa->a.Velocidad = 75;
                          persona.start(1);
                          break;
                      }
                  }},
                 {enJugada(0), continuar},
                 {enJugada(1), continuar},
                 // A close made once that question is over asks again.
                 {enJugada(2),
                  [&] {
                      antesDelOtro = preguntas;
                      cerrar(*programa->Mesa);
                  }},
                 {[&] { return preguntas > 1 && esperando(); }, [] { zp::abandonMatch(); }}};
        PonerLimite();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));
        zp::PausaPrograma().PonerReloj(reloj);
        ASSERT_FALSE(vencido);
        EXPECT_EQ(pasoActual, pasos.size()) << "play went on";
        EXPECT_EQ(programa->e.NumeroJugada, jugada + 2);
        EXPECT_EQ(antesDelOtro, 1) << "asked once";
        EXPECT_EQ(preguntas, 2) << "the later close asked again";
        EXPECT_FALSE(preguntaEncima);
        EXPECT_FALSE(enPausa);
    }
};

} // namespace prueba

// El cierre del escritorio (Alt+F4) llega a la ventana que tiene el foco, que es la caja cuando hay una
// abierta. Cerrar la caja del final de un juego lo anota, no lo retrocede, y después la salida pregunta como
// siempre; cerrar la pregunta de salir no la contesta: sigue abierta hasta que la persona elige.
#pragma once

#include "cierre_dibujando.h"

namespace prueba {

// Counts the closes that reach a window.
class CierresRecibidos : public QObject
{
public:
    explicit CierresRecibidos(QWindow* ventana) { ventana->installEventFilter(this); }
    int recibidos = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Close) ++recibidos;
        return false;
    }
};

struct CierreDeCaja : CierreDibujando
{
    // Sends the desktop's close to `caja` and returns once it has reached it, or the box is gone.
    static void CerrarLaCaja(zp::mensajes& caja, const std::function<void(QWidget&)>& cerrar)
    {
        CierresRecibidos cierres(caja.windowHandle());
        QPointer<zp::mensajes> vista(&caja);
        cerrar(caja);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !vista || !vista->isVisible() || cierres.recibidos > 0; },
                                    kLimiteMs))
            << "the close reached the box";
    }

    // A match of four automatic seats, no pause between moves, played to the end of its first hand; the box
    // of that end is closed as the desktop closes it, and then the table is closed: the exit question is
    // answered Aceptar.
    void CerrarElFinalDelJuego(const std::function<void(QWidget&)>& cerrar)
    {
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = false;
        respuestas[kPosponer] = true;
        bool cerrada = false, rechazada = false;
        std::optional<zp::EstadoJuego> tras; // the game once that box is closed
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo == kFinalJuego || titulo == kCierreJuego) {
                CerrarLaCaja(*qobject_cast<zp::mensajes*>(QApplication::activeModalWidget()), cerrar);
                cerrada = true;
            }
            if (titulo == kPosponer) ++preguntas;
            if (titulo == QStringLiteral("Salir del programa")) rechazada = true;
            return std::nullopt;
        };
        pasos = {{[&] { return cerrada && programa->e.EsperaContinuar; },
                  [&] {
                      tras = programa->e;
                      cerrar(*programa->Mesa);
                  }},
                 // Refused instead of asked: nothing will end the match.
                 {[&] { return rechazada; }, [] { zp::abandonMatch(); }}};
        Arrancar(7);
        PonerLimite();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));
        ASSERT_FALSE(vencido);
        ASSERT_TRUE(tras) << "the hand's end was shown and closed";
        EXPECT_FALSE(tras->ManoEnCurso) << "the hand was not taken back";
        EXPECT_FALSE(tras->GrabadoraActiva);
        EXPECT_NE(tras->Anotaciones[1], zp::RegistroMano{}) << "the hand is on the score sheet";
        EXPECT_FALSE(rechazada) << "the exit was refused";
        EXPECT_EQ(preguntas, 1);
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        zp::EstadoJuego leido;
        zp::Ajustes ajustesLeidos;
        ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
        EXPECT_EQ(leido.Anotaciones[1], tras->Anotaciones[1]) << "and on the one kept for later";
    }

    // A match of four automatic seats that waits for Continue between moves. At such a wait the table is
    // closed, and then the exit question that this opens is closed as well: it stays open, and once it is
    // answered Aceptar the program ends with the match kept.
    void CerrarDosVeces(const std::function<void(QWidget&)>& cerrar)
    {
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = true;
        bool sigueAbierta = false;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo != kPosponer) return std::nullopt;
            ++preguntas;
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            CerrarLaCaja(*caja, cerrar);
            sigueAbierta = caja->isVisible();
            if (sigueAbierta) return true;
            return std::nullopt;
        };
        auto esperando = [&] { return programa->e.ManoEnCurso && programa->Mesa->Grabadora.BucleEsperando; };
        pasos = {{esperando, [&] { cerrar(*programa->Mesa); }},
                 // Answered by the second close: play went on.
                 {[&] { return preguntas > 0 && esperando(); }, [] { zp::abandonMatch(); }}};
        Arrancar(21);
        PonerLimite();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));
        ASSERT_FALSE(vencido);
        EXPECT_EQ(preguntas, 1);
        EXPECT_TRUE(sigueAbierta) << "the close of the question answered it";
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        zp::EstadoJuego leido;
        zp::Ajustes ajustesLeidos;
        ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
        EXPECT_TRUE(leido.PartidaEnCurso) << "the match is kept for later";
    }
};

} // namespace prueba

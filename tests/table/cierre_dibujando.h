// Cerrar la ventana de la mesa mientras se dibuja una jugada, con las pausas de verdad: la petición espera a
// que acabe el dibujo y entonces pregunta como el botón de salir; con Aceptar el programa termina y la
// partida queda guardada para otro momento.
#pragma once

#include "programa_prueba.h"

#include "platform/clock.h"

#include <functional>
#include <optional>

namespace prueba {

inline const QString kPosponer = QStringLiteral("Posponer la partida en curso");

// When the close reaches the table.
enum class Momento
{
    EnPausa,    // in the middle of a pause, while a tile travels
    EntrePasos, // as the drawing is over, between two steps of the match
};

struct CierreDibujando : ProgramaPrueba
{
    static constexpr int kLimiteMs = 60000;

    // A new match of four automatic seats, no pause between moves; once a tile is on its way across the table
    // at `velocidad`, the window is asked to close, and the question is answered Aceptar.
    void CerrarDibujando(zp::Entero velocidad, Momento momento, const std::function<void(zp::mesa&)>& cerrar)
    {
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = false;
        respuestas[kPosponer] = true;
        zp::Entero jugadaAlCerrar = 0, jugadaAlPreguntar = 0;
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo == kPosponer) jugadaAlPreguntar = programa->e.NumeroJugada;
            return std::nullopt;
        };
        Arrancar(21);
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        bool pedido = false, cajaEnPausa = false, vencido = false;
        std::optional<QRect> salida; // where the tile was when its speed was set
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            zp::mesa& m = *programa->Mesa;
            // The deal and the blinks before the move would take long at the slowest speeds: the speed is set
            // as the tile sets off, and the close comes once it has taken a step at that speed.
            if (!salida && zp::inQuietPause() && m.Ima_Mover.Visible()) {
                salida = m.Ima_Mover.Rectangulo();
                programa->a.Velocidad = velocidad;
            }
            const bool enCamino = salida && m.Ima_Mover.Visible() && m.Ima_Mover.Rectangulo() != *salida;
            const bool aMano = momento == Momento::EntrePasos
                                   ? salida && !zp::inQuietPause() && !m.Ima_Mover.Visible()
                                   : zp::inQuietPause() && enCamino;
            if (!pedido && aMano && !QApplication::activeModalWidget()) {
                pedido = true;
                jugadaAlCerrar = programa->e.NumeroJugada;
                cerrar(m);
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
        // Only something broken runs into this: the program is told to quit, and the test fails instead of
        // hanging.
        QTimer limite;
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [&] {
            vencido = true;
            if (auto* caja = QApplication::activeModalWidget()) caja->close();
            zp::requestQuit();
        });
        limite.start(kLimiteMs);
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));

        ASSERT_TRUE(pedido) << "the close came while a tile was drawn, or right after";
        EXPECT_FALSE(cajaEnPausa) << "the question opened inside the drawing's pause, deaf to the person";
        ASSERT_FALSE(vencido) << "the program was still there " << kLimiteMs << " ms later";
        EXPECT_TRUE(HayCaja(kPosponer));
        // Asked as the drawing ends, before another move is drawn.
        EXPECT_EQ(jugadaAlPreguntar, momento == Momento::EntrePasos ? jugadaAlCerrar : jugadaAlCerrar + 1);
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        EXPECT_FALSE(programa->Mesa->isVisible());
        zp::EstadoJuego leido;
        zp::Ajustes ajustesLeidos;
        ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
        EXPECT_TRUE(leido.PartidaEnCurso && leido.ManoEnCurso) << "the match in progress is kept";
        EXPECT_EQ(leido.IdPartida, programa->e.IdPartida);
        EXPECT_EQ(leido.NumeroJugada, programa->e.NumeroJugada);
    }
};

} // namespace prueba

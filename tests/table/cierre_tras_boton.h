// Un botón de la botonera pulsado mientras se mueve una ficha y, en la misma pausa, la ventana cerrada: la
// pausa guarda las dos cosas. Al acabar la jugada se abre la ventana del botón, y cuando se cierra el
// programa pregunta si sale, una sola vez y sin otra caja abierta.
#pragma once

#include "cierre_dibujando.h"

#include "platform/outside_pause.h"

#include <QKeyEvent>

namespace prueba {

inline const QString kAbandonar = QStringLiteral("Abandonar la partida en curso");

struct CierreTrasBoton : CierreDibujando
{
    // A match of four automatic seats that waits for Continue between moves. Continue sets off a move at a
    // real pace; while the tile travels the bar's button `boton` is pressed (`pulsar`, at the button's own
    // point) and the window asked to close (`cerrar`). The window the button opens is left with Escape, and
    // the new match's question with No; the exit question is answered Aceptar.
    void CerrarTrasBoton(zp::Entero boton, const std::function<void(QWidget&, QPoint)>& pulsar,
                         const std::function<void(zp::mesa&)>& cerrar)
    {
        for (std::size_t p = 1; p <= 4; ++p) {
            a.Jugador[p].ControlJugador = zp::Control::Automatico;
            a.Jugador[p].FichasJugador = zp::VistaFichas::Visibles; // the statistics can be opened
        }
        a.PausaEntreJugadas = true;
        respuestas[kPosponer] = true;
        respuestas[kAbandonar] = false;
        bool abierta = false;        // the button's window (or question) has shown
        bool cerrada = false;        // and is closed
        bool preguntaDentro = false; // the exit question opened before it was closed
        auto alCerrarla = [&] {
            cerrada = true;
            // Whatever the close left waiting is served before this.
            zp::postOutsidePause(programa->Mesa.get(), [&] {
                if (preguntas == 0) zp::abandonMatch();
            });
        };
        responder = [&](const QString& titulo) -> std::optional<bool> {
            if (titulo == kPosponer) {
                ++preguntas;
                preguntaEncima = preguntaEncima || CajasAbiertas() > 1;
                preguntaDentro = preguntaDentro || !cerrada;
            } else if (titulo == kAbandonar) {
                abierta = true;
                alCerrarla();
            }
            return std::nullopt;
        };
        QTimer persona;
        QObject::connect(&persona, &QTimer::timeout, [&] {
            QWidget* v = QApplication::activeModalWidget();
            if (!v || qobject_cast<zp::mensajes*>(v) || cerrada) return;
            abierta = true;
            QTest::keyClick(v, Qt::Key_Escape);
            alCerrarla();
        });
        persona.start(10);
        Arrancar(21);
        bool enviado = false;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            zp::mesa& m = *programa->Mesa;
            // Once the move is over the rest runs at full speed.
            if (enviado && !zp::inQuietPause()) {
                vigia.stop();
                zp::PausaPrograma().PonerReloj(reloj);
            }
            if (enviado || !zp::inQuietPause() || !m.Ima_Mover.Visible()) return;
            enviado = true;
            pulsar(*Boton(boton), QPoint(12, 14));
            cerrar(m);
        });
        auto esperando = [&] { return programa->e.ManoEnCurso && programa->Mesa->Grabadora.BucleEsperando; };
        pasos = {// The pointer passes over the button: it can be pressed.
                 {esperando, [&] { Pasar(boton); }},
                 {[&] { return esperando() && zp::PunteroDe(Boton(boton)) != zp::kPunteroProhibido; },
                  [&] {
                      zp::PausaPrograma().PonerReloj(zp::systemClock());
                      programa->a.Velocidad = 50;
                      vigia.start(1);
                      Pulsar(programa->Mesa->Pic_BotContinuar);
                  }}};
        PonerLimite();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, kLimiteMs));
        zp::PausaPrograma().PonerReloj(reloj);
        ASSERT_FALSE(vencido);
        ASSERT_TRUE(enviado) << "pressed and closed while a tile travelled";
        EXPECT_TRUE(abierta) << "the button opened its window";
        EXPECT_EQ(preguntas, 1) << "the close asked once";
        EXPECT_FALSE(preguntaDentro) << "asked before the button's window was closed";
        EXPECT_FALSE(preguntaEncima);
        EXPECT_EQ(resultados.back().Siguiente, zp::Peticion::Salir);
        EXPECT_FALSE(programa->Mesa->isVisible());
    }
};

} // namespace prueba

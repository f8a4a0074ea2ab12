// Lo que la persona pulsa mientras una pausa la hace esperar llega cuando el programa vuelve a atender: lo
// pulsado mientras la máquina mueve, antes de que parpadee la mano siguiente, cuando nada espera aún una
// jugada; lo pulsado durante el parpadeo, ya en la espera. Ni el mando ni las teclas dejan a medias el
// parpadeo de la mano en turno ni el botón Continuar, que nombra siempre a quien le toca.
#include "programa_prueba.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

const QPoint kEncendido(25, 12);

struct PulsadoEntreJugadas : prueba::ProgramaPrueba
{
    zp::mesa& M() const { return *programa->Mesa; }
    zp::EstadoJuego& J() const { return programa->e; }

    // Kept as a pause keeps them: they reach their handlers at the next event processing that admits input.
    void EncolarTecla() const
    {
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(&M(),
                                        new QKeyEvent(t, Qt::Key_C, Qt::NoModifier, QStringLiteral("c")));
    }
    void EncolarMando() const
    {
        const QPointF p(kEncendido);
        const QPointF g = M().Pic_Grabadora->mapToGlobal(p);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons botones = t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(M().Pic_Grabadora,
                                        new QMouseEvent(t, p, g, Qt::LeftButton, botones, Qt::NoModifier));
        }
    }

    // At a wait for a move: what differs from the hand in turn and the Continue button drawn afresh.
    std::string LoQueFalta() const
    {
        zp::mesa& m = M();
        const QImage boton = m.Pic_BotContinuar->surface().image().copy();
        const QImage mesa = m.surface().image().copy();
        const bool visible = m.Pic_BotContinuar->isVisible();
        m.DibujarBotonContinuar(1);
        m.DibujarMano(J().JugadorTurno);
        std::string falta;
        if (!visible) falta += " botón oculto";
        if (boton != m.Pic_BotContinuar->surface().image()) falta += " botón de otro";
        if (mesa != m.surface().image()) falta += " mano sin dibujar";
        return falta;
    }
};

TEST_F(PulsadoEntreJugadas, el_mando_y_las_teclas_pulsados_entre_dos_esperas_no_dejan_la_mano_oculta)
{
    enum class Orden
    {
        Tecla,
        Mando,
        TeclaYMando,
        MandoYTecla
    };
    struct Caso
    {
        const char* nombre;
        Orden orden;
        zp::Entero pausa;  // the nominal pause during which it is pressed: Continue's, or the blink's
        bool encendida;    // the recorder is on at the wait that follows
        zp::Entero avance; // moves made from the press to that wait
    };
    const Caso casos[] = {
        {"el mando mientras mueve la máquina", Orden::Mando, 420, false, 1},
        {"una tecla mientras mueve la máquina", Orden::Tecla, 420, false, 1},
        {"tecla y mando mientras mueve la máquina", Orden::TeclaYMando, 420, false, 1},
        {"mando y tecla mientras mueve la máquina", Orden::MandoYTecla, 420, false, 1},
        {"el mando durante el parpadeo", Orden::Mando, 210, true, 1},
        {"una tecla durante el parpadeo", Orden::Tecla, 210, false, 2},
        {"tecla y mando durante el parpadeo", Orden::TeclaYMando, 210, false, 2},
        {"mando y tecla durante el parpadeo", Orden::MandoYTecla, 210, true, 1},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        programa.reset();
        resultados.clear();
        pasoActual = 0;
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        ManoAMedias();
        const std::uint32_t durante = zp::DuracionPausa(caso.pausa, a.Velocidad);
        bool encolar = false, encolado = false;
        reloj.alPausar = [&] {
            if (!encolar || encolado || reloj.esperas.back().duracion != durante) return;
            encolado = true;
            if (caso.orden == Orden::Tecla || caso.orden == Orden::TeclaYMando) EncolarTecla();
            if (caso.orden != Orden::Tecla) EncolarMando();
            if (caso.orden == Orden::MandoYTecla) EncolarTecla();
        };
        // Every wait of the hand: what it shows, then Continue (or the recorder off first). The events go out
        // in a pause after the second. A wait already answered by them is not looked at: what it shows then
        // is the pressed button, on its way out.
        std::vector<std::string> vistas;
        int esperas = 0;
        zp::Entero pulsada = 0, llegada = 0;
        bool encendida = false;
        pasos = {
            {[&] { return M().Grabadora.BucleEsperando && J().ManoEnCurso && J().EsperaContinuar; },
             [&] {
                 ++esperas;
                 if (encolado && llegada == 0) {
                     llegada = J().NumeroJugada;
                     encendida = J().GrabadoraActiva;
                 }
                 if (!J().GrabadoraActiva) vistas.push_back(LoQueFalta());
                 if (esperas == 2) {
                     encolar = true;
                     pulsada = J().NumeroJugada;
                 }
                 if (J().GrabadoraActiva)
                     Pulsar(M().Pic_Grabadora, kEncendido);
                 else if (esperas < 6)
                     QTest::keyClick(&M(), Qt::Key_C);
                 else
                     zp::abandonMatch();
             },
             true},
        };
        Arrancar();
        ASSERT_TRUE(encolado);
        EXPECT_EQ(encendida, caso.encendida);
        EXPECT_EQ(llegada - pulsada, caso.avance);
        EXPECT_GE(vistas.size(), 4u);
        for (const std::string& v : vistas) EXPECT_EQ(v, "");
    }
    reloj.alPausar = nullptr;
}

} // namespace

// Lo que la persona pulsa mientras una pausa la hace esperar llega cuando el programa vuelve a atender: lo
// pulsado mientras la máquina mueve, antes de que parpadee la mano siguiente, cuando nada espera aún una
// jugada; lo pulsado durante el parpadeo, ya en la espera. Ni el mando ni las teclas dejan a medias el
// parpadeo de la mano en turno ni el botón Continuar, que nombra siempre a quien le toca.
#include "programa_prueba.h"

#include "engine/turno.h"
#include "scores/marcador.h"
#include "table/boton_continuar.h"
#include "table/ritmo_mesa.h"

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
    static void EncolarClic(QWidget* w, QPoint donde = {12, 14})
    {
        const QPointF p(donde);
        const QPointF g = w->mapToGlobal(p);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons botones = t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(w, new QMouseEvent(t, p, g, Qt::LeftButton, botones, Qt::NoModifier));
        }
    }
    void EncolarMando() const { EncolarClic(M().Pic_Grabadora, kEncendido); }

    // The seat whose turn the Continue button names as it is seen now, drawn released or pressed (0: none).
    zp::Entero Nombrado(zp::Entero estado)
    {
        const zp::PictureBox& visto = *M().Pic_BotContinuar;
        if (!visto.isVisible()) return 0;
        for (zp::Entero p = 1; p <= 4; ++p) {
            QImage& rotulo = rotulos[{p, estado}];
            if (rotulo.isNull()) {
                zp::EstadoJuego otro = J();
                otro.JugadorTurno = p;
                zp::PictureBox boton;
                boton.setAttribute(Qt::WA_DontShowOnScreen);
                boton.setSurface(
                    zp::Surface(visto.surface().image().width(), visto.surface().image().height()));
                zp::DibujarBotonContinuar(boton, M().Hojas().Pic_BmpVario, otro, programa->a, estado);
                rotulo = boton.surface().image().copy();
            }
            if (rotulo == visto.surface().image()) return p;
        }
        return 0;
    }
    std::map<std::pair<zp::Entero, zp::Entero>, QImage> rotulos;
    // Released, or still pressed from the last press.
    zp::Entero Nombrado() { return std::max(Nombrado(zp::kBotonSuelto), Nombrado(zp::kBotonPulsado)); }

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

// Con la pausa entre jugadas, lo pulsado mientras la mano de la persona parpadea al empezar su turno hace lo
// que el botón decía entonces: ya nombra a la persona, y Continuar deja que juegue la máquina. Un clic hecho
// mientras movía el asiento anterior, bajo su nombre, no juega la ficha de la persona ni se ve pulsar; y la
// ventana que abre ese clic sale al lado del botón que ya nombra a quien le toca.
TEST_F(PulsadoEntreJugadas, lo_pulsado_durante_el_parpadeo_hace_lo_que_decia_el_boton_al_pulsar)
{
    struct Caso
    {
        const char* nombre;
        bool parpadeo;      // pressed during the person's blink, or while the seat before moves
        bool marcador;      // on the score sheet's button, or on Continue
        zp::Entero visto;   // the seat the button names at the press, or beside the window it opens
        bool pulsado;       // the button is seen pressed under the person's name before the next wait
        bool esperaPersona; // the next wait is the person's turn: nobody played for the person
    };
    const Caso casos[] = {
        {"Continuar durante el parpadeo de la persona", true, false, 4, true, false},
        {"Continuar mientras mueve el anterior", false, false, 3, false, true},
        {"el marcador mientras mueve el anterior", false, true, 4, false, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        programa.reset();
        resultados.clear();
        rotulos.clear();
        pasoActual = 0;
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        a.PausaEntreJugadas = true;
        ManoAMedias();
        zp::Entero anterior = 0; // the seat that plays before the person
        for (zp::Entero p = 1; p <= 3; ++p)
            if (zp::Entero q = p; zp::CalcularJugadorSiguiente(e, a, q) && q == 4) anterior = p;
        ASSERT_EQ(anterior, 3);

        bool contestada = false, encolado = false, pulsado = false;
        zp::Entero visto = 0, siguiente = 0;
        QTimer persona;
        if (caso.marcador)
            prueba::AlAbrirse<zp::marcador>(persona, [&](zp::marcador& hoja) {
                visto = Nombrado();
                QTest::mousePress(hoja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
            });
        const std::uint32_t parpadeo = zp::DuracionPausa(zp::ritmo_mesa::kPausaManoSin, a.Velocidad);
        reloj.alPausar = [&] {
            if (encolado) {
                pulsado = pulsado || Nombrado(zp::kBotonPulsado) == 4;
                return;
            }
            const bool ahora = caso.parpadeo
                                   ? J().JugadorTurno == 4 && reloj.esperas.back().duracion == parpadeo
                                   : J().JugadorTurno == anterior && contestada && !J().EsperaContinuar;
            if (!ahora) return;
            encolado = true;
            if (!caso.marcador) visto = Nombrado();
            EncolarClic(caso.marcador ? Boton(5) : M().Pic_BotContinuar);
        };
        pasos = {
            {[&] { return M().Grabadora.BucleEsperando && J().ManoEnCurso && J().EsperaContinuar; },
             [&] {
                 if (encolado) {
                     siguiente = J().JugadorTurno;
                     zp::abandonMatch();
                     return;
                 }
                 Pasar(5); // the pointer passes over the score sheet's button: it can be pressed
                 contestada = J().JugadorTurno == anterior;
                 QTest::keyClick(&M(), Qt::Key_C);
             },
             true},
        };
        Arrancar();
        ASSERT_TRUE(encolado);
        EXPECT_EQ(visto, caso.visto);
        EXPECT_EQ(pulsado, caso.pulsado);
        EXPECT_EQ(siguiente == 4, caso.esperaPersona) << "espera siguiente: asiento " << siguiente;
    }
    reloj.alPausar = nullptr;
}

} // namespace

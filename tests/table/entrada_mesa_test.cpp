// La persona juega en la mesa con el ratón y el teclado: la mano verde sobre una ficha que se puede jugar,
// la roja sobre una que no, un clic que juega, las flechas que eligen el extremo, el clic en una mano que
// elige quién sale; girar y reordenar las fichas de una mano descubierta, y en el reparto a mano llevar las
// de la rejilla a las manos y devolverlas; el botón Continuar y las teclas que lo pulsan.
#include "comun_mesa.h"

#include "engine/reparto_manual.h"
#include "kit/cursores.h"
#include "platform/wait.h"
#include "table/entrada_continuar.h"
#include "table/entrada_mesa.h"
#include "table/usuario_mesa.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using Mano = std::vector<std::pair<zp::Entero, zp::Entero>>;

// En 800 x 600 la mano de abajo es holgada: sus fichas grandes van de x 205 + 44 (n - 1) a 40 px más allá.
constexpr int kYAbajo = 550;
int XFicha(int hueco)
{
    return 205 + 44 * (hueco - 1) + 18;
}

struct Entrada : prueba::MesaPrueba
{
    // Le toca a la persona (asiento 4): 3-0, 2-2, 2-1, 2-0, 1-1, 1-0, 0-0 ante los extremos 3 y 3, así que
    // solo la primera encaja.
    zp::mesa& Jugando()
    {
        zp::mesa& m = Esperando(4);
        e.NumeroJugada = 2;
        e.Linea.Extremos = {0, 3, 3};
        return m;
    }
    // The table shown at speed 100 (pauses take no time) with the pointer in, the hand in play or not.
    zp::mesa& Abierta(const std::vector<zp::Entero>& asientos = {1, 2, 3, 4}, bool mano = true)
    {
        a.Velocidad = 100;
        Repartir(asientos, 7);
        e.ManoEnCurso = mano;
        zp::mesa& m = Abrir();
        m.show();
        Entrar(m);
        return m;
    }
    // Waiting for Continue on the turn of `turno`.
    zp::mesa& Esperando(zp::Entero turno)
    {
        zp::mesa& m = Abierta();
        e.JugadorTurno = turno;
        m.DibujarBotonContinuar(1);
        m.Pic_BotContinuar->show();
        e.EsperaContinuar = true;
        return m;
    }

    // The first move over a new window only brings the pointer in; the next ones are moves.
    void Mover(zp::mesa& m, QPoint punto) { QTest::mouseMove(&m, punto); }
    void Entrar(zp::mesa& m) { QTest::mouseMove(&m, {400, 300}); }
};

TEST_F(Entrada, el_cursor_en_los_bordes_de_una_ficha_de_la_mano_en_turno)
{
    struct Caso
    {
        const char* nombre;
        QPoint punto;
        const char* cursor; // vacío: el puntero normal
        zp::Entero zona;
    };
    const Caso casos[] = {
        {"borde izquierdo de la que encaja", {205, kYAbajo}, "manoverde", 2},
        {"borde derecho de la que encaja", {241, kYAbajo}, "manoverde", 2},
        {"justo antes de la primera", {204, kYAbajo}, "", 0},
        {"entre dos fichas", {242, kYAbajo}, "", 0},
        {"la segunda no encaja", {249, kYAbajo}, "manoroja", 3},
        {"la última no encaja", {XFicha(7), 590}, "manoroja", 3},
        {"encima de la tira", {XFicha(1), 522}, "", 0},
        {"la mano de otro asiento", {20, 200}, "", 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Jugando();
        Mover(m, c.punto);
        EXPECT_EQ(m.Estado().ZonaPuntero, c.zona);
        EXPECT_EQ(zp::CursorDe(&m), QString::fromLatin1(c.cursor));
        if (c.zona == 0) {
            EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal);
        }
    }
}

TEST_F(Entrada, una_ficha_puesta_se_ve_roja_solo_si_las_puestas_siguen_en_la_mano)
{
    for (zp::Entero visibles : {zp::Entero(1), zp::Entero(2)}) {
        SCOPED_TRACE(visibles);
        zp::mesa& m = Jugando();
        a.FichasVisiblesPuestas = static_cast<zp::FichasPuestas>(visibles);
        e.Manos[4][2].Estado = zp::kPuesta;
        Mover(m, {XFicha(2), kYAbajo});
        EXPECT_EQ(zp::CursorDe(&m), visibles == 2 ? QStringLiteral("manoroja") : QString());
    }
}

TEST_F(Entrada, un_clic_en_la_ficha_que_encaja_la_juega_y_en_otra_o_sin_turno_de_la_persona_no_hace_nada)
{
    struct Caso
    {
        const char* nombre;
        int hueco;
        Qt::MouseButton boton;
        zp::Entero turno;
        bool esperaExtremo, juega;
    };
    const Caso casos[] = {
        {"la que encaja", 1, Qt::LeftButton, 4, false, true},
        {"una que no encaja", 2, Qt::LeftButton, 4, false, false},
        {"la que encaja con el botón derecho", 1, Qt::RightButton, 4, false, false},
        {"la que encaja cuando juega el ordenador", 1, Qt::LeftButton, 3, false, false},
        {"la que encaja mientras se elige el extremo", 1, Qt::LeftButton, 4, true, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Jugando();
        e.JugadaElegida = false;
        e.HuecoElegido = 0;
        e.JugadorTurno = c.turno;
        e.EsperaExtremo = c.esperaExtremo;
        const QPoint punto(XFicha(c.hueco), kYAbajo);
        Mover(m, punto);
        QTest::mouseClick(&m, c.boton, {}, punto);
        EXPECT_EQ(e.JugadaElegida, c.juega);
        EXPECT_EQ(e.HuecoElegido, c.juega ? c.hueco : 0);
        EXPECT_EQ(e.EsperaContinuar, !c.juega);
        EXPECT_EQ(m.Pic_BotContinuar->isVisible(), !c.juega);
        if (c.turno != 4 || c.esperaExtremo) {
            EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal);
        }
    }
}

TEST_F(Entrada, sobre_el_fondo_de_la_barra_el_puntero_vuelve_a_ser_el_normal)
{
    zp::mesa& m = Jugando();
    Mover(m, {XFicha(1), kYAbajo});
    ASSERT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde"));
    QTest::mouseMove(m.Pic_Botonera, {45, 590});
    EXPECT_EQ(m.Estado().ZonaPuntero, 0);
    EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal);
    Mover(m, {XFicha(1), kYAbajo});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde")) << "back over the tile the zone is set anew";
}

TEST_F(Entrada, el_clic_acaba_la_espera_del_bucle_con_la_ficha_elegida)
{
    zp::mesa& m = Jugando();
    zp::UsuarioMesa persona(m);
    const QPoint punto(XFicha(1), kYAbajo);
    QTimer::singleShot(0, &m, [&] {
        QTest::mouseMove(&m, punto);
        QTest::mouseClick(&m, Qt::LeftButton, {}, punto);
    });
    const auto r = persona.EsperarContinuar();
    ASSERT_FALSE(r.abandonada);
    EXPECT_EQ(r.valor, zp::Continuacion::FichaElegida);
    EXPECT_EQ(e.HuecoElegido, 1);
}

TEST_F(Entrada, la_espera_del_boton_vuelve_a_lo_que_muestra_a_menudo_sin_gastar_el_procesador)
{
    zp::mesa& m = Jugando();
    zp::UsuarioMesa persona(m);
    QTimer::singleShot(600, &m, [&] {
        e.EsperaContinuar = false;
        zp::notifyStateChanged();
    });
    int vueltas = 0;
    ASSERT_FALSE(persona.EsperarContinuar([&] { ++vueltas; }).abandonada);
    // A blink off for 200 ms of each second shows; a spinning wait would count thousands.
    EXPECT_GE(vueltas, 6);
    EXPECT_LE(vueltas, 60);
}

// El extremo 1 crece hacia la izquierda desde (281, 262) y el 2 hacia la derecha desde (432, 262): sus
// flechas van a (247, 264) y (434, 264).
struct Extremos : Entrada
{
    zp::mesa& Eligiendo()
    {
        zp::mesa& m = Jugando();
        e.Linea.DireccionExtremo = {0, 1, 3};
        e.Linea.XExtremo = {0, 281, 432};
        e.Linea.YExtremo = {0, 262, 262};
        return m;
    }
};

TEST_F(Extremos, las_flechas_aparecen_con_su_cursor)
{
    zp::mesa& m = Eligiendo();
    zp::MostrarFlechasExtremos(m);
    EXPECT_TRUE(e.EsperaExtremo);
    EXPECT_TRUE(m.Ima_FlechaDer.Visible()); // where they stand is the line's business
    EXPECT_TRUE(m.Ima_FlechaIzq.Visible());

    Mover(m, {260, 280});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoindice"));
    Mover(m, {300, 200});
    EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal) << "off the arrow the table's pointer is back";
}

TEST_F(Extremos, un_clic_en_cada_flecha_elige_su_extremo_si_se_espera_y_fuera_de_ellas_nada)
{
    struct Caso
    {
        const char* nombre;
        QPoint punto;
        bool esperando;
        zp::Entero extremo; // 0: none chosen
    };
    const Caso casos[] = {
        {"la flecha del extremo 1", {262, 279}, true, 1},
        {"la flecha del extremo 2", {449, 279}, true, 2},
        {"entre las dos", {350, 279}, true, 0},
        {"la ficha que encaja", {XFicha(1), kYAbajo}, true, 0},
        {"una flecha sin esperar extremo", {449, 279}, false, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Eligiendo();
        e.ExtremoElegido = 0;
        zp::MostrarFlechasExtremos(m);
        e.EsperaExtremo = c.esperando;
        Mover(m, c.punto);
        QTest::mouseClick(&m, Qt::LeftButton, {}, c.punto);
        EXPECT_EQ(e.ExtremoElegido, c.extremo);
        EXPECT_EQ(e.EsperaExtremo, c.esperando && c.extremo == 0);
        EXPECT_FALSE(e.JugadaElegida);
    }
}

TEST_F(Extremos, la_espera_del_extremo_acaba_con_el_clic_y_esconde_las_flechas)
{
    zp::mesa& m = Eligiendo();
    zp::UsuarioMesa persona(m);
    // The person clicks the arrow once it shows (the blink's pauses run the test's timers, not its input).
    std::function<void()> pulsar = [&] {
        if (!m.Ima_FlechaIzq.Visible()) {
            QTimer::singleShot(0, &m, pulsar);
            return;
        }
        QTest::mouseClick(&m, Qt::LeftButton, {}, {449, 279});
    };
    QTimer::singleShot(0, &m, pulsar);
    const auto r = persona.EsperarEleccionExtremo();
    ASSERT_FALSE(r.abandonada);
    EXPECT_EQ(r.valor, 2);
    EXPECT_FALSE(m.Ima_FlechaDer.Visible());
    EXPECT_FALSE(m.Ima_FlechaIzq.Visible());
    EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroEspera);
}

struct Salida : Entrada
{
    zp::mesa& Eligiendo(const std::vector<zp::Entero>& asientos)
    {
        zp::mesa& m = Abierta(asientos, false);
        e.EligiendoSalida = true;
        return m;
    }
};

TEST_F(Salida, un_clic_en_una_mano_en_juego_elige_quien_sale)
{
    struct Caso
    {
        const char* nombre;
        QPoint punto;
        zp::Entero asiento; // 0: sigue eligiendo
    };
    const Caso casos[] = {
        {"la mano de la izquierda", {20, 300}, 1}, {"entre dos fichas de la de arriba", {258, 20}, 2},
        {"la mano de abajo", {300, 580}, 4}, // with three seats it is not roomy: 42 px deep
        {"el centro de la mesa", {350, 300}, 0},   {"la mano de un asiento fuera de juego", {690, 300}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Eligiendo({1, 2, 4});
        Mover(m, c.punto);
        EXPECT_EQ(zp::CursorDe(&m), c.asiento ? QStringLiteral("manoindice") : QString());
        QTest::mouseClick(&m, Qt::LeftButton, {}, c.punto);
        EXPECT_EQ(e.EligiendoSalida, c.asiento == 0);
        if (c.asiento) {
            EXPECT_EQ(m.Entrada.SalidaElegida, c.asiento);
        }
    }
}

TEST_F(Salida, la_espera_de_la_salida_da_el_asiento_pulsado_aunque_el_puntero_siga)
{
    zp::mesa& m = Eligiendo({1, 2, 3, 4});
    zp::UsuarioMesa persona(m);
    QTimer::singleShot(0, &m, [&] {
        QTest::mouseMove(&m, {20, 300});
        QTest::mousePress(&m, Qt::LeftButton, {}, {20, 300});
        QTest::mouseMove(&m, {300, 20}); // over the top hand before the wait looks
        QTest::mouseRelease(&m, Qt::LeftButton, {}, {300, 20});
    });
    const auto r = persona.EsperarEleccionSalida(a);
    ASSERT_FALSE(r.abandonada);
    EXPECT_EQ(r.valor, 1);
}

struct Arrastre : Entrada
{
    // Juega el ordenador (asiento 3); la persona tiene 3-0, 2-2, 2-1, 2-0, 1-1, 1-0, 0-0 descubiertas.
    zp::mesa& Mesa()
    {
        zp::mesa& m = Abierta();
        e.JugadorTurno = 3;
        return m;
    }
    // With "Ordenar fichas" on, the person lifts the second tile of the bottom hand and holds it over the
    // table.
    void AlzarSegunda(zp::mesa& m)
    {
        zp::CambiarModoMano(e, m.Entrada, true);
        QTest::mouseMove(&m, {XFicha(2), kYAbajo});
        QTest::mousePress(&m, Qt::LeftButton, {}, {XFicha(2), kYAbajo});
        QTest::mouseMove(&m, {340, kYAbajo});
    }
    Mano ManoAbajo() const
    {
        Mano r;
        for (int s = 1; s <= 7; ++s)
            r.push_back({e.Manos[4][std::size_t(s)].PuntoA, e.Manos[4][std::size_t(s)].PuntoB});
        return r;
    }
};

TEST_F(Arrastre, girar_una_ficha_cambia_sus_puntos_de_sitio)
{
    zp::mesa& m = Mesa();
    zp::CambiarModoMano(e, m.Entrada, false);
    QTest::mouseMove(&m, {XFicha(3), kYAbajo});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("girar"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {XFicha(3), kYAbajo});
    EXPECT_EQ(e.Manos[4][3].PuntoA, 1);
    EXPECT_EQ(e.Manos[4][3].PuntoB, 2);
}

TEST_F(Arrastre, reordenar_pone_la_ficha_antes_de_la_que_queda_debajo_o_al_final)
{
    const std::pair<zp::Entero, zp::Entero> A{3, 0}, B{2, 2}, C{2, 1}, D{2, 0}, E{1, 1}, F{1, 0}, G{0, 0};
    struct Caso
    {
        const char* nombre;
        int desde;
        int xSoltar; // the drop probe lies 16 px right of the pointer
        Mano queda;
    };
    const Caso casos[] = {
        {"B sobre D", 2, 340, {A, C, B, D, E, F, G}},
        {"D sobre B", 4, 244, {A, D, B, C, E, F, G}},
        {"B pasada la última", 2, 560, {A, C, D, E, F, G, B}},
        {"B en su sitio", 2, XFicha(2), {A, B, C, D, E, F, G}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Mesa();
        zp::CambiarModoMano(e, m.Entrada, true);
        const QPoint alzar(XFicha(c.desde), kYAbajo);
        QTest::mouseMove(&m, alzar);
        EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar"));
        QTest::mousePress(&m, Qt::LeftButton, {}, alzar);
        EXPECT_TRUE(m.Pic_Mover->isVisible());
        EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manocerrada"));
        QTest::mouseMove(&m, {c.xSoltar, kYAbajo});
        QTest::mouseRelease(&m, Qt::LeftButton, {}, {c.xSoltar, kYAbajo});
        EXPECT_FALSE(m.Pic_Mover->isVisible());
        EXPECT_EQ(ManoAbajo(), c.queda);
        for (int s = 1; s <= 7; ++s) EXPECT_EQ(e.Manos[4][std::size_t(s)].Estado, zp::kEnMano);
    }
}

TEST_F(Arrastre, una_tecla_no_sigue_la_partida_con_una_ficha_en_el_aire)
{
    zp::mesa& m = Mesa();
    e.JugadorTurno = 4;
    a.Jugador[4].ControlJugador = zp::Control::Automatico;
    e.EsperaContinuar = true;
    zp::CambiarModoMano(e, m.Entrada, true);
    QTest::mouseMove(&m, {XFicha(2), kYAbajo});
    QTest::mousePress(&m, Qt::LeftButton, {}, {XFicha(2), kYAbajo});
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_TRUE(e.EsperaContinuar);
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {XFicha(2), kYAbajo});
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_FALSE(e.EsperaContinuar);
}

// The release of a drag never reaches the table when a box opens meanwhile (a chat line, the start of a
// match): the tile goes back where it was lifted from, and nothing stays in the air.
TEST_F(Arrastre, una_caja_que_se_abre_con_una_ficha_alzada_la_devuelve_a_su_sitio_y_la_partida_sigue)
{
    zp::mesa& m = Mesa();
    e.EsperaContinuar = true;
    m.DibujarMano(4);
    const QImage antes = m.surface().image();
    const Mano orden = ManoAbajo();
    AlzarSegunda(m);
    ASSERT_TRUE(m.Pic_Mover->isVisible());

    QDialog caja(&m);
    QTimer::singleShot(0, &caja, [&] { caja.reject(); });
    caja.exec();
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_EQ(ManoAbajo(), orden);
    for (int s = 1; s <= 7; ++s) EXPECT_EQ(e.Manos[4][std::size_t(s)].Estado, zp::kEnMano);
    EXPECT_TRUE(m.surface().image() == antes) << "the hand is whole again";
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_FALSE(e.EsperaContinuar) << "a key continues";
}

TEST_F(Arrastre, una_mano_repartida_de_nuevo_con_una_ficha_alzada_se_ve_entera_y_la_ficha_no_cambia_nada)
{
    zp::mesa& m = Mesa();
    AlzarSegunda(m);

    // A new match of the host's is dealt before the person lets go.
    prueba::RepartirManos(e, {4, 1, 2, 3}, 7);
    const Mano repartida = ManoAbajo();
    m.DibujarMano(4);
    const QImage dibujada = m.surface().image();
    QTest::mouseMove(&m, {300, kYAbajo});
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {300, kYAbajo});
    EXPECT_EQ(ManoAbajo(), repartida);
    for (int s = 1; s <= 7; ++s) EXPECT_EQ(e.Manos[4][std::size_t(s)].Estado, zp::kEnMano);
    m.DibujarMano(4);
    EXPECT_TRUE(m.surface().image() == dibujada) << "drawn whole as it was dealt";
}

// Every deal clears the table first: the drag ends there, and the new hand is played without a pointer move.
TEST_F(Arrastre, una_ficha_alzada_cuando_se_reparte_deja_seguir_la_partida_sin_mover_el_puntero)
{
    zp::mesa& m = Mesa();
    AlzarSegunda(m);

    m.LimpiarMesa();
    prueba::RepartirManos(e, {4, 1, 2, 3}, 7);
    m.DibujarMano(4);
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    e.EsperaContinuar = true;
    QTest::keyClick(&m, Qt::Key_N);
    EXPECT_FALSE(e.EsperaContinuar) << "a key continues";
}

// El reparto a mano con los asientos 2 y 4: la rejilla empieza en (273, 109); la mano de arriba ya está
// llena y la de abajo vacía.
struct Reparto : Arrastre
{
    zp::mesa& Repartiendo()
    {
        zp::mesa& m = Abierta({2, 4}, false);
        for (int s = 1; s <= 7; ++s) e.Manos[4][std::size_t(s)].Estado = zp::kVacio;
        e.FichasEnMano[4] = 0;
        e.RepartoEnCurso = true;
        e.FichasReparto = 7;
        e.AsientoReparto = {false, false, true, false, true};
        zp::CalcularOrigenRejilla(e, m.Medidas());
        m.DibujarFichaDescubierta(3, 1); // the only tile left on the grid
        m.DibujarMano(2);
        m.DibujarMano(4);
        return m;
    }
    static constexpr QPoint kFicha31{273 + 39 + 8, 109 + 150 + 10};
};

TEST_F(Reparto,
       una_ficha_de_la_rejilla_vuelve_a_su_casilla_soltada_en_la_mesa_y_entra_en_la_primera_mano_con_sitio)
{
    zp::mesa& m = Repartiendo();
    const QImage antes = m.surface().image();
    auto alzar = [&] {
        QTest::mouseMove(&m, kFicha31);
        EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar"));
        QTest::mousePress(&m, Qt::LeftButton, {}, kFicha31);
        EXPECT_TRUE(m.Pic_Mover->isVisible());
        EXPECT_NE(m.surface().image(), antes) << "the cell is bare";
    };
    alzar();
    QTest::mouseMove(&m, {450, 300});
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {450, 300});
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_TRUE(e.RejillaReparto[3][1]);
    EXPECT_EQ(m.surface().image(), antes) << "the tile is back in its cell";
    EXPECT_EQ(e.FichasEnMano[4], 0);

    QTest::mouseMove(&m, {440, 300}); // on its way back from the drop
    alzar();
    QTest::mouseMove(&m, {300, 20}); // the top hand is full
    EXPECT_TRUE(m.Pic_Mover->isVisible());
    EXPECT_EQ(e.FichasEnMano[2], 7);
    QTest::mouseMove(&m, {300, 580});
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_EQ(e.FichasEnMano[4], 1);
    EXPECT_EQ(e.Manos[4][1].PuntoA, 3);
    EXPECT_EQ(e.Manos[4][1].PuntoB, 1);
    EXPECT_FALSE(e.RejillaReparto[3][1]);
    EXPECT_EQ(zp::PunteroDe(&m), zp::kPunteroNormal);
    QTest::mouseRelease(&m, Qt::LeftButton, {}, {300, 580});

    // And back to the grid from the hand.
    QTest::mouseMove(&m, {210, 580});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {210, 580});
    EXPECT_EQ(e.FichasEnMano[4], 0);
    EXPECT_EQ(e.Manos[4][1].Estado, zp::kVacio);
    EXPECT_TRUE(e.RejillaReparto[3][1]);
    EXPECT_FALSE(e.JugadaElegida);
}

TEST_F(Reparto, una_caja_que_se_abre_con_una_ficha_de_la_rejilla_alzada_la_devuelve_a_su_casilla)
{
    zp::mesa& m = Repartiendo();
    const QImage antes = m.surface().image();
    QTest::mouseMove(&m, kFicha31);
    QTest::mousePress(&m, Qt::LeftButton, {}, kFicha31);
    QTest::mouseMove(&m, {450, 300});
    ASSERT_TRUE(m.Pic_Mover->isVisible());

    QDialog caja(&m);
    QTimer::singleShot(0, &caja, [&] { caja.reject(); });
    caja.exec();
    EXPECT_FALSE(m.Pic_Mover->isVisible());
    EXPECT_FALSE(m.Entrada.ArrastreReparto);
    EXPECT_TRUE(e.RejillaReparto[3][1]);
    EXPECT_TRUE(m.surface().image() == antes) << "the tile is back in its cell";
}

TEST_F(Reparto, un_modo_de_mano_encendido_no_alza_una_ficha_de_la_mano)
{
    a.Jugador[2].FichasJugador =
        zp::VistaFichas::Visibles; // the top hand face up, so that it could be reordered
    zp::mesa& m = Repartiendo();
    zp::CambiarModoMano(e, m.Entrada, true);
    QTest::mouseMove(&m, kFicha31);
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("ordenar")) << "the deal's zones come first";
    QTest::mouseMove(&m, {300, 20});
    EXPECT_EQ(zp::CursorDe(&m), QStringLiteral("manoverde"));
    QTest::mouseClick(&m, Qt::LeftButton, {}, {300, 20});
    EXPECT_FALSE(m.Estado().ArrastreOrden);
    EXPECT_FALSE(m.Entrada.ArrastreReparto);
    EXPECT_EQ(e.FichasEnMano[2], 6) << "the tile went back to the grid";
}

struct Continuar : Entrada
{
    zp::mesa& Esperando(bool pausaEntreJugadas)
    {
        a.PausaEntreJugadas = pausaEntreJugadas;
        return Entrada::Esperando(1);
    }
};

TEST_F(Continuar, pulsar_el_boton_acaba_la_espera_y_sin_pausa_lo_esconde_salvo_con_la_grabadora)
{
    struct Caso
    {
        const char* nombre;
        bool pausa, grabadora, esperando, sigueEsperando, visible;
    };
    const Caso casos[] = {
        {"sin pausa entre jugadas", false, false, true, false, false},
        {"con pausa entre jugadas", true, false, true, false, true},
        {"con la grabadora", false, true, true, true, true},
        {"sin nada que esperar", false, false, false, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Esperando(c.pausa);
        e.GrabadoraActiva = c.grabadora;
        e.EsperaContinuar = c.esperando;
        QTest::mouseClick(m.Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
        EXPECT_EQ(e.EsperaContinuar, c.sigueEsperando);
        EXPECT_EQ(m.Pic_BotContinuar->isVisible(), c.visible);
    }
}

TEST_F(Continuar, una_tecla_pulsa_continuar_salvo_las_reservadas_y_el_turno_remoto)
{
    struct Caso
    {
        const char* nombre;
        char tecla;
        zp::Entero control; // of the seat in turn
        bool enRed;
        bool acaba;
    };
    const Caso casos[] = {
        {"una letra cualquiera", 'x', 2, false, true},
        {"la barra espaciadora", ' ', 1, false, true},
        {"q minimiza la ventana", 'q', 2, false, false},
        {"Q minimiza la ventana", 'Q', 2, false, false},
        {"Escape minimiza la ventana", '\x1b', 2, false, false},
        {"el turno es de otro ordenador", 'x', 3, true, false},
        {"un asiento manual en red", 'x', 1, true, false},
        {"un asiento manual en este ordenador", 'x', 1, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::mesa& m = Esperando(false);
        a.Jugador[1].ControlJugador = static_cast<zp::Control>(c.control);
        a.JuegoEnRed = c.enRed;
        zp::Form_KeyPress(m, static_cast<unsigned char>(c.tecla));
        EXPECT_EQ(e.EsperaContinuar, !c.acaba);
        EXPECT_EQ(m.isMinimized(), c.tecla == 'q' || c.tecla == 'Q' || c.tecla == '\x1b');
    }
}

} // namespace

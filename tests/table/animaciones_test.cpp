// Las fichas viajan por la mesa: de 8 en 8 píxeles por eje y paso, 12 ms por paso, con sus pausas y sus
// sonidos en su momento; una ficha jugada sale de su hueco y queda en la línea, una robada parpadea en el
// montón y llega al final de la mano de quien roba.
#include "escena_prueba.h"

#include "engine/disposicion_manos.h"
#include "table/animaciones.h"
#include "table/dibujo_monton.h"

#include <QPainter>

namespace escena_prueba {
namespace {

std::vector<QPoint> Pasos(const RitmoPrueba& r)
{
    std::vector<QPoint> v;
    for (const Evento& e : r.eventos)
        if (e.tipo == Evento::Pausa && e.valor == ritmo_mesa::kPausaPaso) v.push_back(e.sitio);
    return v;
}

using Animacion = EscenaPrueba;
using V = std::vector<std::string>;

// The first `n` pauses and sounds of the script.
V Inicio(const RitmoPrueba& r, std::size_t n)
{
    V guion = r.Guion();
    guion.resize(std::min(n, guion.size()));
    return guion;
}

TEST_F(Animacion, un_deslizamiento_avanza_de_ocho_en_ocho_sin_pasarse_del_destino)
{
    struct Caso
    {
        QPoint desde, hasta;
        std::size_t pasos;
        std::vector<std::pair<std::size_t, QPoint>> algunos; // step number, where the tile is
    };
    const Caso casos[] = {
        // The long diagonal: at 45 degrees, y arrives at step 30 and x at step 32.
        {{100, 500}, {356, 262}, 32, {{0, {108, 492}}, {28, {332, 268}}, {29, {340, 262}}, {31, {356, 262}}}},
        {{0, 10}, {20, 10}, 3, {{0, {8, 10}}, {1, {16, 10}}, {2, {20, 10}}}},
        {{5, 100}, {5, 83}, 3, {{0, {5, 92}}, {1, {5, 84}}, {2, {5, 83}}}},
        {{50, 50}, {34, 60}, 2, {{0, {42, 58}}, {1, {34, 60}}}}, // x arrives first
        {{356, 262}, {356, 262}, 0, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.desde.x() << "," << c.desde.y());
        ritmo.eventos.clear();
        LienzoMesa l = Lienzo();
        Ima_Mover.PonerDibujo(QImage(40, 20, QImage::Format_ARGB32));
        Ima_Mover.Move(c.desde);
        RecorridoFicha r{Entero(c.desde.x()), Entero(c.desde.y()), Entero(c.hasta.x()), Entero(c.hasta.y())};
        RecorrerPasos(Escena(l), Ima_Mover, r);

        const std::vector<QPoint> pasos = Pasos(ritmo);
        ASSERT_EQ(pasos.size(), c.pasos);
        for (const auto& [n, sitio] : c.algunos) EXPECT_EQ(pasos[n], sitio) << n;
        EXPECT_EQ(QPoint(r.AnimXOrigen, r.AnimYOrigen), c.hasta);
        EXPECT_EQ(Ima_Mover.Rectangulo().topLeft(), c.hasta);
        // Every step stamps its start before it moves the picture, so its drawing counts in its 12 ms.
        for (std::size_t i = 0; i < ritmo.eventos.size(); ++i)
            if (ritmo.eventos[i].tipo == Evento::Pausa) {
                ASSERT_GT(i, 0u);
                EXPECT_EQ(ritmo.eventos[i - 1].tipo, Evento::Sello);
            }
    }
}

TEST_F(Animacion, la_ficha_se_alza_se_muestra_y_se_desliza_con_sus_sonidos)
{
    struct Caso
    {
        const char* nombre;
        Entero modo;
        QPoint desde;
        V guion; // hasta el primer paso
        int pasos;
    };
    const Caso casos[] = {
        {"adelante", kAdelante, {340, 262}, V{"p30", "s2a", "p90", "s3a", "p12"}, 2},
        {"atrás: sin el sonido de alzarla", kAtras, {340, 262}, V{"p30", "p90", "s3a", "p12"}, 2},
        {"sin recorrido: pausas y sonidos, ningún paso",
         kAdelante,
         {356, 262},
         V{"p30", "s2a", "p90", "s3a"},
         0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        ritmo.eventos.clear();
        motor->e.Jugadas[1] = prueba::FichaCentral();
        LienzoMesa l = Lienzo();
        RecorridoFicha r{Entero(c.desde.x()), Entero(c.desde.y()), 356, 262};
        Ima_Mover.Hide();
        MoverFicha(Escena(l), Ima_Mover, r, 1, c.modo);

        EXPECT_EQ(Inicio(ritmo, c.guion.size()), c.guion);
        EXPECT_EQ(int(Pasos(ritmo).size()), c.pasos);
        // Hidden while it is composed, shown where it starts before it moves, left shown at the end.
        EXPECT_FALSE(ritmo.eventos[0].visible);
        for (const Evento& e : ritmo.eventos)
            if (e.tipo == Evento::Pausa && e.valor == ritmo_mesa::kPausaMostrar) {
                EXPECT_TRUE(e.visible);
                EXPECT_EQ(e.sitio, c.desde);
            }
        EXPECT_TRUE(Ima_Mover.Visible());
        EXPECT_EQ(Ima_Mover.Rectangulo(), QRect(356, 262, 77, 40));
    }
}

TEST_F(Animacion, la_ficha_que_viaja_se_ve_igual_que_la_puesta_en_la_linea)
{
    motor->e.Jugadas[1] = prueba::FichaCentral();
    LienzoMesa l = Lienzo();
    RecorridoFicha r{356, 262, 356, 262};
    MoverFicha(Escena(l), Ima_Mover, r, 1, kAdelante);

    Surface puesta = marmol;
    LienzoMesa lp{puesta, marmol, hojas, motor->e, motor->a, motor->pantalla, m};
    DibujarFichaJugada(lp, 1);
    QImage encima = marmol.image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter pintor(&encima);
    pintor.drawImage(Ima_Mover.Rectangulo().topLeft(), Ima_Mover.Dibujo());
    pintor.end();
    const Surface viajera = Surface::fromImage(encima);
    EXPECT_EQ(Diferencias(viajera, puesta, QRect(340, 250, 110, 60)), 0);
}

TEST_F(Animacion, una_ficha_jugada_va_de_su_hueco_a_la_linea_y_aterriza_con_sonido_desde_la_segunda)
{
    Repartir();
    for (Entero buscada : {Entero(1), Entero(2)}) {
        SCOPED_TRACE(buscada);
        const Entero n =
            JugarHasta([&](const RegistroJugada& j, Entero k) { return k == buscada && j.Extremo <= 2; });
        ASSERT_EQ(n, buscada);
        const RegistroJugada j = motor->e.Jugadas[std::size_t(n)];
        const auto hueco = BuscarFichaEnMano(motor->e, j.PuntoUnido, j.PuntoAbierto, j.Jugador);
        ASSERT_TRUE(hueco);
        const auto sitio = CalcularPosicionFichaMano(motor->e, motor->a, motor->pantalla, j.Jugador, *hueco);
        ASSERT_TRUE(sitio);
        const QRect ficha(j.XFicha, j.YFicha, j.AnchoFicha, j.AltoFicha);
        Surface antes = tablero.surface();

        ritmo.eventos.clear();
        LienzoMesa l = Lienzo();
        AnimarJugada(Escena(l), Ima_Mover, n);

        // It sets off from the slot it was in and ends on its place in the line, drawn there.
        for (const Evento& e : ritmo.eventos)
            if (e.tipo == Evento::Pausa && e.valor == ritmo_mesa::kPausaMostrar) {
                EXPECT_EQ(e.sitio, QPoint(sitio->X, sitio->Y));
            }
        EXPECT_EQ(ritmo.eventos.back().sitio, ficha.topLeft());
        EXPECT_FALSE(Ima_Mover.Visible());
        Surface esperada = antes;
        LienzoMesa le{esperada, marmol, hojas, motor->e, motor->a, motor->pantalla, m};
        DibujarFichaJugada(le, n);
        EXPECT_EQ(Diferencias(tablero.surface(), esperada, ficha), 0);
        EXPECT_GT(Diferencias(tablero.surface(), antes, ficha), 0);
        // The first tile of a hand lands silently; later ones with sound 1, played to its end.
        const auto guion = ritmo.Guion();
        EXPECT_EQ(guion.back() == "s1e", n > 1);
        EXPECT_EQ(std::count(guion.begin(), guion.end(), "s1e"), n > 1 ? 1 : 0);
    }
}

// Two players (seats 2 and 4) and fourteen tiles in the stock, so that somebody draws soon.
class RoboDeFicha : public EscenaPrueba
{
protected:
    void SetUp() override
    {
        semilla = 3; // the second move is a draw
        EscenaPrueba::SetUp();
        Ajustes& a = motor->a;
        a.Jugador[1].EstadoJugador = zp::EstadoAsiento::Desactivado;
        a.Jugador[3].EstadoJugador = zp::EstadoAsiento::Desactivado;
        a.NumeroJugadores = 2;
        a.ModoJuego = zp::Modalidad::Individual;
        a.RemanentesMonton = 0;
    }
    Entero HastaElPrimerRobo()
    {
        Repartir();
        LienzoMesa l = Lienzo();
        DibujarMonton(l);
        return JugarHasta([](const RegistroJugada& j, Entero) { return j.Extremo == kExtremoRoba; });
    }
};

TEST_F(RoboDeFicha, la_ficha_robada_parpadea_en_el_monton_salvo_con_la_grabadora)
{
    for (bool grabadora : {false, true}) {
        SCOPED_TRACE(grabadora ? "grabadora encendida" : "grabadora apagada");
        SetUp();
        const Entero n = HastaElPrimerRobo();
        ASSERT_GT(n, 0);
        const RegistroJugada j = motor->e.Jugadas[std::size_t(n)];
        motor->e.GrabadoraActiva = grabadora;
        ritmo.eventos.clear();
        std::vector<bool> enElMonton; // the drawn tile shows at its stock place, at each blink pause
        ritmo.alPausar = [&](int ms) {
            if (ms == ritmo_mesa::kPausaMontonSin || ms == ritmo_mesa::kPausaMontonCon)
                enElMonton.push_back(
                    Diferencias(tablero.surface(), marmol, QRect(j.XFicha, j.YFicha, 20, 20)) > 0);
        };
        LienzoMesa l = Lienzo();
        AnimarRobarFicha(Escena(l), Ima_Mover, n);
        ritmo.alPausar = nullptr;

        const V inicio = grabadora ? V{"p30", "s2a", "p90", "s3a"}
                                   : V{"p140", "p220", "p140", "p220", "p30", "s2a", "p90", "s3a"};
        EXPECT_EQ(Inicio(ritmo, inicio.size()), inicio);
        EXPECT_EQ(ritmo.Guion().back(), "s2e"); // put down in the hand, heard to its end
        const std::vector<bool> parpadeo =
            grabadora ? std::vector<bool>{} : std::vector<bool>{false, true, false, true};
        EXPECT_EQ(enElMonton, parpadeo);
        EXPECT_FALSE(Ima_Mover.Visible());
    }
}

TEST_F(RoboDeFicha, la_ficha_robada_llega_al_final_de_la_franja_de_quien_roba)
{
    struct Caso
    {
        Entero asiento, fichasJugador;
        std::function<QPoint(const DisposicionManos&)> destino;
    };
    const Caso casos[] = {
        {1, 1, [](const DisposicionManos& d) { return QPoint(23, d.FinMano[1]); }},
        {1, 2, [](const DisposicionManos& d) { return QPoint(0, d.FinMano[1]); }},
        {2, 1, [](const DisposicionManos& d) { return QPoint(d.FinMano[2], 23); }},
        {2, 2, [](const DisposicionManos& d) { return QPoint(d.FinMano[2], 0); }},
        {3, 1, [](const DisposicionManos& d) { return QPoint(671, d.FinMano[3]); }},
        {4, 2, [](const DisposicionManos& d) { return QPoint(d.FinMano[4], d.EjeMano[4]); }},
    };
    const Entero n = HastaElPrimerRobo();
    ASSERT_GT(n, 0);
    const RegistroJugada robo = motor->e.Jugadas[std::size_t(n)];
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.asiento) + (c.fichasJugador == 2 ? " vista" : " oculta"));
        motor->e.Jugadas[std::size_t(n)] = robo;
        motor->e.Jugadas[std::size_t(n)].Jugador = c.asiento;
        motor->a.Jugador[std::size_t(c.asiento)].FichasJugador =
            static_cast<zp::VistaFichas>(c.fichasJugador);
        const QPoint destino = c.destino(motor->e.Disposicion);
        ritmo.eventos.clear();
        LienzoMesa l = Lienzo();
        AnimarRobarFicha(Escena(l), Ima_Mover, n);
        const std::vector<QPoint> pasos = Pasos(ritmo);
        ASSERT_FALSE(pasos.empty());
        EXPECT_EQ(pasos.back(), destino);
        // It sets off from the tile's place in the stock.
        for (const Evento& e : ritmo.eventos)
            if (e.tipo == Evento::Pausa && e.valor == ritmo_mesa::kPausaMostrar) {
                EXPECT_EQ(e.sitio, QPoint(robo.XFicha, robo.YFicha));
            }
    }
}

TEST_F(RoboDeFicha, la_grabadora_devuelve_la_ficha_robada_al_monton_sin_sonido_de_alzar)
{
    ritmo.eventos.clear();
    LienzoMesa l = Lienzo();
    m.LadoMonton = 3;
    DevolverFichaAlMonton(Escena(l), Ima_Mover, 400, 558, 657, 305);
    EXPECT_EQ(Inicio(ritmo, 3), (V{"p30", "p90", "s3a"}));
    EXPECT_EQ(Pasos(ritmo).back(), QPoint(657, 305));
    EXPECT_EQ(Ima_Mover.Rectangulo().size(), QSize(20, 40)); // upright along the right side
    EXPECT_FALSE(Ima_Mover.Visible());
}

} // namespace
} // namespace escena_prueba

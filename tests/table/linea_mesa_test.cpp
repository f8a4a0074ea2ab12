// La línea de fichas en pantalla: cada ficha donde la geometría la puso, las flechas de los extremos donde
// irá la siguiente ficha, y la última ficha devuelta a su mano dejando la mesa como estaba antes de ella.
#include "escena_prueba.h"

#include "assets/recursos.h"
#include "engine/disposicion_manos.h"
#include "engine/geometria_linea.h"
#include "engine/grabadora.h"
#include "table/linea_mesa.h"

namespace escena_prueba {
namespace {

std::array<ImagenMesa, 5> FlechasDelPrograma()
{
    std::array<ImagenMesa, 5> flechas;
    for (int d = 1; d <= 4; ++d)
        flechas[std::size_t(d)].PonerDibujo(QImage(QString::fromLatin1(recursos::mesa::Flechas[d - 1])));
    return flechas;
}

TEST(LineaMesa, cada_flecha_va_donde_ira_la_siguiente_ficha_y_apunta_a_la_del_extremo)
{
    // Growing left, up, right, down from the anchor; the picture points right, down, left, up. The direction,
    // the anchor and where the arrow goes.
    const std::tuple<Entero, QPoint, QPoint> casos[] = {
        {1, {281, 262}, {247, 264}},
        {2, {600, 200}, {604, 166}},
        {3, {432, 262}, {434, 264}},
        {4, {100, 338}, {106, 340}},
    };
    const auto flechas = FlechasDelPrograma();
    for (const auto& [d1, ancla1, flecha1] : casos)
        for (const auto& [d2, ancla2, flecha2] : casos) {
            SCOPED_TRACE(std::to_string(d1) + "/" + std::to_string(d2));
            EstadoJuego e;
            e.Linea.DireccionExtremo = {0, d1, d2};
            e.Linea.XExtremo = {0, Entero(ancla1.x()), Entero(ancla2.x())};
            e.Linea.YExtremo = {0, Entero(ancla1.y()), Entero(ancla2.y())};
            ImagenMesa der, izq;
            DibujarMarcasExtremos(e, der, izq, flechas);
            EXPECT_EQ(der.Rectangulo(), QRect(flecha1, QSize(32, 32)));
            EXPECT_EQ(izq.Rectangulo(), QRect(flecha2, QSize(32, 32)));
            EXPECT_EQ(der.Dibujo(), flechas[std::size_t(d1)].Dibujo());
            EXPECT_EQ(izq.Dibujo(), flechas[std::size_t(d2)].Dibujo());
            EXPECT_FALSE(der.Visible()); // showing them is the caller's business
            EXPECT_FALSE(izq.Visible());
        }
}

// A whole hand of four automatic players, so that the line turns at the table's limits.
class LineaJugada : public EscenaPrueba
{
protected:
    Entero JugarManoEntera()
    {
        Repartir();
        JugarHasta([](const RegistroJugada&, Entero) { return false; });
        return motor->e.NumeroJugada;
    }
};

TEST_F(LineaJugada, cada_ficha_se_dibuja_donde_la_geometria_la_puso_y_nada_mas)
{
    const Entero n = JugarManoEntera();
    ASSERT_GT(n, 10);
    Surface mesa = marmol;
    LienzoMesa l{mesa, marmol, hojas, motor->e, motor->a, motor->pantalla, m};
    DibujarLinea(l, n);

    QRegion fichas;
    int vueltas = 0;
    for (int i = 1; i <= n; ++i) {
        const RegistroJugada& j = motor->e.Jugadas[std::size_t(i)];
        if (j.Extremo != 1 && j.Extremo != 2) continue;
        if (j.DireccionAntes != j.DireccionDespues) ++vueltas;
        const QRect r(j.XFicha, j.YFicha, j.AnchoFicha, j.AltoFicha);
        fichas += r;
        SCOPED_TRACE(i);
        // The tile's face shows at both pip squares, its picture in each.
        EXPECT_GT(Diferencias(mesa, marmol, r), r.width() * r.height() / 2);
        EXPECT_NE(mesa.pixel(j.XMitad1 + 3, j.YMitad1 + 3), marmol.pixel(j.XMitad1 + 3, j.YMitad1 + 3));
        EXPECT_NE(mesa.pixel(j.XMitad2 + 3, j.YMitad2 + 3), marmol.pixel(j.XMitad2 + 3, j.YMitad2 + 3));
    }
    EXPECT_GE(vueltas, 1); // the hand really bent the line
    int fuera = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 710; ++x)
            if (!fichas.contains(QPoint(x, y)) && mesa.pixel(x, y) != marmol.pixel(x, y)) ++fuera;
    EXPECT_EQ(fuera, 0);
}

TEST_F(LineaJugada, deshacer_una_jugada_deja_la_linea_como_antes_y_devuelve_la_ficha_a_su_hueco)
{
    // Record 2 overlaps the first tile by 2 px at the centre: the erase bites it and it must come back.
    Repartir();
    const Entero n = JugarHasta([](const RegistroJugada& j, Entero k) { return k == 2 && j.Extremo <= 2; });
    ASSERT_EQ(n, 2);
    LienzoMesa l = Lienzo();
    DibujarFichaJugada(l, 2);
    const RegistroJugada j = motor->e.Jugadas[2];

    // The game data take the move back first, as the recorder does.
    Contexto c = motor->Ctx();
    ASSERT_EQ(AplicarJugadaGrabadora(c, ModoGrabadora::Deshacer), FalloJugada::Ninguno);
    const auto hueco = BuscarFichaEnMano(motor->e, j.PuntoUnido, j.PuntoAbierto, j.Jugador);
    ASSERT_TRUE(hueco);
    const auto sitio = CalcularPosicionFichaMano(motor->e, motor->a, motor->pantalla, j.Jugador, *hueco);
    ASSERT_TRUE(sitio);

    ritmo.eventos.clear();
    DeshacerJugada(Escena(l), Ima_Mover, 2);

    Surface antes = marmol;
    LienzoMesa la{antes, marmol, hojas, motor->e, motor->a, motor->pantalla, m};
    DibujarLinea(la, 1);
    const RegistroJugada& primera = motor->e.Jugadas[1];
    const QRect linea =
        QRect(j.XFicha, j.YFicha, j.AnchoFicha, j.AltoFicha)
            .united(QRect(primera.XFicha, primera.YFicha, primera.AnchoFicha, primera.AltoFicha));
    EXPECT_EQ(Diferencias(tablero.surface(), antes, linea), 0);

    const auto guion = ritmo.Guion();
    ASSERT_GE(guion.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(guion.begin(), guion.begin() + 3),
              (std::vector<std::string>{"p30", "p90", "s3a"}));
    EXPECT_EQ(guion.back(), "s2a");
    EXPECT_EQ(ritmo.eventos.back().sitio, QPoint(sitio->X, sitio->Y));
    EXPECT_FALSE(Ima_Mover.Visible());
}

} // namespace
} // namespace escena_prueba

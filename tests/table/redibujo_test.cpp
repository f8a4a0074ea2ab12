// La mesa entera vuelve a dibujarse desde el estado: las fichas puestas en la línea, las manos, el montón,
// la lista de jugadas y el mando de la grabadora cuando toca, y el marcador.
#include "comun_mesa.h"

#include "assets/recursos.h"

#include <QListWidget>

namespace {

using Redibujo = prueba::MesaPrueba;

// Un 6-4 tumbado en la mitad derecha de la mesa, como lo deja la primera jugada.
zp::RegistroJugada Seis4()
{
    zp::RegistroJugada r;
    r.Jugador = 1;
    r.PuntoUnido = 6;
    r.PuntoAbierto = 4;
    r.Extremo = 1;
    r.XFicha = 356;
    r.YFicha = 262;
    r.AnchoFicha = 77;
    r.AltoFicha = 40;
    r.LadoMesa = 1;
    r.XSpriteFicha = 474;
    r.XMitad1 = 360;
    r.YMitad1 = 262;
    r.XMitad2 = 397;
    r.YMitad2 = 262;
    r.GiroFicha = 0;
    return r;
}

TEST_F(Redibujo, las_fichas_puestas_se_ven_y_los_robos_y_pases_no)
{
    Repartir({1, 2, 4}, 7);
    e.Jugadas[1] = Seis4();
    zp::RegistroJugada roba = Seis4();
    roba.Extremo = zp::kExtremoRoba;
    roba.XFicha = 100; // un robo no tiene ficha en la línea
    roba.YFicha = 150;
    roba.XMitad1 = 104;
    roba.YMitad1 = 150;
    e.Jugadas[2] = roba;
    e.NumeroJugada = 3;
    zp::mesa& m = Abrir();
    m.RedibujarMesa();
    const zp::Surface& punneg = m.Hojas().Pic_PunNeg;
    for (int j = 0; j < 30; ++j)
        for (int i = 0; i < 30; ++i) {
            ASSERT_EQ(Pixel(363 + i, 265 + j), punneg.pixel(150 + i, j)); // el 6, tumbado
            ASSERT_EQ(Pixel(400 + i, 265 + j), punneg.pixel(90 + i, j));  // el 4
        }
    EXPECT_EQ(Pixel(120, 170), Marmol(120, 170));
    ASSERT_EQ(m.Lis_Grabadora->count(), 2);
    EXPECT_TRUE(m.Lis_Grabadora->item(1)->text().endsWith(QStringLiteral("Roba")));
    EXPECT_EQ(m.Lis_Grabadora->currentRow(), 1);
}

TEST_F(Redibujo, lista_de_jugadas_y_grabadora_solo_cuando_tocan)
{
    struct Caso
    {
        bool manoEnCurso;
        zp::Entero numeroJugada, listaJugadas;
        bool enRed;
        bool grabadora, lista;
    };
    const Caso casos[] = {
        {true, 1, 1, false, false, false},                                   // ninguna jugada aún
        {true, 2, 1, false, true, true},   {true, 2, 2, false, true, false}, // "Al conectar grabadora"
        {true, 3, 1, true, false, true},                                     // en red, sin grabadora
        {false, 2, 1, false, true, true}, // sin mano: la lista queda, sin líneas nuevas
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.manoEnCurso << " " << c.numeroJugada << " " << c.listaJugadas);
        Repartir({1, 2, 4}, 7);
        for (int i = 1; i < c.numeroJugada; ++i) e.Jugadas[std::size_t(i)] = Seis4();
        e.ManoEnCurso = c.manoEnCurso;
        e.NumeroJugada = c.numeroJugada;
        a.ListaJugadas = static_cast<zp::VistaLista>(c.listaJugadas);
        a.JuegoEnRed = c.enRed;
        zp::mesa& m = Abrir();
        m.RedibujarMesa();
        EXPECT_EQ(!m.Pic_Grabadora->isHidden(), c.grabadora);
        EXPECT_EQ(!m.Lis_Grabadora->isHidden(), c.lista);
        EXPECT_FALSE(m.Ima_FlechaDer.Visible());
        if (!c.manoEnCurso) {
            // Sin mano en curso: mármol, sin manos ni montón.
            EXPECT_EQ(m.surface().image().copy(0, 0, 710, 600), m.Marmol().image().copy(0, 0, 710, 600));
        }
    }
}

} // namespace

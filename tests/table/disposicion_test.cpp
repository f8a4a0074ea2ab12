// Dónde queda cada cosa de la mesa según la pantalla y los asientos: sus medidas, la zona de cada mano y de
// su señal de paso, el lado del montón y la ficha que se roba, y cuándo se ven la lista y el mando.
#include "comun_mesa.h"

#include "table/dibujo_monton.h"

#include <QListWidget>

namespace {

using Disposicion = prueba::MesaPrueba;

TEST_F(Disposicion, las_medidas_de_la_mesa_siguen_a_la_pantalla_y_las_pequenas_son_de_800x600)
{
    // The screen; the table's width and height and its centre.
    const std::array<int, 6> casos[] = {
        {800, 600, 710, 600, 355, 300}, {1024, 768, 934, 768, 467, 384}, {640, 480, 710, 600, 355, 300},
        {800, 550, 710, 600, 355, 300}, {801, 600, 711, 600, 356, 300},  {803, 601, 713, 601, 356, 300},
    };
    for (const auto& [ancho, alto, anchoMesa, altoMesa, centroX, centroY] : casos) {
        SCOPED_TRACE(testing::Message() << ancho << "x" << alto);
        zp::mesa& m = Abrir(ancho, alto);
        const zp::Pantalla& p = m.Medidas();
        EXPECT_EQ(QRect(p.AnchoMesa, p.AltoPantalla, p.CentroX, p.CentroY),
                  QRect(anchoMesa, altoMesa, centroX, centroY));
        EXPECT_EQ(m.logicalGeometry(), QRect(0, 0, anchoMesa + 92, altoMesa + 2));
        EXPECT_EQ(m.Marmol().image().size(), QSize(anchoMesa + 99, altoMesa + 2));
        EXPECT_EQ(zp::Entorno().AnchoMesa, anchoMesa);
    }
}

TEST_F(Disposicion, cada_mano_y_su_senal_de_paso_tienen_su_zona)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    zp::mesa& m = Abrir();
    const zp::Pantalla& p = m.Medidas();
    // Three hidden hands edge-on and the south's large tiles; each seat's hand and its pass sign.
    const std::tuple<zp::Entero, QRect, QPoint> casos[] = {
        {1, {23, 164, 17, 273}, {3, 284}},
        {2, {218, 23, 273, 17}, {339, 3}},
        {3, {671, 164, 17, 273}, {674, 284}},
        {4, {201, 523, 308, 77}, {339, 564}},
    };
    for (const auto& [asiento, zona, paso] : casos) {
        EXPECT_EQ(zp::CalcularZonaMano(e, a, p, asiento), zona) << asiento;
        EXPECT_EQ(zp::SituarIndicadorPaso(p, asiento), paso) << asiento;
    }
    // A hand in view is not edge-on: 42 deep against the edge; the south hidden, edge-on.
    a.Jugador[2].FichasJugador = zp::VistaFichas::Visibles;
    m.DibujarMano(2);
    EXPECT_EQ(zp::CalcularZonaMano(e, a, p, 2), QRect(218, 0, 273, 42));
    a.Jugador[4].FichasJugador = zp::VistaFichas::Ocultas;
    m.DibujarMano(4);
    EXPECT_EQ(zp::CalcularZonaMano(e, a, p, 4).height(), 17);
}

TEST_F(Disposicion, el_monton_va_al_primer_asiento_libre_de_tres_uno_dos_y_se_roba_su_ultima_ficha)
{
    struct Caso
    {
        std::vector<zp::Entero> asientos;
        int robadas;
        zp::Entero lado;
        QRect zona;
        QPoint ultima;
    };
    const Caso casos[] = {
        {{1, 2, 4}, 0, 3, {657, 201, 51, 199}, {687, 357}},
        {{1, 2, 4}, 1, 3, {657, 201, 51, 199}, {657, 305}},
        {{2, 4}, 0, 3, {657, 123, 51, 355}, {657, 435}},
        {{2, 3, 4}, 0, 1, {1, 201, 51, 199}, {1, 357}},
        {{1, 3, 4}, 0, 2, {256, 1, 199, 51}, {412, 1}},
        {{1, 4}, 0, 3, {657, 123, 51, 355}, {657, 435}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.asientos.size() << " asientos, lado " << c.lado);
        Repartir(c.asientos, 7);
        e.FichasMonton = zp::Entero(e.FichasMonton - c.robadas);
        zp::mesa& m = Abrir();
        m.DibujarMonton();
        const zp::EstadoMesa& em = m.Estado();
        EXPECT_EQ(em.LadoMonton, c.lado);
        EXPECT_EQ(QPoint(e.Colocacion.XFichaRobada, e.Colocacion.YFichaRobada), c.ultima);
        zp::LienzoMesa l = m.Lienzo();
        zp::CalcularDisposicionMonton(l);
        EXPECT_EQ(QRect(em.ZonaX, em.ZonaY, em.ZonaAncho, em.ZonaAlto), c.zona);
    }
    // While the player settings are open it keeps its side, whatever the seats become.
    Repartir({1, 2, 4}, 7);
    zp::mesa& m = Abrir();
    m.DibujarMonton();
    m.Estado().PersonalAbierto = true;
    a.Jugador[3].EstadoJugador = zp::EstadoAsiento::Activado;
    a.Jugador[1].EstadoJugador = zp::EstadoAsiento::Desactivado;
    m.DibujarMonton();
    EXPECT_EQ(m.Estado().LadoMonton, 3);
    m.Estado().PersonalAbierto = false;
    m.DibujarMonton();
    EXPECT_EQ(m.Estado().LadoMonton, 1);
}

TEST_F(Disposicion, la_lista_de_jugadas_y_el_mando_se_ven_solo_cuando_tocan)
{
    struct Caso
    {
        bool manoEnCurso;
        zp::Entero numeroJugada, listaJugadas;
        bool enRed, grabadora, lista;
    };
    const Caso casos[] = {
        {true, 1, 1, false, false, false}, {true, 2, 1, false, true, true},  {true, 2, 2, false, true, false},
        {true, 3, 1, true, false, true},   {false, 2, 1, false, true, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.manoEnCurso << " " << c.numeroJugada << " " << c.listaJugadas);
        Repartir({1, 2, 4}, 7);
        e.ManoEnCurso = c.manoEnCurso;
        e.NumeroJugada = c.numeroJugada;
        a.ListaJugadas = static_cast<zp::VistaLista>(c.listaJugadas);
        a.JuegoEnRed = c.enRed;
        zp::mesa& m = Abrir();
        m.RedibujarMesa();
        EXPECT_EQ(!m.Pic_Grabadora->isHidden(), c.grabadora);
        EXPECT_EQ(!m.Lis_Grabadora->isHidden(), c.lista);
        if (!c.manoEnCurso) {
            EXPECT_EQ(m.surface().image().copy(0, 0, 710, 600), m.Marmol().image().copy(0, 0, 710, 600));
        }
    }
}

} // namespace

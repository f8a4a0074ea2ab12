// La mesa ocupa la pantalla: la botonera de 90 px a la derecha con sus botones, el botón Continuar entre el
// 7 y el 9, el mando de la grabadora y la lista de jugadas abajo, y el mármol bajo todo.
#include "comun_mesa.h"

#include "assets/recursos.h"
#include "table/disposicion_mesa.h"

#include <QListWidget>

namespace {

using prueba::MesaPrueba;
using Disposicion = MesaPrueba;

TEST_F(Disposicion, medidas_de_la_mesa_segun_la_pantalla)
{
    struct Caso
    {
        int ancho, alto;
        int anchoMesa, altoMesa, centroX, centroY;
    };
    const Caso casos[] = {
        {800, 600, 710, 600, 355, 300}, {1024, 768, 934, 768, 467, 384},
        {640, 480, 710, 600, 355, 300}, {800, 550, 710, 600, 355, 300}, // pequeñas: como 800 x 600
        {801, 600, 711, 600, 356, 300}, {803, 601, 713, 601, 356, 300}, // mitades al par
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.ancho << "x" << c.alto);
        zp::mesa& m = Abrir(c.ancho, c.alto);
        const zp::Pantalla& p = m.Medidas();
        EXPECT_EQ(p.AnchoMesa, c.anchoMesa);
        EXPECT_EQ(p.AltoPantalla, c.altoMesa);
        EXPECT_EQ(p.CentroX, c.centroX);
        EXPECT_EQ(p.CentroY, c.centroY);
        EXPECT_EQ(m.logicalGeometry(), QRect(0, 0, c.anchoMesa + 92, c.altoMesa + 2));
        EXPECT_EQ(m.Pic_Botonera->logicalGeometry(), QRect(c.anchoMesa, 0, 90, c.altoMesa));
        EXPECT_EQ(m.Marmol().width(), c.anchoMesa + 99);
        EXPECT_EQ(m.Marmol().height(), c.altoMesa + 2);
        EXPECT_EQ(zp::Entorno().AnchoMesa, c.anchoMesa);
    }
}

TEST_F(Disposicion, botones_continuar_grabadora_y_lista_en_su_sitio)
{
    struct Caso
    {
        int ancho, alto;
        QRect boton9, continuar, grabadora, lista;
    };
    const Caso casos[] = {
        {800, 600, {20, 559, 50, 36}, {3, 499, 86, 36}, {655, 524, 50, 75}, {0, 528, 165, 72}},
        {1024, 768, {20, 727, 50, 36}, {3, 583, 86, 36}, {879, 692, 50, 75}, {0, 696, 165, 72}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.ancho << "x" << c.alto);
        zp::mesa& m = Abrir(c.ancho, c.alto);
        const int tops[] = {0, 5, 65, 125, 245, 305, 365, 425, 185};
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(m.Pic_Boton[i]->logicalGeometry(), QRect(20, tops[i], 50, 50));
        EXPECT_EQ(m.Pic_Boton[9]->logicalGeometry(), c.boton9);
        EXPECT_EQ(m.Pic_BotContinuar->logicalGeometry(), c.continuar);
        EXPECT_EQ(m.Pic_Grabadora->logicalGeometry(), c.grabadora);
        EXPECT_EQ(m.Lis_Grabadora->geometry(), c.lista);
        EXPECT_EQ(m.Disposicion().Lis_Grabadora, c.lista);
    }
}

TEST_F(Disposicion, al_empezar_se_ven_la_mesa_y_los_botones_sin_paneles)
{
    zp::mesa& m = Abrir();
    m.show();
    for (int i = 1; i <= 8; ++i) EXPECT_TRUE(m.Pic_Boton[i]->isVisible()) << i;
    EXPECT_FALSE(m.Pic_Boton[9]->isVisible()); // el de charlar, solo en red
    EXPECT_FALSE(m.Pic_BotContinuar->isVisible());
    EXPECT_FALSE(m.Pic_TexTurno->isVisible());
    EXPECT_FALSE(m.Pic_Grabadora->isVisible());
    EXPECT_FALSE(m.Lis_Grabadora->isVisible());
    EXPECT_FALSE(m.Ima_FlechaDer.Visible());
    EXPECT_EQ(m.Ima_FlechaDer.Cursor, QStringLiteral("ManoIndice"));
    EXPECT_EQ(m.Ima_FlechaIzq.Cursor, QStringLiteral("ManoIndice"));
}

TEST_F(Disposicion, cada_boton_lleva_su_dibujo_de_la_hoja)
{
    zp::mesa& m = Abrir();
    const zp::Surface& hoja = m.Hojas().Pic_BmpVario;
    // El 5 lleva el marcador escrito encima: se mira solo su borde.
    for (int i : {1, 2, 3, 4, 6, 7, 8}) {
        const auto b = zp::recursos::bmpvario::BotonBarra(i);
        for (int y = 0; y < 50; y += 7)
            for (int x = 0; x < 50; x += 7)
                ASSERT_EQ(m.Pic_Boton[i]->surface().pixel(x, y), hoja.pixel(b.x + x, b.y + y)) << i;
    }
    const auto chat = zp::recursos::bmpvario::BotonMensaje;
    EXPECT_EQ(m.Pic_Boton[9]->surface().pixel(25, 18), hoja.pixel(chat.x + 25, chat.y + 18));
    const auto mando = zp::recursos::bmpvario::Grabadora;
    EXPECT_EQ(m.Pic_Grabadora->surface().pixel(10, 60), hoja.pixel(mando.x + 10, mando.y + 60));
}

TEST_F(Disposicion, la_botonera_tiene_su_marco_de_dos_colores)
{
    zp::mesa& m = Abrir();
    const zp::Surface& b = m.Pic_Botonera->surface();
    const QRgb contorno = qRgb(224, 64, 32), luz = qRgb(224, 128, 96);
    EXPECT_EQ(b.pixel(0, 300), luz); // izquierda
    EXPECT_EQ(b.pixel(45, 0), luz);  // arriba
    EXPECT_EQ(b.pixel(89, 300), contorno);
    EXPECT_EQ(b.pixel(45, 599), contorno);
    EXPECT_EQ(b.pixel(89, 0), luz);
}

TEST_F(Disposicion, el_marmol_cubre_toda_la_mesa_aunque_sea_grande)
{
    zp::mesa& m = Abrir(1000, 1000);
    const zp::Surface& marmol = m.Hojas().Marmol;
    const zp::Surface& fondo = m.Marmol();
    // Mosaico desde la esquina: cada punto repite el del dibujo de 640 x 512.
    for (const QPoint q :
         {QPoint(5, 5), QPoint(700, 40), QPoint(1005, 1000), QPoint(300, 990), QPoint(1008, 600)})
        EXPECT_EQ(fondo.pixel(q.x(), q.y()), marmol.pixel(q.x() % 640, q.y() % 512)) << q.x() << "," << q.y();
    EXPECT_EQ(Pixel(909, 999), fondo.pixel(909, 999)); // la mesa se limpia a él
}

TEST_F(Disposicion, zona_de_cada_mano_y_de_la_senal_de_paso)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    zp::mesa& m = Abrir();
    const zp::Pantalla& p = m.Medidas();
    struct Caso
    {
        zp::Entero asiento;
        QRect zona;
        QPoint paso;
    };
    // Tres manos ocultas de canto y la del sur con las fichas grandes.
    const Caso casos[] = {
        {1, {23, 164, 17, 273}, {3, 284}},
        {2, {218, 23, 273, 17}, {339, 3}},
        {3, {671, 164, 17, 273}, {674, 284}},
        {4, {201, 523, 308, 77}, {339, 564}},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(zp::CalcularZonaMano(e, a, p, c.asiento), c.zona) << c.asiento;
        EXPECT_EQ(zp::SituarIndicadorPaso(p, c.asiento), c.paso) << c.asiento;
    }
    // Una mano a la vista no va de canto: 42 de fondo, pegada al borde; el sur oculto, de canto.
    a.Jugador[2].FichasJugador = zp::VistaFichas::Visibles;
    m.DibujarMano(2);
    EXPECT_EQ(zp::CalcularZonaMano(e, a, p, 2), QRect(218, 0, 273, 42));
    a.Jugador[4].FichasJugador = zp::VistaFichas::Ocultas;
    m.DibujarMano(4);
    EXPECT_EQ(zp::CalcularZonaMano(e, a, p, 4).height(), 17);
}

} // namespace

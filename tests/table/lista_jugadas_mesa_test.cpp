// La lista de jugadas de la mesa: cinco líneas de 14 px a la vista, una doble pulsación alarga hacia arriba
// una lista larga y otra la pliega, y la persona no puede cambiar la línea elegida.
#include "comun_mesa.h"

#include "table/lista_jugadas_mesa.h"

#include <QListWidget>
#include <QTest>

namespace {

using Lista = prueba::MesaPrueba;

TEST_F(Lista, la_doble_pulsacion_alarga_la_lista_larga_y_la_vuelve_a_plegar)
{
    zp::mesa& m = Abrir();
    m.show();
    QListWidget& lista = *m.Lis_Grabadora;
    const QRect plegada(0, 528, 165, 72);
    const struct
    {
        int lineas;
        QRect abierta;
    } casos[] = {{5, plegada}, {20, {0, 318, 165, 282}}, {50, {0, 60, 165, 540}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.lineas);
        m.RecortarListaJugadas(0);
        for (int i = 1; i <= c.lineas; ++i)
            m.PonerLineaListaJugadas(i - 1, (i < 10 ? " " : "") + std::to_string(i) + " Jugador1  6-4");
        m.MostrarListaJugadas(true);
        ASSERT_EQ(zp::GeometriaListaJugadas(lista), plegada);
        lista.scrollToTop();
        EXPECT_LE(lista.visualItemRect(lista.item(4)).bottom(), lista.viewport()->height() - 1)
            << "five whole lines show";
        QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, {20, 20});
        EXPECT_EQ(zp::GeometriaListaJugadas(lista), c.abierta);
        QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, {20, 20});
        EXPECT_EQ(zp::GeometriaListaJugadas(lista), plegada);
        EXPECT_TRUE(lista.visualItemRect(lista.item(c.lineas - 1)).intersects(lista.viewport()->rect()))
            << "the selected line is in sight";
    }

    m.SeleccionarLineaListaJugadas(2);
    lista.scrollToTop();
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, lista.visualItemRect(lista.item(0)).center());
    ASSERT_EQ(lista.selectedItems().size(), 1);
    EXPECT_EQ(lista.row(lista.selectedItems().front()), 2) << "a click leaves the selection where it was";
}

} // namespace

// La lista de jugadas de la mesa: cinco líneas de 14 px a la vista, una doble pulsación alarga hacia arriba
// una lista larga y otra la pliega con la línea elegida a la vista, y la persona no puede cambiar la línea
// elegida.
#include "comun_mesa.h"

#include "table/lista_jugadas_mesa.h"

#include <QListWidget>
#include <QTest>

namespace {

using Lista = prueba::MesaPrueba;

// The lines 1 to n, the last one selected as the game leaves it.
void Llenar(zp::mesa& m, int lineas)
{
    m.RecortarListaJugadas(0);
    for (int i = 1; i <= lineas; ++i)
        m.PonerLineaListaJugadas(i - 1, (i < 10 ? " " : "") + std::to_string(i) + " Jugador1  6-4");
}

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
        Llenar(m, c.lineas);
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

// Folded back, a selected line out of sight becomes the top line, or the list shows its last five when fewer
// lie below it; a line in sight leaves the list where it is.
TEST_F(Lista, al_plegarse_la_linea_elegida_que_no_se_ve_queda_arriba)
{
    zp::mesa& m = Abrir();
    m.show();
    QListWidget& lista = *m.Lis_Grabadora;
    const auto aLaVista = [&] { // the first and last lines in sight, counted from 1
        const QListWidgetItem* primera = lista.itemAt(0, 0);
        const QListWidgetItem* ultima = lista.itemAt(0, lista.viewport()->height() - 1);
        return std::pair{primera ? lista.row(primera) + 1 : 0, ultima ? lista.row(ultima) + 1 : 0};
    };
    const struct
    {
        int lineas, elegida;
        bool abiertaAlFinal; // the lengthened list scrolled to its end before folding
        std::pair<int, int> vista;
    } casos[] = {
        {18, 16, false, {14, 18}}, {18, 6, false, {6, 10}}, {18, 5, false, {1, 5}}, {50, 3, true, {3, 7}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.elegida << " de " << c.lineas);
        Llenar(m, c.lineas);
        m.MostrarListaJugadas(true);
        m.SeleccionarLineaListaJugadas(c.elegida - 1);
        QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, {20, 20});
        if (c.abiertaAlFinal) lista.scrollToBottom();
        QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, {20, 20});
        EXPECT_EQ(aLaVista(), c.vista);
    }
}

} // namespace

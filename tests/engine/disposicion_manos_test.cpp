#include <gtest/gtest.h>

#include "engine/disposicion_manos.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

using Cuatro = std::array<Entero, 5>;

struct Caso
{
    const char* nombre;
    int ancho, alto;
    Entero jugadores;
    Cuatro huecos;
    Cuatro fichasJugador; // 1 hidden, 2 face up
    bool repartoEnCurso;
    Cuatro separacion, inicio, longitud, eje;
    std::array<bool, 5> holgada;
    bool ocultaLista;
};

TEST(DisposicionManos, las_manos_se_centran_en_su_lado_y_se_estrechan_si_no_caben)
{
    // clang-format off
    const Caso casos[] = {
        {"800x600, cuatro de 7, abajo boca arriba", 800, 600, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 164, 218, 164, 201}, {0, 273, 273, 273, 308}, {0, 41, 41, 668, 523}, {false, true, true, true, true}, false},
        {"800x600, mano lateral oculta de 14", 800, 600, 4, {0, 14, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 32, 39, 39, 44}, {0, 76, 218, 164, 201}, {0, 448, 273, 273, 308}, {0, 41, 41, 668, 523}, {false, false, true, true, true}, false},
        {"800x600, dos de 14, abajo boca arriba", 800, 600, 2, {0, 0, 14, 0, 14}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 300, 82, 300, 47}, {0, 0, 546, 0, 616}, {0, 41, 41, 668, 558}, {false, true, true, true, false}, true},
        {"800x600, abajo 16 huecos", 800, 600, 2, {0, 0, 14, 0, 16}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 38}, {0, 300, 82, 300, 51}, {0, 0, 546, 0, 608}, {0, 41, 41, 668, 558}, {false, true, true, true, false}, true},
        {"800x600, durante el reparto a mano", 800, 600, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, true, {0, 39, 39, 39, 44}, {0, 164, 218, 164, 201}, {0, 273, 273, 273, 308}, {0, 41, 41, 668, 558}, {false, false, false, false, false}, false},
        {"1024x768, cuatro de 7, abajo boca arriba", 1024, 768, 4, {0, 7, 7, 7, 7}, {0, 1, 1, 1, 2}, false, {0, 39, 39, 39, 44}, {0, 248, 330, 248, 313}, {0, 273, 273, 273, 308}, {0, 41, 41, 892, 691}, {false, true, true, true, true}, false},
        {"1024x768, lateral de 21 boca arriba", 1024, 768, 3, {0, 21, 7, 7, 0}, {0, 2, 1, 1, 2}, false, {0, 29, 39, 39, 44}, {0, 80, 330, 248, 467}, {0, 609, 273, 273, 0}, {0, 41, 41, 892, 726}, {false, false, true, true, false}, false},
    };
    // clang-format on
    for (const auto& k : casos) {
        Banco b(1, MedirPantalla(k.ancho, k.alto));
        b.a.NumeroJugadores = k.jugadores;
        b.a.ListaJugadas = VistaLista::SiempreVisible;
        for (std::size_t p = 1; p <= 4; ++p) {
            b.e.HuecosMano[p] = k.huecos[p];
            b.a.Jugador[p].FichasJugador = static_cast<VistaFichas>(k.fichasJugador[p]);
        }
        b.e.RepartoEnCurso = k.repartoEnCurso;
        CalcularDisposicionManos(b.c);
        const DisposicionManos& d = b.e.Disposicion;
        SCOPED_TRACE(k.nombre);
        EXPECT_EQ(d.SeparacionFichas, k.separacion);
        EXPECT_EQ(d.InicioMano, k.inicio);
        EXPECT_EQ(d.LongitudMano, k.longitud);
        EXPECT_EQ(d.EjeMano, k.eje);
        EXPECT_EQ(b.e.ManoHolgada, k.holgada);
        for (std::size_t p = 1; p <= 4; ++p) EXPECT_EQ(d.FinMano[p], d.InicioMano[p] + d.LongitudMano[p] - 1);
        EXPECT_EQ(b.mesa.Hubo("OcultarListaJugadas"), k.ocultaLista);
        // The list gives way to the hand; the player's setting stays as it was.
        EXPECT_EQ(ListaJugadasVisible(b.e, b.a), !k.ocultaLista);
        EXPECT_EQ(b.a.ListaJugadas, VistaLista::SiempreVisible);
    }
}

TEST(DisposicionManos, cada_hueco_tiene_su_sitio_en_la_mesa)
{
    Banco b;
    for (std::size_t p = 1; p <= 4; ++p) b.e.HuecosMano[p] = 7;
    b.a.Jugador[4].FichasJugador = VistaFichas::Visibles;
    CalcularDisposicionManos(b.c);
    // Seat, slot, how the seat's tiles are shown; where the slot lies.
    const std::tuple<Entero, Entero, Entero, std::optional<PuntoMesa>> casos[] = {
        {1, 1, 1, PuntoMesa{23, 164}},  {1, 3, 2, PuntoMesa{0, 242}},   {2, 2, 1, PuntoMesa{257, 23}},
        {2, 1, 2, PuntoMesa{218, 0}},   {3, 7, 1, PuntoMesa{671, 398}}, {3, 1, 2, PuntoMesa{671, 164}},
        {4, 2, 2, PuntoMesa{245, 523}}, {5, 1, 1, std::nullopt},        {0, 1, 1, std::nullopt}};
    for (const auto& [asiento, hueco, fichasJugador, sitio] : casos) {
        if (asiento >= 1 && asiento <= 3)
            b.a.Jugador[static_cast<std::size_t>(asiento)].FichasJugador =
                static_cast<VistaFichas>(fichasJugador);
        EXPECT_EQ(CalcularPosicionFichaMano(b.e, b.a, b.pantalla, asiento, hueco), sitio)
            << "asiento " << asiento << ", hueco " << hueco;
    }
}

} // namespace
} // namespace zp

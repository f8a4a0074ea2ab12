// The move list's lines: their exact columns, and the list kept line for record as hands and reviews go on.
#include <gtest/gtest.h>

#include "banco_jugadas.h"
#include "engine/lista_jugadas.h"

namespace zp {
namespace {

using prueba::BancoJugadas;

RegistroJugada Registro(Entero extremo, Entero unido, Entero abierto, bool eleccion)
{
    RegistroJugada r;
    r.Jugador = 1;
    r.Extremo = extremo;
    r.PuntoUnido = unido;
    r.PuntoAbierto = abierto;
    r.Eleccion = eleccion ? -1 : 0;
    return r;
}

TEST(ListaJugadas, CadaLineaLlevaNumeroNombreYFichaEnSusColumnas)
{
    struct Caso
    {
        Entero numero;
        RegistroJugada registro;
        const char* nombre;
        const char* linea;
    };
    const Caso casos[] = {
        {3, Registro(1, 6, 4, false), "Jugador1", " 3 Jugador1  6-4"},
        {12, Registro(8, 3, 1, false), "Jugador2", "12 Jugador2  Roba"},
        {7, Registro(9, 9, 9, false), "Ana", " 7 Ana       Pasa"},
        {40, Registro(2, 0, 0, true), "Jugador4", "40 Jugador4  0-0 ???"},
        {99, Registro(1, 5, 2, true), "Maximiliano", "99 Maximilia 5-2 ???"}, // never wider than 9
        {5, Registro(2, 1, 3, false), "Begoña", " 5 Begoña    1-3"},          // characters, not bytes
        {1, Registro(1, 2, 6, false), "", " 1           2-6"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linea);
        EXPECT_EQ(TextoLineaListaJugadas(c.registro, c.numero, c.nombre), c.linea);
    }
}

TEST(ListaJugadas, LaLineaDeCadaRegistroQuedaEnSuPuestoYSeleccionada)
{
    BancoJugadas b;
    Contexto c = b.Ctx();
    b.e.Jugadas[1] = Registro(1, 6, 6, false);
    b.e.Jugadas[2] = Registro(8, 4, 2, false);
    b.e.Jugadas[2].Jugador = 2;
    b.e.Jugadas[3] = Registro(9, 9, 9, false);
    for (Entero n = 1; n <= 3; ++n) AnadirLineaListaJugadas(c, n);
    const std::vector<std::string> tres = {" 1 Jugador1  6-6", " 2 Jugador2  Roba", " 3 Jugador1  Pasa"};
    EXPECT_EQ(b.e.LineasListaJugadas, tres);
    EXPECT_EQ(b.mesa.Lineas, tres);
    EXPECT_EQ(b.e.LineaGrabadora, 2);
    EXPECT_EQ(b.mesa.Seleccionada, 2);

    // A new hand: the table has emptied its list, and record 1 is line 0 again.
    b.mesa.Lineas.clear();
    b.e.Jugadas[1] = Registro(1, 5, 3, true);
    AnadirLineaListaJugadas(c, 1);
    EXPECT_EQ(b.e.LineasListaJugadas, std::vector<std::string>{" 1 Jugador1  5-3 ???"});
    EXPECT_EQ(b.mesa.Lineas, b.e.LineasListaJugadas);
    EXPECT_EQ(b.e.LineaGrabadora, 0);
}

TEST(ListaJugadas, RecortarQuitaLasLineasDescartadasDeLaUltimaHaciaAtras)
{
    BancoJugadas b;
    Contexto c = b.Ctx();
    for (Entero n = 1; n <= 5; ++n) {
        b.e.Jugadas[static_cast<std::size_t>(n)] = Registro(9, 9, 9, false);
        AnadirLineaListaJugadas(c, n);
    }
    RecortarListaJugadas(c, 2);
    EXPECT_EQ(b.e.LineasListaJugadas.size(), 2u);
    EXPECT_EQ(b.mesa.Lineas.size(), 2u);
    const std::vector<std::string> quitadas = {"QuitarLinea 4", "QuitarLinea 3", "QuitarLinea 2"};
    EXPECT_EQ(b.mesa.Llamadas, quitadas);
    EXPECT_EQ(b.e.LineaGrabadora, -1) << "the selected line was discarded";
    RecortarListaJugadas(c, 0);
    EXPECT_TRUE(b.mesa.Lineas.empty());
}

} // namespace
} // namespace zp

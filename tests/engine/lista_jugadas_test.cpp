// The move list's lines: their exact columns, and the list kept line for record as hands and reviews go on.
#include <gtest/gtest.h>

#include "engine/lista_jugadas.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

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

TEST(ListaJugadas, cada_linea_lleva_numero_nombre_y_ficha_en_sus_columnas)
{
    // Move, record, name; the line. Names never wider than 9 characters, counted as characters, not bytes.
    const std::tuple<Entero, RegistroJugada, const char*, const char*> casos[] = {
        {3, Registro(1, 6, 4, false), "Jugador1", " 3 Jugador1  6-4"},
        {12, Registro(8, 3, 1, false), "Jugador2", "12 Jugador2  Roba"},
        {7, Registro(9, 9, 9, false), "Ana", " 7 Ana       Pasa"},
        {40, Registro(2, 0, 0, true), "Jugador4", "40 Jugador4  0-0 ???"},
        {99, Registro(1, 5, 2, true), "Maximiliano", "99 Maximilia 5-2 ???"},
        {5, Registro(2, 1, 3, false), "Begoña", " 5 Begoña    1-3"},
        {1, Registro(1, 2, 6, false), "", " 1           2-6"},
        {8, Registro(1, 12, 4, false), "Ana", " 8 Ana       12-4"}};
    for (const auto& [numero, registro, nombre, linea] : casos)
        EXPECT_EQ(TextoLineaListaJugadas(registro, numero, nombre), linea);
}

TEST(ListaJugadas, la_linea_de_cada_registro_queda_en_su_puesto_y_seleccionada)
{
    Banco b;
    b.e.Jugadas[1] = Registro(1, 6, 6, false);
    b.e.Jugadas[2] = Registro(8, 4, 2, false);
    b.e.Jugadas[2].Jugador = 2;
    b.e.Jugadas[3] = Registro(9, 9, 9, false);
    for (Entero n = 1; n <= 3; ++n) AnadirLineaListaJugadas(b.c, n);
    const std::vector<std::string> tres = {" 1 Jugador1  6-6", " 2 Jugador2  Roba", " 3 Jugador1  Pasa"};
    EXPECT_EQ(b.mesa.Lineas, tres);
    EXPECT_EQ(b.mesa.Seleccionada, 2);

    // Played again from move 1 after a review: record 1 is line 0 again, the later lines go.
    b.e.Jugadas[1] = Registro(1, 5, 3, true);
    AnadirLineaListaJugadas(b.c, 1);
    EXPECT_EQ(b.mesa.Lineas, std::vector<std::string>{" 1 Jugador1  5-3 ???"});
    EXPECT_EQ(b.mesa.Seleccionada, 0);
}

} // namespace
} // namespace zp

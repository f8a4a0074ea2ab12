#include "settings/core/etiquetas_opciones.h"

#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace zp;

const std::string kSinOpcion(22, ' ');

// A click on a selector moves to the next option and back to 1 after the last one that has a text.
std::vector<int> Recorrido(const TablaOpciones& t, int selector)
{
    std::vector<int> r{1};
    int v = 1;
    do {
        v = (v + 1 < kOpciones &&
             t[static_cast<std::size_t>(selector)][static_cast<std::size_t>(v + 1)] != kSinOpcion)
                ? v + 1
                : 1;
        r.push_back(v);
    } while (v != 1);
    return r;
}

TEST(OpcionesSelector, el_modo_de_juego_decide_las_filas_de_empate_y_salida)
{
    const struct
    {
        Modalidad modo;
        std::vector<int> ganador, salida;
    } casos[] = {
        {Modalidad::Parejas, {1, 2, 3, 1}, {1, 2, 3, 4, 1}},
        {Modalidad::Individual, {1, 2, 1}, {1, 2, 3, 1}},
    };
    for (const auto& c : casos) {
        TablaOpciones t;
        CargarEtiquetasOpciones(t, c.modo);
        EXPECT_EQ(Recorrido(t, 17), c.ganador) << Codigo(c.modo);
        EXPECT_EQ(Recorrido(t, 19), c.salida) << Codigo(c.modo);
    }
}

TEST(OpcionesSelector, solo_los_asientos_1_a_3_pueden_ser_remotos)
{
    TablaOpciones t;
    CargarEtiquetasOpciones(t, Modalidad::Parejas);
    EXPECT_EQ(Recorrido(t, 28), (std::vector<int>{1, 2, 1}));
    for (int s = 25; s <= 27; ++s) {
        EXPECT_EQ(Recorrido(t, s), (std::vector<int>{1, 2, 3, 1}));
        EXPECT_EQ(t[static_cast<std::size_t>(s)][3], "Remoto                ");
    }
}

TEST(OpcionesSelector, cada_texto_ocupa_22_caracteres_y_los_huecos_son_blancos)
{
    TablaOpciones t;
    CargarEtiquetasOpciones(t, Modalidad::Parejas);
    for (const auto& fila : t)
        for (const auto& texto : fila) EXPECT_EQ(longitudCp1252(texto), 22u) << texto;
    for (int s : {0, 4, 20, 29, 30})
        for (const auto& texto : t[static_cast<std::size_t>(s)]) EXPECT_EQ(texto, kSinOpcion);
    for (const auto& fila : t) EXPECT_EQ(fila[0], kSinOpcion);
    EXPECT_EQ(t[26][2], "Automático            ");
    CargarEtiquetasOpciones(t, Modalidad::Individual);
    EXPECT_EQ(t[17][2], "El jugador que salió  ");
    EXPECT_EQ(t[17][3], kSinOpcion);
    EXPECT_EQ(t[19][4], kSinOpcion);
}

// Every selector with options has its title, one blank before it and two after, and no other has one.
TEST(TitulosSelector, cada_selector_con_opciones_tiene_su_titulo_y_ninguno_mas)
{
    TablaOpciones t;
    CargarEtiquetasOpciones(t, Modalidad::Parejas);
    for (std::size_t s = 0; s < t.size(); ++s) {
        const std::string& titulo = TitulosSelector()[s];
        EXPECT_EQ(titulo.empty(), t[s][1] == kSinOpcion) << s;
        EXPECT_TRUE(titulo.empty() || (titulo.starts_with(" ") && titulo.ends_with("  "))) << titulo;
    }
    EXPECT_EQ(TitulosSelector()[16], " Pareja que se anota los puntos  ");
}

} // namespace

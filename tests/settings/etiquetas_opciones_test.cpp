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

// The game mode decides the rows of the tie and lead selectors; only seats 1 to 3 can be remote.
TEST(OpcionesSelector, cada_selector_recorre_sus_opciones_y_vuelve_a_la_primera)
{
    const std::tuple<Modalidad, int, std::vector<int>> casos[] = {
        {Modalidad::Parejas, 17, {1, 2, 3, 1}}, {Modalidad::Parejas, 19, {1, 2, 3, 4, 1}},
        {Modalidad::Individual, 17, {1, 2, 1}}, {Modalidad::Individual, 19, {1, 2, 3, 1}},
        {Modalidad::Parejas, 25, {1, 2, 3, 1}}, {Modalidad::Parejas, 27, {1, 2, 3, 1}},
        {Modalidad::Parejas, 28, {1, 2, 1}},
    };
    for (const auto& [modo, selector, recorrido] : casos) {
        TablaOpciones t;
        CargarEtiquetasOpciones(t, modo);
        EXPECT_EQ(Recorrido(t, selector), recorrido) << Codigo(modo) << " " << selector;
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
}

} // namespace

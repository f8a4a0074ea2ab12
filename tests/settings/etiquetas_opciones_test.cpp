#include "settings/core/etiquetas_opciones.h"

#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace zp;

const std::string kSinOpcion(22, ' ');

// The options of a selector that have a text, in order.
std::vector<int> Opciones(const TablaOpciones& t, int selector)
{
    std::vector<int> r;
    for (std::size_t v = 0; v < t[0].size(); ++v)
        if (t[static_cast<std::size_t>(selector)][v] != kSinOpcion) r.push_back(static_cast<int>(v));
    return r;
}

// The game mode decides the rows of the tie and lead selectors; only seats 1 to 3 can be remote.
TEST(OpcionesSelector, cada_selector_tiene_sus_opciones_seguidas_desde_la_primera)
{
    const std::tuple<Modalidad, int, std::vector<int>> casos[] = {
        {Modalidad::Parejas, 17, {1, 2, 3}}, {Modalidad::Parejas, 19, {1, 2, 3, 4}},
        {Modalidad::Individual, 17, {1, 2}}, {Modalidad::Individual, 19, {1, 2, 3}},
        {Modalidad::Parejas, 25, {1, 2, 3}}, {Modalidad::Parejas, 27, {1, 2, 3}},
        {Modalidad::Parejas, 28, {1, 2}},
    };
    for (const auto& [modo, selector, opciones] : casos) {
        TablaOpciones t;
        CargarEtiquetasOpciones(t, modo);
        EXPECT_EQ(Opciones(t, selector), opciones) << Codigo(modo) << " " << selector;
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

// El histórico tal como lo enseña su ventana: sus listados, sus esquinas y sus tablas de totales.
#include "scores/core/listado_historico.h"
#include "scores/core/totales_historico.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace zp;

// Un registro de 63 bytes con sus campos tal cual.
std::string Registro(const char* cuando, const char* n1, const char* n2, const char* n3, const char* n4,
                     int p1, int p2, int p3, int p4, char modo)
{
    char texto[80];
    std::snprintf(texto, sizeof texto, "%-12s%-9s%-9s%-9s%-9s%3d%3d%3d%3d%c\r\n", cuando, n1, n2, n3, n4, p1,
                  p2, p3, p4, modo);
    return texto;
}

std::string Parejas(const char* n1, const char* n2, const char* n3, const char* n4, int p1, int p2)
{
    return Registro("202612061937", n1, n2, n3, n4, p1, p2, 0, 0, 'P');
}

std::string Individual(const char* n1, const char* n2, const char* n3, const char* n4, int p1, int p2, int p3,
                       int p4)
{
    return Registro("202612061937", n1, n2, n3, n4, p1, p2, p3, p4, 'I');
}

std::vector<RegistroHistorico> Leer(const std::vector<std::string>& textos)
{
    std::vector<RegistroHistorico> r;
    for (const std::string& t : textos) r.push_back(LeerRegistroHistorico(t));
    return r;
}

// Una línea de las tablas como "tabla cuenta nombre[/nombre]"; una de relleno, "".
std::vector<std::string> Tablas(const std::vector<RegistroHistorico>& registros)
{
    std::vector<std::string> lineas;
    for (const auto& l : CalcularTotalesHistorico(registros)) {
        if (!l) {
            lineas.emplace_back();
            continue;
        }
        std::string t = std::to_string(int(l->Tabla)) + " " + std::to_string(l->Cuenta) + " " + l->Nombre1;
        if (TablaDeParejas(l->Tabla)) t += "/" + l->Nombre2;
        lineas.push_back(t);
    }
    return lineas;
}

std::vector<std::string> Relleno(std::vector<std::string> lineas)
{
    while (lineas.size() % 8 != 0) lineas.emplace_back();
    return lineas;
}

std::vector<std::string> Unir(std::initializer_list<std::vector<std::string>> tablas)
{
    std::vector<std::string> todas;
    for (const auto& t : tablas) todas.insert(todas.end(), t.begin(), t.end());
    return todas;
}

TEST(TotalesHistorico, cuatro_tablas_por_valor_con_paginas_enteras)
{
    // 1002 partidas de 999 puntos: un total de siete cifras va por delante de uno de seis.
    std::vector<std::string> muchas(1002, Individual("Ana", "Luis", "", "", 999, 998, -99, -99)), nueve;
    for (const char* n : {"Ana", "Bea", "Cris", "Dani", "Eva", "Fran", "Gil", "Hugo", "Ines"})
        nueve.push_back(Individual(n, "Zoe", "", "", 5, 1, -99, -99));
    const std::tuple<const char*, std::vector<std::string>, std::vector<std::string>> casos[] = {
        {"sin registros", {}, {}},
        {"una partida por parejas",
         {Parejas("Ana", "Benito", "Carmen", "Dionisio", 100, 87)},
         Unir({Relleno({"1 1 Benito", "1 1 Ana"}),
               Relleno({"2 100 Benito", "2 100 Ana", "2 87 Dionisio", "2 87 Carmen"}),
               Relleno({"3 1 Ana/Benito"}), Relleno({"4 100 Ana/Benito", "4 87 Carmen/Dionisio"})})},
        {"una partida individual entre tres",
         {Individual("Luis", "ana", "Ana", "", 120, 30, 30, -99)},
         Unir({Relleno({"1 1 Luis"}), Relleno({"2 120 Luis", "2 30 ana", "2 30 Ana"})})},
        {"varias: parejas en los dos órdenes, empates, quien nunca ganó y un -99",
         {Parejas("Ana", "Bernardo", "Carmen", "Dora", 100, 40),
          Parejas("Bernardo", "Ana", "Dora", "Carmen", 100, 0),
          Individual("Carmen", "Ana", "Pepe", "", 50, -5, 0, -99),
          Individual("Luis", "Pepe", "", "", 3, 2, -99, -99)},
         Unir({Relleno({"1 2 Bernardo", "1 2 Ana", "1 1 Carmen", "1 1 Luis"}),
               Relleno({"2 200 Bernardo", "2 195 Ana", "2 90 Carmen", "2 40 Dora", "2 3 Luis", "2 2 Pepe"}),
               Relleno({"3 2 Bernardo/Ana"}), Relleno({"4 200 Bernardo/Ana", "4 40 Dora/Carmen"})})},
        {"un registro dañado con puntos negativos cuenta por su valor",
         {Individual("Ana", "Luis", "", "", 10, -50, -99, -99),
          Individual("Luis", "Ana", "", "", 1, 0, -99, -99)},
         Unir({Relleno({"1 1 Luis", "1 1 Ana"}), Relleno({"2 10 Ana", "2 -49 Luis"})})},
        {"mil partidas: totales de siete cifras", muchas,
         Unir({Relleno({"1 1002 Ana"}), Relleno({"2 1000998 Ana", "2 999996 Luis"})})},
        // Equal counts by their names right-aligned, descending: the longer names first.
        {"nueve ganadores llenan dos páginas de la primera tabla", nueve,
         Unir({Relleno({"1 1 Ines", "1 1 Hugo", "1 1 Fran", "1 1 Dani", "1 1 Cris", "1 1 Gil", "1 1 Eva",
                        "1 1 Bea", "1 1 Ana"}),
               Relleno({"2 9 Zoe", "2 5 Ines", "2 5 Hugo", "2 5 Fran", "2 5 Dani", "2 5 Cris", "2 5 Gil",
                        "2 5 Eva", "2 5 Bea", "2 5 Ana"})})},
    };
    for (const auto& [nombre, registros, tablas] : casos) {
        SCOPED_TRACE(nombre);
        EXPECT_EQ(Tablas(Leer(registros)), tablas);
    }
}

TEST(ListadoHistorico, cada_partida_en_sus_dos_lineas_y_la_mas_nueva_primero)
{
    const std::pair<std::string, const char*> casos[] = {
        {Registro("202403052107", "Ana", "Benito", "Carmen", "Dionisio", 100, 0, 0, 0, 'P'),
         "05-03-2024|Ana y Benito|100|21:07|Carmen y Dionisio|0"},
        {Registro("202612311959", "Luis", "Ana", "Pepe", "Eva", 31, 7, -3, 12, 'I'),
         "31-12-2026|Luis     |31|19:59|Ana, Pepe, Eva|7--3-12"},
        {Registro("202612311959", "Luis", "", "Eva", "", 31, -99, 12, -99, 'I'),
         "31-12-2026|Luis     |31|19:59|Eva|12"},
        {Registro("202612311959", "Luis", "", "", "", 31, -99, -99, -99, 'I'),
         "31-12-2026|Luis     |31|19:59||"},
    };
    for (const auto& [registro, lineas] : casos) {
        const LineasPartida l = TextosPartida(LeerRegistroHistorico(registro));
        EXPECT_EQ(l.Fecha + "|" + l.Ganadores + "|" + l.PuntosGanadores + "|" + l.Hora + "|" + l.Perdedores +
                      "|" + l.PuntosPerdedores,
                  lineas);
    }

    const auto orden =
        RecientesPrimero(Leer({Registro("202612061937", "B", "", "", "", 1, -99, -99, -99, 'I'),
                               Registro("202701010000", "C", "", "", "", 1, -99, -99, -99, 'I'),
                               Registro("202612061937", "A", "", "", "", 1, -99, -99, -99, 'I'),
                               Registro("202512312359", "D", "", "", "", 1, -99, -99, -99, 'I')}));
    ASSERT_EQ(orden.size(), 4u);
    EXPECT_EQ(orden[0].Nombre1 + orden[1].Nombre1 + orden[2].Nombre1 + orden[3].Nombre1, "CBAD");
}

TEST(ListadoHistorico, las_esquinas_pasan_pagina_justo_dentro_de_sus_bordes)
{
    struct Caso
    {
        int x, y, primera, cuantas;
        EsquinaPagina esquina;
    };
    using enum EsquinaPagina;
    const Caso casos[] = {
        {352, 280, 0, 8, Ninguna},  {352, 280, 0, 9, Adelante}, {340, 273, 0, 9, Adelante},
        {365, 289, 0, 9, Adelante}, {339, 280, 0, 9, Ninguna},  {352, 272, 0, 9, Ninguna},
        {352, 290, 0, 9, Ninguna},  {352, 280, 8, 9, Ninguna},  {352, 280, 8, 17, Adelante},
        {352, 280, 8, 16, Ninguna}, {0, 273, 8, 9, Atras},      {25, 289, 8, 9, Atras},
        {26, 280, 8, 9, Ninguna},   {10, 280, 0, 9, Ninguna},   {10, 280, 0, 0, Ninguna},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message()
                     << c.x << "," << c.y << " desde " << c.primera << " de " << c.cuantas);
        EXPECT_EQ(EsquinaEn(c.x, c.y, c.primera, c.cuantas), c.esquina);
    }
}

} // namespace

#include "scores/core/historico.h"
#include "tests/soporte/carpeta_temporal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

using namespace zp;

const FechaHoraLocal kCuando{2026, 12, 6, 19, 37};

ResumenPartida Parejas(Entero ganador, Entero total1, Entero total2)
{
    ResumenPartida r;
    r.ModoJuego = Modalidad::Parejas;
    r.Ganador = ganador;
    r.NombreJugador = {"", "Ana", "Benito", "Carmen", "Dionisio"};
    r.EstadoJugador.fill(EstadoAsiento::Activado);
    r.TotalPareja1 = total1;
    r.TotalPareja2 = total2;
    return r;
}

ResumenPartida Individual(Entero ganador, std::array<Entero, 5> puntos, std::array<Entero, 5> estado)
{
    ResumenPartida r;
    r.ModoJuego = Modalidad::Individual;
    r.Ganador = ganador;
    r.NombreJugador = {"", "Ana", "Benito", "Carmen", "Dionisio"};
    for (std::size_t p = 0; p < estado.size(); ++p)
        r.EstadoJugador[p] = static_cast<EstadoAsiento>(estado[p]);
    r.PuntosJugador = puntos;
    return r;
}

TEST(RegistroHistorico, cada_partida_da_sus_63_bytes_exactos)
{
    const std::tuple<const char*, ResumenPartida, std::string> casos[] = {
        {"gana la pareja 2: asientos 1 y 3 delante", Parejas(2, 87, 100),
         "202612061937Ana      Carmen   Benito   Dionisio 100 87  0  0P\r\n"},
        {"gana la pareja 1: asientos 2 y 4 delante", Parejas(1, 150, 20),
         "202612061937Benito   Dionisio Ana      Carmen   150 20  0  0P\r\n"},
        {"totales 999 y 0", Parejas(1, 999, 0),
         "202612061937Benito   Dionisio Ana      Carmen   999  0  0  0P\r\n"},
        {"un total fuera de rango no ensancha el campo", Parejas(2, -5, 1200),
         "202612061937Ana      Carmen   Benito   Dionisio 999 -5  0  0P\r\n"},
        {"individual entre tres: el asiento sin jugar lleva -99 y sin nombre",
         Individual(4, {0, 50, 30, 0, 120}, {0, 1, 1, 0, 1}),
         "202612061937Dionisio Ana      Benito            120 50 30-99I\r\n"},
        {"individual entre cuatro: el ganador delante, los demás por asiento",
         Individual(2, {0, 10, 200, 0, 45}, {0, 1, 1, 1, 1}),
         "202612061937Benito   Ana      Carmen   Dionisio 200 10  0 45I\r\n"},
        {"individual sin ganador válido: el mejor total de los que jugaron",
         Individual(0, {0, 50, 30, 400, 120}, {0, 1, 1, 0, 1}),
         "202612061937Dionisio Ana      Benito            120 50 30-99I\r\n"},
        {"individual entre dos", Individual(1, {0, 101, 0, 0, 99}, {0, 1, 0, 0, 1}),
         "202612061937Ana                        Dionisio 101-99-99 99I\r\n"},
    };
    for (const auto& [nombre, partida, registro] : casos) {
        SCOPED_TRACE(nombre);
        EXPECT_EQ(FormarRegistroHistorico(partida, kCuando), registro);
    }
}

TEST(RegistroHistorico, los_nombres_ocupan_nueve_bytes_justos)
{
    // Seat 1's name as the settings hold it, what its field holds in the file and what a reader gets back.
    const std::tuple<const char*, std::string, std::string> casos[] = {
        {"Maximilia", "Maximilia", "Maximilia"},   {"Bartolomeo Ruiz", "Bartolome", "Bartolome"},
        {"Íñigo", "\xCD\xF1igo    ", "Íñigo"},     {"Ñoñoñoñoñoño", "\xD1o\xF1o\xF1o\xF1o\xF1", "Ñoñoñoñoñ"},
        {"Zoë €", "Zo\xEB \x80    ", "Zoë €"},     {"", "         ", ""},
        {"Ana\r\nLuis", "Ana  Luis", "Ana  Luis"}, // a line break would split the record
    };
    for (const auto& [nombre, campo, leido] : casos) {
        SCOPED_TRACE(nombre);
        ResumenPartida p = Parejas(2, 100, 87);
        p.NombreJugador[1] = nombre;
        const std::string r = FormarRegistroHistorico(p, kCuando);
        ASSERT_EQ(r.size(), 63u);
        EXPECT_EQ(r.substr(12, 9), campo);
        EXPECT_EQ(LeerRegistroHistorico(r).Nombre1, leido);
    }
}

// Every field of a record read back, one after another.
std::string Campos(const RegistroHistorico& r)
{
    return r.Fecha + "|" + r.Hora + "|" + r.Nombre1 + "|" + r.Nombre2 + "|" + r.Nombre3 + "|" + r.Nombre4 +
           "|" + std::to_string(r.Puntos1) + "|" + std::to_string(r.Puntos2) + "|" +
           std::to_string(r.Puntos3) + "|" + std::to_string(r.Puntos4) + "|" + r.Modo;
}

TEST(RegistroHistorico, solo_la_p_mayuscula_es_partida_por_parejas)
{
    const std::string base = "202612061937Ana      Carmen   Benito   Dionisio 100 87  0  0";
    EXPECT_TRUE(LeerRegistroHistorico(base + "P\r\n").EnParejas());
    EXPECT_FALSE(LeerRegistroHistorico(base + "p\r\n").EnParejas());
    EXPECT_FALSE(LeerRegistroHistorico(base + "I\r\n").EnParejas());
    EXPECT_FALSE(LeerRegistroHistorico(base).EnParejas()); // cut short: no mode at all
}

TEST(RegistroHistorico, los_puntos_se_leen_por_su_valor)
{
    const std::pair<const char*, int> casos[] = {
        {"100", 100}, {" 87", 87}, {"  0", 0}, {"999", 999}, {"-99", -99}, {"   ", 0}, {"", 0},
        {"7  ", 7},   {"12x", 12}, {"x12", 0}, {"- 5", 0},   {" -5", -5},  {"+5 ", 0},
    };
    for (const auto& [campo, valor] : casos) EXPECT_EQ(LeerPuntosHistorico(campo), valor) << campo;
}

class FicheroHistorico : public ::testing::Test, protected prueba::CarpetaTemporal
{
protected:
    std::string Leer() const { return CarpetaTemporal::Leer(kFicheroHistorico); }
    void Escribir(const std::string& bytes) const { CarpetaTemporal::Escribir(kFicheroHistorico, bytes); }
};

TEST_F(FicheroHistorico, cada_partida_se_anade_al_final_y_se_lee_campo_a_campo)
{
    ASSERT_FALSE(AnadirRegistroHistorico(carpeta, Parejas(2, 87, 100), kCuando));
    EXPECT_EQ(Leer(), "202612061937Ana      Carmen   Benito   Dionisio 100 87  0  0P\r\n");
    EXPECT_FALSE(Existe("ZARPE33.HIS.tmp"));
    // Two in the same minute are two records.
    for (const FechaHoraLocal cuando : {FechaHoraLocal{2027, 1, 5, 3, 7}, FechaHoraLocal{2027, 1, 5, 3, 7}})
        ASSERT_FALSE(
            AnadirRegistroHistorico(carpeta, Individual(4, {0, 50, 30, 0, 120}, {0, 1, 1, 0, 1}), cuando));
    const auto registros = LeerHistorico(carpeta);
    ASSERT_EQ(registros.size(), 3u);
    EXPECT_EQ(Campos(registros[0]), "20261206|1937|Ana|Carmen|Benito|Dionisio|100|87|0|0|P");
    EXPECT_TRUE(registros[0].EnParejas());
    EXPECT_EQ(Campos(registros[2]), "20270105|0307|Dionisio|Ana|Benito||120|50|30|-99|I");
    EXPECT_EQ(registros[2].Texto, "202701050307Dionisio Ana      Benito            120 50 30-99I\r\n");
}

TEST_F(FicheroHistorico, solo_se_leen_los_registros_enteros_y_un_trozo_corto_o_danado_se_salta)
{
    const std::string a = "202612061937Ana      Carmen   Benito   Dionisio 100 87  0  0P\r\n";
    const std::string b = "202612062002Dionisio Ana      Benito            120 50 30-99I\r\n";
    // No bytes: no file at all.
    const std::tuple<const char*, std::optional<std::string>, std::vector<std::string>> casos[] = {
        {"fichero ausente", std::nullopt, {}},
        {"fichero vacío", "", {}},
        {"un trozo menor que un registro", "202612061937Ana      Car", {}},
        {"62 bytes: falta el salto de línea final", a.substr(0, 62), {}},
        {"registro corto en medio", a + "2026120619Ana  87\r\n" + b, {a, b}},
        {"registro largo en medio", a + a.substr(0, 61) + "  xx\r\n" + b, {a, b}},
        // A copy made on another system: LF alone ends a record as well, read as if it were CR LF.
        {"registro con solo LF en medio", a + a.substr(0, 61) + "\n" + b, {a, a, b}},
        {"todos con solo LF", a.substr(0, 61) + "\n" + b.substr(0, 61) + "\n", {a, b}},
        {"un byte de más antes del LF", a + a.substr(0, 61) + " \n" + b, {a, b}},
        {"un byte de menos antes del LF", a + a.substr(0, 60) + "\n" + b, {a, b}},
        {"registro con un CR suelto dentro", a + a.substr(0, 30) + "\r" + a.substr(31) + b, {a, b}},
        {"una línea vacía en medio", a + "\r\n" + b, {a, b}},
        {"ceros de un corte de luz al final", a + b + std::string(40, '\0'), {a, b}},
        {"final sin su salto de línea", a + b + b.substr(0, 61), {a, b}},
    };
    for (const auto& [nombre, bytes, registros] : casos) {
        SCOPED_TRACE(nombre);
        std::filesystem::remove(carpeta + kFicheroHistorico);
        if (bytes) Escribir(*bytes);
        std::vector<std::string> leidos;
        for (const RegistroHistorico& r : LeerHistorico(carpeta)) leidos.push_back(r.Texto);
        EXPECT_EQ(leidos, registros);
    }
}

TEST_F(FicheroHistorico, anadir_tras_un_final_danado_no_pierde_nada_ni_desplaza_el_registro_nuevo)
{
    const std::string primero = "202612061937Ana      Carmen   Benito   Dionisio 100 87  0  0P\r\n";
    const std::string nuevo = "202612070905Benito   Dionisio Ana      Carmen   999  0  0  0P\r\n";
    const std::tuple<const char*, std::string, std::string, std::size_t> casos[] = {
        {"un trozo de registro al final", primero + "2026120619", primero + "2026120619\r\n" + nuevo, 2},
        {"un registro al que le falta el salto de línea", primero.substr(0, 61), primero + nuevo, 2},
        {"un registro corto en medio", "2026\r\n" + primero, "2026\r\n" + primero + nuevo, 2},
    };
    for (const auto& [nombre, antes, despues, cuantos] : casos) {
        SCOPED_TRACE(nombre);
        Escribir(antes);
        ASSERT_FALSE(AnadirRegistroHistorico(carpeta, Parejas(1, 999, 0), {2026, 12, 7, 9, 5}));
        EXPECT_EQ(Leer(), despues);
        const auto registros = LeerHistorico(carpeta);
        ASSERT_EQ(registros.size(), cuantos);
        EXPECT_EQ(registros.back().Texto, nuevo);
    }
}

TEST_F(FicheroHistorico, un_registro_editado_a_mano_se_lee_sin_fallar)
{
    // Spaces for points, odd characters in the date: read as stored, never refused.
    const std::string raro = std::string("20xx1206    Ana      Carmen   Benito   Dionisio ") + "   " + "  -" +
                             " ab" + "   " + "?\r\n";
    ASSERT_EQ(raro.size(), 63u);
    Escribir(raro + std::string("\x00\xFF\x81\x90", 4) + std::string(59, '\x9D'));
    const auto registros = LeerHistorico(carpeta);
    ASSERT_EQ(registros.size(), 1u);
    EXPECT_EQ(Campos(registros[0]), "20xx1206|    |Ana|Carmen|Benito|Dionisio|0|0|0|0|?");
}

// A missing folder, or a folder where the file should be: the append fails and what is there stays.
TEST_F(FicheroHistorico, un_historico_que_no_se_puede_escribir_devuelve_el_error_y_no_se_reemplaza)
{
    EXPECT_TRUE(AnadirRegistroHistorico(carpeta + "no_existe/", Parejas(2, 87, 100), kCuando));
    EXPECT_FALSE(Existe("no_existe"));
    std::filesystem::create_directory(carpeta + kFicheroHistorico);
    EXPECT_TRUE(AnadirRegistroHistorico(carpeta, Parejas(2, 87, 100), kCuando));
    EXPECT_TRUE(std::filesystem::is_directory(carpeta + kFicheroHistorico));
    EXPECT_FALSE(Existe("ZARPE33.HIS.tmp"));
    EXPECT_TRUE(LeerHistorico(carpeta).empty());
}

} // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/arranque.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/carpeta_temporal.h"

namespace zp {
namespace {

namespace fs = std::filesystem;

TEST(Arranque, se_trabaja_en_la_carpeta_del_programa_si_se_puede_escribir_y_si_no_en_una_copia_del_usuario)
{
    const prueba::CarpetaTemporal t;
    const fs::path programa = t.carpeta + "programa", usuario = t.carpeta + "datos/Zpb";
    fs::create_directories(programa);
    EXPECT_EQ(PrepararCarpetaTrabajo(programa, usuario), programa.string() + "/");
    EXPECT_FALSE(fs::exists(programa / "CSCD.WRK")) << "the probe file is not left behind";
    EXPECT_FALSE(fs::exists(usuario));

    // A folder where the probe file cannot be created, whoever runs the test: the settings and the history
    // are copied the first time, and never again.
    fs::create_directories(programa / "CSCD.WRK");
    t.Escribir("programa/ZARPE33.INI", "ajustes de fábrica");
    t.Escribir("programa/ZARPE33.HIS", "historico");
    EXPECT_EQ(PrepararCarpetaTrabajo(programa, usuario), usuario.string() + "/");
    EXPECT_EQ(t.Leer("datos/Zpb/ZARPE33.INI") + t.Leer("datos/Zpb/ZARPE33.HIS"),
              "ajustes de fábricahistorico");
    t.Escribir("datos/Zpb/ZARPE33.INI", "ajustes del usuario");
    fs::remove(usuario / "ZARPE33.HIS");
    EXPECT_EQ(PrepararCarpetaTrabajo(programa, usuario), usuario.string() + "/");
    EXPECT_EQ(t.Leer("datos/Zpb/ZARPE33.INI"), "ajustes del usuario");
    EXPECT_FALSE(t.Existe("datos/Zpb/ZARPE33.HIS"));
}

TEST(Arranque, una_pantalla_de_menos_de_800_puntos_pregunta_y_la_mesa_pasa_a_800x600)
{
    // The screen, the answer, where the match is left; whether the program ends, the table and the boxes.
    const std::string r = "Resolución de pantalla", c = "Cambio de resolución de pantalla";
    const std::tuple<int, int, bool, std::string, bool, int, int, std::vector<std::string>> casos[] = {
        {800, 600, true, "", false, 800, 600, {}},
        {1000, 750, true, "", false, 1000, 750, {}},
        {799, 600, true, "", false, 800, 600, {r, c}},
        {640, 480, false, "", true, 640, 480, {r}},
        {99, 80, true, "", false, 800, 600, {r, c}},
        {640, 480, true, "Mensaje Resolución de pantalla", true, 640, 480, {r}},
        {640, 480, true, "Mensaje Cambio de resolución de pantalla", true, 640, 480, {r, c}}};
    for (const auto& [ancho, alto, acepta, abandonaEn, sale, anchoMesa, altoMesa, vistos] : casos) {
        SCOPED_TRACE(std::to_string(ancho) + abandonaEn);
        Banco b;
        b.usuario.RespuestasMensaje = {acepta};
        b.usuario.AbandonarEn = abandonaEn;
        const ResultadoPantalla p = ComprobarPantalla(b.usuario, ancho, alto);
        EXPECT_EQ((std::tuple{p.Salir, p.Ancho, p.Alto}), (std::tuple{sale, anchoMesa, altoMesa}));
        std::vector<std::string> titulos;
        for (const auto& m : b.usuario.Mensajes) titulos.push_back(m.titulo);
        EXPECT_EQ(titulos, vistos);
        if (titulos.empty()) continue;
        EXPECT_EQ(b.usuario.Mensajes[0].botones, 2);
        char resolucion[16];
        std::snprintf(resolucion, sizeof resolucion, "(%3dx%3d)", ancho, alto);
        EXPECT_NE(b.usuario.Mensajes[0].texto.find(resolucion), std::string::npos);
    }
}

TEST(Arranque, el_arranque_prepara_la_mesa_en_orden_y_sin_mano_en_curso_no_juega)
{
    const prueba::CarpetaTemporal t;
    Banco b;
    const Preparacion p = PrepararArranque(b.mesa, b.usuario, {t.carpeta, t.carpeta + "usuario", 1000, 750});
    EXPECT_EQ((std::tuple{p.Salir, p.CarpetaDatos, p.AnchoPantalla, p.AltoPantalla}),
              (std::tuple{false, t.carpeta, 1000, 750}));

    b.almacen.Avisos = {{"Error en la carga de datos iniciales", "El fichero no se ha podido leer.", 3}};
    b.almacen.AlCargar = [&] {
        b.a.SentidoJuego = Sentido::Inverso;
        b.a.JuegoEnRed = true;
        b.e.GrabadoraActiva = true;
    };
    const ResultadoPartida r = Main(b.c);
    EXPECT_EQ(r.Fin, FinPartida::SinPartida);
    EXPECT_EQ(r.Siguiente, Peticion::Ninguna);
    const std::vector<std::string> esperado = {
        "MostrarCareta",        "Mensaje Error en la carga de datos iniciales",
        "DisponerMesa 800x600", "PintarGrabadora",
        "PintarFondo",          "DibujarMarcadorMesa",
        "CerrarCareta",         "MostrarMesa",
        "Mensaje ZARPELON",     "AnularZonaPuntero"};
    EXPECT_EQ(b.mesa.Llamadas, esperado);
    EXPECT_EQ(b.usuario.Mensajes[0].botones, 1);
    EXPECT_EQ(b.almacen.Etiquetas, 1);
    EXPECT_EQ(b.e.PasoTurno, -1);
    EXPECT_FALSE(b.a.JuegoEnRed);
    EXPECT_FALSE(b.e.GrabadoraActiva);
}

TEST(Arranque, sin_partida_guardada_no_se_juega_ni_se_toca_el_turno_y_con_letra_grande_se_avisa)
{
    for (const int caso : {0, 1, 2}) {
        SCOPED_TRACE(caso);
        Banco b;
        b.mesa.Grande = caso == 0;
        b.e.PartidaEnCurso = caso == 1; // left from before, with nothing loaded
        if (caso == 2) {
            b.almacen.AlCargar = [&] {
                b.e.ManoEnCurso = true;
                b.e.PartidaEnCurso = false;
                b.e.JugadorTurno = 3;
                b.e.NumeroJugada = 12;
            };
        }
        EXPECT_EQ(Main(b.c).Fin, FinPartida::SinPartida);
        EXPECT_EQ(b.usuario.Mensajes.size(), caso == 0 ? 2u : 1u);
        EXPECT_EQ(b.usuario.Mensajes.back().titulo, caso == 0 ? "Tamaño de letra" : "ZARPELON");
        EXPECT_FALSE(b.e.PartidaEnCurso);
        EXPECT_EQ(b.e.JugadorTurno * 100 + b.e.NumeroJugada, caso == 2 ? 312 : 0);
    }
}

} // namespace
} // namespace zp

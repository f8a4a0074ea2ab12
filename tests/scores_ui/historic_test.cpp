#include "common/imagen_referencia.h"
#include "comun_puntuacion.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"
#include "scores/core/historico.h"
#include "scores/historic.h"

#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using zp::historic;

const QPoint kAdelante(352, 280);
const QPoint kAtras(10, 280);

class Historico : public prueba::VentanaPuntuacion
{
protected:
    std::string Carpeta() const { return dir.path().toStdString() + "/"; }

    // n partidas, la i-ésima terminada el día i de enero a las hh:mm de i; en el fichero, en orden inverso
    // al del tiempo para que el orden lo dé la fecha. Las pares por parejas, las impares en individual.
    // `finDeLinea` ends every record: CR LF as this program writes them, or LF alone in a copy made on
    // another system.
    void Escribir(int n, const char* finDeLinea = "\r\n")
    {
        std::ofstream f(Carpeta() + "ZARPE33.HIS", std::ios::binary);
        for (int i = n; i >= 1; --i) {
            char r[128];
            if (i % 2 == 0)
                std::snprintf(r, sizeof r,
                              "202701%02d%02d%02dAna%-6dBenito   Carmen   Dionisio %3d%3d  0  0P%s", i,
                              i % 24, i, i, 100 + i, i, finDeLinea);
            else
                std::snprintf(r, sizeof r,
                              "202701%02d%02d%02dLuis%-5dAna               Eva      %3d%3d-99%3dI%s", i,
                              i % 24, i, i, 50 + i, i, 3, finDeLinea);
            f << r;
        }
    }

    // Fechas de las partidas que enseña la página ("dd-01-2027").
    static std::vector<std::string> Fechas(const historic& h)
    {
        std::vector<std::string> fechas;
        for (const zp::TextoImpreso& t : h.TextosPagina())
            if (t.x == 22) fechas.push_back(t.texto.left(2).toStdString());
        return fechas;
    }

    static void Pulsar(historic& h, QPoint donde)
    {
        QTest::mousePress(h.Pic_Carpeta, Qt::LeftButton, {}, donde);
    }

    QTemporaryDir dir;
};

TEST_F(Historico, la_mas_nueva_primero_y_las_esquinas_pasan_pagina_solo_si_la_hay)
{
    const std::tuple<int, std::vector<QPoint>, int, std::vector<std::string>> casos[] = {
        {0, {kAdelante, kAtras}, 0, {}},
        {8, {kAdelante}, 0, {"08", "07", "06", "05", "04", "03", "02", "01"}},
        {9, {kAdelante, kAdelante}, 8, {"01"}},
        {9, {kAdelante, kAtras}, 0, {"09", "08", "07", "06", "05", "04", "03", "02"}},
        {17, {kAdelante, kAdelante}, 16, {"01"}},
    };
    for (const auto& [partidas, pulsaciones, primera, fechas] : casos) {
        SCOPED_TRACE(testing::Message() << partidas << " partidas, " << pulsaciones.size() << " pulsaciones");
        Escribir(partidas);
        historic h(Carpeta());
        for (QPoint p : pulsaciones) Pulsar(h, p);
        EXPECT_EQ(h.PrimeraLinea(), primera);
        EXPECT_EQ(Fechas(h), fechas);
    }
}

// The hand over a corner only where it turns a page; turned forward, the corner has nothing more to show.
TEST_F(Historico, la_mano_aparece_solo_sobre_una_esquina_que_pasa_pagina)
{
    Escribir(9);
    historic h(Carpeta());
    h.show(); // the pointer moves over a window on the screen
    for (const auto& [donde, mano] : {std::pair{kAtras, false}, {kAdelante, true}}) {
        QTest::mouseMove(h.Pic_Carpeta, QPoint(200, 100));
        QTest::mouseMove(h.Pic_Carpeta, donde);
        EXPECT_EQ(zp::CursorDe(h.Pic_Carpeta) == QStringLiteral("manoindice"), mano) << donde.x();
    }
    Pulsar(h, kAdelante);
    EXPECT_EQ(zp::PunteroDe(h.Pic_Carpeta), zp::kPunteroNormal);
}

TEST_F(Historico, los_totales_se_hojean_tabla_a_tabla)
{
    Escribir(9);
    historic h(Carpeta());
    EXPECT_EQ(h.AyudaActual(), 2183);
    QTest::mousePress(h.Pic_BotHisTt, Qt::LeftButton, {}, QPoint(25, 25));
    ASSERT_TRUE(h.VistaTotales());
    EXPECT_FALSE(h.Pic_BotHisTt->isVisibleTo(&h));
    EXPECT_EQ(h.AyudaActual(), 2185);

    // Ten winners and fourteen players take two pages each; the four pairs and the five one each.
    std::vector<QString> titulos;
    for (int pagina = 0; pagina < 6; ++pagina) {
        ASSERT_FALSE(h.TextosPagina().empty());
        titulos.push_back(h.TextosPagina().front().texto);
        Pulsar(h, kAdelante);
    }
    const std::vector<QString> esperados = {"Partidas ganadas por jugador", "Partidas ganadas por jugador",
                                            "Puntos obtenidos por jugador", "Puntos obtenidos por jugador",
                                            "Partidas ganadas por pareja",  "Puntos obtenidos por pareja"};
    EXPECT_EQ(titulos, esperados);
    EXPECT_EQ(h.PrimeraLinea(), 40);
    Pulsar(h, kAtras);
    EXPECT_EQ(h.PrimeraLinea(), 32);
}

// A history copied from another system, with LF alone at the end of its lines, shows as one written here;
// the next match appended to it shows beside its records.
TEST_F(Historico, un_historico_con_saltos_de_linea_de_otro_sistema_se_ve_entero)
{
    const auto vista = [this] {
        historic h(Carpeta());
        std::vector<QString> textos;
        for (int pagina = 0; pagina < 3; ++pagina, Pulsar(h, kAdelante))
            for (const zp::TextoImpreso& t : h.TextosPagina()) textos.push_back(t.texto);
        const bool totalesUsables = zp::PunteroDe(h.Pic_BotHisTt) != zp::kPunteroProhibido;
        QTest::mousePress(h.Pic_BotHisTt, Qt::LeftButton, {}, QPoint(25, 25));
        for (int pagina = 0; pagina < 8; ++pagina, Pulsar(h, kAdelante))
            for (const zp::TextoImpreso& t : h.TextosPagina()) textos.push_back(t.texto);
        return std::pair{textos, totalesUsables};
    };
    Escribir(21);
    const auto [comoAqui, totalesAqui] = vista();
    ASSERT_TRUE(totalesAqui);
    Escribir(21, "\n");
    const auto [conLF, totalesLF] = vista();
    EXPECT_TRUE(totalesLF) << "los totales responden";
    EXPECT_EQ(conLF, comoAqui);
    {
        historic h(Carpeta());
        EXPECT_EQ(Fechas(h), (std::vector<std::string>{"21", "20", "19", "18", "17", "16", "15", "14"}));
    }

    zp::ResumenPartida partida;
    partida.ModoJuego = zp::Modalidad::Parejas;
    partida.Ganador = 1;
    partida.NombreJugador = {"", "Ana", "Benito", "Carmen", "Dionisio"};
    partida.EstadoJugador.fill(zp::EstadoAsiento::Activado);
    ASSERT_FALSE(zp::AnadirRegistroHistorico(Carpeta(), partida, {2027, 1, 30, 12, 0}));
    historic h(Carpeta());
    EXPECT_EQ(Fechas(h), (std::vector<std::string>{"30", "21", "20", "19", "18", "17", "16", "15"}));
    Pulsar(h, kAdelante);
    Pulsar(h, kAdelante);
    EXPECT_EQ(Fechas(h), (std::vector<std::string>{"06", "05", "04", "03", "02", "01"}));
}

TEST_F(Historico, sin_partidas_el_boton_de_totales_no_hace_nada)
{
    historic h(Carpeta());
    EXPECT_EQ(zp::PunteroDe(h.Pic_BotHisTt), zp::kPunteroProhibido);
    QTest::mousePress(h.Pic_BotHisTt, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_FALSE(h.VistaTotales());
    EXPECT_TRUE(h.Pic_BotHisTt->isVisibleTo(&h));
    ASSERT_EQ(h.TextosPagina().size(), 1u); // the heading alone
}

TEST_F(Historico, lo_que_se_ve_de_cada_vista)
{
    Escribir(9);
    historic h(Carpeta());
    EXPECT_EQ(h.GeometriaLogica(), QRect(158, 68, 483, 463));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(h.grab().toImage(), "historico_listado"));
    QTest::mousePress(h.Pic_BotHisTt, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(h.grab().toImage(), "historico_totales"));
}

} // namespace

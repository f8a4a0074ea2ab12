// El panel de turno de una partida en red: encima del botón Continuar, azul para los demás asientos y verde
// y parpadeante para el de este ordenador, con el nombre de quien juega y el tiempo que lleva la espera.
#include "engine/redondeo.h"
#include "platform/virtual_screen.h"
#include "table/panel_turno.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(PanelTurno, ElTiempoDeEsperaEnMinutosYSegundos)
{
    const std::pair<int, const char*> casos[] = {
        {0, "0:00"},    {7, "0:07"},     {59, "0:59"},    {60, "1:00"},
        {765, "12:45"}, {3599, "59:59"}, {3600, "60:00"}, {6000, "100:00"},
    };
    for (const auto& [segundos, texto] : casos)
        EXPECT_EQ(TextoTiempoEspera(segundos), QString::fromUtf8(texto));
}

struct PanelPrueba : ::testing::Test
{
    void SetUp() override
    {
        setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
        panel.setSurface(Surface(79, 66));
        panel.hide();
        e.PartidaEnCurso = true;
        a.Jugador[2].NombreJugador = "Ana";
        a.Jugador[4].NombreJugador = "Sur";
    }
    int Amarillos() const
    {
        int n = 0;
        for (int y = 0; y < 66; ++y)
            for (int x = 0; x < 79; ++x)
                if (panel.surface().pixel(x, y) == qRgb(255, 255, 0)) ++n;
        return n;
    }
    // Columns where yellow shows in rows y..y+13.
    std::pair<int, int> Columnas(int y) const
    {
        int izq = 79, der = -1;
        for (int yy = y; yy < y + 14; ++yy)
            for (int x = 0; x < 79; ++x)
                if (panel.surface().pixel(x, yy) == qRgb(255, 255, 0)) {
                    izq = std::min(izq, x);
                    der = std::max(der, x);
                }
        return {izq, der};
    }

    PictureBox panel;
    EstadoJuego e;
    Ajustes a;
    EstadoMesa m;
};

TEST_F(PanelPrueba, EncimaDelBotonContinuarAzulParaOtroAsientoVerdeParaEste)
{
    struct Caso
    {
        Entero turno;
        QRgb fondo, borde;
    };
    const Caso casos[] = {{2, qRgb(0, 0, 128), qRgb(0, 255, 255)}, {4, qRgb(0, 128, 0), qRgb(0, 255, 0)}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.turno);
        e.JugadorTurno = c.turno;
        DibujarEsperandoJugada(panel, e, a, m, 499, 5, 0.5);
        EXPECT_EQ(panel.logicalGeometry(), QRect(6, 484, 79, 66));
        EXPECT_FALSE(panel.isHidden());
        EXPECT_EQ(m.ZonaAncho, 79);
        EXPECT_EQ(m.ZonaAlto, 66);
        const Surface& s = panel.surface();
        EXPECT_EQ(s.pixel(3, 62), c.fondo);
        EXPECT_EQ(s.pixel(78, 30), c.borde); // right and bottom edges
        EXPECT_EQ(s.pixel(40, 65), c.borde);
        EXPECT_EQ(s.pixel(40, 0), qRgb(0, 0, 0)); // top and left edges in shadow
        EXPECT_EQ(s.pixel(0, 30), qRgb(0, 0, 0));
    }
}

TEST_F(PanelPrueba, LosTextosNombranAlJugadorYElTiempoCentrados)
{
    e.JugadorTurno = 2;
    a.Jugador[2].NombreJugador = " Ana ";
    DibujarEsperandoJugada(panel, e, a, m, 499, 75, 0.5);
    // The panel as it should look: box, edges, "Esperando" at (10, 2), "jugada  de" at (12, 17), the name
    // and the time waited centred at 32 and 47.
    Surface esperado(79, 66);
    esperado.fillBox(0, 0, 79, 66, qRgb(0, 0, 128));
    esperado.box(0, 0, 78, 65, qRgb(0, 255, 255));
    esperado.line(0, 0, 79, 0, qRgb(0, 0, 0));
    esperado.line(0, 0, 0, 66, qRgb(0, 0, 0));
    const FontSpec f = FuenteMesa(12, true);
    const QRgb amarillo = qRgb(255, 255, 0);
    esperado.text(10, 2, QStringLiteral("Esperando"), f, amarillo);
    esperado.text(12, 17, QStringLiteral("jugada  de"), f, amarillo);
    for (const auto& [texto, y] :
         {std::pair{QStringLiteral("Ana"), 32}, std::pair{QStringLiteral("1:15"), 47}})
        esperado.text(RedondearAPar((79 - textWidth(texto, f)) / 2.0), y, texto, f, amarillo);
    EXPECT_EQ(panel.surface().image(), esperado.image());
    // Centred: as much room on each side of the ink, give or take the glyphs' own bearings.
    const auto [izq, der] = Columnas(47);
    EXPECT_LE(std::abs(izq - (78 - der)), 3);
}

TEST_F(PanelPrueba, ElDeEsteOrdenadorParpadeaElPrimerQuintoDeCadaSegundo)
{
    struct Caso
    {
        Entero turno;
        double fraccion;
        bool textos;
    };
    const Caso casos[] = {{4, 0.1, false}, {4, 0.2, false}, {4, 0.21, true}, {4, 0.9, true},
                          {2, 0.1, true},  {2, 0.2, true},  {1, 0.0, true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.turno) + " " + std::to_string(c.fraccion));
        e.JugadorTurno = c.turno;
        DibujarEsperandoJugada(panel, e, a, m, 499, 12, c.fraccion);
        EXPECT_EQ(Amarillos() > 0, c.textos);
        EXPECT_FALSE(panel.isHidden()); // shown also without its texts
    }
}

TEST_F(PanelPrueba, SinPartidaNiSeMueveNiSePinta)
{
    e.PartidaEnCurso = false;
    e.JugadorTurno = 2;
    m.ZonaAncho = 5;
    m.ZonaAlto = 6;
    panel.setLogicalGeometry(QRect(1, 2, 79, 66));
    DibujarEsperandoJugada(panel, e, a, m, 499, 12, 0.5);
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(panel.logicalGeometry().topLeft(), QPoint(1, 2));
    EXPECT_EQ(m.ZonaAncho, 5);
    EXPECT_EQ(m.ZonaAlto, 6);
    EXPECT_EQ(Amarillos(), 0);
}

} // namespace
} // namespace zp

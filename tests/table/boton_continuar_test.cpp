// El botón Continuar: sus dos líneas dicen de quién es la jugada, centradas en amarillo sobre su dibujo;
// un cliente de red no lo ve durante una mano; con la grabadora encendida el puntero dice que no se usa.
#include "assets/recursos.h"
#include "engine/redondeo.h"
#include "kit/cursores.h"
#include "platform/virtual_screen.h"
#include "table/boton_continuar.h"
#include "table/lienzo_mesa.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct BotonPrueba : ::testing::Test
{
    void SetUp() override
    {
        setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
        hojas = CargarHojasMesa();
        boton.setSurface(Surface(86, 36));
        a.Jugador[1].NombreJugador = "Lucía";
        a.Jugador[2].NombreJugador = "  Ana  ";
        a.Jugador[4].NombreJugador = "Sur";
        a.Jugador[4].ControlJugador = Control::Manual;
        a.Jugador[3].ControlJugador = Control::Remoto;
    }

    // What the button should show: its picture with each line centred, in yellow, at its height.
    Surface Esperado(bool pulsado, const QString& l1, int y1, const QString& l2 = {})
    {
        const auto d =
            pulsado ? recursos::bmpvario::BotonContinuarPulsado : recursos::bmpvario::BotonContinuar;
        Surface s(86, 36);
        s.blit(0, 0, 86, 36, hojas.Pic_BmpVario, d.x, d.y);
        const FontSpec f = FuenteMesa(12, true);
        s.text(RedondearAPar((86 - textWidth(l1, f)) / 2.0), y1, l1, f, qRgb(255, 255, 0));
        if (!l2.isEmpty()) s.text(RedondearAPar((86 - textWidth(l2, f)) / 2.0), 18, l2, f, qRgb(255, 255, 0));
        return s;
    }

    HojasMesa hojas;
    PictureBox boton;
    EstadoJuego e;
    Ajustes a;
};

TEST_F(BotonPrueba, ElRotuloDiceDeQuienEsLaJugada)
{
    struct Caso
    {
        const char* nombre;
        bool mano;
        Entero turno;
        QString linea1, linea2;
        int arriba;
    };
    const Caso casos[] = {
        {"entre manos: una sola línea, más abajo", false, 4, "Continuar", "", 10},
        {"asiento manual: su nombre y automático", true, 4, "Sur", "automático", 3},
        {"asiento automático: Juega y su nombre", true, 1, "Juega", "Lucía", 3},
        {"asiento remoto: Juega y su nombre", true, 3, "Juega", "Jugador3", 3},
        {"los blancos de un nombre no cuentan al centrarlo", true, 2, "Juega", "Ana", 3},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e.ManoEnCurso = c.mano;
        e.JugadorTurno = c.turno;
        e.EsperaContinuar = false;
        boton.hide();
        DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, kBotonSuelto);
        EXPECT_EQ(boton.surface().image(), Esperado(false, c.linea1, c.arriba, c.linea2).image());
        EXPECT_FALSE(boton.isHidden());
        EXPECT_TRUE(e.EsperaContinuar);
    }
}

TEST_F(BotonPrueba, PulsadoMuestraSuOtroDibujo)
{
    e.ManoEnCurso = false;
    for (Entero estado : {Entero(0), Entero(1), Entero(2), Entero(3)}) {
        SCOPED_TRACE(estado);
        DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, estado);
        EXPECT_EQ(boton.surface().image(), Esperado(estado == kBotonPulsado, "Continuar", 10).image());
    }
}

TEST_F(BotonPrueba, UnClienteDeRedNoTieneBotonDuranteLaMano)
{
    a.JuegoEnRed = true;
    a.ModoRed = PapelRed::Cliente;
    e.ManoEnCurso = true;
    e.JugadorTurno = 4;
    boton.hide();
    DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, kBotonSuelto);
    EXPECT_TRUE(boton.isHidden());
    EXPECT_FALSE(e.EsperaContinuar);

    e.ManoEnCurso = false; // between hands it is there for the client too
    DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, kBotonSuelto);
    EXPECT_FALSE(boton.isHidden());
    EXPECT_TRUE(e.EsperaContinuar);
    EXPECT_EQ(boton.surface().image(), Esperado(false, "Continuar", 10).image());
}

TEST_F(BotonPrueba, ConLaGrabadoraEncendidaSeDibujaPeroElPunteroDiceQueNoSeUsa)
{
    e.ManoEnCurso = true;
    e.JugadorTurno = 1;
    e.GrabadoraActiva = true;
    DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, kBotonSuelto);
    EXPECT_TRUE(e.EsperaContinuar);
    EXPECT_EQ(PunteroDe(&boton), kPunteroProhibido);

    e.GrabadoraActiva = false;
    DibujarBotonContinuar(boton, hojas.Pic_BmpVario, e, a, kBotonSuelto);
    EXPECT_EQ(PunteroDe(&boton), kPunteroPropio);
    EXPECT_EQ(CursorDe(&boton), QStringLiteral("manoindice"));

    OcultarBotonContinuar(boton, e); // and hiding it ends the wait for it
    EXPECT_TRUE(boton.isHidden());
    EXPECT_FALSE(e.EsperaContinuar);
}

} // namespace
} // namespace zp

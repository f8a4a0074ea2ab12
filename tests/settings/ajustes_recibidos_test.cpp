#include "engine/reglas.h"
#include "settings/core/ajustes_recibidos.h"
#include "settings/estados_prueba.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zp;
using namespace prueba;

// The host's state: four named players, seat 4 the host itself.
Estado Anfitrion()
{
    Estado h = PartidaEnJuego();
    const char* nombres[] = {"", "Uno", "Dos", "Tres", "Cuatro"};
    for (int p = 1; p <= 4; ++p) {
        AjustesJugador& j = h.datos.Jugador[P(p)];
        j.NombreJugador = nombres[p];
        j.NivelJugador = E(10 * p);
        j.CaracterJugador = static_cast<Caracter>(1 + p % 3);
        j.ControlJugador = p == 1 ? Control::Remoto : Control::Automatico;
        j.DireccionIP = "10.0.0." + std::to_string(p);
    }
    h.datos.Sonido = true;
    h.datos.Velocidad = 90;
    h.datos.FichasVisiblesPuestas = FichasPuestas::CambianDeColor;
    h.datos.PuntosPartida = 200;
    h.datos.SentidoJuego = Sentido::Inverso;
    h.datos.PausaEntreJugadas = false;
    h.juego.SalidaA = 3;
    h.juego.SalidaB = 5;
    return h;
}

TEST(AplicarAjustesRecibidos, cada_asiento_del_anfitrion_va_a_su_sitio_en_el_cliente)
{
    std::string cadena = Anfitrion().Cadenas().CadenaSituacion;
    cadena.replace(128, 13, "2122222222312"); // every rule away from its default
    Estado c = PrimeraEjecucion();
    c.juego.PuestoLocal = 2;
    c.datos.Sonido = false;
    c.datos.Velocidad = 20;
    c.datos.FichasVisiblesPuestas = FichasPuestas::Desaparecen;
    c.juego.NumeroMano = 0;
    c.datos.Jugador[4].DireccionIP = "10.0.0.4"; // the host this computer connects to
    ASSERT_FALSE(AplicarAjustesRecibidos(cadena, c.juego, c.datos));

    const struct
    {
        int local;
        const char* nombre;
        int control, fichas, nivel, caracter;
    } casos[] = {
        {4, "Dos", 1, 2, 20, 3},    // this computer: Manual, tiles shown
        {2, "Cuatro", 3, 1, 40, 2}, // the host: Remoto
        {3, "Uno", 3, 1, 10, 2},    // another client
        {1, "Tres", 2, 1, 30, 1},
    };
    for (const auto& k : casos) {
        const AjustesJugador& j = c.datos.Jugador[P(k.local)];
        EXPECT_EQ(j.NombreJugador, k.nombre) << k.local;
        EXPECT_EQ(Codigo(j.ControlJugador), k.control) << k.local;
        EXPECT_EQ(Codigo(j.FichasJugador), k.fichas) << k.local;
        EXPECT_EQ(j.NivelJugador, k.nivel) << k.local;
        EXPECT_EQ(Codigo(j.CaracterJugador), k.caracter) << k.local;
    }
    EXPECT_EQ(c.datos.Jugador[3].DireccionIP, "10.0.0.1");
    // Not this computer's own address from the host's block of its seat: it could not connect again.
    EXPECT_EQ(c.datos.Jugador[4].DireccionIP, "10.0.0.4");
    // The host's rules and opening tile; this computer's own preferences and progress.
    const std::string tomada = c.Cadenas().CadenaSituacion;
    for (const auto& [desde, hasta] : {std::pair{125, 126}, {129, 131}, {133, 141}, {175, 177}, {187, 190}})
        EXPECT_EQ(Cols(tomada, P(desde), P(hasta)), Cols(cadena, P(desde), P(hasta))) << desde;
    EXPECT_EQ(c.juego.PasoTurno, -1);
    EXPECT_EQ(c.juego.IdPartida, "0427");
    EXPECT_FALSE(c.datos.Sonido);
    EXPECT_EQ(c.datos.Velocidad, 20);
    EXPECT_EQ(c.datos.FichasVisiblesPuestas, FichasPuestas::Desaparecen);
    EXPECT_EQ(c.juego.NumeroMano, 0);
    EXPECT_EQ(c.juego.PuestoLocal, 2);
}

// The host's deal: seat p keeps 8 - p tiles of its seven, the others go to the stock in turn.
Estado Reparto()
{
    Estado h = Anfitrion();
    h.juego.NumeroMano = 3;
    std::size_t i = 0;
    for (int p = 1; p <= 4; ++p) {
        for (int s = 1; s <= 7; ++s) {
            HuecoMano& hueco = h.juego.Manos[P(p)][P(s)];
            if (s <= 8 - p) {
                hueco.Estado = kEnMano;
                continue;
            }
            h.juego.Monton[++i] = {hueco.PuntoA, hueco.PuntoB};
            hueco = HuecoMano{};
        }
        h.juego.FichasEnMano[P(p)] = E(8 - p);
    }
    return h;
}

TEST(AplicarManosRecibidas, las_fichas_del_propio_asiento_quedan_abajo_y_el_monton_igual)
{
    const Estado h = Reparto();
    Estado c = PrimeraEjecucion();
    c.juego.PuestoLocal = 3;
    ASSERT_FALSE(AplicarManosRecibidas(h.Cadenas().CadenaSituacion, c.juego));
    const std::string de = h.Cadenas().CadenaSituacion, aqui = c.Cadenas().CadenaSituacion;
    // Seat blocks of 105 columns from 294: the tiles in hand at 0-1, the slots at 42-104.
    for (const auto& [anfitrion, local] : {std::pair{1, 2}, {2, 3}, {3, 4}, {4, 1}}) {
        const std::size_t x = 294 + 105 * P(anfitrion - 1), y = 294 + 105 * P(local - 1);
        EXPECT_EQ(Cols(aqui, y, y + 1), Cols(de, x, x + 1)) << anfitrion;
        EXPECT_EQ(Cols(aqui, y + 42, y + 104), Cols(de, x + 42, x + 104)) << anfitrion;
    }
    EXPECT_EQ(Cols(aqui, 741, 768), Cols(de, 741, 768)); // the stock, slot for slot
    // Nothing else of the message: the slots in use stay this computer's.
    EXPECT_EQ(c.juego.HuecosMano[4], 0);

    // A deal that holds a tile twice, or miscounts a hand, is no deal: nothing is taken.
    const std::pair<const char*, std::function<void(Estado&)>> danos[] = {
        {"una ficha en dos manos", [](Estado& s) { s.juego.Manos[4][1] = s.juego.Manos[2][1]; }},
        {"una ficha en la mano y en el montón",
         [](Estado& s) { s.juego.Monton[1].PuntoA = s.juego.Monton[1].PuntoB = 6; }},
        {"una mano mal contada", [](Estado& s) { s.juego.FichasEnMano[2] = 7; }},
        {"medio hueco del montón", [](Estado& s) { s.juego.Monton[kHuecosMonton].PuntoA = 3; }},
    };
    for (const auto& [que, danar] : danos) {
        Estado malo = Reparto();
        danar(malo);
        Estado cliente = PrimeraEjecucion();
        cliente.juego.PuestoLocal = 3;
        const CadenasEstado antes = cliente.Cadenas();
        EXPECT_TRUE(AplicarManosRecibidas(malo.Cadenas().CadenaSituacion, cliente.juego)) << que;
        EXPECT_EQ(cliente.Cadenas(), antes) << que;
    }
}

TEST(AplicarAjustesRecibidos, una_partida_entre_dos_se_acepta_y_un_jugador_solo_no)
{
    for (const auto& [asientos, fichas] : {std::pair{"24", 14}, {"4", 7}}) {
        Estado h = Anfitrion();
        MarcarAsientos(asientos, h.datos);
        h.datos.FichasPorJugador = 14;
        Estado c = PrimeraEjecucion();
        c.juego.PuestoLocal = 2;
        EXPECT_EQ(!AplicarAjustesRecibidos(h.Cadenas().CadenaSituacion, c.juego, c.datos), fichas == 14)
            << asientos;
        EXPECT_EQ(c.datos.FichasPorJugador, fichas) << asientos;
    }
}

TEST(AplicarAjustesRecibidos, por_parejas_con_tres_jugadores_se_juega_individual)
{
    Estado h = Anfitrion();
    MarcarAsientos("234", h.datos);
    h.datos.NumeroJugadores = 4;
    h.datos.ModoJuego = Modalidad::Parejas;
    Estado c = PrimeraEjecucion();
    c.juego.PuestoLocal = 2;
    ASSERT_FALSE(AplicarAjustesRecibidos(h.Cadenas().CadenaSituacion, c.juego, c.datos));
    EXPECT_EQ(c.datos.ModoJuego, Modalidad::Individual);
    EXPECT_EQ(c.datos.NumeroJugadores, 3);
}

// Dropped whole, with a reason that names the field, so that a damaged message can be traced.
TEST(MensajesRecibidos, un_mensaje_danado_se_descarta_sin_tocar_nada)
{
    const std::string bueno = Anfitrion().Cadenas().CadenaSituacion;
    const struct
    {
        const char* que;
        std::string cadena;
        const char* campo = "";
    } casos[] = {
        {"corto", bueno.substr(0, 700)},
        {"sin marca final", bueno.substr(0, 768) + std::string(12, ' ')},
        {"ficha imposible", bueno.substr(0, 335) + "8" + bueno.substr(336)},
        {"nivel con letras", bueno.substr(0, 9) + "ab0" + bueno.substr(12), "NivelJugador(1)"},
        {"un número contado 8 veces", bueno.substr(0, 300) + "8" + bueno.substr(301), "CuentaNumeros(1, 0)"},
        {"peso con letras", bueno.substr(0, 301) + "ab " + bueno.substr(304), "PesoNumero(1, 0)"},
        {"bandera que no es un número", bueno.substr(0, 124) + "x " + bueno.substr(126)},
        {"nombre con un salto de línea", bueno.substr(0, 3) + "\n" + bueno.substr(4)},
        {"vacío", ""},
    };
    for (const auto& k : casos) {
        Estado c = PartidaLarga();
        c.juego.PuestoLocal = 2;
        const CadenasEstado antes = c.Cadenas();
        const FalloLectura motivo = AplicarAjustesRecibidos(k.cadena, c.juego, c.datos);
        ASSERT_TRUE(motivo) << k.que;
        EXPECT_NE(motivo->find(k.campo), std::string::npos) << *motivo;
        EXPECT_TRUE(AplicarManosRecibidas(k.cadena, c.juego)) << k.que;
        EXPECT_EQ(c.Cadenas(), antes) << k.que;
    }
}

} // namespace

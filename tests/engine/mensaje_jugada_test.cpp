#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/mensaje_jugada.h"
#include "tests/soporte/banco.h"

namespace zp {
namespace {

TEST(MensajeJugada, la_jugada_viaja_con_su_numero_en_dos_cifras_y_una_cifra_por_dato)
{
    EXPECT_EQ(CrearMensajeJugada(7, 6, 4, 2) + CrearMensajeJugada(42, 3, 5, 1), "ZRP330607642ZRP330642351");
}

// Move 7 of seat 2, which holds 6-4, 3-1 and the laid 5-3; the line shows 3 at end 1 and 6 at end 2.
EstadoJuego Mesa7()
{
    EstadoJuego e;
    e.NumeroMano = 2;
    e.NumeroJugada = 7;
    e.JugadorTurno = 2;
    e.Linea.Extremos = {0, 3, 6};
    DarFichas(e, 2, "64 31");
    DarFichas(e, 2, "53", kPuesta);
    return e;
}

TEST(MensajeJugada, solo_se_toma_la_jugada_de_este_turno_que_encaja_y_lo_demas_se_descarta)
{
    // The queue; the move taken and what is left.
    const std::tuple<const char*, std::string, std::optional<JugadaRecibida>, std::string> casos[] = {
        {"la jugada tal cual", "0607642", JugadaRecibida{6, 4, 2}, ""},
        {"el otro extremo según quien la envía", "0607641", JugadaRecibida{6, 4, 2}, ""},
        {"por el otro número", "0607311", JugadaRecibida{3, 1, 1}, ""},
        {"por el otro número y el otro extremo", "0607312", JugadaRecibida{3, 1, 1}, ""},
        {"de otra jugada", "0606642", std::nullopt, ""},
        {"un punto 7", "0607742", std::nullopt, ""},
        {"el extremo 3", "0607643", std::nullopt, ""},
        {"el extremo 0", "0607640", std::nullopt, ""},
        {"una ficha que no tiene", "0607361", std::nullopt, ""},
        {"una ficha ya puesta", "0607351", std::nullopt, ""},
        {"una ficha suya que no encaja", "0607462", std::nullopt, ""},
        {"una cifra que no es cifra", "06x7642", std::nullopt, ""},
        {"las que no valen se descartan hasta la buena", "060664206076430607641", JugadaRecibida{6, 4, 2},
         ""},
        {"la siguiente se queda en la cola", "06076420608311", JugadaRecibida{6, 4, 2}, "0608311"},
        {"un mensaje de otra clase no la bloquea", "0510607642", JugadaRecibida{6, 4, 2}, ""},
        {"ni uno de la clase 03", "0330607642", JugadaRecibida{6, 4, 2}, ""},
        {"una jugada a medias espera al resto", "060764", std::nullopt, "060764"},
        {"un código desconocido vacía la cola", "99abc0607642", std::nullopt, ""},
    };
    const EstadoJuego e = Mesa7();
    for (const auto& [nombre, llega, jugada, queda] : casos) {
        std::string cola = llega;
        EXPECT_EQ(TomarJugadaDeCola(cola, e, Ajustes{}), jugada) << nombre;
        EXPECT_EQ(cola, queda) << nombre;
    }
}

TEST(MensajeJugada, la_primera_jugada_conserva_el_extremo_enviado)
{
    EstadoJuego e = Mesa7();
    e.NumeroJugada = 1;
    e.Linea.Extremos = {0, kNinguna, kNinguna};
    e.Manos[2][3].Estado = kEnMano;
    for (const char* extremo : {"1", "2"}) {
        std::string cola = std::string("060153") + extremo;
        const auto j = TomarJugadaDeCola(cola, e, Ajustes{});
        ASSERT_TRUE(j.has_value());
        EXPECT_EQ(*j, (JugadaRecibida{5, 3, static_cast<Entero>(extremo[0] - '0')}));
    }
}

} // namespace
} // namespace zp

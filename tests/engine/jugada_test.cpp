// Carrying out a move: the tile turned to meet its end, the end chosen when both show the same number, the
// line turning at the table's limits, draws down to the reserve, passes, the moves refused, and the move
// list's lines.
#include <gtest/gtest.h>

#include "engine/geometria_linea.h"
#include "engine/geometria_monton.h"
#include "engine/grabadora.h"
#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/lista_jugadas.h"
#include "engine/turno.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/mano_al_azar.h"

namespace zp {
namespace {

// A line at 800x600 led by seat 1 that turns at every limit of the table, with a draw and a pass between its
// tiles: where each tile goes and where its end stands after it.
struct PasoLinea
{
    Entero extremo; // 8 draw, 9 pass: records that are not tiles
    Entero x, y, ancho, alto, lado, sprite, xAncla, yAncla, direccion;
    bool operator==(const PasoLinea&) const = default;
};

// clang-format off
const PasoLinea kLineaQueDaLaVuelta[] = {
    {1, 356, 262, 77, 40, 1, 474, 432, 262, 3},
    {2, 281, 262, 77, 40, 2, 395, 281, 262, 1}, // not shifted: end 2 has no earlier tile
    {1, 433, 262, 77, 40, 1, 474, 509, 262, 3},
    {8, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 510, 262, 77, 40, 1, 474, 586, 262, 3},
    {1, 587, 262, 40, 77, 1, 352, 587, 338, 4}, // within 40 px: just right of the end tile
    {1, 587, 339, 40, 77, 1, 352, 587, 415, 4},
    {9, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 587, 416, 40, 77, 1, 352, 587, 492, 4},
    {1, 510, 452, 77, 40, 1, 474, 510, 452, 1}, // more than 40 px: beside the far end
    {1, 433, 452, 77, 40, 1, 474, 433, 452, 1},
    {1, 356, 452, 77, 40, 1, 474, 356, 452, 1},
    {1, 281, 452, 77, 40, 2, 395, 281, 452, 1}, // crossing the centre leftwards: 2 px right
    {1, 204, 452, 77, 40, 2, 395, 204, 452, 1},
    {1, 127, 452, 77, 40, 2, 395, 127, 452, 1},
    {1, 87, 415, 40, 77, 2, 310, 87, 415, 2},   // within 40 px: just left of the end tile
    {1, 87, 375, 77, 40, 2, 395, 163, 375, 3},  // this leg's limit lies just below the start
    {1, 164, 375, 77, 40, 2, 395, 240, 375, 3},
    {1, 241, 375, 77, 40, 2, 395, 317, 375, 3},
    {1, 318, 375, 77, 40, 2, 395, 394, 375, 3},
    {1, 393, 375, 77, 40, 1, 474, 469, 375, 3}, // crossing the centre rightwards: 2 px left
};
// clang-format on

// A hand about to start: the line set up for `salida`, no tile laid, the turn on `salida`.
void PrepararMano(Banco& b, Entero salida)
{
    PrepararInicioLinea(b.e.Linea, salida, b.pantalla);
    b.e.Linea.Extremos = {0, kNinguna, kNinguna};
    b.e.NumeroMano = 2;
    b.e.NumeroJugada = 1;
    b.e.JugadorTurno = salida;
    b.e.JugadaElegida = true;
}

// A hand in progress whose ends show x1 and x2 with the given tiles on each.
void PrepararLineaAbierta(Banco& b, Entero x1, Entero x2, Entero fichas1, Entero fichas2)
{
    PrepararMano(b, 1);
    b.e.NumeroJugada = static_cast<Entero>(fichas1 + fichas2 + 1);
    b.e.Linea.Extremos = {0, x1, x2};
    b.e.Linea.FichasEnExtremo = {0, fichas1, fichas2};
}

void Mover(Banco& b, Entero fichaA, Entero fichaB, Entero extremo)
{
    b.e.FichaA = fichaA;
    b.e.FichaB = fichaB;
    b.e.ExtremoElegido = extremo;
}

TEST(Jugada, la_primera_ficha_se_gira_segun_el_asiento_de_quien_sale)
{
    // Leader, tile, end handed; the tile as laid. The last: a first move handed to end 2 still opens at
    // end 1.
    const std::array<Entero, 6> casos[] = {{1, 6, 2, 1, 2, 6}, {2, 6, 2, 1, 2, 6}, {3, 6, 2, 1, 6, 2},
                                           {4, 2, 6, 1, 6, 2}, {1, 2, 6, 1, 2, 6}, {1, 3, 3, 1, 3, 3},
                                           {4, 5, 5, 1, 5, 5}, {3, 2, 6, 2, 6, 2}};
    for (const auto& [asiento, a, b_, extremoDado, fichaA, fichaB] : casos) {
        SCOPED_TRACE(std::to_string(asiento) + ": " + std::to_string(a) + "-" + std::to_string(b_));
        Banco b;
        PrepararMano(b, asiento);
        const Entero hueco = b.DarFicha(asiento, a, b_);
        Mover(b, a, b_, extremoDado);
        ASSERT_EQ(EjecutarJugada(b.c), FalloJugada::Ninguno);
        EXPECT_EQ((std::array<Entero, 3>{b.e.FichaA, b.e.FichaB, b.e.ExtremoElegido}),
                  (std::array<Entero, 3>{fichaA, fichaB, 1}));
        EXPECT_EQ(b.e.Linea.Extremos, (std::array<Entero, 3>{0, fichaB, fichaA}));
        EXPECT_EQ(b.e.Linea.FichasEnExtremo, (std::array<Entero, 3>{0, 1, 0}));
        EXPECT_EQ(b.e.Manos[I(asiento)][I(hueco)].Estado, kPuesta);
        EXPECT_EQ(b.e.FichasEnMano[I(asiento)], 0);
        // End 1 before the first tile; the first move has already set end 2.
        const RegistroJugada& r = b.e.Jugadas[1];
        EXPECT_EQ((std::array<Entero, 5>{r.Extremo, r.PuntoUnido, r.Extremo1, r.Extremo2, r.EsDoble}),
                  (std::array<Entero, 5>{1, fichaA, kNinguna, fichaA, Entero(a == b_ ? -1 : 0)}));
    }
}

TEST(Jugada, con_los_dos_extremos_iguales_la_ficha_va_al_que_tiene_menos_fichas)
{
    // Tiles on ends 1 and 2 (both show 4), the tile, the end handed, the end taken. Equal counts: end 2; end
    // 1 holds fewer; a double too; handed the wrong way round: turned rather than laid on a 1.
    const std::array<Entero, 6> casos[] = {
        {3, 3, 4, 1, 1, 2}, {2, 3, 4, 1, 2, 1}, {3, 2, 4, 1, 1, 2}, {3, 3, 4, 4, 1, 2}, {2, 3, 1, 4, 1, 1}};
    for (const auto& [fichas1, fichas2, fichaA, fichaB, extremoDado, extremo] : casos) {
        SCOPED_TRACE(::testing::PrintToString(std::array<Entero, 4>{fichas1, fichas2, fichaA, fichaB}));
        Banco b;
        PrepararLineaAbierta(b, 4, 4, fichas1, fichas2);
        b.DarFicha(1, fichaB, fichaA);
        Mover(b, fichaA, fichaB, extremoDado);
        ASSERT_EQ(EjecutarJugada(b.c), FalloJugada::Ninguno);
        const auto x = I(extremo);
        const RegistroJugada& r = b.e.Jugadas[I(b.e.NumeroJugada)];
        EXPECT_EQ((std::array<Entero, 3>{b.e.ExtremoElegido, r.Extremo, r.PuntoUnido}),
                  (std::array<Entero, 3>{extremo, extremo, 4}));
        EXPECT_EQ(b.e.Linea.Extremos[x], fichaA == 4 ? fichaB : fichaA);
        EXPECT_EQ(b.e.Linea.Extremos[3 - x], 4);
        EXPECT_EQ(b.e.Linea.FichasEnExtremo[x], (extremo == 1 ? fichas1 : fichas2) + 1);
    }
}

TEST(Jugada, la_persona_solo_puede_pulsar_una_ficha_suya_que_encaje)
{
    // Hand, move, opening rule; slots 0 to 4 of seat 4's hand (3 tiles: 66, 52, 31), playable or not.
    // clang-format off
    const std::tuple<const char*, Entero, Entero, Apertura, std::array<bool, 5>> casos[] = {
        {"primera mano, sale el seis doble", 1, 1, Apertura::SeisDoble, {false, true, false, false, false}},
        {"primera mano por sorteo",          1, 1, Apertura::Sorteo,    {false, true, true, true, false}},
        {"otra mano, salida libre",          2, 1, Apertura::SeisDoble, {false, true, true, true, false}},
        {"extremos 2 y 4",                   2, 4, Apertura::SeisDoble, {false, false, true, false, false}},
    };
    // clang-format on
    for (const auto& [nombre, mano, jugada, apertura, jugables] : casos) {
        SCOPED_TRACE(nombre);
        Banco b;
        PrepararMano(b, 4);
        b.e.NumeroMano = mano;
        b.e.NumeroJugada = jugada;
        if (jugada > 1) b.e.Linea.Extremos = {0, 2, 4};
        b.a.PrimeraMano = apertura;
        b.e.SalidaA = b.e.SalidaB = 6;
        DarFichas(b.e, 4, "66 52 31");
        for (Entero h = 0; h <= 4; ++h) EXPECT_EQ(ComprobarFichaJugable(b.e, b.a, h), jugables[I(h)]) << h;
    }
}

TEST(Jugada, una_jugada_rechazada_no_toca_nada_de_la_partida)
{
    // The tile and end asked, the move's number, the mover; the refusal.
    const std::tuple<const char*, Entero, Entero, Entero, Entero, Entero, FalloJugada> casos[] = {
        {"ficha que la mano no tiene", 5, 0, 1, 3, 1, FalloJugada::FichaAusente},
        {"ficha ya puesta", 2, 2, 2, 3, 1, FalloJugada::FichaYaPuesta},
        {"ficha que no encaja", 3, 1, 1, 3, 1, FalloJugada::NoEncaja},
        {"robo por esta via", 5, 3, 8, 3, 1, FalloJugada::ExtremoNoValido},
        {"extremo cero", 5, 3, 0, 3, 1, FalloJugada::ExtremoNoValido},
        {"jugada 100", 5, 3, 1, 100, 1, FalloJugada::ListaLlena},
        {"sin jugador", 5, 3, 1, 3, 0, FalloJugada::JugadorNoValido},
        {"robo con la mano llena", 0, 0, kExtremoRoba, 3, 1, FalloJugada::ManoLlena},
    };
    for (const auto& [nombre, fichaA, fichaB, extremo, numeroJugada, jugador, fallo] : casos) {
        SCOPED_TRACE(nombre);
        Banco b;
        PrepararLineaAbierta(b, 5, 2, 1, 1);
        DarFichas(b.e, 1, "31 53");
        DarFichas(b.e, 1, "22", kPuesta);
        b.e.NumeroJugada = numeroJugada;
        b.e.JugadorTurno = jugador;
        b.e.JugadaElegida = false;
        Mover(b, fichaA, fichaB, extremo);
        const bool robo = fallo == FalloJugada::ManoLlena;
        if (robo) { // a draw into a hand whose every slot is taken
            while (b.e.HuecosMano[1] < kHuecos) DarFichas(b.e, 1, "10");
            b.e.FichasMonton = 3;
            b.a.RemanentesMonton = 0;
        }
        const FotoMano antes = TomarFoto(b.e);
        const auto jugadas = b.e.Jugadas;
        EXPECT_EQ(robo ? RobarFicha(b.c) : EjecutarJugada(b.c), fallo);
        EXPECT_EQ(DiferenciaFotos(antes, TomarFoto(b.e)), "");
        EXPECT_EQ(b.e.Jugadas, jugadas);
        EXPECT_TRUE(b.mesa.Lineas.empty());
        EXPECT_TRUE(b.mesa.Llamadas.empty()) << "nothing shown for a refused move";
    }
}

// Plays the line round the four seats, each mover laying the first tile it still holds: tiles that keep the
// two ends apart (equal ends would choose the end themselves), held from the start as after a deal, so that
// the drawn 6-6 goes to the last slot of its hand.
void JugarLineaQueDaLaVuelta(Banco& b)
{
    PrepararMano(b, 1);
    b.e.FichasMonton = 1;
    b.e.Monton[1] = {6, 6};
    b.a.RemanentesMonton = 0;
    const char* manos[] = {"", "23 60 25 12 01", "24 01 56 23 12", "35 60 36 23", "56 12 01 60 35"};
    for (Entero p = 1; p <= 4; ++p) DarFichas(b.e, p, manos[I(p)]);
    for (const PasoLinea& p : kLineaQueDaLaVuelta) {
        const Entero n = b.e.NumeroJugada;
        SCOPED_TRACE("jugada " + std::to_string(n));
        if (p.extremo == kExtremoRoba) {
            ASSERT_EQ(RobarFicha(b.c), FalloJugada::Ninguno);
            continue;
        }
        const auto& mano = b.e.Manos[I(b.e.JugadorTurno)];
        const auto f = std::find_if(mano.begin() + 1, mano.end(),
                                    [](const HuecoMano& h) { return h.Estado == kEnMano; });
        const bool pasa = p.extremo == kExtremoPasa;
        Mover(b, pasa ? kNinguna : f->PuntoA, pasa ? kNinguna : f->PuntoB, p.extremo);
        ASSERT_EQ(EjecutarJugada(b.c), FalloJugada::Ninguno);
        AvanzarTurno(b.e, b.a);
        if (pasa) continue;
        const RegistroJugada& r = b.e.Jugadas[I(n)];
        EXPECT_EQ((PasoLinea{p.extremo, r.XFicha, r.YFicha, r.AnchoFicha, r.AltoFicha, r.LadoMesa,
                             r.XSpriteFicha, b.e.Linea.XExtremo[I(p.extremo)],
                             b.e.Linea.YExtremo[I(p.extremo)], b.e.Linea.DireccionExtremo[I(p.extremo)]}),
                  p);
        EXPECT_EQ((std::array<Entero, 3>{r.XExtremoDespues, r.YExtremoDespues, r.DireccionDespues}),
                  (std::array<Entero, 3>{p.xAncla, p.yAncla, p.direccion}));
    }
}

TEST(Jugada, una_linea_que_da_la_vuelta_gira_en_cada_limite_y_se_deshace_hasta_el_principio)
{
    Banco b;
    JugarLineaQueDaLaVuelta(b);
    if (HasFatalFailure()) return;
    EXPECT_EQ(b.e.Jugadas[13].XMitad1, 318);
    EXPECT_EQ(b.e.Jugadas[13].XMitad2, 281);
    const RegistroJugada& abajo = b.e.Jugadas[6]; // the first tile going down
    EXPECT_EQ((std::array<Entero, 4>{abajo.XMitad1, abajo.YMitad1, abajo.XMitad2, abajo.YMitad2}),
              (std::array<Entero, 4>{591, 262, 591, 299}));
    EXPECT_EQ((std::array<Entero, 2>{b.e.Jugadas[1].GiroFicha, abajo.GiroFicha}),
              (std::array<Entero, 2>{0, 1}));
    EXPECT_EQ(b.e.Jugadas[6].XExtremoAntes, 586);
    EXPECT_EQ(b.e.Jugadas[6].DireccionAntes, 3);

    // Taken back to the first move the line is as the deal left it, and replayed it is as it was.
    ExtremosLinea inicio;
    PrepararInicioLinea(inicio, 1, b.pantalla);
    const FotoMano fin = TomarFoto(b.e);
    b.e.PosicionGrabadora = b.e.NumeroJugada;
    while (b.e.NumeroJugada >= 2) ASSERT_EQ(RetrocederGrabadora(b.c), FalloJugada::Ninguno);
    const ExtremosLinea& l = b.e.Linea;
    EXPECT_EQ((std::tuple{l.XExtremo, l.YExtremo, l.DireccionExtremo, l.Extremos[1], l.Extremos[2],
                          b.e.FichasMonton}),
              (std::tuple{inicio.XExtremo, inicio.YExtremo, inicio.DireccionExtremo, kNinguna, kNinguna, 1}));
    ASSERT_EQ(IrAlFinalGrabadora(b.c), FalloJugada::Ninguno);
    EXPECT_EQ(DiferenciaFotos(fin, TomarFoto(b.e)), "");
}

TEST(Jugada, un_doble_que_dobla_la_esquina_va_a_lo_largo_de_la_linea_nueva)
{
    // End 1 runs right past its limit: the double turns the corner downwards, lying along the new leg.
    Banco b;
    PrepararLineaAbierta(b, 4, 2, 3, 3);
    b.e.Linea.XExtremo[1] = 590;
    b.DarFicha(1, 4, 4);
    Mover(b, 4, 4, 1);
    ASSERT_EQ(EjecutarJugada(b.c), FalloJugada::Ninguno);
    const RegistroJugada& r = b.e.Jugadas[7];
    EXPECT_EQ((std::array<Entero, 6>{r.XFicha, r.YFicha, r.AnchoFicha, r.AltoFicha, r.DobleAtravesado,
                                     r.DireccionDespues}),
              (std::array<Entero, 6>{591, 243, 40, 77, 0, 4}));
}

TEST(Jugada, se_roba_de_una_en_una_hasta_la_reserva_del_monton)
{
    // Tiles in the stock, the reserve, the draws it allows.
    for (const auto& [monton, reserva, robos] :
         {std::array<Entero, 3>{5, 2, 3}, {3, 0, 3}, {2, 2, 0}, {14, 7, 7}}) {
        SCOPED_TRACE(std::to_string(monton) + " con reserva " + std::to_string(reserva));
        Banco b;
        b.Asientos("24");
        b.a.FichasPorJugador = 7;
        b.a.RemanentesMonton = reserva;
        PrepararLineaAbierta(b, 6, 6, 1, 0);
        b.e.JugadorTurno = 2;
        b.DarFicha(2, 1, 0);
        for (int i = 1; i <= monton; ++i)
            b.e.Monton[I(i)] = {static_cast<Entero>(i % 6), static_cast<Entero>(i / 6)};
        b.e.FichasMonton = monton;
        const ZonaMonton zona = CalcularDisposicionMonton(7, 2, ElegirLadoMonton(b.a), b.pantalla);
        for (int k = 0; k < robos; ++k) {
            const Entero n = b.e.NumeroJugada;
            const Entero arriba = b.e.FichasMonton;
            const auto plaza = CalcularFichaRobada(zona, ElegirLadoMonton(b.a), arriba);
            ASSERT_TRUE(plaza.has_value());
            ASSERT_EQ(RobarFicha(b.c), FalloJugada::Ninguno);
            // Each tile drawn is a move; the turn stays.
            const RegistroJugada& r = b.e.Jugadas[I(n)];
            const FichaMonton& f = b.e.Monton[I(arriba)];
            EXPECT_EQ((std::array<Entero, 6>{r.Extremo, r.Jugador, r.PuntoUnido, r.PuntoAbierto, r.XFicha,
                                             r.YFicha}),
                      (std::array<Entero, 6>{kExtremoRoba, 2, f.PuntoA, f.PuntoB, plaza->PosX, plaza->PosY}));
            EXPECT_EQ((std::array<Entero, 3>{b.e.FichasMonton, b.e.NumeroJugada, b.e.JugadorTurno}),
                      (std::array<Entero, 3>{Entero(arriba - 1), Entero(n + 1), 2}));
            EXPECT_EQ(b.e.Manos[2][I(b.e.HuecosMano[2])], (HuecoMano{f.PuntoA, f.PuntoB, kEnMano}));
            EXPECT_EQ(b.mesa.Lineas.back().substr(13), "Roba");
        }
        EXPECT_EQ(b.e.FichasMonton, reserva);
        EXPECT_EQ(b.e.FichasEnMano[2], 1 + robos);
        const FotoMano antes = TomarFoto(b.e);
        EXPECT_EQ(RobarFicha(b.c), FalloJugada::MontonAgotado);
        EXPECT_EQ(DiferenciaFotos(antes, TomarFoto(b.e)), "");
    }
}

TEST(Jugada, la_lista_de_jugadas_crece_sin_perder_registros_hasta_la_jugada_99)
{
    Banco b;
    PrepararLineaAbierta(b, 3, 5, 0, 0);
    ASSERT_EQ(b.e.Jugadas.size(), 41u);
    b.e.ExtremoElegido = kExtremoPasa;
    for (Entero n = 1; n <= kMaximoJugadas; ++n) {
        b.e.NumeroJugada = n;
        b.e.JugadorTurno = static_cast<Entero>(n % 4 + 1);
        ASSERT_EQ(RegistrarJugada(b.c), FalloJugada::Ninguno) << n;
        EXPECT_EQ(b.e.Jugadas.size(), n < 40    ? 41u
                                      : n <= 90 ? 91u
                                                : std::max<std::size_t>(91, I(n) + 1))
            << n;
    }
    for (Entero n = 1; n <= kMaximoJugadas; ++n)
        EXPECT_EQ((std::pair{b.e.Jugadas[I(n)].Jugador, b.e.Jugadas[I(n)].Extremo}),
                  (std::pair<Entero, Entero>(n % 4 + 1, kExtremoPasa)))
            << n;
    EXPECT_EQ(b.mesa.Lineas.size(), 99u);
    EXPECT_EQ(b.mesa.Lineas[98].substr(0, 2), "99");
    // Record 100 and record 0 are never written; a draw from an empty or overfull stock is refused.
    for (const Entero n : {Entero{100}, Entero{0}}) {
        b.e.NumeroJugada = n;
        EXPECT_EQ(RegistrarJugada(b.c), FalloJugada::ListaLlena) << n;
    }
    EXPECT_EQ(b.e.Jugadas.size(), 100u);
    EXPECT_EQ(b.mesa.Lineas.size(), 99u);
    b.e.NumeroJugada = 50;
    b.e.ExtremoElegido = kExtremoRoba;
    for (const Entero monton : {Entero{0}, Entero{kHuecosMonton + 1}}) {
        b.e.FichasMonton = monton;
        EXPECT_EQ(RegistrarJugada(b.c), FalloJugada::MontonAgotado) << monton;
    }
}

RegistroJugada Registro(Entero extremo, Entero unido, Entero abierto, bool eleccion)
{
    RegistroJugada r;
    r.Jugador = 1;
    r.Extremo = extremo;
    r.PuntoUnido = unido;
    r.PuntoAbierto = abierto;
    r.Eleccion = eleccion ? -1 : 0;
    return r;
}

TEST(ListaJugadas, cada_linea_lleva_numero_nombre_y_ficha_en_sus_columnas)
{
    // Move, record, name; the line. Names never wider than 9 characters, counted as characters, not bytes.
    const std::tuple<Entero, RegistroJugada, const char*, const char*> casos[] = {
        {3, Registro(1, 6, 4, false), "Jugador1", " 3 Jugador1  6-4"},
        {12, Registro(8, 3, 1, false), "Jugador2", "12 Jugador2  Roba"},
        {7, Registro(9, 9, 9, false), "Ana", " 7 Ana       Pasa"},
        {40, Registro(2, 0, 0, true), "Jugador4", "40 Jugador4  0-0 ???"},
        {99, Registro(1, 5, 2, true), "Maximiliano", "99 Maximilia 5-2 ???"},
        {5, Registro(2, 1, 3, false), "Begoña", " 5 Begoña    1-3"},
        {1, Registro(1, 2, 6, false), "", " 1           2-6"},
        {8, Registro(1, 12, 4, false), "Ana", " 8 Ana       12-4"}};
    for (const auto& [numero, registro, nombre, linea] : casos)
        EXPECT_EQ(TextoLineaListaJugadas(registro, numero, nombre), linea);
}

TEST(ListaJugadas, la_linea_de_cada_registro_queda_en_su_puesto_y_seleccionada)
{
    Banco b;
    b.e.Jugadas[1] = Registro(1, 6, 6, false);
    b.e.Jugadas[2] = Registro(8, 4, 2, false);
    b.e.Jugadas[2].Jugador = 2;
    b.e.Jugadas[3] = Registro(9, 9, 9, false);
    for (Entero n = 1; n <= 3; ++n) AnadirLineaListaJugadas(b.c, n);
    const std::vector<std::string> tres = {" 1 Jugador1  6-6", " 2 Jugador2  Roba", " 3 Jugador1  Pasa"};
    EXPECT_EQ(b.mesa.Lineas, tres);
    EXPECT_EQ(b.mesa.Seleccionada, 2);

    // Played again from move 1 after a review: record 1 is line 0 again, the later lines go.
    b.e.Jugadas[1] = Registro(1, 5, 3, true);
    AnadirLineaListaJugadas(b.c, 1);
    EXPECT_EQ(b.mesa.Lineas, std::vector<std::string>{" 1 Jugador1  5-3 ???"});
    EXPECT_EQ(b.mesa.Seleccionada, 0);
}

} // namespace
} // namespace zp

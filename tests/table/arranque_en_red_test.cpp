// Un administrador y dos clientes, cada uno el programa entero en su proceso y con su persona delante.
// Mientras el administrador espera a sus jugadores, su persona pulsa "Comenzar nueva partida" (antes de que
// llegue nadie, con uno ya conectado, o dos veces seguidas): sin partida en la mesa nada se pregunta, a los
// clientes ya conectados no se les anuncia ninguna partida nueva, y el arranque acaba igual en una sola
// partida que los tres juegan con el mismo reparto y anotan igual.
#include "tests/table/ordenadores_en_red.h"

namespace {

using namespace prueba;

// Generous: the whole start-up and a hand at full speed take a few seconds; a computer left waiting for ever
// shows here instead.
constexpr qint64 kHastaReparto = 15000; // from the last client started to one match dealt on all three
constexpr qint64 kHastaHoja = 60000;    // and to its first hand scored on all three
constexpr int kJugadasComprobadas = 3;

class ArranqueEnRed : public OrdenadoresEnRed
{
protected:
    void SetUp() override
    {
        OrdenadoresEnRed::SetUp();
        ArrancarAdministrador(2, 3);
    }

    // The start-up ends in one match all three computers play: the host's, dealt alike on both clients, its
    // moves going on and its first hand scored the same on all three, with none of them left in another.
    void UnaPartidaParaLosTres()
    {
        // Whatever the presses began, at full speed.
        ASSERT_NO_FATAL_FAILURE(Ritmo("rapido"));
        int enH = 0;
        int enC[2] = {0, 0};
        const bool repartida = Esperar(
            [&] {
                const Linea* r = Administrador().Ultima("reparto");
                if (!r) return false;
                enH = r->Partida();
                return (enC[0] = Cliente(1).PartidaComo(*r)) && (enC[1] = Cliente(2).PartidaComo(*r));
            },
            kHastaReparto);
        ASSERT_TRUE(repartida) << "ninguna partida llegó a repartirse igual en los tres: alguno se quedó "
                                  "esperando"
                               << Situacion();

        const auto de = [](int partida) {
            return Campos{{"partida", QString::number(partida)}, {"mano", "1"}};
        };
        ASSERT_NO_FATAL_FAILURE(AToda(
            [&] {
                return Administrador().Ultima("hoja", de(enH)) && Cliente(1).Ultima("hoja", de(enC[0])) &&
                       Cliente(2).Ultima("hoja", de(enC[1]));
            },
            kHastaHoja, "la primera mano no acabó anotada en los tres"));
        const std::string hoja = Administrador().Ultima("hoja", de(enH))->Resto().toStdString();
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(Cliente(std::size_t(i + 1)).Ultima("hoja", de(enC[i]))->Resto().toStdString(), hoja);
            EXPECT_GE(Cliente(std::size_t(i + 1)).Cuantas("jugada", de(enC[i])),
                      std::size_t(kJugadasComprobadas));
            EXPECT_EQ(Cliente(std::size_t(i + 1)).Partida(), enC[i]);
        }
        EXPECT_GE(Administrador().Cuantas("jugada", de(enH)), std::size_t(kJugadasComprobadas));
        EXPECT_EQ(Administrador().Partida(), enH);
        // With no match on the table, the presses asked nothing, and announced nothing to a client already
        // there: the start-up's own match is the new one.
        EXPECT_EQ(Administrador().Cuantas("nueva", {{"resto", "aceptada"}}), 0u);
        for (std::size_t i = 1; i <= 2; ++i)
            EXPECT_EQ(Cliente(i).Cuantas("anuncio"), 0u) << "al cliente " << i << Situacion();
        ComprobarTodo();
    }
};

TEST_F(ArranqueEnRed, nueva_partida_pulsada_antes_de_que_llegue_nadie_da_una_partida_para_los_tres)
{
    ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida());
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(4));
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(5));
    UnaPartidaParaLosTres();
}

TEST_F(ArranqueEnRed, nueva_partida_pulsada_con_un_cliente_ya_conectado_da_una_partida_para_los_tres)
{
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(4));
    ASSERT_TRUE(Esperar(
        [&] {
            return Administrador().Ultima("conectados", {{"resto", "1"}});
        },
        20000))
        << "el primer cliente no llegó a conectarse" << Situacion();
    ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida());
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(5));
    UnaPartidaParaLosTres();
}

TEST_F(ArranqueEnRed, nueva_partida_pulsada_dos_veces_seguidas_da_una_partida_para_los_tres)
{
    ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida(2));
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(4));
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(5));
    UnaPartidaParaLosTres();
}

} // namespace

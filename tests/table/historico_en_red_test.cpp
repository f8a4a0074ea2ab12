// Un administrador y un cliente, cada uno el programa entero en su proceso y con su persona delante, juegan
// partidas cortas (las gana el primer punto). El Histórico de partidas del cliente no se puede escribir: al
// acabar la partida su persona pide anotarla y sale el aviso de que no se ha podido. Con ese aviso abierto,
// el administrador empieza una partida nueva; al cerrarse el aviso, el cliente se une a ella con el mismo
// reparto y la juega igual.
#include "tests/table/ordenadores_en_red.h"

namespace {

using namespace prueba;

// Generous: on a loaded machine a person's pace gets slower, never the other way round.
constexpr qint64 kHastaAviso = 60000;   // from the client started to its failure box open, at full speed
constexpr qint64 kHastaAnuncio = 20000; // from the host's press to the announcement on the client
constexpr qint64 kHastaReparto = 20000; // from the box closed to the new match dealt on the client
constexpr qint64 kHastaJugadas = 20000; // and to its first moves there, at full speed
constexpr int kJugadasComprobadas = 3;

class HistoricoEnRed : public OrdenadoresEnRed
{
};

TEST_F(HistoricoEnRed, un_cliente_con_el_aviso_del_historico_abierto_se_une_al_cerrarlo_a_la_partida_nueva)
{
    ASSERT_NO_FATAL_FAILURE(ArrancarAdministrador(1, 7, {"--puntos", "1"}));
    ASSERT_NO_FATAL_FAILURE(ArrancarCliente(8, {"--historico-roto"}));
    OrdenadorEnRed& h = Administrador();
    OrdenadorEnRed& c = Cliente();
    c.Ordenar("sujetar No se ha podido añadir esta partida al Histórico de partidas");
    // The first match played at full speed: at a person's pace a long hand on a loaded machine takes minutes.
    ASSERT_NO_FATAL_FAILURE(AToda(
        [&] {
            return c.Ultima("sujeta", {{"caja", "Histórico_de_partidas_jugadas"}}) != nullptr;
        },
        kHastaAviso, "el aviso del histórico no llegó a abrirse en el cliente"));

    // With the box still open there, the host begins a new match, and its announcement reaches the client.
    const Linea* hecha = nullptr;
    ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida(1, &hecha));
    const QString nueva = QString::number(hecha->Partida() + 1);
    const Linea* reparto = nullptr;
    ASSERT_TRUE(Esperar(
        [&] {
            return c.Ultima("anuncio") && (reparto = h.Ultima("reparto", {{"partida", nueva}}));
        },
        kHastaAnuncio))
        << Situacion();
    ASSERT_EQ(c.Estado("caja"), "Histórico_de_partidas_jugadas") << Situacion();

    // The box closed, the client joins that match, dealt alike, and plays it on.
    c.Ordenar("soltar");
    int enC = 0;
    ASSERT_TRUE(Esperar([&] { return (enC = c.PartidaComo(*reparto)) != 0; }, kHastaReparto))
        << "el cliente no se unió a la partida nueva" << Situacion();
    ASSERT_NO_FATAL_FAILURE(Ritmo("rapido"));
    EXPECT_TRUE(Esperar(
        [&] {
            return c.Cuantas("jugada", {{"partida", QString::number(enC)}, {"mano", "1"}}) >=
                   std::size_t(kJugadasComprobadas);
        },
        kHastaJugadas))
        << "la partida nueva no siguió en el cliente" << Situacion();
    EXPECT_EQ(c.Partida(), enC);
    ComprobarTodo();
}

} // namespace

// Dos ordenadores de una partida en red, cada uno en su proceso y con su persona delante: el administrador
// empieza una partida nueva en cada momento del otro (su persona a punto de jugar, el turno del
// administrador, una jugada animándose, el primer aviso de una partida recién empezada, el reparto esperado,
// los avisos del final de una mano, entre dos manos tras su Continuar). Hasta el momento juegan a toda
// velocidad; desde él, al paso de una persona (velocidad 50, pausa entre jugadas). Cada vez los dos dejan la
// vieja y juegan la misma nueva, repartida una sola vez, enseguida; nada de la vieja se mezcla en la nueva ni
// en las instantáneas.
//
// Cada momento se corre una vez. Para correr cada uno N veces (en otro orden en cada vuelta):
//   ZP_CARRERAS=N ctest --preset dev -L carrera --output-on-failure
#include "tests/table/ordenadores_en_red.h"

#include <algorithm>
#include <random>

namespace {

using namespace prueba;

// Generous: on a loaded machine a person's pace gets slower, never the other way round.
constexpr qint64 kHastaMomento = 12000; // each try, from the order that leads there
constexpr int kIntentos = 4;
constexpr qint64 kHastaReparto = 20000; // from the press done to the new match dealt on both
constexpr qint64 kHastaJugadas = 20000; // and to its first moves played on both, at full speed
constexpr qint64 kHastaHoja = 40000;    // and to the end of its first hand
constexpr int kJugadasComprobadas = 3;

// What the test waits for before the host presses, seen on the client's table.
enum class Momento
{
    SuTurno,            // its person is to move
    TurnoAdministrador, // the host's person is to move
    Animando,           // a move is being drawn there
    CajaAbierta,        // the first box of a match just started is open on either computer
    Reparto,            // it waits for the deal of a match just started
    FinDeMano,          // a hand has ended: its boxes
    EntreManos,         // after its person pressed Continuar for the next hand
};

const char* Nombre(Momento m)
{
    switch (m) {
    case Momento::SuTurno:
        return "su turno";
    case Momento::TurnoAdministrador:
        return "turno del administrador";
    case Momento::Animando:
        return "animando";
    case Momento::CajaAbierta:
        return "caja abierta";
    case Momento::Reparto:
        return "reparto";
    case Momento::FinDeMano:
        return "fin de mano";
    case Momento::EntreManos:
        return "entre manos";
    }
    return "";
}

// How many times each moment is raced: ZP_CARRERAS, 1 when not set.
int Vueltas()
{
    bool valido = false;
    const int n = qEnvironmentVariableIntValue("ZP_CARRERAS", &valido);
    return valido && n > 0 ? n : 1;
}

class CarreraNuevaPartida : public OrdenadoresEnRed
{
protected:
    OrdenadorEnRed& H() { return Administrador(); }
    OrdenadorEnRed& C() { return Cliente(); }

    // Both computers at their first match, dealt alike.
    void Arrancar(unsigned semilla)
    {
        ASSERT_NO_FATAL_FAILURE(ArrancarAdministrador(1, semilla));
        ASSERT_NO_FATAL_FAILURE(ArrancarCliente(semilla + 1));
        ASSERT_TRUE(Esperar(
            [&] {
                const Linea* r = H().Ultima("reparto");
                return r && C().PartidaComo(*r);
            },
            40000))
            << "la primera partida no llegó a repartirse en los dos" << Situacion();
    }

    // Up to the moment: at full speed until just before it, from there at a person's pace. The moments of a
    // match just started begin with a press of the host.
    void Preparar(Momento m)
    {
        partidaCliente_ = C().Partida();
        jugadaAlFrenar_ = -1;
        switch (m) {
        case Momento::SuTurno:
            ASSERT_NO_FATAL_FAILURE(Ritmo("rapido " + C().Estado("puesto")));
            break;
        case Momento::TurnoAdministrador:
            ASSERT_NO_FATAL_FAILURE(Ritmo("rapido 4"));
            break;
        case Momento::Animando:
            ASSERT_NO_FATAL_FAILURE(Ritmo("lento"));
            break;
        case Momento::FinDeMano:
        case Momento::EntreManos:
            ASSERT_NO_FATAL_FAILURE(Ritmo("rapido"));
            break;
        case Momento::CajaAbierta:
        case Momento::Reparto: {
            ASSERT_NO_FATAL_FAILURE(Ritmo("lento"));
            const Linea* hecha = nullptr;
            ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida(1, &hecha));
            partidaAdministrador_ = hecha->Partida();
            break;
        }
        }
    }

    bool EnMomento(Momento m)
    {
        if (!Lentos()) return false;
        const auto e = [&](const char* k) { return C().Estado(k); };
        const bool enPartida = e("enpartida") == "1";
        const bool jugando = enPartida && e("enmano") == "1";
        const bool caja = e("caja") != "-";
        switch (m) {
        case Momento::SuTurno:
            return jugando && e("propio") == "1" && e("pausa") == "0" && !caja;
        case Momento::TurnoAdministrador:
            return jugando && e("turno") == "4" && !caja;
        case Momento::Animando:
            return jugando && e("pausa") == "1";
        case Momento::CajaAbierta:
            return (C().Partida() > partidaCliente_ && caja) ||
                   (H().Partida() > partidaAdministrador_ && H().Estado("caja") != "-");
        case Momento::Reparto:
            return C().Partida() > partidaCliente_ && enPartida && e("panel") == "1";
        case Momento::FinDeMano:
            return C().Partida() == partidaCliente_ && enPartida && e("enmano") == "0" && caja &&
                   e("caja") != "Comienza_la_Partida";
        case Momento::EntreManos:
            return C().Partida() == partidaCliente_ && enPartida && e("enmano") == "0" && !caja &&
                   e("panel") == "1";
        }
        return false;
    }

    // A turn awaited that went by before the test saw it: a seat that cannot play passes at once.
    bool Pasado(Momento m)
    {
        if (m != Momento::SuTurno && m != Momento::TurnoAdministrador) return false;
        if (!Lentos()) return false;
        const int jugada = C().Estado("jugada").toInt();
        if (jugadaAlFrenar_ < 0) jugadaAlFrenar_ = jugada;
        return jugada != jugadaAlFrenar_;
    }

    // One race: at the moment, after a random delay, the host presses for a new match. Both computers then
    // reach it, dealt alike, and play it on alike.
    void Correr(Momento m, std::mt19937& azar)
    {
        SCOPED_TRACE(Nombre(m));
        bool llegado = false;
        // A moment missed (a person quicker than the test's look) comes again.
        for (int i = 0; i < kIntentos && !llegado; ++i) {
            if (i > 0) ++perdidos_;
            ASSERT_NO_FATAL_FAILURE(Preparar(m));
            llegado = Esperar([&] { return EnMomento(m) || Pasado(m); }, kHastaMomento) && EnMomento(m);
            ASSERT_TRUE(Vivos()) << Situacion();
        }
        ASSERT_TRUE(llegado) << "nunca se llegó al momento" << Situacion();
        QTest::qWait(std::uniform_int_distribution<int>(0, 300)(azar));
        const Linea* hecha = nullptr;
        ASSERT_NO_FATAL_FAILURE(PulsarNuevaPartida(1, &hecha));
        const qint64 t = hecha->t;
        nuevaAdministrador_ = hecha->Partida() + 1;

        // The new match dealt on both, the same hands.
        nuevaCliente_ = 0;
        const bool repartida = Esperar(
            [&] {
                const Linea* r = H().Ultima("reparto", {{"partida", QString::number(nuevaAdministrador_)}});
                return r && (nuevaCliente_ = C().PartidaComo(*r));
            },
            kHastaReparto);
        ASSERT_TRUE(repartida) << "la partida nueva no llegó a repartirse igual en los dos" << Situacion();

        // And played on alike; the race is over, at full speed.
        ASSERT_NO_FATAL_FAILURE(Ritmo("rapido"));
        const bool jugada = Esperar(
            [&] {
                return H().Cuantas("jugada", {{"partida", QString::number(nuevaAdministrador_)},
                                              {"mano", "1"}}) >= kJugadasComprobadas &&
                       C().Cuantas("jugada", {{"partida", QString::number(nuevaCliente_)}, {"mano", "1"}}) >=
                           kJugadasComprobadas;
            },
            kHastaJugadas);
        ASSERT_TRUE(jugada) << "la partida nueva no siguió en los dos" << Situacion();
        tiempos_.push_back(reloj.elapsed() - t);
    }

    // Every moment raced as many times as asked, each round in another order; then, over the whole run,
    // every snapshot, move and score-sheet entry.
    void Carreras(unsigned semilla, std::vector<Momento> momentos)
    {
        std::mt19937 azar(semilla);
        ASSERT_NO_FATAL_FAILURE(Arrancar(semilla));
        for (int vuelta = 0; vuelta < Vueltas(); ++vuelta) {
            if (vuelta > 0) std::shuffle(momentos.begin(), momentos.end(), azar);
            for (const Momento m : momentos) ASSERT_NO_FATAL_FAILURE(Correr(m, azar));
        }
        ComprobarTodo();
        std::printf("%zu carreras en %lld ms, %d momentos perdidos y vueltos a buscar; la más lenta, de la "
                    "pulsación a las jugadas de la nueva: %lld ms\n",
                    tiempos_.size(), static_cast<long long>(reloj.elapsed()), perdidos_,
                    static_cast<long long>(*std::max_element(tiempos_.begin(), tiempos_.end())));
    }

    int partidaCliente_ = 0, partidaAdministrador_ = 0; // when the way to the moment began
    int jugadaAlFrenar_ = -1; // the client's turn when both were back at a person's pace
    int nuevaAdministrador_ = 0, nuevaCliente_ = 0; // the last race's new match, on each computer
    std::vector<qint64> tiempos_;
    int perdidos_ = 0;
};

TEST_F(CarreraNuevaPartida, en_mitad_de_una_mano_los_dos_ordenadores_pasan_a_la_misma_partida_nueva)
{
    Carreras(11, {Momento::SuTurno, Momento::TurnoAdministrador, Momento::Animando});
}

TEST_F(CarreraNuevaPartida, al_empezar_una_partida_los_dos_pasan_a_la_misma_partida_nueva)
{
    Carreras(13, {Momento::CajaAbierta, Momento::Reparto});
}

TEST_F(CarreraNuevaPartida, en_los_avisos_del_final_de_una_mano_los_dos_pasan_a_la_misma_partida_nueva)
{
    Carreras(23, {Momento::FinDeMano});
}

TEST_F(CarreraNuevaPartida, entre_dos_manos_los_dos_pasan_a_la_misma_partida_nueva_y_la_anotan_igual)
{
    Carreras(37, {Momento::EntreManos});
    if (HasFatalFailure()) return;
    // The new match's first hand played to its end: the same entry on both score sheets.
    const Campos enH{{"partida", QString::number(nuevaAdministrador_)}, {"mano", "1"}};
    const Campos enC{{"partida", QString::number(nuevaCliente_)}, {"mano", "1"}};
    ASSERT_NO_FATAL_FAILURE(AToda([&] { return H().Ultima("hoja", enH) && C().Ultima("hoja", enC); },
                                  kHastaHoja, "la primera mano de la partida nueva no acabó anotada"));
    EXPECT_EQ(C().Ultima("hoja", enC)->Resto().toStdString(), H().Ultima("hoja", enH)->Resto().toStdString());
}

} // namespace

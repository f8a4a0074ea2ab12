// Una partida jugada en la mesa hasta el final, con "Sí" a la pregunta del histórico: el marcador abre el
// histórico y esa partida sale la primera, por delante de las que ya había. Si el histórico no se puede
// escribir se avisa, y una partida nueva pedida con ese aviso abierto se juega al cerrarlo.
#include "programa_prueba.h"

#include "scores/historic.h"
#include "scores/marcador.h"

#include <QDate>
#include <QDir>
#include <fstream>

namespace {

class HistoricoDePartida : public prueba::ProgramaPrueba
{
protected:
    // Four automatic players, no pause between moves, and the first hand ends the match; "Sí" to every
    // question, the history's included.
    void PartidasDeUnaMano()
    {
        a.Jugador[4].ControlJugador = zp::Control::Automatico;
        a.PausaEntreJugadas = false;
        a.PuntosPartida = 1;
        responder = [](const QString&) { return true; };
        paso = [&] {
            if (programa->e.EsperaContinuar) Pulsar(programa->Mesa->Pic_BotContinuar);
        };
    }
    void JugarPartidaDeUnaMano()
    {
        PartidasDeUnaMano();
        Arrancar();
        Pulsar(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 60000));
        ASSERT_FALSE(programa->e.PartidaEnCurso);
        ASSERT_TRUE(HayCaja(QStringLiteral("Histórico de partidas jugadas")));
        paso = nullptr;
    }

    // The history cannot be written; while its failure box is open at the end of the first match, `pedir`
    // asks for a new one. Once the box is closed that match is played too, to its own box.
    void NuevaConElAvisoAbierto(const std::function<void()>& pedir)
    {
        ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("ZARPE33.HIS")));
        PartidasDeUnaMano();
        int avisos = 0;
        responder = [&](const QString&) {
            if (cajas.back().texto.startsWith(QStringLiteral("No se ha podido")) && ++avisos == 1) pedir();
            return true;
        };
        Arrancar();
        Pulsar(1);
        // Main, the first match and the one asked for.
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 3; }, 60000))
            << "la partida pedida no se jugó; partidas acabadas: " << resultados.size() - 1;
        EXPECT_EQ(avisos, 2);
    }
};

TEST_F(HistoricoDePartida, una_partida_acabada_en_la_mesa_sale_la_primera_del_historico)
{
    std::ofstream(Carpeta() + "ZARPE33.HIS", std::ios::binary)
        << "202001011200Viejo1   Viejo2   Viejo3   Viejo4    30 10  0  0P\r\n";
    JugarPartidaDeUnaMano();

    // The winning pair: pair 1 is seats 2 and 4, pair 2 seats 1 and 3.
    const bool pareja1 = programa->e.GanadorMano == 1;
    const auto nombre = [&](int p) {
        return QString::fromStdString(programa->a.Jugador[std::size_t(p)].NombreJugador);
    };
    const QString ganadores = nombre(pareja1 ? 2 : 1) + QStringLiteral(" y ") + nombre(pareja1 ? 4 : 3);
    std::vector<QString> primera, segunda;
    QTimer persona, enElHistorico;
    prueba::AlAbrirse<zp::marcador>(persona, [&](zp::marcador& hoja) {
        prueba::AlAbrirse<zp::historic>(enElHistorico, [&](zp::historic& h) {
            for (const zp::TextoImpreso& t : h.TextosPagina())
                (t.y < 40 ? primera : segunda).push_back(t.texto);
            QTest::mousePress(h.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
        });
        QTest::mousePress(hoja.Pic_BotHistorico, Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mousePress(hoja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
    });
    Pulsar(5);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !segunda.empty() && !QApplication::activeModalWidget(); }, 5000));

    // Heading, then the new match's date and winners on its first line; the old one after it.
    ASSERT_GE(primera.size(), 3u);
    EXPECT_EQ(primera[1], QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    EXPECT_EQ(primera[2], ganadores);
    EXPECT_TRUE(std::find(segunda.begin(), segunda.end(), QStringLiteral("01-01-2020")) != segunda.end());
}

// A history that cannot be written (here a folder stands where the file goes): the match still ends, and
// the person is told in the program's own box that the history stays as it was.
TEST_F(HistoricoDePartida, un_historico_que_no_se_puede_escribir_se_dice_y_la_partida_acaba)
{
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("ZARPE33.HIS")));
    JugarPartidaDeUnaMano();
    const auto fallo = std::find_if(cajas.begin(), cajas.end(), [](const prueba::Caja& c) {
        return c.texto.startsWith(
            QStringLiteral("No se ha podido añadir esta partida al Histórico de partidas ("));
    });
    ASSERT_NE(fallo, cajas.end());
    EXPECT_EQ(fallo->titulo, QStringLiteral("Histórico de partidas jugadas"));
    EXPECT_TRUE(fallo->texto.endsWith(QStringLiteral("). El histórico queda como estaba.")));
    EXPECT_TRUE(QDir(Fichero("ZARPE33.HIS")).isEmpty());
}

// Asked of the program from inside that box, after the match's last step: it is not lost for that.
TEST_F(HistoricoDePartida, una_partida_nueva_pedida_desde_el_aviso_abierto_se_juega_al_cerrarlo)
{
    NuevaConElAvisoAbierto([this] { zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida); });
}

} // namespace

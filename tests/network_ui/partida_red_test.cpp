// Un administrador y de uno a tres clientes, cada uno en su propio proceso y unidos por la interfaz local,
// juegan una partida entera de jugadores automáticos y acaban con la misma hoja de tanteo en cada ordenador.
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Generous: only a hung match gets near them, and the test then fails instead of hanging.
constexpr int kLimiteMs = 120000;

QStringList Lineas(QProcess& p)
{
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST(PartidaRed, administrador_y_clientes_en_procesos_aparte_acaban_con_la_misma_hoja)
{
    struct Caso
    {
        int clientes;
        const char* semilla;
        const char* modo;
    };
    for (const Caso k : {Caso{1, "3", "1"}, Caso{2, "7", "2"}, Caso{3, "11", "1"}}) {
        SCOPED_TRACE(k.clientes);
        QProcess administrador;
        administrador.start(ZP_PARTIDA_RED,
                            {"--administrador", "--puerto", "0", "--clientes", QString::number(k.clientes),
                             "--semilla", k.semilla, "--modo", k.modo});
        ASSERT_TRUE(administrador.waitForStarted(kLimiteMs));
        ASSERT_TRUE(administrador.waitForReadyRead(kLimiteMs));
        const QString primera = QString::fromUtf8(administrador.readLine()).trimmed();
        ASSERT_TRUE(primera.startsWith("puerto ")) << primera.toStdString();
        const QString puerto = primera.mid(7);

        std::vector<std::unique_ptr<QProcess>> clientes;
        for (int i = 1; i <= k.clientes; ++i) {
            clientes.push_back(std::make_unique<QProcess>());
            clientes.back()->start(ZP_PARTIDA_RED,
                                   {"--cliente", "--puerto", puerto, "--semilla", QString::number(100 + i)});
        }
        ASSERT_TRUE(administrador.waitForFinished(kLimiteMs));
        EXPECT_EQ(administrador.exitCode(), 0);
        const QStringList hoja = Lineas(administrador);
        ASSERT_GE(hoja.size(), 3);
        EXPECT_EQ(hoja.back(), "partida terminada");
        for (auto& c : clientes) {
            ASSERT_TRUE(c->waitForFinished(kLimiteMs));
            EXPECT_EQ(c->exitCode(), 0);
            EXPECT_EQ(Lineas(*c), hoja);
        }
    }
}

} // namespace

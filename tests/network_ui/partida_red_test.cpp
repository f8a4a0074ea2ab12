// Un administrador y de uno a tres clientes, cada uno en su propio proceso y unidos por la interfaz local,
// juegan como el programa y acaban con la misma hoja de tanteo en cada ordenador.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Generous: only a hung match gets near them, and the test then fails instead of hanging.
constexpr int kLimiteMs = 120000;

struct Ordenador
{
    explicit Ordenador(const QStringList& argumentos)
    {
        proceso.start(ZP_PARTIDA_RED, argumentos);
        proceso.waitForStarted(kLimiteMs);
    }
    // Everything it printed, once it has finished.
    QStringList Terminar()
    {
        EXPECT_TRUE(proceso.waitForFinished(kLimiteMs));
        salida += QString::fromUtf8(proceso.readAllStandardOutput());
        return salida.split('\n', Qt::SkipEmptyParts);
    }
    int Codigo() const { return proceso.exitCode(); }
    QProcess proceso;
    QString salida;
};

// A host on a free port, and the port its clients are started with.
struct Administrador : Ordenador
{
    explicit Administrador(QStringList argumentos)
        : Ordenador(QStringList{"--administrador", "--puerto", "0"} + argumentos)
    {
        while (!salida.contains('\n') && proceso.waitForReadyRead(kLimiteMs))
            salida += QString::fromUtf8(proceso.readAllStandardOutput());
        const QString primera = salida.section('\n', 0, 0);
        EXPECT_TRUE(primera.startsWith("puerto ")) << primera.toStdString();
        puerto = primera.mid(7);
    }
    std::unique_ptr<Ordenador> Cliente(const QStringList& argumentos) const
    {
        return std::make_unique<Ordenador>(QStringList{"--cliente", "--puerto", puerto} + argumentos);
    }
    QString puerto;
};

// The score sheet of a computer's output, without what it showed meanwhile.
QStringList Hoja(const QStringList& lineas)
{
    QStringList hoja;
    for (const QString& l : lineas)
        if (l.startsWith("mano") || l.startsWith("total") || l.startsWith("partida ")) hoja << l;
    return hoja;
}

QStringList Empiezan(const QStringList& lineas, const QString& con)
{
    return lineas.filter(QRegularExpression("^" + QRegularExpression::escape(con)));
}

TEST(PartidaRed, administrador_y_clientes_en_procesos_aparte_acaban_con_la_misma_hoja)
{
    for (const auto& [cuantos, semilla, modo] : {std::tuple{1, "3", "1"}, {2, "7", "2"}, {3, "11", "1"}}) {
        SCOPED_TRACE(cuantos);
        Administrador h({"--clientes", QString::number(cuantos), "--semilla", semilla, "--modo", modo});
        std::vector<std::unique_ptr<Ordenador>> clientes;
        for (int i = 1; i <= cuantos; ++i)
            clientes.push_back(h.Cliente({"--semilla", QString::number(100 + i)}));
        const QStringList hoja = Hoja(h.Terminar());
        EXPECT_EQ(h.Codigo(), 0);
        ASSERT_GE(hoja.size(), 3);
        EXPECT_EQ(hoja.back(), "partida terminada");
        for (auto& c : clientes) {
            EXPECT_EQ(Hoja(c->Terminar()), hoja);
            EXPECT_EQ(c->Codigo(), 0);
        }
    }
}

TEST(PartidaRed, una_partida_sin_terminar_sigue_donde_quedo_solo_si_los_dos_ordenadores_la_tienen)
{
    for (const bool clienteLaTiene : {true, false}) {
        SCOPED_TRACE(clienteLaTiene);
        QTemporaryDir carpetaH, carpetaC;
        // A folder is named with or without its "/".
        const QStringList enH{"--carpeta", carpetaH.path() + "/", "--semilla", "5"};
        const QStringList enC{"--carpeta", carpetaC.path()};
        {
            // Both computers stop dead at the same turn, each leaving its snapshot of it.
            Administrador h(enH + QStringList{"--cortar", "20"});
            auto c = h.Cliente(enC + QStringList{"--cortar", "20"});
            EXPECT_EQ(Hoja(c->Terminar()), QStringList{});
            EXPECT_EQ(c->Codigo(), 3);
            h.Terminar();
            EXPECT_EQ(h.Codigo(), 3);
        }
        ASSERT_TRUE(QFile::exists(carpetaH.path() + "/ZARPE33.DRE"));
        ASSERT_TRUE(QFile::exists(carpetaC.path() + "/ZARPE33.DRE"));
        if (!clienteLaTiene) {
            ASSERT_TRUE(QFile::remove(carpetaC.path() + "/ZARPE33.DRE"));
        }

        Administrador h(enH);
        auto c = h.Cliente(enC);
        const QStringList lh = h.Terminar(), lc = c->Terminar();
        // Offered and taken up only when every computer holds the same game; else a new one.
        EXPECT_EQ(lh.contains("mensaje: Continuar partida anterior"), clienteLaTiene);
        EXPECT_EQ(lh.contains("partida reanudada"), clienteLaTiene);
        EXPECT_EQ(lc.contains("partida reanudada"), clienteLaTiene);
        EXPECT_EQ(Hoja(lc), Hoja(lh));
        EXPECT_EQ(Hoja(lh).back(), "partida terminada");
        // A game played to its end leaves no snapshot to take up again.
        EXPECT_FALSE(QFile::exists(carpetaH.path() + "/ZARPE33.DRE"));
    }
}

TEST(PartidaRed, un_cliente_que_se_cae_lo_juega_el_administrador_y_la_partida_sigue_con_los_demas)
{
    // Cancelar: the lost player's seat is played by the host from then on.
    Administrador h({"--clientes", "2", "--semilla", "7", "--respuestas", "0"});
    auto cae = h.Cliente({"--cortar", "15"});
    auto sigue = h.Cliente({});
    cae->Terminar();
    EXPECT_EQ(cae->Codigo(), 3);
    const QStringList lh = h.Terminar();
    EXPECT_EQ(Empiezan(lh, "mensaje: Jugador desconectado").size(), 1);
    EXPECT_EQ(Hoja(lh).back(), "partida terminada");
    EXPECT_EQ(Hoja(sigue->Terminar()), Hoja(lh));
    EXPECT_EQ(sigue->Codigo(), 0);
}

TEST(PartidaRed, un_asiento_que_se_cae_antes_de_contestar_no_deja_esperando_a_los_demas)
{
    // Cancelar: the seat lost during the start-up is played by the host.
    Administrador h({"--clientes", "2", "--semilla", "9", "--respuestas", "0"});
    {
        // Takes seat 1 and leaves before it reports its game.
        QTcpSocket pasa;
        pasa.connectToHost("127.0.0.1", quint16(h.puerto.toUInt()));
        QByteArray puesto;
        while (puesto.size() < 8 && pasa.waitForReadyRead(kLimiteMs)) puesto += pasa.readAll();
        EXPECT_EQ(puesto, "ZRP33031");
    }
    auto c = h.Cliente({});
    const QStringList lh = h.Terminar();
    EXPECT_TRUE(lh.contains("mensaje: Jugador desconectado"));
    EXPECT_EQ(Hoja(lh).back(), "partida terminada");
    EXPECT_EQ(Hoja(c->Terminar()), Hoja(lh));
}

TEST(PartidaRed, un_puerto_ocupado_se_avisa_y_no_se_espera)
{
    QTcpServer otro;
    ASSERT_TRUE(otro.listen(QHostAddress::AnyIPv4));
    Ordenador h({"--administrador", "--puerto", QString::number(otro.serverPort())});
    const QStringList l = h.Terminar();
    EXPECT_TRUE(l.contains("mensaje: Error en Administrador de una partida en red"));
    EXPECT_TRUE(l.contains("sin red"));
}

TEST(PartidaRed, una_llamada_sin_asiento_libre_se_rechaza_y_la_partida_se_juega_con_el_otro)
{
    Administrador h({"--clientes", "1", "--semilla", "7"});
    std::unique_ptr<Ordenador> c[] = {h.Cliente({"--semilla", "1"}), h.Cliente({"--semilla", "2"})};
    const QStringList hoja = Hoja(h.Terminar());
    int jugaron = 0;
    for (auto& o : c) {
        const QStringList l = o->Terminar();
        if (Hoja(l) == hoja) {
            ++jugaron;
            continue;
        }
        // Turned away: told so, and back to its game from before network play.
        EXPECT_TRUE(l.contains("mensaje: Juego en red"));
        EXPECT_TRUE(l.contains("sin red"));
    }
    EXPECT_EQ(jugaron, 1);
    EXPECT_EQ(hoja.back(), "partida terminada");
}

TEST(PartidaRed, si_el_administrador_se_va_el_cliente_puede_seguir_con_una_partida_local)
{
    Administrador h({"--clientes", "1", "--semilla", "7", "--salir", "15"});
    // Cancelar twice: no reconnection, no situation from before; a new local match.
    auto c = h.Cliente({"--respuestas", "00"});
    EXPECT_EQ(Hoja(h.Terminar()).back(), "partida sin terminar");
    const QStringList l = c->Terminar();
    const qsizetype cortada = l.indexOf("mensaje: Juego en red");
    ASSERT_GE(cortada, 0);
    EXPECT_EQ(l.indexOf("mensaje: Restaurar situación anterior"), cortada + 1);
    EXPECT_EQ(Hoja(l).back(), "partida terminada");
    EXPECT_EQ(c->Codigo(), 0);
}

TEST(PartidaRed, los_mensajes_de_todos_llegan_a_todos_una_vez_y_en_el_mismo_orden)
{
    const QString largo = QString(199, 'x') + QStringLiteral("ñ");
    Administrador h({"--clientes", "2", "--puntos", "5", "--chat", QStringLiteral("¿Qué tal, Begoña?"),
                     "--chat", largo + "Z", "--mensajes", "6"});
    auto uno = h.Cliente({"--chat", QStringLiteral("Uno: áéíóú"), "--chat", "Uno otra", "--mensajes", "6"});
    auto dos = h.Cliente({"--chat", QStringLiteral("Dos: üÜ€"), "--chat", "Dos otra", "--mensajes", "6"});
    const QStringList lineas = Empiezan(h.Terminar(), "chat: ");
    EXPECT_EQ(Empiezan(uno->Terminar(), "chat: "), lineas);
    EXPECT_EQ(Empiezan(dos->Terminar(), "chat: "), lineas);
    ASSERT_EQ(lineas.size(), 6);
    // Name (9), time (5), text (200): the longest line loses what passes 200 characters.
    for (const QString& texto :
         {QStringLiteral("¿Qué tal, Begoña?"), largo, QStringLiteral("Uno: áéíóú"),
          QStringLiteral("Uno otra"), QStringLiteral("Dos: üÜ€"), QStringLiteral("Dos otra")})
        EXPECT_EQ(lineas.filter(texto).size(), 1) << texto.toStdString();
    for (const QString& l : lineas) EXPECT_EQ(l.size(), 6 + 214) << l.toStdString();
    EXPECT_FALSE(lineas.join("").contains(largo + "Z"));
    // Each computer's two lines in the order it sent them.
    EXPECT_LT(lineas.indexOf(QRegularExpression(".*Uno: .*")),
              lineas.indexOf(QRegularExpression(".*Uno otra.*")));
}

} // namespace

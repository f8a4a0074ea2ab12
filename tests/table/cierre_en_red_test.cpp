// Un cliente de una partida en red, cada ordenador en su proceso con sus pausas de verdad y su persona
// delante, cierra su mesa mientras se dibuja una jugada, como lo pide el escritorio: su persona contesta
// Aceptar a la pregunta de salir, la conexión se corta, y el administrador ve que ese jugador se ha
// desconectado.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kHastaReparto = 20000; // the client connected and its first hand dealt
constexpr int kHastaDesconexion = 10000;

// One computer of the game in its own process, and every line it has said so far.
class Ordenador
{
public:
    explicit Ordenador(const QStringList& argumentos)
    {
        proceso_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proceso_.start(QStringLiteral(ZP_ORDENADOR_EN_RED),
                       argumentos + QStringList{"--carpeta", carpeta_.path()});
    }
    ~Ordenador()
    {
        proceso_.kill();
        proceso_.waitForFinished(5000);
    }

    void Leer()
    {
        while (proceso_.canReadLine()) lineas << QString::fromUtf8(proceso_.readLine()).trimmed();
    }
    void Ordenar(const char* orden)
    {
        proceso_.write(QByteArray(orden) + '\n');
        proceso_.waitForBytesWritten(1000);
    }
    // The first line that says all of `palabras`, after the time it was said; empty when none.
    QString Dicho(const QStringList& palabras) const
    {
        for (const QString& l : lineas) {
            const QStringList dichas = l.split(' ', Qt::SkipEmptyParts).mid(1);
            if (std::all_of(palabras.begin(), palabras.end(),
                            [&](const QString& p) { return dichas.contains(p); }))
                return l;
        }
        return {};
    }
    QString Final() const { return lineas.mid(std::max<qsizetype>(0, lineas.size() - 8)).join("\n  "); }

    QStringList lineas;

private:
    QTemporaryDir carpeta_;
    QProcess proceso_;
};

TEST(CierreEnRed, un_cliente_cerrado_mientras_se_dibuja_una_jugada_sale_y_el_administrador_lo_ve_irse)
{
    Ordenador h({"--administrador", "--semilla", "5"});
    std::unique_ptr<Ordenador> c;
    const auto esperar = [&](const std::function<bool()>& condicion, int ms) {
        return QTest::qWaitFor(
            [&] {
                h.Leer();
                if (c) c->Leer();
                return condicion();
            },
            ms);
    };
    QString puerto;
    ASSERT_TRUE(esperar(
        [&] {
            for (const QString& l : h.lineas)
                if (l.section(' ', 1, 1) == "puerto") puerto = l.section(' ', 2, 2);
            return !puerto.isEmpty();
        },
        kHastaReparto));
    c = std::make_unique<Ordenador>(QStringList{"--cliente", "--puerto", puerto, "--semilla", "6"});
    ASSERT_TRUE(esperar([&] { return !c->Dicho({"dre"}).isEmpty(); }, kHastaReparto))
        << c->Final().toStdString();

    c->Ordenar("cerrar");
    ASSERT_TRUE(esperar([&] { return !c->Dicho({"cerrar", "pedido"}).isEmpty(); }, kHastaDesconexion));
    const bool desconectado =
        esperar([&] { return !h.Dicho({"caja=Jugador_desconectado"}).isEmpty(); }, kHastaDesconexion);

    EXPECT_TRUE(c->Dicho({"caja=Salir_del_programa", "pausa=1"}).isEmpty())
        << "the question opened inside the drawing's pause, deaf to the person";
    EXPECT_FALSE(c->Dicho({"caja=Salir_del_programa", "pausa=0"}).isEmpty()) << c->Final().toStdString();
    EXPECT_TRUE(desconectado) << "host:\n  " << h.Final().toStdString() << "\nclient:\n  "
                              << c->Final().toStdString();
}

} // namespace

// Dos ordenadores de una partida en red, cada uno en su proceso y con su persona delante (velocidad 50, pausa
// entre jugadas): el administrador empieza una partida nueva una y otra vez, en cualquier momento del otro
// (su persona a punto de jugar o jugando, una jugada animándose, el turno de otro, una caja abierta, el
// reparto esperado, el final de una mano). Cada vez los dos dejan la vieja y juegan la misma nueva, repartida
// una sola vez, enseguida; nada de la vieja se mezcla en la nueva ni en las instantáneas.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

// From the host's acceptance to both computers at the new deal, and to its first moves played on both.
constexpr qint64 kHastaReparto = 15000;
constexpr qint64 kHastaJugadas = 30000;
constexpr int kJugadasComprobadas = 3;

struct Linea
{
    qint64 t; // when the test read it
    QString clase;
    std::map<QString, QString> campos; // "clave=valor" words; the rest under "resto"
};

class Ordenador
{
public:
    Ordenador(const QString& nombre, const QStringList& argumentos, const QElapsedTimer& reloj)
        : nombre_(nombre), reloj_(reloj)
    {
        proceso_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proceso_.start(QStringLiteral(ZP_ORDENADOR_EN_RED),
                       argumentos + QStringList{"--carpeta", carpeta_.path()});
        EXPECT_TRUE(proceso_.waitForStarted(10000)) << nombre.toStdString();
    }
    ~Ordenador()
    {
        proceso_.kill();
        proceso_.waitForFinished(5000);
    }

    void Leer()
    {
        while (proceso_.canReadLine()) {
            const QString texto = QString::fromUtf8(proceso_.readLine()).trimmed();
            const QStringList palabras = texto.split(' ', Qt::SkipEmptyParts);
            if (palabras.size() < 2) continue;
            Linea l{reloj_.elapsed(), palabras[1], {}};
            for (const QString& p : palabras.mid(2)) {
                const qsizetype igual = p.indexOf('=');
                if (igual > 0)
                    l.campos[p.left(igual)] = p.mid(igual + 1);
                else
                    l.campos[QStringLiteral("resto")] += p + ' ';
            }
            lineas.push_back(std::move(l));
            texto_ << QString::number(lineas.back().t) + " " + texto;
        }
    }
    void Ordenar(const char* orden)
    {
        proceso_.write(QByteArray(orden) + '\n');
        proceso_.waitForBytesWritten(1000);
    }
    bool Vivo() const { return proceso_.state() == QProcess::Running; }

    // The last line of a kind, or of a kind with these fields.
    const Linea* Ultima(const QString& clase, const std::map<QString, QString>& con = {}) const
    {
        for (auto it = lineas.rbegin(); it != lineas.rend(); ++it)
            if (it->clase == clase && Con(*it, con)) return &*it;
        return nullptr;
    }
    std::vector<const Linea*> Todas(const QString& clase, const std::map<QString, QString>& con = {},
                                    qint64 desde = 0) const
    {
        std::vector<const Linea*> r;
        for (const Linea& l : lineas)
            if (l.clase == clase && l.t >= desde && Con(l, con)) r.push_back(&l);
        return r;
    }
    QString Estado(const QString& campo) const
    {
        const Linea* l = Ultima(QStringLiteral("estado"));
        return l ? l->campos.at(campo) : QString();
    }

    const QString& Nombre() const { return nombre_; }
    const QStringList& Texto() const { return texto_; }
    std::vector<Linea> lineas;

private:
    static bool Con(const Linea& l, const std::map<QString, QString>& con)
    {
        for (const auto& [k, v] : con) {
            const auto it = l.campos.find(k);
            if (it == l.campos.end() || it->second != v) return false;
        }
        return true;
    }

    QString nombre_;
    QStringList texto_; // every line as it came, after the test's own time
    const QElapsedTimer& reloj_;
    QTemporaryDir carpeta_;
    QProcess proceso_;
};

// What the test waits for before the host presses, seen on the client's table.
enum class Momento
{
    SuTurno,     // its person is to move
    Animando,    // a move is being drawn there
    OtroTurno,   // another seat's turn
    CajaAbierta, // a message box is open on either computer (the first of a match just started)
    Reparto,     // it waits for the deal of a match just started
    FinDeMano,   // a hand has ended: its boxes
    EntreManos,  // after its person pressed Continuar for the next hand
};

const char* Nombre(Momento m)
{
    switch (m) {
    case Momento::SuTurno:
        return "su turno";
    case Momento::Animando:
        return "animando";
    case Momento::OtroTurno:
        return "otro turno";
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

class CarreraNuevaPartida : public ::testing::Test
{
protected:
    void SetUp() override { reloj.start(); }
    // A failed race leaves what both computers showed beside the test, to be read.
    void TearDown() override
    {
        if (!HasFailure()) return;
        Leer();
        for (const Ordenador* o : {h.get(), c.get()}) {
            if (!o) continue;
            QFile f(
                QStringLiteral("carrera_%1_%2.txt")
                    .arg(QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                         o->Nombre()));
            if (!f.open(QIODevice::WriteOnly)) continue;
            for (const QString& l : o->Texto()) f.write((l + '\n').toUtf8());
            std::printf("lo visto en %s: %s\n", qPrintable(o->Nombre()),
                        qPrintable(QFileInfo(f).absoluteFilePath()));
        }
    }

    void Leer()
    {
        for (Ordenador* o : {h.get(), c.get()})
            if (o) o->Leer();
    }
    bool Vivos() const { return (!h || h->Vivo()) && (!c || c->Vivo()); }
    bool Esperar(const std::function<bool()>& condicion, qint64 ms)
    {
        return QTest::qWaitFor(
                   [&] {
                       Leer();
                       return condicion() || !Vivos();
                   },
                   int(ms)) &&
               Vivos();
    }

    void Arrancar(unsigned semilla)
    {
        h = std::make_unique<Ordenador>(
            "administrador", QStringList{"--administrador", "--semilla", QString::number(semilla)}, reloj);
        ASSERT_TRUE(Esperar([&] { return h->Ultima("puerto"); }, 20000));
        const QString puerto = h->Ultima("puerto")->campos.at("resto").trimmed();
        c = std::make_unique<Ordenador>(
            "cliente",
            QStringList{"--cliente", "--puerto", puerto, "--semilla", QString::number(semilla + 1)}, reloj);
        ASSERT_TRUE(Esperar([&] { return h->Ultima("dre") && c->Ultima("dre"); }, 40000));
    }

    bool EnMomento(Momento m) const
    {
        const auto e = [&](const char* k) { return c->Estado(k); };
        const bool jugando = e("partida") == "1" && e("enmano") == "1";
        switch (m) {
        case Momento::SuTurno:
            return jugando && e("propio") == "1" && e("pausa") == "0" && e("caja") == "-";
        case Momento::Animando:
            return jugando && e("pausa") == "1";
        case Momento::OtroTurno:
            return jugando && e("propio") == "0";
        case Momento::CajaAbierta:
            return e("caja") != "-" || h->Estado("caja") != "-";
        case Momento::Reparto:
            return e("partida") == "1" && e("panel") == "1";
        case Momento::FinDeMano:
            return e("partida") == "1" && e("enmano") == "0" && e("caja") != "-";
        case Momento::EntreManos:
            return e("partida") == "1" && e("enmano") == "0" && e("caja") == "-" && e("panel") == "1";
        }
        return false;
    }

    // The host's person presses "Comenzar nueva partida" and accepts leaving the match; `aceptadaEn`, when
    // given, gets the moment the acceptance was read.
    void NuevaPartida(qint64* aceptadaEn = nullptr)
    {
        const std::map<QString, QString> aceptada{{"resto", "aceptada "}};
        const std::size_t antes = h->Todas("nueva", aceptada).size();
        h->Ordenar("nueva");
        ASSERT_TRUE(Esperar([&] { return h->Todas("nueva", aceptada).size() > antes; }, 15000));
        if (aceptadaEn) *aceptadaEn = h->Todas("nueva", aceptada).back()->t;
    }

    // One race: at the moment, after a random delay, the host presses for a new match. Both computers then
    // reach it and play it on alike.
    void Correr(Momento m, std::mt19937& azar, qint64 espera)
    {
        SCOPED_TRACE(Nombre(m));
        // The match the host starts first is the one whose deal, or whose first box, the race cuts.
        if (m == Momento::Reparto || m == Momento::CajaAbierta) {
            ASSERT_NO_FATAL_FAILURE(NuevaPartida());
        }
        const QString vieja = h->Estado("id");
        ASSERT_TRUE(Esperar([&] { return EnMomento(m); }, espera)) << "nunca se llegó al momento";
        QTest::qWait(std::uniform_int_distribution<int>(0, 300)(azar));
        qint64 t = 0;
        ASSERT_NO_FATAL_FAILURE(NuevaPartida(&t));

        // The new match dealt on both, the same hands, its first turn begun.
        const Linea* rh = nullptr;
        const Linea* rc = nullptr;
        const bool repartida = Esperar(
            [&] {
                rh = Primera(*h, t, vieja);
                rc = rh ? c->Ultima("dre", {{"id", rh->campos.at("id")}, {"mano", "1"}, {"jugada", "1"}})
                        : nullptr;
                return rc;
            },
            kHastaReparto - (reloj.elapsed() - t));
        ASSERT_TRUE(repartida) << "la partida nueva no llegó a repartirse en los dos: " << Situacion();
        const QString id = rh->campos.at("id");
        EXPECT_EQ(rc->campos.at("resto").toStdString(), rh->campos.at("resto").toStdString()) << Situacion();

        // And played on alike.
        const std::map<QString, QString> mano1{{"id", id}, {"mano", "1"}};
        const bool jugada = Esperar(
            [&] {
                return int(h->Todas("jugada", mano1).size()) >= kJugadasComprobadas &&
                       int(c->Todas("jugada", mano1).size()) >= kJugadasComprobadas;
            },
            kHastaJugadas - (reloj.elapsed() - t));
        ASSERT_TRUE(jugada) << "la partida nueva no siguió en los dos: " << Situacion();
        ++carreras;
        tiempos.push_back(reloj.elapsed() - t);
    }

    // The first snapshot of a first turn after `desde`, of a match other than `salvo`.
    static const Linea* Primera(const Ordenador& o, qint64 desde, const QString& salvo)
    {
        for (const Linea* l : o.Todas("dre", {{"mano", "1"}, {"jugada", "1"}}, desde))
            if (l->campos.at("id") != salvo) return l;
        return nullptr;
    }

    std::string Situacion() const
    {
        std::string s;
        for (const Ordenador* o : {h.get(), c.get()}) {
            s += "\n" + o->Nombre().toStdString() + ":";
            const auto n = o->lineas.size();
            for (std::size_t i = n > 12 ? n - 12 : 0; i < n; ++i) {
                const Linea& l = o->lineas[i];
                s += "\n  " + std::to_string(l.t) + " " + l.clase.toStdString();
                for (const auto& [k, v] : l.campos) s += " " + k.toStdString() + "=" + v.toStdString();
            }
        }
        return s;
    }

    // What both computers showed, checked once the races are over: every snapshot the client wrote is of a
    // hand the host dealt, and as the host's of that same turn (the first turn's is the deal); every move
    // and every score-sheet entry the same on both, as far as both got.
    void ComprobarTodo()
    {
        Leer();
        const auto porClave = [](const Ordenador& o, const char* clase,
                                 std::initializer_list<const char*> k) {
            std::map<QString, std::set<QString>> m;
            for (const Linea* l : o.Todas(clase)) {
                QString clave;
                for (const char* campo : k) clave += l->campos.at(campo) + "/";
                m[clave].insert(l->campos.at("resto"));
            }
            return m;
        };
        const auto turnosH = porClave(*h, "dre", {"id", "mano", "jugada"});
        const auto manosH = porClave(*h, "dre", {"id", "mano"});
        for (const auto& [clave, vistos] : porClave(*c, "dre", {"id", "mano", "jugada"})) {
            SCOPED_TRACE(clave.toStdString());
            EXPECT_TRUE(manosH.count(clave.section('/', 0, 1) + "/")) << "una instantánea de una mano que "
                                                                         "el administrador no repartió";
            const auto t = turnosH.find(clave);
            if (t == turnosH.end()) continue;
            for (const QString& v : vistos) EXPECT_TRUE(t->second.count(v)) << v.toStdString();
        }
        const auto jugadasH = porClave(*h, "jugada", {"id", "mano", "n"});
        for (const auto& [clave, vistos] : porClave(*c, "jugada", {"id", "mano", "n"})) {
            if (jugadasH.count(clave)) {
                EXPECT_EQ(vistos, jugadasH.at(clave)) << "jugada " << clave.toStdString();
            }
        }
        const auto hojasH = porClave(*h, "hoja", {"id", "mano"});
        for (const auto& [clave, vistos] : porClave(*c, "hoja", {"id", "mano"})) {
            if (hojasH.count(clave)) {
                EXPECT_EQ(vistos, hojasH.at(clave)) << "hoja " << clave.toStdString();
            }
        }
    }

    void Carreras(unsigned semilla, std::initializer_list<Momento> momentos, qint64 espera = 30000);

    QElapsedTimer reloj;
    std::unique_ptr<Ordenador> h, c;
    int carreras = 0;
    std::vector<qint64> tiempos;
};

// Every race of a run: both computers at the new match, dealt alike, playing it alike; then, over the whole
// run, every snapshot, move and score-sheet entry.
void CarreraNuevaPartida::Carreras(unsigned semilla, std::initializer_list<Momento> momentos, qint64 espera)
{
    std::mt19937 azar(semilla);
    ASSERT_NO_FATAL_FAILURE(Arrancar(semilla));
    for (const Momento m : momentos) ASSERT_NO_FATAL_FAILURE(Correr(m, azar, espera));
    ComprobarTodo();
    qint64 peor = 0;
    for (qint64 t : tiempos) peor = std::max(peor, t);
    std::printf("%d carreras; la más lenta hasta las jugadas de la nueva: %lld ms\n", carreras,
                static_cast<long long>(peor));
}

TEST_F(CarreraNuevaPartida, en_mitad_de_una_mano_los_dos_ordenadores_pasan_a_la_misma_partida_nueva)
{
    Carreras(11, {Momento::SuTurno, Momento::Animando, Momento::Reparto, Momento::OtroTurno,
                  Momento::CajaAbierta, Momento::Animando, Momento::SuTurno, Momento::Reparto});
}

TEST_F(CarreraNuevaPartida, otra_vez_en_mitad_de_una_mano_y_en_otro_orden)
{
    Carreras(13, {Momento::Animando, Momento::CajaAbierta, Momento::SuTurno, Momento::Animando,
                  Momento::OtroTurno, Momento::Reparto, Momento::Animando, Momento::SuTurno});
}

TEST_F(CarreraNuevaPartida, en_los_avisos_del_final_de_una_mano_los_dos_pasan_a_la_misma_partida_nueva)
{
    Carreras(23, {Momento::FinDeMano}, 150000);
}

TEST_F(CarreraNuevaPartida, entre_dos_manos_los_dos_pasan_a_la_misma_partida_nueva_y_la_anotan_igual)
{
    Carreras(37, {Momento::EntreManos}, 150000);
    if (HasFatalFailure()) return;
    // The new match's first hand played to its end: the same entry on both score sheets.
    const QString id = h->Ultima("dre")->campos.at("id");
    ASSERT_TRUE(Esperar(
        [&] {
            return h->Ultima("hoja", {{"id", id}}) && c->Ultima("hoja", {{"id", id}});
        },
        150000))
        << Situacion();
    EXPECT_EQ(c->Ultima("hoja", {{"id", id}})->campos.at("resto").toStdString(),
              h->Ultima("hoja", {{"id", id}})->campos.at("resto").toStdString());
}

} // namespace

// Ordenadores de una partida en red, cada uno el programa entero en su propio proceso y con su persona
// delante (tests/soporte/red/ordenador_en_red.cpp): se arrancan a toda velocidad, se les dan órdenes y lo que
// muestran sus mesas se lee línea a línea. Al terminar se comprueba que cada cliente vio lo mismo que el
// administrador en cada partida que los dos jugaron, reconocida por su reparto y no por su identificador.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace prueba {

using Campos = std::map<QString, QString>;

struct Linea
{
    qint64 t; // when the test read it
    QString clase;
    Campos campos; // "clave=valor" words; the other words, joined, under "resto"

    QString Campo(const QString& clave) const
    {
        const auto it = campos.find(clave);
        return it == campos.end() ? QString() : it->second;
    }
    QString Resto() const { return Campo(QStringLiteral("resto")); }
    // The number of the match on its computer.
    int Partida() const { return Campo(QStringLiteral("partida")).toInt(); }
};

class OrdenadorEnRed
{
public:
    OrdenadorEnRed(const QString& nombre, const QStringList& argumentos, const QElapsedTimer& reloj)
        : nombre_(nombre), reloj_(reloj)
    {
        proceso_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proceso_.start(QStringLiteral(ZP_ORDENADOR_EN_RED),
                       argumentos + QStringList{"--carpeta", carpeta_.path()});
        EXPECT_TRUE(proceso_.waitForStarted(10000)) << nombre.toStdString();
    }
    ~OrdenadorEnRed()
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
            QStringList resto;
            for (const QString& p : palabras.mid(2)) {
                const qsizetype igual = p.indexOf('=');
                if (igual > 0)
                    l.campos[p.left(igual)] = p.mid(igual + 1);
                else
                    resto << p;
            }
            l.campos[QStringLiteral("resto")] = resto.join(' ');
            lineas.push_back(std::move(l));
            texto_ << QString::number(lineas.back().t) + " " + texto;
        }
    }
    void Ordenar(const QString& orden)
    {
        proceso_.write(orden.toUtf8() + '\n');
        proceso_.waitForBytesWritten(1000);
    }
    bool Vivo() const { return proceso_.state() == QProcess::Running; }
    // Ended by itself and well, as the program does when its person leaves it.
    bool Acabado() const
    {
        return proceso_.state() == QProcess::NotRunning && proceso_.exitStatus() == QProcess::NormalExit &&
               proceso_.exitCode() == 0;
    }
    // Gone as a crash or a power cut takes it, without a word to the others.
    void Matar()
    {
        proceso_.kill();
        proceso_.waitForFinished(5000);
    }

    // The lines of a kind, or of a kind with these fields ("resto": the other words).
    std::vector<const Linea*> Todas(const QString& clase, const Campos& con = {}) const
    {
        std::vector<const Linea*> r;
        for (const Linea& l : lineas)
            if (l.clase == clase && Con(l, con)) r.push_back(&l);
        return r;
    }
    const Linea* Ultima(const QString& clase, const Campos& con = {}) const
    {
        for (auto it = lineas.rbegin(); it != lineas.rend(); ++it)
            if (it->clase == clase && Con(*it, con)) return &*it;
        return nullptr;
    }
    std::size_t Cuantas(const QString& clase, const Campos& con = {}) const
    {
        return Todas(clase, con).size();
    }
    QString Estado(const QString& campo) const
    {
        const Linea* l = Ultima(QStringLiteral("estado"));
        return l ? l->Campo(campo) : QString();
    }
    // The match its table shows now.
    int Partida() const { return lineas.empty() ? 0 : lineas.back().Partida(); }
    // Its pace: "lento", "rapido" or "rapido K".
    QString Ritmo() const
    {
        const Linea* l = Ultima(QStringLiteral("ritmo"));
        return l ? l->Resto() : QStringLiteral("lento");
    }
    // Its match dealt as `reparto` says (another computer's line), the same game and hands; 0 when none.
    int PartidaComo(const Linea& reparto) const
    {
        const Linea* l =
            Ultima(QStringLiteral("reparto"), {{"id", reparto.Campo("id")}, {"resto", reparto.Resto()}});
        return l ? l->Partida() : 0;
    }

    const QString& Nombre() const { return nombre_; }
    const QStringList& Texto() const { return texto_; }
    // A deque: the lines handed out stay where they are while more are read.
    std::deque<Linea> lineas;

private:
    static bool Con(const Linea& l, const Campos& con)
    {
        for (const auto& [k, v] : con)
            if (l.Campo(k) != v) return false;
        return true;
    }

    QString nombre_;
    QStringList texto_; // every line as it came, after the test's own time
    const QElapsedTimer& reloj_;
    QTemporaryDir carpeta_;
    QProcess proceso_;
};

class OrdenadoresEnRed : public ::testing::Test
{
protected:
    void SetUp() override { reloj.start(); }
    // A failed test leaves what every computer showed beside it, to be read.
    void TearDown() override
    {
        if (!HasFailure()) return;
        Leer();
        const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
        for (const auto& o : ordenadores) {
            QFile f(QStringLiteral("%1_%2_%3.txt")
                        .arg(QString::fromLatin1(prueba->test_suite_name()),
                             QString::fromLatin1(prueba->name()), o->Nombre()));
            if (!f.open(QIODevice::WriteOnly)) continue;
            for (const QString& l : o->Texto()) f.write((l + '\n').toUtf8());
            std::printf("lo visto en %s: %s\n", qPrintable(o->Nombre()),
                        qPrintable(QFileInfo(f).absoluteFilePath()));
        }
    }

    OrdenadorEnRed& Administrador() { return *ordenadores.front(); }
    OrdenadorEnRed& Cliente(std::size_t i = 1) { return *ordenadores.at(i); }

    // The host, listening on a free port for `clientes` clients; it goes at full speed until its first hand
    // is over, as every computer started here. `mas`: further options of the race program.
    void ArrancarAdministrador(int clientes, unsigned semilla, const QStringList& mas = {})
    {
        Arrancar("administrador", QStringList{"--administrador", "--clientes", QString::number(clientes),
                                              "--semilla", QString::number(semilla)} +
                                      mas);
        const Linea* p = nullptr;
        ASSERT_TRUE(Esperar([&] { return (p = Administrador().Ultima("puerto")); }, 20000))
            << "el administrador no llegó a escuchar";
        puerto_ = p->Resto();
    }
    void ArrancarCliente(unsigned semilla, const QStringList& mas = {})
    {
        Arrancar(ordenadores.size() == 1 ? QStringLiteral("cliente")
                                         : QStringLiteral("cliente%1").arg(ordenadores.size()),
                 QStringList{"--cliente", "--puerto", puerto_, "--semilla", QString::number(semilla)} + mas);
    }

    void Leer()
    {
        for (const auto& o : ordenadores) o->Leer();
    }
    bool Vivos() const
    {
        for (const auto& o : ordenadores)
            if (!o->Vivo()) return false;
        return true;
    }
    // Until the condition holds on what the computers showed, or one of them is gone.
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

    // Until the condition holds on what one computer showed, whatever became of the others.
    bool EsperarEn(OrdenadorEnRed& o, const std::function<bool()>& condicion, qint64 ms)
    {
        return QTest::qWaitFor(
            [&] {
                o.Leer();
                return condicion();
            },
            int(ms));
    }

    // Every computer given the pace, and each has taken it.
    void Ritmo(const QString& orden)
    {
        const Campos pedido{{"pedido", "1"}};
        std::vector<std::size_t> antes;
        for (const auto& o : ordenadores) {
            antes.push_back(o->Cuantas("ritmo", pedido));
            o->Ordenar(orden);
        }
        ASSERT_TRUE(Esperar(
            [&] {
                for (std::size_t i = 0; i < ordenadores.size(); ++i)
                    if (ordenadores[i]->Cuantas("ritmo", pedido) <= antes[i]) return false;
                return true;
            },
            10000))
            << "no tomaron el ritmo " << orden.toStdString() << Situacion();
    }
    bool Lentos() const
    {
        for (const auto& o : ordenadores)
            if (o->Ritmo() != QStringLiteral("lento")) return false;
        return true;
    }
    // Every computer at full speed until `hecho` holds: told again whenever all are back at a person's pace
    // without it (a hand ended, or a tied hand is dealt again).
    void AToda(const std::function<bool()>& hecho, qint64 ms, const char* que)
    {
        QElapsedTimer t;
        t.start();
        while (!hecho()) {
            ASSERT_NO_FATAL_FAILURE(Ritmo(QStringLiteral("rapido")));
            const bool visto =
                Esperar([&] { return hecho() || Lentos(); }, std::max<qint64>(0, ms - t.elapsed()));
            ASSERT_TRUE(visto && t.elapsed() < ms) << que << Situacion();
        }
    }

    // The host's person presses "Comenzar nueva partida" `veces` times, each press done (accepted, when it
    // asked); `hecha`, when given, gets the last press's line.
    void PulsarNuevaPartida(int veces = 1, const Linea** hecha = nullptr)
    {
        OrdenadorEnRed& h = Administrador();
        const Campos hechas{{"resto", "hecha"}};
        const std::size_t antes = h.Cuantas("nueva", hechas);
        for (int i = 0; i < veces; ++i) h.Ordenar(QStringLiteral("nueva"));
        ASSERT_TRUE(Esperar([&] { return h.Cuantas("nueva", hechas) >= antes + std::size_t(veces); }, 15000))
            << "la pulsación de nueva partida no llegó a hacerse" << Situacion();
        if (hecha) *hecha = h.Ultima("nueva", hechas);
    }

    // The last lines of every computer.
    std::string Situacion() const
    {
        std::string s;
        for (const auto& o : ordenadores) {
            s += "\n" + o->Nombre().toStdString() + ":";
            const std::size_t n = o->Texto().size();
            for (std::size_t i = n > 12 ? n - 12 : 0; i < n; ++i)
                s += "\n  " + o->Texto()[qsizetype(i)].toStdString();
        }
        return s;
    }

    // What every client showed against the host's, once the test is over. Each match a client dealt the host
    // dealt too, the same game with the same hands; in it, every snapshot is of that game (on the first
    // hand, of those hands) and as the host's of the same turn; every move and every score-sheet entry the
    // same on both, as far as both got.
    void ComprobarTodo()
    {
        Leer();
        const OrdenadorEnRed& h = Administrador();
        for (std::size_t i = 1; i < ordenadores.size(); ++i) {
            const OrdenadorEnRed& c = *ordenadores[i];
            SCOPED_TRACE(c.Nombre().toStdString());
            // The host's number of each of the client's matches, by its deals.
            std::map<int, int> enH;
            for (const Linea* r : c.Todas("reparto")) {
                const int p = h.PartidaComo(*r);
                EXPECT_NE(p, 0) << "una partida que el administrador no repartió: "
                                << r->Resto().toStdString();
                const auto [ya, nueva] = enH.emplace(r->Partida(), p);
                EXPECT_EQ(ya->second, p) << "los repartos de una partida, de dos del administrador";
            }
            const auto clave = [](int partida, const Linea& l, const char* campo) {
                return std::to_string(partida) + "/" + l.Campo("mano").toStdString() + "/" +
                       l.Campo(campo).toStdString();
            };
            const auto vistos = [&](const OrdenadorEnRed& o, const char* clase, const char* campo,
                                    const std::function<int(int)>& partida) {
                std::map<std::string, std::set<std::string>> m;
                for (const Linea* l : o.Todas(clase))
                    if (const int p = partida(l->Partida()))
                        m[clave(p, *l, campo)].insert(l->Resto().toStdString());
                return m;
            };
            const auto propia = [](int p) { return p; };
            const auto deH = [&enH](int p) {
                const auto it = enH.find(p);
                return it == enH.end() ? 0 : it->second;
            };

            // Each snapshot against the deal before it, of the same match.
            std::map<int, const Linea*> reparto;
            for (const Linea& d : c.lineas) {
                if (d.clase == "reparto") reparto[d.Partida()] = &d;
                if (d.clase != "dre") continue;
                const auto r = reparto.find(d.Partida());
                if (r == reparto.end()) {
                    ADD_FAILURE() << "una instantánea de una partida que no se repartió: "
                                  << d.Resto().toStdString();
                    continue;
                }
                EXPECT_EQ(d.Campo("id"), r->second->Campo("id")) << "una instantánea de otra partida";
                if (d.Campo("mano") == "1") {
                    EXPECT_EQ(QString(d.Resto()).remove('*').toStdString(), r->second->Resto().toStdString())
                        << "una instantánea de la primera mano con otras fichas";
                }
            }
            const auto turnosH = vistos(h, "dre", "jugada", propia);
            for (const auto& [k, v] : vistos(c, "dre", "jugada", deH)) {
                const auto t = turnosH.find(k);
                if (t == turnosH.end()) continue;
                for (const std::string& x : v)
                    EXPECT_TRUE(t->second.count(x)) << "instantánea " << k << ": " << x;
            }
            for (const char* clase : {"jugada", "hoja"}) {
                const auto enAdministrador =
                    vistos(h, clase, clase == std::string("jugada") ? "n" : "mano", propia);
                for (const auto& [k, v] :
                     vistos(c, clase, clase == std::string("jugada") ? "n" : "mano", deH)) {
                    const auto t = enAdministrador.find(k);
                    if (t != enAdministrador.end()) {
                        EXPECT_EQ(v, t->second) << clase << " " << k;
                    }
                }
            }
        }
    }

    QElapsedTimer reloj;
    std::vector<std::unique_ptr<OrdenadorEnRed>> ordenadores; // the host first

private:
    void Arrancar(const QString& nombre, const QStringList& argumentos)
    {
        ordenadores.push_back(std::make_unique<OrdenadorEnRed>(nombre, argumentos, reloj));
        ordenadores.back()->Ordenar(QStringLiteral("rapido"));
    }

    QString puerto_;
};

} // namespace prueba

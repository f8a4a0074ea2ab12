// Un ordenador de una partida en red tal como lo usa una persona: el programa entero, con sus pausas de
// verdad (velocidad 50 y pausa entre jugadas), y alguien delante que contesta cada caja, pulsa Continuar y
// juega sus fichas, cada cosa tras un rato al azar. Lo que se ve en su mesa sale por la salida estándar, una
// línea por cambio, con los asientos en la numeración del administrador; por la entrada recibe órdenes:
// "nueva" pulsa "Comenzar nueva partida" (en el administrador) y acepta abandonar la que hubiera; "foto F"
// guarda en F lo que se ve.
//
//   ordenador_en_red --administrador --carpeta DIR [--semilla N]         escucha en un puerto libre: "puerto
//   N" ordenador_en_red --cliente --puerto N --carpeta DIR [--semilla N]
#include "engine/jugada.h"
#include "engine/turno.h"
#include "kit/espera.h"
#include "kit/mensajes.h"
#include "network/conexion_red.h"
#include "platform/clock.h"
#include "platform/socket_control.h"
#include "platform/virtual_screen.h"
#include "settings/core/fichero_estado.h"
#include "table/ajustes_mesa.h"
#include "table/arranque_mesa.h"
#include "table/entrada_mesa.h"
#include "table/zona_puntero.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace zp;

struct Opciones
{
    bool administrador = false;
    quint16 puerto = 0;
    std::string carpeta;
    unsigned semilla = 1;
};

class Ordenador
{
public:
    explicit Ordenador(const Opciones& o) : o_(o), azar_(o.semilla) { reloj_.start(); }

    void Arrancar()
    {
        EstadoJuego e;
        Ajustes a;
        PonerAjustesPorDefecto(e, a);
        a.Velocidad = 50;
        a.PausaEntreJugadas = true;
        a.Sonido = false; // no sound device here: every synchronous sound would only add its length
        if (o_.administrador) {
            a.ModoRed = PapelRed::Administrador;
            a.Jugador[2].ControlJugador = Control::Remoto;
            a.Jugador[2].DireccionIP = "127.0.0.1";
        } else {
            a.ModoRed = PapelRed::Cliente;
            a.Jugador[4].DireccionIP = "127.0.0.1";
        }
        if (GuardarAjustes(o_.carpeta, e, a)) Salir(2, "no se pueden guardar los ajustes");

        OpcionesArranque arranque;
        arranque.Careta = false;
        arranque.CarpetaDatos = o_.carpeta;
        arranque.AlTerminar = [this](const ResultadoPartida&) {
            if (std::exchange(enRed_, true)) return;
            QTimer::singleShot(0, [this] { EntrarEnRed(); });
        };
        pr_ = ArrancarPrograma(arranque);
        if (pr_->Salir) Salir(2, "el programa no ha abierto su mesa");

        QObject::connect(&vigia_, &QTimer::timeout, [this] { Mirar(); });
        vigia_.start(5);
        accion_.setSingleShot(true);
        entrada_ = new QSocketNotifier(0, QSocketNotifier::Read);
        QObject::connect(entrada_, &QSocketNotifier::activated, [this] { LeerOrden(); });
    }

private:
    // As the bar's handler does once the player settings close with network play switched on.
    void EntrarEnRed()
    {
        pr_->a.JuegoEnRed = true;
        ConexionDe(*pr_)->Puerto = o_.administrador ? 0 : o_.puerto;
        if (IniciarJuegoEnRed(*pr_)) PedirAlPrograma(*pr_, Peticion::NuevaPartida);
    }

    // Every whole line waiting: lines that came in one read are all in the stream's buffer, and the input
    // would not be announced again for them.
    void LeerOrden()
    {
        std::string linea;
        do {
            if (!std::getline(std::cin, linea)) {
                entrada_->setEnabled(false);
                return;
            }
            Orden(linea);
        } while (std::cin.rdbuf()->in_avail() > 0);
    }

    void Orden(const std::string& linea)
    {
        if (linea == "nueva") nuevaPedida_ = true;
        // The desktop's request to close the table (its title bar's close, Alt+F4), made while a move is
        // being drawn: "cerrar pedido" once made.
        if (linea == "cerrar") {
            auto* escritorio = new QTimer(pr_->Mesa.get());
            QObject::connect(escritorio, &QTimer::timeout, [this, escritorio] {
                mesa& m = *pr_->Mesa;
                if (!inQuietPause() || !m.Ima_Mover.Visible()) return;
                escritorio->stop();
                Decir("cerrar pedido");
                QCloseEvent peticion;
                QSpontaneKeyEvent::setSpontaneous(&peticion);
                QCoreApplication::sendEvent(m.windowHandle(), &peticion);
            });
            escritorio->start(1);
        }
        // What the person sees: the table with whatever box is open over it.
        if (linea.rfind("foto ", 0) == 0) {
            QImage foto = pr_->Mesa->grab().toImage();
            if (auto* caja = QApplication::activeModalWidget()) {
                QPainter pintor(&foto);
                pintor.drawImage(pr_->Mesa->mapFromGlobal(caja->mapToGlobal(QPoint(0, 0))),
                                 caja->grab().toImage());
            }
            foto.save(QString::fromStdString(linea.substr(5)));
        }
    }

    [[noreturn]] static void Salir(int codigo, const char* por)
    {
        std::fprintf(stderr, "%s\n", por);
        std::exit(codigo);
    }

    void Decir(const std::string& linea)
    {
        std::printf("%lld %s\n", static_cast<long long>(reloj_.elapsed()), linea.c_str());
        std::fflush(stdout);
    }

    int Retraso(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(azar_); }

    // Host's numbering of one of this computer's seats.
    Entero Anfitrion(Entero local) const
    {
        for (Entero h = 1; h <= 4; ++h)
            if (CalcularJugadorRelativo(h, pr_->e.PuestoLocal) == local) return h;
        return 0;
    }

    // What the person does next, once its moment has come; one thing at a time.
    void Hacer(int ms, std::function<bool()> sigue, std::function<void()> hecho)
    {
        QObject::disconnect(&accion_, nullptr, nullptr, nullptr);
        QObject::connect(&accion_, &QTimer::timeout, [sigue, hecho] {
            if (sigue()) hecho();
        });
        accion_.start(ms);
    }

    void Mirar()
    {
        Observar();
        if (accion_.isActive()) return;
        EstadoJuego& e = pr_->e;
        mesa& m = *pr_->Mesa;
        if (auto* caja = qobject_cast<mensajes*>(QApplication::activeModalWidget())) {
            QPointer<mensajes> esta(caja);
            Hacer(
                Retraso(80, 700), [esta] { return esta && QApplication::activeModalWidget() == esta; },
                [this, esta] { Contestar(*esta); });
            return;
        }
        if (QApplication::activeModalWidget()) return;
        if (nuevaPedida_ && o_.administrador) {
            nuevaPedida_ = false;
            Hacer(
                0, [] { return !QApplication::activeModalWidget(); },
                [this, &m] {
                    Decir("nueva pulsada");
                    QTest::mouseMove(m.Pic_Boton[1], QPoint(10, 10));
                    QTest::mouseMove(m.Pic_Boton[1], QPoint(12, 14));
                    QTest::mousePress(m.Pic_Boton[1], Qt::LeftButton, {}, QPoint(12, 14));
                    QTest::mouseRelease(m.Pic_Boton[1], Qt::LeftButton, {}, QPoint(12, 14));
                });
            return;
        }
        if (e.EsperaExtremo) {
            Hacer(
                Retraso(100, 500), [&e] { return e.EsperaExtremo; }, [&m] { Ima_FlechaDer_Click(m); });
        } else if (e.EsperaContinuar && m.Pic_BotContinuar->isVisible()) {
            Hacer(
                Retraso(50, 600), [&e, &m] { return e.EsperaContinuar && m.Pic_BotContinuar->isVisible(); },
                [&m] {
                    QTest::mouseMove(m.Pic_BotContinuar, QPoint(40, 18));
                    QTest::mouseClick(m.Pic_BotContinuar, Qt::LeftButton, {}, QPoint(40, 18));
                });
        } else if (MiTurno()) {
            Hacer(
                Retraso(100, 700), [this] { return MiTurno(); }, [this] { JugarFicha(); });
        }
    }

    bool MiTurno() const
    {
        const EstadoJuego& e = pr_->e;
        return e.EsperaContinuar && e.ManoEnCurso && e.JugadorTurno == 4 && !e.EsperaExtremo;
    }

    void Contestar(mensajes& caja)
    {
        const QString titulo = caja.TextoTitulo();
        if (titulo == QStringLiteral("Abandonar la partida en curso")) Decir("nueva aceptada");
        if (!caja.Pic_Si->isVisible()) {
            QTest::mousePress(caja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(10, 10));
            return;
        }
        const bool no = titulo == QStringLiteral("Histórico de partidas jugadas") ||
                        titulo == QStringLiteral("Continuar partida anterior");
        QTest::mousePress(no ? caja.Pic_No : caja.Pic_Si, Qt::LeftButton, {}, QPoint(10, 10));
    }

    // A tile of the bottom hand that can be played, found under the pointer as the table finds it.
    void JugarFicha()
    {
        EstadoJuego& e = pr_->e;
        mesa& m = *pr_->Mesa;
        const DisposicionManos& d = e.Disposicion;
        std::vector<QPoint> puntos;
        const int y = d.EjeMano[4] + 20;
        for (int x = d.InicioMano[4]; x <= d.FinMano[4]; x += 2) {
            EntradaMesa en;
            HallaManoYFicha(e, pr_->a, en, static_cast<Entero>(x), static_cast<Entero>(y), true);
            if (en.ManoApuntada == 4 && HuecoValido(e, 4, en.HuecoApuntado) &&
                e.Manos[4][static_cast<std::size_t>(en.HuecoApuntado)].Estado == kEnMano &&
                ComprobarFichaJugable(e, pr_->a, en.HuecoApuntado))
                puntos.emplace_back(x, y);
        }
        if (puntos.empty()) return;
        const QPoint p = puntos[static_cast<std::size_t>(Retraso(0, int(puntos.size()) - 1))];
        QTest::mouseMove(&m, p - QPoint(3, 0));
        QTest::mouseMove(&m, p);
        QTest::mouseClick(&m, Qt::LeftButton, {}, p);
    }

    // Every change of what is on the table, as lines.
    void Observar()
    {
        const EstadoJuego& e = pr_->e;
        auto* caja = qobject_cast<mensajes*>(QApplication::activeModalWidget());
        const std::string estado =
            "estado id=" + e.IdPartida + " mano=" + std::to_string(e.NumeroMano) +
            " jugada=" + std::to_string(e.NumeroJugada) +
            " turno=" + std::to_string(Anfitrion(e.JugadorTurno)) +
            " propio=" + std::to_string(e.JugadorTurno == 4 && e.ManoEnCurso) +
            " enmano=" + std::to_string(e.ManoEnCurso) + " partida=" + std::to_string(e.PartidaEnCurso) +
            " pausa=" + std::to_string(inQuietPause()) +
            " panel=" + std::to_string(pr_->Mesa->Pic_Info->isVisible()) +
            " caja=" + (caja ? caja->TextoTitulo().replace(' ', '_').toStdString() : std::string("-"));
        if (estado != estado_) Decir(estado_ = estado);

        if (o_.administrador && !puertoDicho_) {
            const SocketControl& escucha = *ConexionDe(*pr_)->WSServidor[0];
            if (escucha.state() == SocketControl::Listening) {
                puertoDicho_ = true;
                Decir("puerto " + std::to_string(escucha.localPort()));
            }
        }

        // Every move made, and every score-sheet entry written, as this computer's memory holds them.
        if (e.ManoEnCurso && e.PartidaEnCurso) {
            const std::string mano = e.IdPartida + "/" + std::to_string(e.NumeroMano);
            if (mano != mano_) {
                mano_ = mano;
                jugadas_ = 1;
            }
            for (; jugadas_ < e.NumeroJugada && jugadas_ < Entero(e.Jugadas.size()); ++jugadas_) {
                const RegistroJugada& j = e.Jugadas[static_cast<std::size_t>(jugadas_)];
                // The ends are numbered as each computer's line lies: the pips tell the move.
                Decir("jugada id=" + e.IdPartida + " mano=" + std::to_string(e.NumeroMano) +
                      " n=" + std::to_string(jugadas_) + " " + std::to_string(Anfitrion(j.Jugador)) + ":" +
                      std::to_string(j.PuntoUnido) + std::to_string(j.PuntoAbierto) +
                      (j.Extremo >= 8 ? std::to_string(j.Extremo) : std::string("t")));
            }
        }
        for (Entero k = 1; k < e.NumeroMano + (e.ManoEnCurso ? 0 : 1) && k < Entero(e.Anotaciones.size());
             ++k) {
            const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(k)];
            const std::string clave = e.IdPartida + "/" + std::to_string(k);
            if (r == RegistroMano{} || !hojas_.insert(clave).second) continue;
            std::string puntos = std::to_string(r.PuntosPareja1) + "," + std::to_string(r.PuntosPareja2);
            for (Entero h = 1; h <= 4; ++h)
                puntos +=
                    "," +
                    std::to_string(
                        r.PuntosJugador[static_cast<std::size_t>(CalcularJugadorRelativo(h, e.PuestoLocal))]);
            Decir("hoja id=" + e.IdPartida + " mano=" + std::to_string(k) + " " + puntos);
        }

        // The snapshot the turn wrote: its game, hand and move, and every tile of every hand (seats in the
        // host's numbering, a laid tile marked), which on its first move is the deal.
        QFile dre(QString::fromStdString(o_.carpeta) + QStringLiteral("ZARPE33.DRE"));
        if (dre.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = dre.readAll();
            if (bytes != dreVisto_) {
                dreVisto_ = bytes;
                const auto cadenas =
                    SepararFicheroEstado(std::string_view(bytes.constData(), size_t(bytes.size())));
                if (const auto* c = std::get_if<CadenasEstado>(&cadenas)) Instantanea(c->CadenaSituacion);
            }
        }
    }

    void Instantanea(const std::string& situacion)
    {
        EstadoJuego s = pr_->e;
        Ajustes a = pr_->a;
        if (LeerSituacion(situacion, s, a, Lectura::Fichero)) return;
        std::string manos;
        for (Entero h = 1; h <= 4; ++h) {
            manos += " " + std::to_string(h) + ":";
            const auto& mano = s.Manos[static_cast<std::size_t>(CalcularJugadorRelativo(h, s.PuestoLocal))];
            for (std::size_t k = 1; k < mano.size(); ++k) {
                if (mano[k].Estado == kVacio) continue;
                manos += std::to_string(mano[k].PuntoA) + std::to_string(mano[k].PuntoB);
                if (mano[k].Estado != kEnMano) manos += "*";
            }
        }
        Decir("dre id=" + s.IdPartida + " mano=" + std::to_string(s.NumeroMano) +
              " jugada=" + std::to_string(s.NumeroJugada) + manos);
    }

    Opciones o_;
    std::mt19937 azar_;
    QElapsedTimer reloj_;
    std::unique_ptr<Programa> pr_;
    QTimer vigia_, accion_;
    QSocketNotifier* entrada_ = nullptr;
    bool enRed_ = false;
    bool nuevaPedida_ = false;
    bool puertoDicho_ = false;
    std::string estado_, mano_;
    Entero jugadas_ = 1;
    std::set<std::string> hojas_;
    QByteArray dreVisto_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    Opciones o;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString valor = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QStringLiteral("--administrador")) {
            o.administrador = true;
        } else if (a == QStringLiteral("--cliente")) {
            o.administrador = false;
        } else if (a == QStringLiteral("--puerto")) {
            o.puerto = static_cast<quint16>(valor.toUInt());
            ++i;
        } else if (a == QStringLiteral("--carpeta")) {
            o.carpeta = valor.toStdString();
            if (!o.carpeta.empty() && o.carpeta.back() != '/') o.carpeta += '/';
            ++i;
        } else if (a == QStringLiteral("--semilla")) {
            o.semilla = valor.toUInt();
            ++i;
        } else {
            std::fprintf(stderr, "opción desconocida: %s\n", qPrintable(a));
            return 2;
        }
    }
    if (o.carpeta.empty()) {
        std::fprintf(stderr, "falta --carpeta\n");
        return 2;
    }
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
    Ordenador ordenador(o);
    ordenador.Arrancar();
    return app.exec();
}

// Un ordenador de una partida en red tal como lo usa una persona: el programa entero, con sus pausas de
// verdad (velocidad 50 y pausa entre jugadas), y alguien delante que contesta cada caja, pulsa Continuar y
// juega sus fichas, cada cosa tras un rato al azar y nunca en mitad de una pausa. Lo que se ve en su mesa
// sale por la salida estándar, una línea por cambio, con los asientos en la numeración del administrador y,
// tras la primera palabra, el número de la partida en este ordenador ("partida=N", las empezadas aquí desde
// que entró en red: no depende del identificador sorteado). Cada reparto de la primera mano sale en una línea
// "reparto", con el que la partida se reconoce en todos los ordenadores; el administrador dice además su
// puerto ("puerto N") y cuántos clientes tiene conectados ("conectados N"), y un cliente, cada vez que le
// llega el anuncio de una partida nueva del administrador ("anuncio recibido"; los que lleguen otra vez antes
// de que empiece aquí, el programa los toma por el mismo y no se cuentan) y cuando se le corta la conexión
// con el administrador ("administrador perdido"). Cuando su persona sale del programa, lo dice ("salida
// hecha") y el programa termina, como el de verdad.
//
// Por la entrada recibe órdenes, una por línea, y dice cuándo ha cumplido cada una:
//   nueva       pulsa "Comenzar nueva partida" (en el administrador) y acepta abandonar la que hubiera; lo
//               intenta hasta que la pulsación llega a hacerse: "nueva hecha"
//   rapido [K]  velocidad 100 y una persona que no se entretiene, hasta que acaba la mano en juego o, con K,
//               hasta un turno del asiento K (en un cliente, si no es el suyo, uno que empiece después: el
//               que muestra puede ir con retraso): "ritmo pedido=1 rapido [K]"; al llegar, vuelve sola al
//               paso de una persona: "ritmo pedido=0 lento"
//   lento       al paso de una persona: "ritmo pedido=1 lento"
//   foto F      guarda en F lo que ve la persona
//   cerrar      pide cerrar la mesa como lo pide el escritorio (el cierre de su barra de título, Alt+F4),
//               mientras se dibuja una jugada: "cerrar pedido"
//   sujetar T   deja abiertas, sin contestarlas, las cajas cuyo texto empieza por T; al ver una:
//               "sujeta caja=TÍTULO"
//   soltar      vuelve a contestar todas las cajas: "soltar hecho"
//
//   ordenador_en_red --administrador --carpeta DIR [--clientes N] [--semilla N] [--puntos N]
//   ordenador_en_red --cliente --puerto N --carpeta DIR [--semilla N] [--historico-roto]
//
// El administrador escucha en un puerto libre y espera N clientes (1 por defecto) en los asientos 1..N, todos
// desde 127.0.0.1: los que llegan se sientan por orden. Con --puntos, sus partidas (y las de sus clientes,
// que juegan con sus normas) se ganan con N puntos. Con --historico-roto, el Histórico de partidas no se
// puede escribir (una carpeta ocupa el sitio de ZARPE33.HIS) y la persona contesta que sí a anotar cada
// partida en él.
#include "engine/jugada.h"
#include "engine/turno.h"
#include "kit/cursores.h"
#include "kit/espera.h"
#include "kit/mensajes.h"
#include "network/conexion_red.h"
#include "network/core/arranque_red.h"
#include "platform/clock.h"
#include "platform/socket_control.h"
#include "platform/virtual_screen.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/ajustes_mesa.h"
#include "table/arranque_mesa.h"
#include "table/entrada_mesa.h"
#include "table/zona_puntero.h"
#include "tests/common/cierre_escritorio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {

using namespace zp;

struct Opciones
{
    bool administrador = false;
    int clientes = 1;
    quint16 puerto = 0;
    std::string carpeta;
    unsigned semilla = 1;
    int puntos = 0; // 0: the default rules
    bool historicoRoto = false;
};

// A whole number from `desde` to `hasta` written alone in `texto`; nothing otherwise.
std::optional<int> Numero(const std::string& texto, int desde, int hasta)
{
    int n = 0;
    const auto [fin, fallo] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
    if (fallo != std::errc() || fin != texto.data() + texto.size() || n < desde || n > hasta)
        return std::nullopt;
    return n;
}

// The value of the option `opcion` into `destino` when it is a number within its range; else it says so.
bool Acotado(const QString& opcion, const QString& valor, int desde, int hasta, int& destino)
{
    const auto n = Numero(valor.toStdString(), desde, hasta);
    if (!n) {
        std::fprintf(stderr, "%s va de %d a %d\n", opcion.toUtf8().constData(), desde, hasta);
        return false;
    }
    destino = *n;
    return true;
}

class Ordenador
{
public:
    explicit Ordenador(const Opciones& o) : o_(o), azar_(o.semilla) { reloj_.start(); }

    void Arrancar()
    {
        EstadoJuego e;
        Ajustes a;
        PonerAjustesPorDefecto(e, a);
        a.Velocidad = kVelocidadPersona;
        a.PausaEntreJugadas = true;
        a.Sonido = false; // no sound device here: every synchronous sound would only add its length
        if (o_.puntos) a.PuntosPartida = static_cast<Entero>(o_.puntos);
        if (o_.historicoRoto && !QDir().mkpath(QString::fromStdString(o_.carpeta) + "ZARPE33.HIS"))
            Salir(2, "no se puede poner una carpeta en lugar del histórico");
        if (o_.administrador) {
            a.ModoRed = PapelRed::Administrador;
            for (std::size_t p = 1; p <= std::size_t(o_.clientes); ++p) {
                a.Jugador[p].ControlJugador = Control::Remoto;
                a.Jugador[p].DireccionIP = "127.0.0.1";
            }
        } else {
            a.ModoRed = PapelRed::Cliente;
            a.Jugador[4].DireccionIP = "127.0.0.1";
        }
        if (GuardarAjustes(o_.carpeta, e, a)) Salir(2, "no se pueden guardar los ajustes");

        OpcionesArranque arranque;
        arranque.Careta = false;
        arranque.CarpetaDatos = o_.carpeta;
        arranque.AlTerminar = [this](const ResultadoPartida& r) { AlTerminar(r); };
        pr_ = ArrancarPrograma(arranque);
        if (pr_->Salir) Salir(2, "el programa no ha abierto su mesa");
        if (!o_.administrador) {
            // Told as it arrives, box or no box: the network notes the host's announcement in the socket's
            // own event, whenever the program then acts on it.
            ConexionRed& red = *ConexionDe(*pr_);
            QObject::connect(red.WSCliente, &SocketControl::dataArrival, [this, &red] {
                if (red.Estado.NuevaPartidaPendiente && !std::exchange(anunciada_, true))
                    Decir(Linea("anuncio") + " recibido");
            });
            // Likewise the host gone, seen by the socket before the program says anything of it.
            QObject::connect(red.WSCliente, &SocketControl::closed,
                             [this] { Decir(Linea("administrador") + " perdido"); });
        }

        QObject::connect(&vigia_, &QTimer::timeout, [this] { Mirar(); });
        vigia_.start(5);
        accion_.setSingleShot(true);
        entrada_ = std::make_unique<QSocketNotifier>(0, QSocketNotifier::Read);
        QObject::connect(entrada_.get(), &QSocketNotifier::activated, [this] { LeerOrden(); });
    }

private:
    static constexpr Entero kVelocidadPersona = 50;
    static constexpr Entero kVelocidadMaxima = 100; // every pause zero

    // As the bar's handler does once the player settings close with network play switched on.
    void EntrarEnRed()
    {
        pr_->a.JuegoEnRed = true;
        ConexionDe(*pr_)->Puerto = o_.administrador ? 0 : o_.puerto;
        if (IniciarJuegoEnRed(*pr_)) PedirAlPrograma(*pr_, Peticion::NuevaPartida);
    }

    // Every run of the top level ends here: the start-up's first, then one per match. A match that ended
    // before it was seen running is counted all the same, and what it left is told as its own. Asked to
    // leave, the program ends, as the real one does.
    void AlTerminar(const ResultadoPartida& r)
    {
        if (r.Siguiente == Peticion::Salir) {
            Decir(Linea("salida") + " hecha");
            requestQuit();
            QApplication::quit();
            return;
        }
        if (!std::exchange(enRed_, true)) {
            QTimer::singleShot(0, [this] { EntrarEnRed(); });
            return;
        }
        if (!enMarcha_) ++partida_;
        enMarcha_ = true;
        Observar();
        enMarcha_ = false;
    }

    // Every whole line that came, each an order; a part of a line waits for the rest. Read straight from
    // the descriptor: a buffered stream could keep lines the notifier would never announce again.
    void LeerOrden()
    {
        char trozo[4096];
        const ssize_t n = ::read(0, trozo, sizeof trozo);
        if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
            entrada_->setEnabled(false);
            return;
        }
        if (n > 0) porLeer_.append(trozo, std::size_t(n));
        for (std::size_t fin; (fin = porLeer_.find('\n')) != std::string::npos;) {
            const std::string linea = porLeer_.substr(0, fin);
            porLeer_.erase(0, fin + 1);
            Orden(linea);
        }
    }

    // One order: its first word, then what it is about.
    void Orden(const std::string& linea)
    {
        const std::size_t espacio = linea.find(' ');
        const std::string palabra = linea.substr(0, espacio);
        const std::string resto = espacio == std::string::npos ? std::string() : linea.substr(espacio + 1);
        if (!Cumplir(palabra, resto)) Decir(Linea("orden") + " desconocida: " + linea);
    }

    // Carries the order out, or takes it on to be carried out when its moment comes; false when it is none.
    bool Cumplir(const std::string& palabra, const std::string& resto)
    {
        if (palabra == "nueva" && resto.empty()) {
            ++nuevas_;
            return true;
        }
        if (palabra == "rapido") {
            const std::optional<int> hasta = resto.empty() ? 0 : Numero(resto, 1, 4);
            if (hasta) PonerRitmo(true, static_cast<Entero>(*hasta), true);
            return hasta.has_value();
        }
        if (palabra == "lento" && resto.empty()) {
            PonerRitmo(false, 0, true);
            return true;
        }
        if (palabra == "foto" && !resto.empty()) {
            Foto(resto);
            return true;
        }
        if (palabra == "cerrar" && resto.empty()) {
            CerrarAlDibujar();
            return true;
        }
        if (palabra == "sujetar" && !resto.empty()) {
            sujetar_ = QString::fromStdString(resto);
            return true;
        }
        if (palabra == "soltar" && resto.empty()) {
            sujetar_.clear();
            Decir(Linea("soltar") + " hecho");
            return true;
        }
        return false;
    }

    // The desktop's request to close the table (its title bar's close, Alt+F4), made while a move is being
    // drawn.
    void CerrarAlDibujar()
    {
        auto* escritorio = new QTimer(pr_->Mesa.get());
        QObject::connect(escritorio, &QTimer::timeout, [this, escritorio] {
            mesa& m = *pr_->Mesa;
            if (!inQuietPause() || !m.Ima_Mover.Visible()) return;
            escritorio->stop();
            escritorio->deleteLater();
            Decir(Linea("cerrar") + " pedido");
            prueba::PedirCierreDelEscritorio(m);
        });
        escritorio->start(1);
    }

    // What the person sees: the table with whatever box is open over it.
    void Foto(const std::string& fichero)
    {
        QImage foto = pr_->Mesa->grab().toImage();
        if (auto* caja = QApplication::activeModalWidget()) {
            QPainter pintor(&foto);
            pintor.drawImage(pr_->Mesa->mapFromGlobal(caja->mapToGlobal(QPoint(0, 0))),
                             caja->grab().toImage());
        }
        foto.save(QString::fromStdString(fichero));
    }

    // At full speed until the hand in play ends, or until a turn of `hasta` (host's numbering); else
    // at a person's pace. What the person was about to do is decided again at the new pace. The line says
    // whether an order set it ("pedido=1") or the pace came back by itself.
    void PonerRitmo(bool rapido, Entero hasta, bool pedido)
    {
        rapido_ = rapido;
        hastaTurno_ = hasta;
        manoVista_ = rapido && pr_->e.ManoEnCurso;
        turnoAlPedir_ = TurnoEnJuego();
        pr_->a.Velocidad = rapido ? kVelocidadMaxima : kVelocidadPersona;
        accion_.stop();
        Decir(Linea("ritmo") + " pedido=" + std::to_string(pedido) +
              (!rapido ? " lento"
               : hasta ? " rapido " + std::to_string(hasta)
                       : " rapido"));
    }

    // Back to a person's pace once the hand played at full speed is over, or the awaited turn has come.
    void Frenar()
    {
        if (!rapido_) return;
        const EstadoJuego& e = pr_->e;
        if (e.ManoEnCurso) manoVista_ = true;
        const bool acabada = manoVista_ && !e.ManoEnCurso;
        // A turn already under way when asked counts, but on a client only its own: another seat's may be
        // shown late there, already played on the host.
        const bool turno = hastaTurno_ != 0 && e.ManoEnCurso && Anfitrion(e.JugadorTurno) == hastaTurno_ &&
                           (TurnoEnJuego() != turnoAlPedir_ || o_.administrador || e.JugadorTurno == 4);
        if (acabada || turno) PonerRitmo(false, 0, false);
    }

    // Which turn of which hand of which match is being played.
    std::tuple<int, Entero, Entero> TurnoEnJuego() const
    {
        return {partida_, pr_->e.NumeroMano, pr_->e.NumeroJugada};
    }

    [[noreturn]] static void Salir(int codigo, const char* por)
    {
        std::fprintf(stderr, "%s\n", por);
        std::exit(codigo);
    }

    // A line of a kind, with the number of the match it belongs to.
    std::string Linea(const char* clase) const
    {
        return std::string(clase) + " partida=" + std::to_string(partida_);
    }

    void Decir(const std::string& linea)
    {
        std::printf("%lld %s\n", static_cast<long long>(reloj_.elapsed()), linea.c_str());
        std::fflush(stdout);
    }

    int Azar(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(azar_); }
    // How long the person takes: at full speed, hardly any time.
    int Retraso(int desde, int hasta) { return rapido_ ? Azar(0, 5) : Azar(desde, hasta); }

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
        QObject::connect(&accion_, &QTimer::timeout, [this, sigue, hecho] {
            // What the person does during a pause would reach the program only once the pause is over (and
            // then maybe not as meant): the person waits for it to end.
            if (inQuietPause()) {
                accion_.start(1);
                return;
            }
            if (sigue()) hecho();
        });
        accion_.start(ms);
    }

    void Mirar()
    {
        Observar();
        Frenar();
        if (accion_.isActive()) return;
        EstadoJuego& e = pr_->e;
        mesa& m = *pr_->Mesa;
        if (auto* caja = qobject_cast<mensajes*>(QApplication::activeModalWidget())) {
            if (Sujeta(*caja)) return;
            QPointer<mensajes> esta(caja);
            Hacer(
                Retraso(80, 700), [esta] { return esta && QApplication::activeModalWidget() == esta; },
                [this, esta] { Contestar(*esta); });
            return;
        }
        if (QApplication::activeModalWidget()) return;
        if (nuevas_ > 0 && o_.administrador && !pulsando_) {
            Hacer(
                0, [this] { return nuevas_ > 0 && !pulsando_ && !QApplication::activeModalWidget(); },
                [this] { PulsarNueva(); });
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

    // "Comenzar nueva partida", pressed as a person does: the pointer over it first. The order is done once
    // the press got through: the button usable, and with a match on the table the person said yes to
    // leaving it. Otherwise it is tried again.
    void PulsarNueva()
    {
        // The pointer's moves and the box the press opens let this computer's events run meanwhile: nothing
        // is pressed again before this press is over.
        pulsando_ = true;
        const bool hecha = Pulsar(*pr_->Mesa->Pic_Boton[1]);
        pulsando_ = false;
        if (!hecha) return;
        --nuevas_;
        Decir(Linea("nueva") + " hecha");
    }
    bool Pulsar(PictureBox& boton)
    {
        QTest::mouseMove(&boton, QPoint(10, 10));
        QTest::mouseMove(&boton, QPoint(12, 14));
        if (PunteroDe(&boton) == kPunteroProhibido) return false;
        const bool habiaPartida = pr_->e.PartidaEnCurso;
        aceptada_ = false;
        Decir(Linea("nueva") + " pulsada");
        QTest::mousePress(&boton, Qt::LeftButton, {}, QPoint(12, 14));
        QTest::mouseRelease(&boton, Qt::LeftButton, {}, QPoint(12, 14));
        return !habiaPartida || aceptada_;
    }

    bool MiTurno() const
    {
        const EstadoJuego& e = pr_->e;
        return e.EsperaContinuar && e.ManoEnCurso && e.JugadorTurno == 4 && !e.EsperaExtremo;
    }

    // A box the person was told to leave open; said once, when first seen.
    bool Sujeta(mensajes& caja)
    {
        if (sujetar_.isEmpty() || !caja.TextoMensaje().startsWith(sujetar_)) return false;
        if (sujeta_ != &caja) {
            sujeta_ = &caja;
            Decir(Linea("sujeta") + " caja=" + caja.TextoTitulo().replace(' ', '_').toStdString());
        }
        return true;
    }

    void Contestar(mensajes& caja)
    {
        if (Sujeta(caja)) return;
        const QString titulo = caja.TextoTitulo();
        if (titulo == QStringLiteral("Abandonar la partida en curso")) {
            aceptada_ = true;
            Decir(Linea("nueva") + " aceptada");
        }
        if (!caja.Pic_Si->isVisible()) {
            QTest::mousePress(caja.Pic_BotSalir, Qt::LeftButton, {}, QPoint(10, 10));
            return;
        }
        const bool no = (titulo == QStringLiteral("Histórico de partidas jugadas") && !o_.historicoRoto) ||
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
        const QPoint p = puntos[static_cast<std::size_t>(Azar(0, int(puntos.size()) - 1))];
        QTest::mouseMove(&m, p - QPoint(3, 0));
        QTest::mouseMove(&m, p);
        QTest::mouseClick(&m, Qt::LeftButton, {}, p);
    }

    // Every tile of every hand, seats in the host's numbering; a laid tile marked when asked.
    static std::string Manos(const EstadoJuego& s, bool marcadas)
    {
        std::string manos;
        for (Entero h = 1; h <= 4; ++h) {
            manos += " " + std::to_string(h) + ":";
            const auto& mano = s.Manos[static_cast<std::size_t>(CalcularJugadorRelativo(h, s.PuestoLocal))];
            for (std::size_t k = 1; k < mano.size(); ++k) {
                if (mano[k].Estado == kVacio) continue;
                manos += std::to_string(mano[k].PuntoA) + std::to_string(mano[k].PuntoB);
                if (marcadas && mano[k].Estado != kEnMano) manos += "*";
            }
        }
        return manos;
    }

    // Every change of what is on the table, as lines.
    void Observar()
    {
        if (enRed_ && matchLoopRunning() && !enMarcha_) {
            enMarcha_ = true;
            ++partida_;
        }
        // The announcement taken is over (its match began here, or network play ended): the next is told.
        if (!ConexionDe(*pr_)->Estado.NuevaPartidaPendiente) anunciada_ = false;
        const EstadoJuego& e = pr_->e;
        auto* caja = qobject_cast<mensajes*>(QApplication::activeModalWidget());
        const std::string estado =
            Linea("estado") + " id=" + e.IdPartida + " mano=" + std::to_string(e.NumeroMano) +
            " jugada=" + std::to_string(e.NumeroJugada) +
            " turno=" + std::to_string(Anfitrion(e.JugadorTurno)) +
            " propio=" + std::to_string(e.JugadorTurno == 4 && e.ManoEnCurso) +
            " enmano=" + std::to_string(e.ManoEnCurso) + " enpartida=" + std::to_string(e.PartidaEnCurso) +
            " puesto=" + std::to_string(e.PuestoLocal) + " pausa=" + std::to_string(inQuietPause()) +
            " panel=" + std::to_string(pr_->Mesa->Pic_Info->isVisible()) +
            " caja=" + (caja ? caja->TextoTitulo().replace(' ', '_').toStdString() : std::string("-"));
        if (estado != estado_) Decir(estado_ = estado);

        if (o_.administrador) {
            if (!puertoDicho_) {
                const SocketControl& escucha = *ConexionDe(*pr_)->WSServidor[0];
                if (escucha.state() == SocketControl::Listening) {
                    puertoDicho_ = true;
                    Decir(Linea("puerto") + " " + std::to_string(escucha.localPort()));
                }
            }
            if (const Entero n = ContarConectados(pr_->a); n != conectados_) {
                conectados_ = n;
                Decir(Linea("conectados") + " " + std::to_string(n));
            }
        }

        // Each hand as it comes into play (a hand in play needs this computer's person before it ends, so
        // none goes unseen; a tied hand is dealt again). The first hand's deal tells two matches apart on
        // every computer, even under the same identifier.
        const std::pair<int, bool> enMano{partida_, enMarcha_ && e.PartidaEnCurso && e.ManoEnCurso &&
                                                        e.NumeroMano >= 1};
        const bool repartida = enMano.second && enMano != enMano_;
        enMano_ = enMano;
        if (repartida) {
            jugadas_ = 1;
            if (e.NumeroMano == 1) Decir(Linea("reparto") + " id=" + e.IdPartida + Manos(e, false));
        }

        // Every move made, and every score-sheet entry written, as this computer's memory holds them.
        for (; enMano.second && jugadas_ < e.NumeroJugada && jugadas_ < Entero(e.Jugadas.size());
             ++jugadas_) {
            const RegistroJugada& j = e.Jugadas[static_cast<std::size_t>(jugadas_)];
            // The ends are numbered as each computer's line lies: the pips tell the move. The lead joins
            // nothing, and each computer lays it its own way round: its pips go in order.
            const bool salida = jugadas_ == 1;
            const Entero unido = salida ? std::min(j.PuntoUnido, j.PuntoAbierto) : j.PuntoUnido;
            const Entero abierto = salida ? std::max(j.PuntoUnido, j.PuntoAbierto) : j.PuntoAbierto;
            Decir(Linea("jugada") + " id=" + e.IdPartida + " mano=" + std::to_string(e.NumeroMano) +
                  " n=" + std::to_string(jugadas_) + " " + std::to_string(Anfitrion(j.Jugador)) + ":" +
                  std::to_string(unido) + std::to_string(abierto) +
                  (j.Extremo >= 8 ? std::to_string(j.Extremo) : std::string("t")));
        }
        for (Entero k = 1; k < e.NumeroMano + (e.ManoEnCurso ? 0 : 1) && k < Entero(e.Anotaciones.size());
             ++k) {
            const RegistroMano& r = e.Anotaciones[static_cast<std::size_t>(k)];
            if (r == RegistroMano{} || !hojas_.insert({partida_, k}).second) continue;
            // Pair 1 is this computer's seats 2 and 4: at an odd seat of the host, the host's pair 2.
            const bool cruzadas = e.PuestoLocal % 2 == 1;
            std::string puntos = std::to_string(cruzadas ? r.PuntosPareja2 : r.PuntosPareja1) + "," +
                                 std::to_string(cruzadas ? r.PuntosPareja1 : r.PuntosPareja2);
            for (Entero h = 1; h <= 4; ++h)
                puntos +=
                    "," +
                    std::to_string(
                        r.PuntosJugador[static_cast<std::size_t>(CalcularJugadorRelativo(h, e.PuestoLocal))]);
            Decir(Linea("hoja") + " id=" + e.IdPartida + " mano=" + std::to_string(k) + " " + puntos);
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
        Decir(Linea("dre") + " id=" + s.IdPartida + " mano=" + std::to_string(s.NumeroMano) +
              " jugada=" + std::to_string(s.NumeroJugada) + Manos(s, true));
    }

    Opciones o_;
    std::mt19937 azar_;
    QElapsedTimer reloj_;
    std::unique_ptr<Programa> pr_;
    QTimer vigia_, accion_;
    std::unique_ptr<QSocketNotifier> entrada_;
    std::string porLeer_; // of the input, what came after its last whole line
    bool enRed_ = false;
    // The matches begun here since network play started; whether the one counted last is still running.
    int partida_ = 0;
    bool enMarcha_ = false;
    std::pair<int, bool> enMano_{0, false}; // a hand of that match in play when last looked
    Entero jugadas_ = 1;                    // the next move of that hand to tell
    // Presses of "Comenzar nueva partida" ordered and not yet done.
    int nuevas_ = 0;
    bool pulsando_ = false, aceptada_ = false;
    bool rapido_ = false, manoVista_ = false;
    Entero hastaTurno_ = 0;
    std::tuple<int, Entero, Entero> turnoAlPedir_;
    bool puertoDicho_ = false;
    Entero conectados_ = 0;
    bool anunciada_ = false;    // client: a new match announced by the host, told and not yet begun here
    QString sujetar_;           // the start of the text of the boxes left open; empty: none
    QPointer<mensajes> sujeta_; // the one told last
    std::string estado_;
    std::set<std::pair<int, Entero>> hojas_;
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
        } else if (a == QStringLiteral("--clientes")) {
            if (!Acotado(a, valor, 1, 3, o.clientes)) return 2;
            ++i;
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
        } else if (a == QStringLiteral("--puntos")) {
            if (!Acotado(a, valor, 1, 999, o.puntos)) return 2;
            ++i;
        } else if (a == QStringLiteral("--historico-roto")) {
            o.historicoRoto = true;
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

// Salir de la ventana de ajustes del jugador: cada comprobación y cada pregunta, y lo que se deja dicho.
#include "comun_personal.h"

#include "engine/reglas.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <functional>

namespace {

using Personal = prueba::VentanaPersonal;
using zp::Ajustes;
using zp::Entero;
using zp::EstadoJuego;

void Administrador(Ajustes& a)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.Jugador[1].ControlJugador = zp::Control::Remoto;
    a.Jugador[1].DireccionIP = "10.0.0.1";
    a.Jugador[4].DireccionIP = "192.168.1.33"; // la propia, la que da la mesa
}

void Remoto(Ajustes& a, int asiento)
{
    a.Jugador[std::size_t(asiento)].ControlJugador = zp::Control::Remoto;
    a.Jugador[std::size_t(asiento)].DireccionIP = "10.0.0." + std::to_string(asiento);
}

TEST_F(Personal, salir_comprueba_pregunta_deshace_lo_cancelado_y_deja_dicho_a_la_mesa_que_hacer)
{
    struct Fila
    {
        const char* caso;
        std::function<void()> antes, cambiar; // los ajustes al abrir y lo que la persona cambia
        const char* cancela;                  // la pregunta que se cancela; las demás se aceptan
        const char* cajas;                    // los títulos de las cajas mostradas, separados por " / "
        const char* resultado;                // si la ventana se cierra y lo que deja dicho a la mesa
        std::function<void()> comprobar;
    };
    const auto nada = [] {};
    const auto administrador = [this] { Administrador(a); };
    const auto enRed = [this] { a.JuegoEnRed = true, a.ModoRed = zp::PapelRed::Administrador; };
    const auto sinRed = [this] { a.JuegoEnRed = false; };
    const auto desactivar2 = [this] { a.Jugador[2].EstadoJugador = zp::EstadoAsiento::Desactivado; };
    const auto manoEmpezada = [this] {
        e.PartidaEnCurso = e.ManoEnCurso = true;
        e.NumeroMano = 2;
        e.NumeroJugada = 5;
    };
    const auto lista = [this](int vista, Entero jugada) {
        return [this, vista, jugada] {
            a.ListaJugadas = zp::VistaLista(vista), e.ManoEnCurso = true, e.NumeroJugada = jugada;
        };
    };
    const auto seVe = [this](bool visible) {
        return [this, visible] {
            EXPECT_EQ(servicios.lista, visible);
            EXPECT_EQ(servicios.nombres, 1);
        };
    };
    const Fila filas[] = {
        {"un solo jugador no basta", nada, [this] { zp::MarcarAsientos("4", a); }, nullptr,
         "Número de Jugadores", "sigue", nada},
        {"el administrador necesita un remoto", nada, enRed, nullptr, "Número de Jugadores en Red", "sigue",
         nada},
        {"dejar la red y restaurar", administrador, sinRed, nullptr,
         "Jugar en red / Restaurar situación anterior", "cierra restaura",
         [this] { EXPECT_EQ(servicios.cierresRed, 1); }},
        {"dejar la red y empezar otra", administrador, sinRed, "Restaurar situación anterior",
         "Jugar en red / Restaurar situación anterior", "cierra partida nueva", nada},
        {"cancelar la red devuelve la red, el modo y los controles 1 a 3, no el 4", nada,
         [&] { enRed(), Remoto(a, 2), a.Jugador[4].ControlJugador = zp::Control::Automatico; },
         "Jugar en red", "Jugar en red", "cierra",
         [this] {
             EXPECT_FALSE(a.JuegoEnRed);
             EXPECT_EQ(a.ModoRed, zp::PapelRed::Cliente);
             EXPECT_EQ(a.Jugador[2].ControlJugador, zp::Control::Automatico);
             EXPECT_EQ(a.Jugador[4].ControlJugador, zp::Control::Automatico);
         }},
        {"entrar en red cambiando el modo pregunta una vez y guarda", nada, [&] { enRed(), Remoto(a, 2); },
         nullptr, "Jugar en red", "cierra reinicia la red partida nueva", nada},
        {"añadir un remoto reinicia la red sin preguntar", administrador, [this] { Remoto(a, 2); }, nullptr,
         "", "cierra reinicia la red partida nueva", nada},
        {"pasar un remoto a automático lo desconecta", [&] { administrador(), Remoto(a, 3); },
         [this] { a.Jugador[3].ControlJugador = zp::Control::Automatico; }, nullptr, "Control del juego",
         "cierra", [this] { EXPECT_EQ(servicios.desconectados, (std::vector<Entero>{3})); }},
        {"cancelar la desconexión deja el remoto", [&] { administrador(), Remoto(a, 3); },
         [this] { a.Jugador[3].ControlJugador = zp::Control::Automatico; }, "Control del juego",
         "Control del juego", "cierra",
         [this] { EXPECT_EQ(a.Jugador[3].ControlJugador, zp::Control::Remoto); }},
        {"el cliente necesita bien la dirección del administrador",
         [this] { a.JuegoEnRed = true, a.Jugador[4].DireccionIP = "1.2.3"; }, nada, nullptr, "Dirección IP",
         "sigue", nada},
        {"desactivar antes de la primera jugada no pregunta",
         [&] {
             manoEmpezada();
             e.NumeroJugada = 1;
             a.FichasPorJugador = 10;
             a.RemanentesMonton = 4;
         },
         desactivar2, nullptr, "", "cierra partida nueva",
         [this] {
             EXPECT_EQ(a.FichasPorJugador, 7);
             EXPECT_EQ(a.RemanentesMonton, 0);
             EXPECT_EQ(e.FichasEnMano[2], 0);
             EXPECT_EQ(a.NumeroJugadores, 3);
             EXPECT_EQ(a.ModoJuego, zp::Modalidad::Individual); // sin cuatro no hay parejas
         }},
        {"cancelar el cambio de activados lo deshace y las parejas siguen", manoEmpezada, desactivar2,
         "Jugadores Activados", "Jugadores Activados", "cierra",
         [this] {
             EXPECT_EQ(a.Jugador[2].EstadoJugador, zp::EstadoAsiento::Activado);
             EXPECT_EQ(a.NumeroJugadores, 4);
             EXPECT_EQ(a.ModoJuego, zp::Modalidad::Parejas);
         }},
        {"una dirección mal formada no deja salir", administrador,
         [this] { a.Jugador[1].DireccionIP = "10.0.0.256"; }, nullptr, "Dirección IP", "sigue", nada},
        {"una dirección con blancos se guarda sin ellos y cancelar el cambio la devuelve", administrador,
         [this] { a.Jugador[1].DireccionIP = "10 .0. 0.9"; }, "Modo de juego en red", "Modo de juego en red",
         "cierra", [this] { EXPECT_EQ(a.Jugador[1].DireccionIP, "10.0.0.1"); }},
        {"el administrador cuenta a los clientes un nivel cambiado", administrador,
         [this] { a.Jugador[2].NivelJugador = 70; }, nullptr, "", "cierra",
         [this] { EXPECT_EQ(servicios.envios, 1); }},
        {"sin cambios no cuenta nada", administrador, nada, nullptr, "", "cierra",
         [this] { EXPECT_EQ(servicios.envios, 0); }},
        // Al cerrar, la mesa ve los nombres y la lista de jugadas según el ajuste.
        {"la lista se ve con la mano empezada", lista(1, 2), nada, nullptr, "", "cierra", seVe(true)},
        {"antes de la primera jugada, no", lista(1, 1), nada, nullptr, "", "cierra", seVe(false)},
        {"con la lista oculta, no", lista(2, 5), nada, nullptr, "", "cierra", seVe(false)},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.caso);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        e = EstadoJuego{};
        servicios = prueba::ServiciosPrueba{};
        f.antes();
        Abrir();
        f.cambiar();
        cajas.clear();
        for (const char* t : {"Jugar en red", "Restaurar situación anterior", "Modo de juego en red",
                              "Control del juego", "Jugadores Activados"})
            respuestas[QString::fromUtf8(t)] = !f.cancela || std::string_view(t) != f.cancela;
        Salir();
        QStringList vistas;
        for (const QString& t : Titulos()) vistas << t;
        EXPECT_EQ(vistas.join(QStringLiteral(" / ")), QString::fromUtf8(f.cajas));
        const zp::BanderasAjustes& b = ventana->Banderas();
        EXPECT_EQ(std::string(Abierta() ? "sigue" : "cierra") + (b.RestaurarSituacion ? " restaura" : "") +
                      (b.ReiniciarRed ? " reinicia la red" : "") + (b.NuevaPartida ? " partida nueva" : ""),
                  f.resultado);
        f.comprobar();
    }
}

TEST_F(Personal, la_direccion_mal_formada_nombra_al_jugador)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    Abrir();
    ClicSelector(26); // el asiento 2 pasa a remoto, sin dirección
    QTest::keyClicks(ventana->Txt_IPCliente[2], QStringLiteral("1.2.3"));
    Salir();
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_TRUE(cajas[0].texto.startsWith(QStringLiteral("La Dirección IP remota de Jugador2 no tiene")));
    EXPECT_EQ(cajas[0].ayuda, 2128);
    EXPECT_TRUE(Abierta());
    // Las letras no entran en una dirección.
    QTest::keyClicks(ventana->Txt_IPCliente[2], QStringLiteral(".x4"));
    EXPECT_EQ(a.Jugador[2].DireccionIP, "1.2.3.4");
}

TEST_F(Personal, la_copia_de_antes_de_la_red_se_toma_al_abrir_sin_red)
{
    Abrir();
    EXPECT_TRUE(QFileInfo::exists(Fichero("ZARPE33.ARE")));
    ASSERT_TRUE(QFile::remove(Fichero("ZARPE33.ARE")));
    a.JuegoEnRed = true;
    Abrir();
    EXPECT_FALSE(QFileInfo::exists(Fichero("ZARPE33.ARE")));
}

// The game as it stood when network play began stays in ZARPE33.ARE until it is given back: a visit to these
// settings with network play off, once it has ended some other way (a lost connection, a crash and a new
// start), leaves it as it is. A snapshot taken on opening is kept only when network play begins on leaving.
TEST_F(Personal, la_partida_apartada_al_entrar_en_red_sigue_hasta_devolverla)
{
    const std::string apartada = zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(EstadoJuego{}, a));
    const auto entrarEnRed = [this] { a.JuegoEnRed = true, a.Jugador[4].DireccionIP = "10.0.0.9"; };
    const struct
    {
        const char* caso;
        bool habia;                    // a game set aside when network play began before
        std::function<void()> cambiar; // what the person does in the window
        const char* cancela;           // the question answered Cancelar
        const char* queda;             // what ZARPE33.ARE holds once the window has closed
    } filas[] = {
        {"sin red, salir sin entrar", false, [] {}, nullptr, "nada"},
        {"sin red, entrar en red", false, entrarEnRed, nullptr, "la mesa al abrir"},
        {"sin red, entrar y cancelar", false, entrarEnRed, "Jugar en red", "nada"},
        {"con una apartada, salir sin entrar", true, [] {}, nullptr, "la apartada"},
        {"con una apartada, volver a la red", true, entrarEnRed, nullptr, "la apartada"},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.caso);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        e = EstadoJuego{};
        a.Jugador[1].NombreJugador = "Carmen";
        QFile::remove(Fichero("ZARPE33.ARE"));
        if (f.habia) {
            ASSERT_FALSE(zp::EscribirFicheroSeguro(Carpeta() + "ZARPE33.ARE", apartada));
        }
        const std::string alAbrir = zp::ComponerFicheroEstado(zp::GenerarCadenasEstado(e, a));
        Abrir();
        const auto leer = [this]() -> std::string {
            QFile copia(Fichero("ZARPE33.ARE"));
            return copia.open(QIODevice::ReadOnly) ? copia.readAll().toStdString() : "nada";
        };
        EXPECT_EQ(leer(), f.habia ? apartada : alAbrir) << "al abrir";
        f.cambiar();
        a.Jugador[2].NombreJugador = "Luis"; // changed while the window is open
        respuestas[QStringLiteral("Jugar en red")] = !f.cancela;
        Salir();
        ASSERT_FALSE(Abierta());
        const std::string queda = leer();
        EXPECT_EQ(queda == apartada ? "la apartada" : queda == alAbrir ? "la mesa al abrir" : queda, f.queda);
    }
}

} // namespace

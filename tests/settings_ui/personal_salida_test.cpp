// Salir de la ventana de ajustes del jugador: cada comprobación y cada pregunta, lo que se deshace al
// cancelar, lo que se pide a la mesa, lo que se guarda y la copia de la partida de antes de la red.
#include "comun_personal.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <functional>

namespace {

using Personal = prueba::VentanaPersonal;
using zp::Ajustes;
using zp::Entero;
using zp::EstadoJuego;

struct Banderas
{
    bool restaurar, red, nueva;
    bool operator==(const Banderas&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Banderas& b)
{
    return os << "{" << b.restaurar << ", " << b.red << ", " << b.nueva << "}";
}

void Administrador(Ajustes& a, EstadoJuego&)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.Jugador[1].ControlJugador = zp::Control::Remoto;
    a.Jugador[1].DireccionIP = "10.0.0.1";
    a.Jugador[4].DireccionIP = "192.168.1.33"; // la propia, la que da la mesa
}

// Una mano de la partida ya empezada: alguien ha jugado.
void ManoEmpezada(EstadoJuego& e)
{
    e.PartidaEnCurso = true;
    e.ManoEnCurso = true;
    e.NumeroMano = 2;
    e.NumeroJugada = 5;
}

TEST_F(Personal, salir_comprueba_pregunta_deshace_lo_cancelado_y_deja_dicho_a_la_mesa_que_hacer)
{
    struct Fila
    {
        const char* caso;
        std::function<void(Ajustes&, EstadoJuego&)> antes;               // los ajustes al abrir
        std::function<void(Ajustes&, prueba::ServiciosPrueba&)> cambiar; // lo que la persona cambia
        const char* cancela; // la pregunta que se cancela; las demás se aceptan
        std::vector<const char*> titulos;
        bool cierra;
        Banderas banderas;
        std::function<void(const Ajustes&, const EstadoJuego&, const prueba::ServiciosPrueba&)> comprobar;
    };
    const auto nada = [](auto&...) {};
    const Fila filas[] = {
        {"un solo jugador no basta",
         nada,
         [](Ajustes& a, auto&) {
             for (int s = 1; s <= 3; ++s)
                 a.Jugador[std::size_t(s)].EstadoJugador = zp::EstadoAsiento::Desactivado;
         },
         nullptr,
         {"Número de Jugadores"},
         false,
         {false, false, false},
         nada},
        {"el administrador necesita un remoto",
         nada,
         [](Ajustes& a, auto&) {
             a.JuegoEnRed = true;
             a.ModoRed = zp::PapelRed::Administrador;
         },
         nullptr,
         {"Número de Jugadores en Red"},
         false,
         {false, false, false},
         nada},
        {"dejar la red y restaurar",
         Administrador,
         [](Ajustes& a, auto&) { a.JuegoEnRed = false; },
         nullptr,
         {"Jugar en red", "Restaurar situación anterior"},
         true,
         {true, false, false},
         [](const Ajustes&, const EstadoJuego&, const prueba::ServiciosPrueba& s) {
             EXPECT_EQ(s.cierresRed, 1);
         }},
        {"dejar la red y empezar otra",
         Administrador,
         [](Ajustes& a, auto&) { a.JuegoEnRed = false; },
         "Restaurar situación anterior",
         {"Jugar en red", "Restaurar situación anterior"},
         true,
         {false, false, true},
         nada},
        {"cancelar la red devuelve la red, el modo y los controles 1 a 3, no el 4",
         nada,
         [](Ajustes& a, auto&) {
             a.JuegoEnRed = true;
             a.ModoRed = zp::PapelRed::Administrador;
             a.Jugador[2].ControlJugador = zp::Control::Remoto;
             a.Jugador[4].ControlJugador = zp::Control::Automatico;
         },
         "Jugar en red",
         {"Jugar en red"},
         true,
         {false, false, false},
         [](const Ajustes& a, const EstadoJuego&, auto&) {
             EXPECT_FALSE(a.JuegoEnRed);
             EXPECT_EQ(a.ModoRed, zp::PapelRed::Cliente);
             EXPECT_EQ(a.Jugador[2].ControlJugador, zp::Control::Automatico);
             EXPECT_EQ(a.Jugador[4].ControlJugador, zp::Control::Automatico);
         }},
        {"entrar en red cambiando el modo pregunta una vez y guarda",
         nada,
         [](Ajustes& a, auto&) {
             a.JuegoEnRed = true;
             a.ModoRed = zp::PapelRed::Administrador;
             a.Jugador[2].ControlJugador = zp::Control::Remoto;
             a.Jugador[2].DireccionIP = "10.0.0.2";
         },
         nullptr,
         {"Jugar en red"},
         true,
         {false, true, true},
         nada},
        {"quitar un remoto lo desconecta sin partida nueva",
         Administrador,
         [](Ajustes& a, auto&) {
             a.Jugador[2].ControlJugador = zp::Control::Remoto;
             a.Jugador[2].DireccionIP = "10.0.0.2";
         },
         nullptr,
         {},
         true,
         {false, true, true},
         nada},
        {"pasar un remoto a automático lo desconecta",
         [](Ajustes& a, EstadoJuego& e) {
             Administrador(a, e);
             a.Jugador[3].ControlJugador = zp::Control::Remoto;
             a.Jugador[3].DireccionIP = "10.0.0.3";
         },
         [](Ajustes& a, auto&) { a.Jugador[3].ControlJugador = zp::Control::Automatico; },
         nullptr,
         {"Control del juego"},
         true,
         {false, false, false},
         [](const Ajustes&, const EstadoJuego&, const prueba::ServiciosPrueba& s) {
             EXPECT_EQ(s.desconectados, (std::vector<Entero>{3}));
         }},
        {"desactivar antes de la primera jugada no pregunta",
         [](Ajustes& a, EstadoJuego& e) {
             ManoEmpezada(e);
             e.NumeroJugada = 1;
             a.FichasPorJugador = 10;
             a.RemanentesMonton = 4;
         },
         [](Ajustes& a, auto&) { a.Jugador[2].EstadoJugador = zp::EstadoAsiento::Desactivado; },
         nullptr,
         {},
         true,
         {false, false, true},
         [](const Ajustes& a, const EstadoJuego& e, auto&) {
             EXPECT_EQ(a.FichasPorJugador, 7);
             EXPECT_EQ(a.RemanentesMonton, 0);
             EXPECT_EQ(e.FichasEnMano[2], 0);
             EXPECT_EQ(a.NumeroJugadores, 3);
             EXPECT_EQ(a.ModoJuego, zp::Modalidad::Individual); // sin cuatro no hay parejas
         }},
        {"cancelar el cambio de activados lo deshace y las parejas siguen",
         [](Ajustes&, EstadoJuego& e) { ManoEmpezada(e); },
         [](Ajustes& a, auto&) { a.Jugador[2].EstadoJugador = zp::EstadoAsiento::Desactivado; },
         "Jugadores Activados",
         {"Jugadores Activados"},
         true,
         {false, false, false},
         [](const Ajustes& a, const EstadoJuego&, auto&) {
             EXPECT_EQ(a.Jugador[2].EstadoJugador, zp::EstadoAsiento::Activado);
             EXPECT_EQ(a.NumeroJugadores, 4);
             EXPECT_EQ(a.ModoJuego, zp::Modalidad::Parejas);
         }},
        {"una dirección mal formada no deja salir",
         Administrador,
         [](Ajustes& a, auto&) { a.Jugador[1].DireccionIP = "10.0.0.256"; },
         nullptr,
         {"Dirección IP"},
         false,
         {false, false, false},
         nada},
        {"una dirección con blancos se guarda sin ellos y cancelar el cambio la devuelve",
         Administrador,
         [](Ajustes& a, auto&) { a.Jugador[1].DireccionIP = "10 .0. 0.9"; },
         "Modo de juego en red",
         {"Modo de juego en red"},
         true,
         {false, false, false},
         [](const Ajustes& a, const EstadoJuego&, auto&) {
             EXPECT_EQ(a.Jugador[1].DireccionIP, "10.0.0.1");
         }},
        {"el administrador cuenta a los clientes un nivel cambiado",
         Administrador,
         [](Ajustes& a, auto&) { a.Jugador[2].NivelJugador = 70; },
         nullptr,
         {},
         true,
         {false, false, false},
         [](const Ajustes&, const EstadoJuego&, const prueba::ServiciosPrueba& s) {
             EXPECT_EQ(s.envios, 1);
         }},
        {"sin cambios no cuenta nada",
         Administrador,
         nada,
         nullptr,
         {},
         true,
         {false, false, false},
         [](const Ajustes&, const EstadoJuego&, const prueba::ServiciosPrueba& s) {
             EXPECT_EQ(s.envios, 0);
         }},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.caso);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        e = EstadoJuego{};
        servicios = prueba::ServiciosPrueba{};
        f.antes(a, e);
        Abrir();
        f.cambiar(a, servicios);
        cajas.clear();
        for (const char* t : {"Jugar en red", "Restaurar situación anterior", "Modo de juego en red",
                              "Control del juego", "Jugadores Activados"})
            respuestas[QString::fromUtf8(t)] = !f.cancela || std::string_view(t) != f.cancela;
        Salir();
        std::vector<QString> esperados;
        for (const char* t : f.titulos) esperados.push_back(QString::fromUtf8(t));
        EXPECT_EQ(Titulos(), esperados);
        EXPECT_EQ(!Abierta(), f.cierra);
        const zp::BanderasAjustes& b = ventana->Banderas();
        EXPECT_EQ((Banderas{b.RestaurarSituacion, b.ReiniciarRed, b.NuevaPartida}), f.banderas);
        f.comprobar(a, e, servicios);
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
    EXPECT_EQ(cajas[0].texto,
              QStringLiteral("La Dirección IP remota de Jugador2 no tiene el formato previsto.\r\n\r\n"
                             "El número IP se forma con cuatro cifras  de  3  dígitos como máximo "
                             "cada una y separadas por puntos. Ninguna de las cuatro cifras puede "
                             "superar el número 255."));
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

TEST_F(Personal, al_cerrar_la_mesa_ve_los_nombres_y_la_lista_de_jugadas_segun_el_ajuste)
{
    struct Fila
    {
        Entero lista, jugada;
        bool visible;
    };
    e.ManoEnCurso = true;
    for (const Fila& f : {Fila{1, 2, true}, Fila{1, 1, false}, Fila{2, 5, false}}) {
        a.ListaJugadas = zp::VistaLista(f.lista);
        e.NumeroJugada = f.jugada;
        servicios.nombres = 0;
        Abrir();
        Salir();
        EXPECT_FALSE(Abierta());
        EXPECT_EQ(servicios.lista, f.visible) << f.lista << " " << f.jugada;
        EXPECT_EQ(servicios.nombres, 1);
    }
}

TEST_F(Personal, un_nombre_y_un_nivel_cambiados_quedan_en_el_fichero_de_ajustes)
{
    Abrir();
    ventana->Txt_Nombre[2]->clear();
    QTest::keyClicks(ventana->Txt_Nombre[2], QStringLiteral("berta "));
    zp::PictureBox* nivel = ventana->Pic_Potenciometro[12];
    QTest::mouseMove(nivel, QPoint(50 + 14, 25));
    QTest::mousePress(nivel, Qt::LeftButton, {}, QPoint(50 + 14, 25));
    QTest::mouseMove(nivel, QPoint(50 + 39, 25));
    QTest::mouseRelease(nivel, Qt::LeftButton, {}, QPoint(50 + 39, 25));
    Salir();
    ASSERT_FALSE(Abierta());

    EstadoJuego leido;
    Ajustes ajustesLeidos;
    ASSERT_EQ(zp::CargarAjustes(Carpeta(), leido, ajustesLeidos).ErrorFichero, 0);
    EXPECT_EQ(ajustesLeidos.Jugador[2].NombreJugador, "Berta");
    EXPECT_EQ(ajustesLeidos.Jugador[2].NivelJugador, 75);
}

} // namespace

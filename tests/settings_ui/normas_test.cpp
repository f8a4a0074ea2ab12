// La ventana de normas: cada selector con su regla y su mensaje, los spins dentro de sus límites con clic,
// repetición y tecleo, la salida que ajusta lo tecleado, confirma el cambio de fichas y avisa a los clientes,
// y su aspecto.
#include "comun_ajustes.h"

#include "engine/reglas.h"
#include "settings/normas.h"

#include <QLineEdit>
#include <functional>

namespace {

using prueba::VentanaAjustes;
using zp::Entero;

using Normas = VentanaAjustes;

Entero Regla(const zp::Ajustes& a, Entero indice)
{
    return Entero(zp::ReglaDeNormas(indice).Leer(a, 0));
}

// The rule a spin changes, watched while the arrow is held.
const Entero& ReglaDeSpin(zp::Ajustes& a, Entero spin)
{
    return spin == 24 ? a.PuntosPartida : spin == 25 ? a.FichasPorJugador : a.RemanentesMonton;
}

// El puntero llega a `punto` desde fuera del control, como lo lleva una persona.
void Apuntar(QWidget* control, QPoint punto)
{
    QTest::mouseMove(control->window(), QPoint(1, 1));
    QTest::mouseMove(control, punto);
}

// Tres asientos en juego: el 3 fuera.
void TresJugadores(zp::EstadoJuego&, zp::Ajustes& a)
{
    zp::MarcarAsientos("124", a);
}

void EnPartida(zp::EstadoJuego& e, Entero mano, bool enCurso)
{
    e.PartidaEnCurso = true;
    e.NumeroMano = mano;
    e.ManoEnCurso = enCurso;
}

TEST_F(Normas, cada_selector_aplica_su_regla_y_su_mensaje)
{
    using Preparar = std::function<void(zp::EstadoJuego&, zp::Ajustes&)>;
    struct Caso
    {
        const char* nombre;
        Preparar preparar;
        Entero selector;
        QPoint punto;
        const char* titulo; // caja esperada ("" ninguna)
        Entero ayuda;
        Entero valor;                  // la regla del selector después del clic
        Entero ganador = 0, turno = 0; // tras cambiar de modo (0: no se mira)
    };
    const QPoint flecha(10, 20);
    const Preparar nada = [](zp::EstadoJuego&, zp::Ajustes&) {};
    const Caso casos[] = {
        {"cliente: no cambia", [](auto&, auto& aj) { aj.JuegoEnRed = true; }, 7, flecha, "Juego en Red", 5100,
         2},
        {"administrador: cambia",
         [](auto&, auto& aj) { aj.JuegoEnRed = true, aj.ModoRed = zp::PapelRed::Administrador; }, 7, flecha,
         "", 0, 1},
        {"fuera de la flecha", nada, 8, {34, 20}, "", 0, 1},
        {"cliente fuera de la flecha", [](auto&, auto& aj) { aj.JuegoEnRed = true; }, 8, {50, 20}, "", 0, 1},
        {"salida tras empate sin repetir",
         [](auto&, auto& aj) { aj.GanadorSiEmpate = zp::Empate::GanaQuienSalio; }, 18, flecha,
         "Selección intrascendente", 2148, 2},
        {"salida tras empate repitiendo", nada, 18, flecha, "", 0, 2},
        {"anotación en la primera mano", [](auto& ej, auto&) { EnPartida(ej, 1, true); }, 9, flecha, "", 0,
         2},
        {"anotación acabada la primera mano", [](auto& ej, auto&) { EnPartida(ej, 1, false); }, 9, flecha,
         "Selección improcedente", 2149, 1},
        {"anotación en la segunda mano", [](auto& ej, auto&) { EnPartida(ej, 2, true); }, 9, flecha,
         "Selección improcedente", 2149, 1},
        {"anotación sin partida", [](auto& ej, auto&) { ej.NumeroMano = 5; }, 9, flecha, "", 0, 2},
        {"puntos en la segunda mano", [](auto& ej, auto&) { EnPartida(ej, 2, true); }, 10, flecha,
         "Selector 'Puntos que se anotan'", 2150, 2},
        {"puntos en la primera mano", [](auto& ej, auto&) { EnPartida(ej, 1, true); }, 10, flecha, "", 0, 2},
        {"puntos en individual", [](auto&, auto& aj) { aj.ModoJuego = zp::Modalidad::Individual; }, 10,
         flecha, "Selección intrascendente", 2150, 2},
        {"pareja en la tercera mano", [](auto& ej, auto&) { EnPartida(ej, 3, true); }, 16, flecha,
         "Selector 'Pareja que se anota los puntos'", 2151, 2},
        {"pareja en individual", [](auto&, auto& aj) { aj.ModoJuego = zp::Modalidad::Individual; }, 16,
         flecha, "Selección intrascendente", 2151, 2},
        {"parejas con tres jugadores",
         [](auto& ej, auto& aj) { TresJugadores(ej, aj), aj.ModoJuego = zp::Modalidad::Individual; }, 15,
         flecha, "Selección improcedente", 2142, 2},
        {"a individual en la segunda mano",
         [](auto& ej, auto& aj) {
             EnPartida(ej, 2, true), aj.GanadorSiEmpate = zp::Empate::GanaQuienNoSalio,
                                     aj.TurnoSalida = zp::ReglaSalida::Perdedora;
         },
         15, flecha, "Selector 'Modo de juego'", 2142, 2, 1, 1},
        {"a individual sin partida",
         [](auto&, auto& aj) {
             aj.GanadorSiEmpate = zp::Empate::GanaQuienSalio, aj.TurnoSalida = zp::ReglaSalida::Ganador;
         },
         15, flecha, "", 0, 2, 2, 3},
        {"a parejas con cuatro",
         [](auto&, auto& aj) {
             aj.ModoJuego = zp::Modalidad::Individual, aj.GanadorSiEmpate = zp::Empate::GanaQuienSalio,
             aj.TurnoSalida = zp::ReglaSalida::Ganador;
         },
         15, flecha, "", 0, 1, 2, 3},
        {"ganador en individual vuelve a la primera",
         [](auto&, auto& aj) {
             aj.ModoJuego = zp::Modalidad::Individual, aj.GanadorSiEmpate = zp::Empate::GanaQuienSalio;
         },
         17, flecha, "", 0, 1},
        {"turno en parejas llega a la cuarta",
         [](auto&, auto& aj) { aj.TurnoSalida = zp::ReglaSalida::Ganador; }, 19, flecha, "", 0, 4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e = zp::EstadoJuego{};
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        c.preparar(e, a);
        zp::Mensajes() = zp::EstadoMensajes{};
        zp::Contexto ctx = Ctx();
        zp::normas ventana(ctx);
        ventana.show();
        zp::PictureBox* selector = ventana.Pic_Selector[std::size_t(c.selector)];
        Apuntar(selector, c.punto);
        QTest::mousePress(selector, Qt::LeftButton, {}, c.punto);
        const std::vector<QString> titulos = Titulos();
        EXPECT_EQ(titulos,
                  *c.titulo ? std::vector<QString>{QString::fromUtf8(c.titulo)} : std::vector<QString>{});
        EXPECT_EQ(zp::Mensajes().AyudaMensaje, c.ayuda);
        EXPECT_EQ(Regla(a, c.selector), c.valor);
        EXPECT_EQ(c.ganador ? zp::Codigo(a.GanadorSiEmpate) : 0, c.ganador);
        EXPECT_EQ(c.turno ? zp::Codigo(a.TurnoSalida) : 0, c.turno);
    }
}

enum class Accion
{
    Subir,
    Bajar,
    Teclear
};

// Sostiene una flecha del spin hasta que el valor llega a `hasta` y un rato más, en el que no se mueve.
void Sostener(zp::PictureBox* spin, bool arriba, const Entero& valor, Entero hasta)
{
    const QPoint punto(177, arriba ? 8 : 18);
    Apuntar(spin, punto);
    QTest::mousePress(spin, Qt::LeftButton, {}, punto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return valor == hasta; }, 5000));
    QTest::qWait(30);
    QTest::mouseRelease(spin, Qt::LeftButton, {}, punto);
}

TEST_F(Normas, los_spins_no_salen_de_sus_limites_con_clic_repeticion_ni_tecleo)
{
    struct Caso
    {
        const char* asientos;
        Entero fichas, remanentes, puntos;
        Entero spin;
        Accion accion;
        const char* tecleo;
        Entero esperado;
        const char* texto;
    };
    const Caso casos[] = {
        {"1234", 7, 7, 30, 25, Accion::Subir, "", 7, "7"},
        {"1234", 7, 7, 30, 26, Accion::Bajar, "", 0, "0"},
        {"1234", 7, 0, 30, 26, Accion::Subir, "", 0, "0"},
        {"124", 7, 7, 30, 25, Accion::Subir, "", 9, "9"},
        {"124", 9, 0, 30, 26, Accion::Subir, "", 1, "1"},
        {"24", 7, 7, 30, 25, Accion::Subir, "", 14, "14"},
        {"24", 14, 0, 30, 25, Accion::Bajar, "", 7, "7"},
        {"1234", 7, 7, 30, 24, Accion::Bajar, "", 1, "1"},
        {"1234", 7, 7, 995, 24, Accion::Subir, "", 999, "999"},
        {"24", 7, 7, 30, 25, Accion::Teclear, "12", 12, "12"},
        {"1234", 7, 7, 30, 25, Accion::Teclear, "12", 7, "7"},
        {"1234", 7, 7, 30, 24, Accion::Teclear, "abc", 1, "abc"},
        {"1234", 7, 7, 30, 24, Accion::Teclear, "-5", 1, "-5"},
        {"24", 7, 7, 30, 26, Accion::Teclear, "123", 12, "12"},
        {"24", 10, 7, 30, 26, Accion::Teclear, "9", 8, "8"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.asientos << " spin " << c.spin << " " << c.tecleo);
        zp::MarcarAsientos(c.asientos, a);
        a.FichasPorJugador = c.fichas;
        a.RemanentesMonton = c.remanentes;
        a.PuntosPartida = c.puntos;
        zp::Contexto ctx = Ctx();
        zp::normas ventana(ctx);
        ventana.show();
        const Entero& valor = ReglaDeSpin(a, c.spin);
        const zp::LimitesSpinNormas limites = zp::LimitesDeSpin(c.spin, a);
        if (c.accion == Accion::Teclear) {
            QLineEdit* caja = ventana.Tex_Spin[std::size_t(c.spin)];
            caja->selectAll();
            QTest::keyClick(caja, Qt::Key_Delete);
            for (const char letra : std::string(c.tecleo)) {
                QTest::keyClicks(caja, QString(QLatin1Char(letra)));
                // Ni a medio teclear sale la regla de su intervalo.
                EXPECT_GE(valor, limites.Minimo);
                EXPECT_LE(valor, limites.Maximo);
            }
        } else {
            Sostener(ventana.Pic_Spin[std::size_t(c.spin)], c.accion == Accion::Subir, valor, c.esperado);
        }
        EXPECT_EQ(valor, c.esperado);
        EXPECT_EQ(ventana.Tex_Spin[std::size_t(c.spin)]->text(), QString::fromLatin1(c.texto));
    }
}

TEST_F(Normas, soltar_o_pasar_a_la_otra_flecha_detiene_la_repeticion)
{
    for (const bool soltar : {true, false}) {
        SCOPED_TRACE(soltar);
        a.PuntosPartida = 30;
        zp::Contexto ctx = Ctx();
        zp::normas ventana(ctx);
        ventana.show();
        zp::PictureBox* spin = ventana.Pic_Spin[24];
        Apuntar(spin, QPoint(177, 8));
        QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(177, 8));
        EXPECT_EQ(a.PuntosPartida, 31); // el primer paso, en el acto
        EXPECT_TRUE(QTest::qWaitFor([&] { return a.PuntosPartida > 33; }, 5000));
        if (soltar)
            QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(177, 8));
        else
            QTest::mouseMove(spin, QPoint(177, 14)); // con el botón aún pulsado
        const Entero alcanzado = a.PuntosPartida;
        QTest::qWait(30);
        EXPECT_EQ(a.PuntosPartida, alcanzado);
        EXPECT_EQ(ventana.Tex_Spin[24]->text(), QString::number(alcanzado));
    }
}

TEST_F(Normas, al_salir_ajusta_lo_tecleado_confirma_las_fichas_y_avisa_a_los_clientes)
{
    struct Caso
    {
        const char* nombre;
        bool red, administrador;
        bool partida;
        Entero jugada;
        const char* puntos;
        const char* fichas; // tecleado, con tres jugadores (7..9)
        bool acepta;
        bool pregunta, nueva;
        Entero puntosFinal, fichasFinal;
        std::vector<std::string> enviados; // códigos de los mensajes a los clientes
    };
    const Caso casos[] = {
        {"sin partida: nueva sin preguntar", false, false, false, 0, "30", "8", true, false, true, 30, 8, {}},
        {"con jugadas, cancelada", false, false, true, 5, "30", "9", false, true, false, 30, 7, {}},
        {"con jugadas, aceptada", false, false, true, 5, "30", "9", true, true, true, 30, 9, {}},
        {"aún sin jugadas", false, false, true, 1, "30", "8", true, false, true, 30, 8, {}},
        {"vacías y por debajo: al mínimo", false, false, false, 0, "", "3", true, false, false, 1, 7, {}},
        {"administrador: otra regla", true, true, false, 0, "40", "7", true, false, false, 40, 7, {"11"}},
        {"administrador: fichas", true, true, false, 0, "30", "8", true, false, true, 30, 8, {"11", "08"}},
        {"administrador: por debajo", true, true, false, 0, "0", "7", true, false, false, 1, 7, {"11"}},
        {"administrador: cancelada", true, true, true, 4, "30", "8", false, true, false, 30, 7, {}},
        {"cliente: nada", true, false, false, 0, "30", "7", true, false, false, 30, 7, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e = zp::EstadoJuego{};
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        TresJugadores(e, a);
        a.JuegoEnRed = c.red;
        a.ModoRed = c.administrador ? zp::PapelRed::Administrador : zp::PapelRed::Cliente;
        e.PartidaEnCurso = c.partida;
        e.NumeroJugada = c.jugada;
        red.Enviados.clear();
        respuestas[QStringLiteral("Fichas por jugador")] = c.acepta;
        bool nueva = false;
        QTimer::singleShot(0, [&] {
            auto* ventana = qobject_cast<zp::normas*>(QApplication::activeModalWidget());
            ASSERT_NE(ventana, nullptr);
            for (const auto& [spin, texto] : {std::pair{24, c.puntos}, std::pair{25, c.fichas}}) {
                QLineEdit* caja = ventana->Tex_Spin[std::size_t(spin)];
                if (!caja->isEnabled()) continue;
                caja->selectAll();
                QTest::keyClick(caja, Qt::Key_Delete);
                QTest::keyClicks(caja, QString::fromLatin1(texto));
            }
            QTest::mousePress(ventana->Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
        });
        zp::Contexto ctx = Ctx();
        nueva = zp::MostrarNormas(ctx);
        EXPECT_EQ(Titulos(), c.pregunta ? std::vector<QString>{QStringLiteral("Fichas por jugador")}
                                        : std::vector<QString>{});
        EXPECT_EQ(nueva, c.nueva);
        EXPECT_EQ(a.PuntosPartida, c.puntosFinal);
        EXPECT_EQ(a.FichasPorJugador, c.fichasFinal);
        EXPECT_EQ(a.RemanentesMonton,
                  std::min(7, 28 - 3 * c.fichasFinal)); // el montón, con las fichas que quedan
        std::vector<std::string> codigos;
        for (const auto& envio : red.Enviados) codigos.push_back(envio.mensaje.substr(5, 2));
        EXPECT_EQ(codigos, c.enviados);
        // El estado enviado ya lleva las reglas ajustadas.
        if (!red.Enviados.empty()) {
            EXPECT_EQ(red.Enviados[0].mensaje.size(), 7u + 780u);
        }
        EXPECT_FALSE(zp::Entorno().AjustesAbiertos);
    }
}

TEST_F(Normas, en_un_cliente_los_spins_no_se_tocan)
{
    a.JuegoEnRed = true;
    zp::Contexto ctx = Ctx();
    zp::normas ventana(ctx);
    ventana.show();
    for (std::size_t i : {24u, 25u, 26u}) EXPECT_FALSE(ventana.Tex_Spin[i]->isEnabled()) << i;
    for (const QPoint punto : {QPoint(177, 8), QPoint(20, 10)}) {
        Apuntar(ventana.Pic_Spin[24], punto);
        QTest::mousePress(ventana.Pic_Spin[24], Qt::LeftButton, {}, punto);
        QTest::mouseRelease(ventana.Pic_Spin[24], Qt::LeftButton, {}, punto);
    }
    EXPECT_EQ(Titulos(),
              (std::vector<QString>{QStringLiteral("Juego en Red"), QStringLiteral("Juego en Red")}));
    EXPECT_EQ(a.PuntosPartida, 30);
}

TEST_F(Normas, la_ventana_se_ve_como_su_imagen)
{
    a.ModoJuego = zp::Modalidad::Individual;
    a.TurnoSalida = zp::ReglaSalida::Ganador;
    zp::Contexto ctx = Ctx();
    zp::normas ventana(ctx);
    ventana.show();
    EXPECT_EQ(ventana.GeometriaLogica(), QRect(47, 111, 705, 378));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(ventana.grab().toImage(), "normas"));
}

} // namespace

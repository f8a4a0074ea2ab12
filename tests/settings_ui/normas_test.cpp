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

TEST_F(Normas, cada_selector_aplica_su_regla_y_su_mensaje)
{
    struct Caso
    {
        const char* nombre;
        std::function<void()> preparar;
        Entero selector;
        const char* titulo;            // caja esperada ("" ninguna)
        Entero ayuda, valor;           // y la regla del selector después del clic
        Entero ganador = 0, turno = 0; // tras cambiar de modo (0: no se mira)
        QPoint punto = {10, 20};       // en la flecha
    };
    const auto nada = [] {};
    const auto cliente = [this] { a.JuegoEnRed = true; };
    const auto individual = [this] { a.ModoJuego = zp::Modalidad::Individual; };
    const auto mano = [this](Entero n, bool enCurso) {
        return [this, n, enCurso] { e.PartidaEnCurso = true, e.NumeroMano = n, e.ManoEnCurso = enCurso; };
    };
    const auto empate = [this](zp::Empate g, zp::ReglaSalida t) {
        return [this, g, t] { a.GanadorSiEmpate = g, a.TurnoSalida = t; };
    };
    const Caso casos[] = {
        {"cliente: no cambia", cliente, 7, "Juego en Red", 5100, 2},
        {"administrador: cambia", [this] { a.JuegoEnRed = true, a.ModoRed = zp::PapelRed::Administrador; }, 7,
         "", 0, 1},
        {"fuera de la flecha", nada, 8, "", 0, 1, 0, 0, {34, 20}},
        {"cliente fuera de la flecha", cliente, 8, "", 0, 1, 0, 0, {50, 20}},
        {"salida tras empate sin repetir", [this] { a.GanadorSiEmpate = zp::Empate::GanaQuienSalio; }, 18,
         "Selección intrascendente", 2148, 2},
        {"salida tras empate repitiendo", nada, 18, "", 0, 2},
        {"anotación en la primera mano", mano(1, true), 9, "", 0, 2},
        {"anotación acabada la primera mano", mano(1, false), 9, "Selección improcedente", 2149, 1},
        {"anotación en la segunda mano", mano(2, true), 9, "Selección improcedente", 2149, 1},
        {"anotación sin partida", [this] { e.NumeroMano = 5; }, 9, "", 0, 2},
        {"puntos en la segunda mano", mano(2, true), 10, "Selector 'Puntos que se anotan'", 2150, 2},
        {"puntos en la primera mano", mano(1, true), 10, "", 0, 2},
        {"puntos en individual", individual, 10, "Selección intrascendente", 2150, 2},
        {"pareja en la tercera mano", mano(3, true), 16, "Selector 'Pareja que se anota los puntos'", 2151,
         2},
        {"pareja en individual", individual, 16, "Selección intrascendente", 2151, 2},
        {"parejas con tres jugadores", [&] { zp::MarcarAsientos("124", a), individual(); }, 15,
         "Selección improcedente", 2142, 2},
        {"a individual en la segunda mano",
         [&] { mano(2, true)(), empate(zp::Empate::GanaQuienNoSalio, zp::ReglaSalida::Perdedora)(); }, 15,
         "Selector 'Modo de juego'", 2142, 2, 1, 1},
        {"a individual sin partida", empate(zp::Empate::GanaQuienSalio, zp::ReglaSalida::Ganador), 15, "", 0,
         2, 2, 3},
        {"a parejas con cuatro",
         [&] { individual(), empate(zp::Empate::GanaQuienSalio, zp::ReglaSalida::Ganador)(); }, 15, "", 0, 1,
         2, 3},
        {"ganador en individual vuelve a la primera",
         [&] { individual(), a.GanadorSiEmpate = zp::Empate::GanaQuienSalio; }, 17, "", 0, 1},
        {"turno en parejas llega a la cuarta", [this] { a.TurnoSalida = zp::ReglaSalida::Ganador; }, 19, "",
         0, 4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        e = zp::EstadoJuego{};
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        c.preparar();
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
        Entero fichas, remanentes, puntos, spin;
        std::string gesto; // "+" o "-": sostener esa flecha; lo demás se teclea
        Entero esperado;
        const char* texto;
    };
    const Caso casos[] = {
        {"1234", 7, 7, 30, 25, "+", 7, "7"},      {"1234", 7, 7, 30, 26, "-", 0, "0"},
        {"1234", 7, 0, 30, 26, "+", 0, "0"},      {"124", 7, 7, 30, 25, "+", 9, "9"},
        {"124", 9, 0, 30, 26, "+", 1, "1"},       {"24", 7, 7, 30, 25, "+", 14, "14"},
        {"24", 14, 0, 30, 25, "-", 7, "7"},       {"1234", 7, 7, 30, 24, "-", 1, "1"},
        {"1234", 7, 7, 995, 24, "+", 999, "999"}, {"24", 7, 7, 30, 25, "12", 12, "12"},
        {"1234", 7, 7, 30, 25, "12", 7, "7"},     {"1234", 7, 7, 30, 24, "abc", 1, "abc"},
        {"1234", 7, 7, 30, 24, "-5", 1, "-5"},    {"24", 7, 7, 30, 26, "123", 12, "12"},
        {"24", 10, 7, 30, 26, "9", 8, "8"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.asientos << " spin " << c.spin << " " << c.gesto);
        zp::MarcarAsientos(c.asientos, a);
        a.FichasPorJugador = c.fichas;
        a.RemanentesMonton = c.remanentes;
        a.PuntosPartida = c.puntos;
        zp::Contexto ctx = Ctx();
        zp::normas ventana(ctx);
        ventana.show();
        const Entero& valor = ReglaDeSpin(a, c.spin);
        const zp::LimitesSpinNormas limites = zp::LimitesDeSpin(c.spin, a);
        if (c.gesto != "+" && c.gesto != "-") {
            QLineEdit* caja = ventana.Tex_Spin[std::size_t(c.spin)];
            caja->selectAll();
            QTest::keyClick(caja, Qt::Key_Delete);
            for (const char letra : c.gesto) {
                QTest::keyClicks(caja, QString(QLatin1Char(letra)));
                // Ni a medio teclear sale la regla de su intervalo.
                EXPECT_GE(valor, limites.Minimo);
                EXPECT_LE(valor, limites.Maximo);
            }
        } else {
            Sostener(ventana.Pic_Spin[std::size_t(c.spin)], c.gesto == "+", valor, c.esperado);
        }
        EXPECT_EQ(valor, c.esperado);
        EXPECT_EQ(ventana.Tex_Spin[std::size_t(c.spin)]->text(), QString::fromLatin1(c.texto));
    }
}

TEST_F(Normas, al_salir_ajusta_lo_tecleado_confirma_las_fichas_y_avisa_a_los_clientes)
{
    struct Caso
    {
        const char* nombre;
        bool red, administrador, partida;
        Entero jugada;
        const char *puntos, *fichas; // tecleado, con tres jugadores (7..9)
        bool acepta, pregunta, nueva;
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
        zp::MarcarAsientos("124", a); // tres jugadores: de 7 a 9 fichas
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

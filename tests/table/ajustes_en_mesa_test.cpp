// Las normas y los juegos archivados en el programa entero: una regla cambiada en su ventana rige en la
// partida que empieza al salir de ella y queda en ZARPE33.INI; un juego guardado y luego cargado en plena
// partida se vuelve a jugar desde el bucle de arriba, con la mesa, el marcador y la lista de jugadas de
// entonces.
#include "programa_prueba.h"

#include "engine/reglas.h"
#include "settings/cargua.h"
#include "settings/normas.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

using Ajustes = prueba::ProgramaPrueba;

TEST_F(Ajustes, una_regla_de_normas_rige_en_la_partida_siguiente_y_queda_en_zarpe33_ini)
{
    zp::MarcarAsientos("24", a);
    a.ModoJuego = zp::Modalidad::Individual;
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
    a.PausaEntreJugadas = false;
    a.PuntosPartida = 1;                             // una mano basta
    responder = [](const QString&) { return true; }; // cada caja, aceptada
    Arrancar(7);

    QTimer persona; // en la ventana: 14 fichas por jugador, anotación por unidades, y fuera
    prueba::AlAbrirse<zp::normas>(persona, [](zp::normas& v) {
        QLineEdit* fichas = v.Tex_Spin[25];
        fichas->selectAll();
        QTest::keyClicks(fichas, QStringLiteral("14"));
        Pulsar(v.Pic_Selector[9], {10, 20});
        QTest::mousePress(v.Pic_BotSalir, Qt::LeftButton, {}, {25, 25});
    });
    std::array<zp::Entero, 5> huecos{};
    bool salir = false;
    paso = [&] {
        const zp::EstadoJuego& j = programa->e;
        if (j.ManoEnCurso) huecos = j.HuecosMano;
        if (j.EsperaContinuar && !j.ManoEnCurso) Pulsar(programa->Mesa->Pic_BotContinuar); // entre manos
        if (salir || resultados.size() != 2) return;
        salir = true; // la partida ha terminado: se sale, y los ajustes se guardan
        PulsarLuego(7);
    };
    Pulsar(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 3; }, 20000));
    EXPECT_EQ(resultados[1].Fin, zp::FinPartida::Terminada); // la partida empezó sola al salir de las normas
    EXPECT_EQ(huecos[2], 14);
    EXPECT_EQ(huecos[4], 14);
    // Su única mano contó por unidades: los totales son sus puntos, no sus decenas.
    const zp::EstadoJuego& j = programa->e;
    const zp::RegistroMano& mano = j.Anotaciones[1];
    const std::size_t ganador = mano.PuntosJugador[2] > 0 ? 2 : 4;
    ASSERT_NE(mano.PuntosJugador[ganador], mano.DecenasJugador[ganador]);
    EXPECT_EQ(j.PuntosJugador[ganador], mano.PuntosJugador[ganador]);

    zp::EstadoJuego leido;
    zp::Ajustes reglas;
    ASSERT_TRUE(zp::CargarEstado(Carpeta(), "ZARPE33.INI", leido, reglas).FicheroEncontrado);
    EXPECT_EQ(reglas.FichasPorJugador, 14);
    EXPECT_EQ(reglas.SistemaAnotacion, zp::Anotacion::Unidades);
}

TEST_F(Ajustes, un_juego_guardado_y_cargado_en_plena_partida_se_juega_de_nuevo_desde_arriba)
{
    for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].ControlJugador = zp::Control::Automatico;
    responder = [](const QString&) { return true; };
    Arrancar(11);
    zp::mesa& m = *programa->Mesa;
    auto opcion = [&](int fila) { // el menú del botón derecho, fuera de las manos
        QTest::mouseMove(&m, {650, 580});
        QTest::mouseClick(&m, Qt::RightButton, {}, {650, 580});
        Pulsar(m.Pic_SelOpciones, {40, 18 * fila - 8});
    };
    auto escribir = [](zp::cargua& v, const char* nombre) {
        QTest::keyClicks(v.Tex_CarGua, QString::fromLatin1(nombre));
        QTest::keyClick(v.Tex_CarGua, Qt::Key_Return);
    };
    auto Lineas = [&] { // lo que muestra la lista de jugadas
        std::vector<std::string> l;
        for (int i = 0; i < m.Lis_Grabadora->count(); ++i)
            l.push_back(m.Lis_Grabadora->item(i)->text().toStdString());
        return l;
    };
    struct Foto
    {
        zp::EstadoJuego e;
        std::vector<std::string> lineas;
    } guardado, cargado;
    QTimer persona;
    int fase = 0;
    paso = [&] {
        zp::EstadoJuego& j = programa->e;
        if (!j.EsperaContinuar || !j.PartidaEnCurso) return;
        if (fase == 0 && j.NumeroMano == 2 && j.NumeroJugada >= 4) { // se guarda, con una mano ya anotada
            fase = 1;
            guardado = {j, Lineas()};
            prueba::AlAbrirse<zp::cargua>(persona, [&](zp::cargua& v) { escribir(v, "Prueba"); });
            opcion(1);
        } else if (fase == 1 && j.NumeroMano == 3 && j.NumeroJugada >= 4) { // se carga, con otras mayúsculas
            fase = 2;
            prueba::AlAbrirse<zp::cargua>(persona, [&](zp::cargua& v) { escribir(v, "PRUEBA"); });
            opcion(2);
        } else if (fase == 2 && resultados.size() == 2) { // la partida cargada espera su jugada
            fase = 3;
            cargado = {j, Lineas()};
            zp::abandonMatch(); // fin de la prueba
        } else if (fase < 2) {
            Pulsar(m.Pic_BotContinuar, {20, 15});
        }
    };
    Pulsar(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fase == 3; }, 30000));

    EXPECT_TRUE(QFile::exists(Fichero("Prueba.man")));
    // La partida que corría volvió al bucle de arriba pidiendo retomar la cargada.
    EXPECT_EQ(resultados[1].Fin, zp::FinPartida::Abandonada);
    EXPECT_EQ(resultados[1].Siguiente, zp::Peticion::ReanudarPartida);
    const zp::EstadoJuego& g = guardado.e;
    const zp::EstadoJuego& c = cargado.e;
    ASSERT_EQ(g.NumeroMano, 2);
    EXPECT_EQ(c.NumeroMano, g.NumeroMano);
    EXPECT_EQ(c.NumeroJugada, g.NumeroJugada);
    EXPECT_EQ(c.JugadorTurno, g.JugadorTurno);
    for (std::size_t p = 1; p <= 4; ++p)
        for (std::size_t h = 1; h <= std::size_t(zp::kHuecos); ++h) {
            const zp::HuecoMano &x = c.Manos[p][h], &y = g.Manos[p][h];
            EXPECT_TRUE(x.PuntoA == y.PuntoA && x.PuntoB == y.PuntoB && x.Estado == y.Estado)
                << p << " " << h;
        }
    EXPECT_TRUE(std::equal(c.Jugadas.begin() + 1, c.Jugadas.begin() + c.NumeroJugada, g.Jugadas.begin() + 1));
    EXPECT_TRUE(std::equal(c.Anotaciones.begin() + 1, c.Anotaciones.begin() + c.NumeroMano,
                           g.Anotaciones.begin() + 1));
    EXPECT_FALSE(guardado.lineas.empty());
    EXPECT_EQ(cargado.lineas, guardado.lineas);
}

} // namespace

// Lo que se ve de la mesa redibujada desde el estado, en una imagen revisada por estado: manos de canto,
// boca abajo o a la vista, las fichas grandes del sur, las puestas que desaparecen o se invierten, los
// nombres letra a letra o en línea, el montón en su lado, la rejilla del reparto a mano, la línea, la lista
// de jugadas, el mando de la grabadora, el marcador y la botonera. Sobre un fondo liso, para que la imagen
// sea ligera y lo que falte o sobre salte a la vista.
#include "comun_mesa.h"

#include "common/imagen_referencia.h"
#include "kit/cursores.h"
#include "table/boton_continuar.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_monton.h"
#include "table/panel_turno.h"

#include <QPainter>
#include <QScreen>
#include <QTest>

#include <functional>

namespace {

using Aspecto = prueba::MesaPrueba;

void Anotar(zp::EstadoJuego& e, int n, int este, std::array<int, 5> jugador = {})
{
    zp::RegistroMano& r = e.Anotaciones[1];
    r.DecenasPareja1 = zp::Entero(n);
    r.DecenasPareja2 = zp::Entero(este);
    for (std::size_t p = 1; p <= 4; ++p) r.DecenasJugador[p] = zp::Entero(jugador[p]);
}

TEST_F(Aspecto, cada_estado_de_la_mesa_se_ve_como_su_imagen_revisada)
{
    auto hueco = [this](int p, int s) -> zp::HuecoMano& { return e.Manos[std::size_t(p)][std::size_t(s)]; };
    struct Caso
    {
        const char* imagen;
        QSize pantalla;
        std::function<void()> antes, despues; // before the window opens; after the whole table is drawn
    };
    const Caso casos[] = {
        {"mesa_cuatro_con_el_sur_a_la_vista",
         {800, 600},
         [&] {
             // The south's large tiles with a gap, a laid tile gone and one lifted (another hand redrawn
             // meanwhile keeps that slot); three hands edge-on with their names letter by letter, one of them
             // renamed; a tile and a draw in the line and the list; pairs' scores of two figures.
             Repartir({1, 2, 3, 4}, 7);
             a.Jugador[1].NombreJugador = "Margarita";
             a.Jugador[2].NombreJugador = "Guillermo";
             a.Jugador[4].NombreJugador = "Sur";
             a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
             hueco(4, 3).Estado = zp::kVacio;
             hueco(4, 5).Estado = zp::kPuesta;
             hueco(1, 2).Estado = zp::kPuesta;
             e.Jugadas[1] = prueba::FichaCentral();
             e.Jugadas[2] = prueba::FichaCentral();
             e.Jugadas[2].Extremo = zp::kExtremoRoba;
             e.NumeroJugada = 3;
             a.ListaJugadas = zp::VistaLista::SiempreVisible;
             Anotar(e, 99, 99);
         },
         [&] {
             ventana->Estado().ArrastreOrden = true;
             ventana->Estado().ManoArrastrada = 4;
             ventana->Estado().HuecoArrastrado = 1;
             ventana->Estado().NumeroManoArrastre = e.NumeroMano;
             ventana->Estado().HuecoAlzado = hueco(4, 1); // lifted from the hand on the table
             ventana->DibujarMano(4);
             a.Jugador[2].NombreJugador = "  Eva";
             ventana->DibujarMano(2);
         }},
        {"mesa_dos_a_la_vista_con_las_puestas_invertidas",
         {800, 600},
         [&] {
             // Two hands face up with a laid tile each shown inverted, names in line, the stock on the right
             // with its last tile drawn, totals past 99 on two lines (capped at 999), the Continue button.
             Repartir({2, 4}, 7);
             a.Jugador[2].NombreJugador = "Norte";
             a.Jugador[2].FichasJugador = zp::VistaFichas::Visibles;
             a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
             a.FichasVisiblesPuestas = zp::FichasPuestas::CambianDeColor;
             hueco(2, 3).Estado = zp::kPuesta;
             hueco(4, 2).Estado = zp::kPuesta;
             --e.FichasMonton;
             Anotar(e, 1500, 3);
             e.JugadorTurno = 2;
         },
         [&] { ventana->DibujarBotonContinuar(zp::kBotonSuelto); }},
        {"mesa_tres_en_el_reparto_a_mano",
         {800, 600},
         [&] {
             // Every hand face up, a laid tile inverted, tiles uncovered on the grid (a blank half among
             // them), the stock on the right; a wide name cut to seven letters on the left only; the scores
             // of three players apart.
             Repartir({1, 2, 4}, 7);
             a.Jugador[1].NombreJugador = "Maximiliano";
             a.Jugador[2].NombreJugador = "Maximiliano";
             a.ModoJuego = zp::Modalidad::Individual;
             a.SistemaAnotacion = zp::Anotacion::Decenas;
             e.RepartoEnCurso = true;
             hueco(1, 2).Estado = zp::kPuesta;
             e.OrigenRejillaX = 200;
             e.OrigenRejillaY = 100;
             Anotar(e, 0, 0, {0, 7, 0, 5, 999});
         },
         [&] {
             ventana->DibujarFichaDescubierta(5, 3);
             ventana->DibujarFichaDescubierta(4, 0);
         }},
        {"mesa_tres_sin_el_uno_a_1024x768",
         {1024, 768},
         [&] {
             // A larger screen; the stock on the left of the missing seat; hidden hands with a laid tile
             // gone though laid tiles change colour; the south at whole step with its name letter by letter
             // beneath; three players' scores; a tile in the line, the list and the remote; Continue
             // between hands.
             Repartir({2, 3, 4}, 7);
             e.Jugadas[1] = prueba::FichaCentral();
             e.NumeroJugada = 2;
             a.ListaJugadas = zp::VistaLista::SiempreVisible;
             a.ModoJuego = zp::Modalidad::Individual;
             a.FichasVisiblesPuestas = zp::FichasPuestas::CambianDeColor;
             hueco(2, 3).Estado = zp::kPuesta;
             a.Jugador[3].FichasJugador = zp::VistaFichas::Visibles;
             a.Jugador[4].NombreJugador = "Sur";
             a.Jugador[4].FichasJugador = zp::VistaFichas::Ocultas;
             Anotar(e, 0, 0, {0, 1, 2, 3, 4});
         },
         [&] {
             e.ManoEnCurso = false;
             ventana->DibujarBotonContinuar(zp::kBotonSuelto);
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.imagen);
        e = zp::EstadoJuego{};
        a = zp::Ajustes{};
        a.Sonido = false;
        c.antes();
        zp::mesa& m = Abrir(c.pantalla.width(), c.pantalla.height());
        zp::Surface pano(8, 8, qRgb(40, 96, 72));
        m.PonerFondo(pano);
        m.RedibujarMesa();
        c.despues();
        EXPECT_TRUE(zp::prueba::CoincideConImagen(m.grab().toImage(), c.imagen, 8, 0));
    }
}

TEST_F(Aspecto, en_pantalla_escalada_la_ficha_del_monton_que_parpadea_no_deja_rastro)
{
    // 640 x 480: the 800 x 600 table at 0.8. Three players with nine tiles leave one in the stock; while
    // it blinks before a draw, its place is wiped and shown again.
    zp::setVirtualScreen(zp::VirtualScreen::switched(QSize(640, 480)));
    Repartir({1, 2, 4}, 9);
    zp::mesa& m = Abrir();
    m.setLogicalGeometry(QRect(0, 0, 800, 600));
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    m.DibujarMonton();
    const QRect ficha(e.Colocacion.XFichaRobada, e.Colocacion.YFichaRobada, 20, 42);
    zp::LienzoMesa l = m.Lienzo();
    zp::Borrar(l, ficha.x(), ficha.y(), ficha.width(), ficha.height());
    m.refresh(ficha);
    const QRect alrededor = zp::virtualScreen().toRealOnScreen(ficha.adjusted(-12, -12, 12, 12));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(m.screen()->grabWindow(0).toImage().copy(alrededor),
                                              "monton_escalado_ficha_borrada"));
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
}

// The Continue button whose caption says whose move it is, released and pressed, in one picture.
TEST_F(Aspecto, el_boton_continuar_dice_de_quien_es_la_jugada)
{
    const zp::Surface hoja = Abrir().Hojas().Pic_BmpVario;
    a.Jugador[1].NombreJugador = "Lucía";
    a.Jugador[2].NombreJugador = "  Ana  ";
    a.Jugador[4].NombreJugador = "Sur";
    a.Jugador[4].ControlJugador = zp::Control::Manual;
    a.Jugador[3].ControlJugador = zp::Control::Remoto;
    // Between hands; the person here; an automatic seat; a remote one; blanks round a name; pressed. A hand
    // in play, the seat in turn, the button's state.
    const std::tuple<bool, zp::Entero, zp::Entero> casos[] = {{false, 4, 1}, {true, 4, 1}, {true, 1, 1},
                                                              {true, 3, 1},  {true, 2, 1}, {false, 4, 2}};
    QImage tira(86, 36 * int(std::size(casos)), QImage::Format_RGB32);
    QPainter pintor(&tira);
    zp::PictureBox boton;
    boton.setSurface(zp::Surface(86, 36));
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const auto& [mano, turno, estado] = casos[i];
        e.ManoEnCurso = mano;
        e.JugadorTurno = turno;
        e.EsperaContinuar = false;
        boton.hide();
        zp::DibujarBotonContinuar(boton, hoja, e, a, estado);
        EXPECT_FALSE(boton.isHidden());
        EXPECT_TRUE(e.EsperaContinuar);
        pintor.drawImage(0, 36 * int(i), boton.surface().image());
    }
    pintor.end();
    EXPECT_TRUE(zp::prueba::CoincideConImagen(tira, "boton_continuar", 8, 0));

    // With the recorder on it is drawn, but its pointer says it is not for use; hiding it ends the wait.
    e.GrabadoraActiva = true;
    zp::DibujarBotonContinuar(boton, hoja, e, a, zp::kBotonSuelto);
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroProhibido);
    e.GrabadoraActiva = false;
    zp::DibujarBotonContinuar(boton, hoja, e, a, zp::kBotonSuelto);
    EXPECT_EQ(zp::CursorDe(&boton), QStringLiteral("manoindice"));
    zp::OcultarBotonContinuar(boton, e);
    EXPECT_TRUE(boton.isHidden());
    EXPECT_FALSE(e.EsperaContinuar);

    // A network client has none during a hand.
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Cliente;
    e.ManoEnCurso = true;
    zp::DibujarBotonContinuar(boton, hoja, e, a, zp::kBotonSuelto);
    EXPECT_TRUE(boton.isHidden());
    EXPECT_FALSE(e.EsperaContinuar);
}

// The network turn panel above the Continue button: blue and steady for another seat, green for this
// computer's with its texts off in the first fifth of each second, nothing without a match.
TEST_F(Aspecto, el_panel_de_turno_nombra_al_jugador_y_el_tiempo_de_espera)
{
    a.Jugador[2].NombreJugador = " Ana ";
    zp::EstadoMesa m;
    zp::PictureBox panel;
    panel.setSurface(zp::Surface(79, 66));
    const std::pair<zp::Entero, double> casos[] = {
        {2, 0.1}, {4, 0.21}, {4, 0.2}}; // seat in turn, second's part
    QImage tira(79 * int(std::size(casos)), 66, QImage::Format_RGB32);
    QPainter pintor(&tira);
    e.PartidaEnCurso = true;
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        e.JugadorTurno = casos[i].first;
        zp::DibujarEsperandoJugada(panel, e, a, m, 499, 75, casos[i].second);
        EXPECT_EQ(panel.logicalGeometry(), QRect(6, 484, 79, 66));
        EXPECT_FALSE(panel.isHidden());
        pintor.drawImage(79 * int(i), 0, panel.surface().image());
    }
    pintor.end();
    EXPECT_TRUE(zp::prueba::CoincideConImagen(tira, "panel_turno", 8, 0));

    e.PartidaEnCurso = false;
    panel.hide();
    zp::DibujarEsperandoJugada(panel, e, a, m, 300, 12, 0.5);
    EXPECT_TRUE(panel.isHidden());
}

TEST(TiempoDeEspera, se_lee_en_minutos_y_segundos_de_dos_cifras)
{
    const std::pair<int, const char*> casos[] = {
        {0, "0:00"},    {7, "0:07"},     {59, "0:59"},     {60, "1:00"},
        {765, "12:45"}, {3600, "60:00"}, {6000, "100:00"},
    };
    for (const auto& [segundos, texto] : casos) EXPECT_EQ(zp::TextoTiempoEspera(segundos), texto);
}

} // namespace

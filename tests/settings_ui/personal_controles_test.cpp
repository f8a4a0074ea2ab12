// Los controles de la ventana de ajustes del jugador, usados como lo haría una persona.
#include "comun_personal.h"

#include "kit/cursores.h"

#include <QLineEdit>
#include <array>
#include <functional>

namespace {

using Personal = prueba::VentanaPersonal;
using zp::Ajustes;
using zp::Entero;

void Cliente(Ajustes& a)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Cliente;
}

void Administrador(Ajustes& a)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.Jugador[1].ControlJugador = zp::Control::Remoto;
}

// Los códigos de los cuatro selectores de un asiento: estado, fichas, control y carácter.
using Valores = std::array<int, 4>;

Valores DelAsiento(const Ajustes& a, int s)
{
    const zp::AjustesJugador& j = a.Jugador[std::size_t(s)];
    return {zp::Codigo(j.EstadoJugador), zp::Codigo(j.FichasJugador), zp::Codigo(j.ControlJugador),
            zp::Codigo(j.CaracterJugador)};
}

TEST_F(Personal, cada_selector_del_asiento_sigue_su_regla_o_dice_por_que_no)
{
    struct Fila
    {
        int selector, asiento;
        std::function<void(Ajustes&)> preparar;
        bool acepta;        // la respuesta a la caja de selecciones incompatibles
        Valores despues;    // estado, fichas, control y carácter del asiento
        const char* titulo; // la caja que se ve, o nada
        Entero ayuda;
        const char* caso;
    };
    const auto nada = [](Ajustes&) {};
    const auto enRed = [](Ajustes& aj) { aj.JuegoEnRed = true; };
    const char* incompatibles = "Selecciones incompatibles";
    const char* juegoEnRed = "Juego en Red";
    // Por defecto: asientos 1-3 automáticos con fichas ocultas, el 4 manual con las suyas visibles.
    const Fila filas[] = {
        {25, 1, nada, true, {1, 2, 1, 2}, incompatibles, 2124, "a manual; aceptar enseña las fichas"},
        {25, 1, nada, false, {1, 1, 2, 2}, incompatibles, 2124, "cancelar lo deja automático"},
        {28, 4, nada, true, {1, 2, 2, 2}, nullptr, 0, "sin red, de manual a automático sin preguntar"},
        {24, 4, nada, true, {1, 1, 2, 2}, incompatibles, 2125, "ocultar y aceptar: automático"},
        {24, 4, nada, false, {1, 2, 1, 2}, incompatibles, 2125, "cancelar: visibles y manual"},
        {26, 2, Administrador, true, {1, 1, 3, 3}, nullptr, 0, "el administrador pasa a remoto"},
        {25, 1, Administrador, true, {1, 1, 2, 2}, nullptr, 0, "y de remoto a automático, no a manual"},
        {28, 4, Administrador, true, {1, 2, 1, 2}, nullptr, 0, "su propio asiento sigue manual"},
        {14, 4, Administrador, true, {1, 2, 1, 2}, juegoEnRed, 2123, "y no se puede desactivar"},
        {21, 1, enRed, true, {1, 1, 2, 2}, juegoEnRed, 2125, "con red al abrir las fichas no cambian"},
        {12, 2, Cliente, true, {1, 1, 2, 3}, juegoEnRed, 5100, "el cliente no cambia el estado"},
        {27, 3, Cliente, true, {1, 1, 2, 1}, juegoEnRed, 5100, "ni el control"},
        {34, 4, Cliente, true, {1, 2, 1, 2}, juegoEnRed, 5100, "ni el carácter"},
        {32, 2, nada, true, {1, 1, 2, 1}, nullptr, 0, "el carácter da la vuelta"},
        {11, 1, nada, true, {2, 1, 2, 2}, nullptr, 0, "desactivar un asiento"},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(f.caso);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        f.preparar(a);
        cajas.clear();
        respuestas[QString::fromUtf8(incompatibles)] = f.acepta;
        Abrir();
        ClicSelector(f.selector);
        EXPECT_EQ(DelAsiento(a, f.asiento), f.despues);
        if (!f.titulo) {
            EXPECT_TRUE(cajas.empty()) << cajas.front().titulo.toStdString();
            continue;
        }
        ASSERT_EQ(cajas.size(), 1u);
        EXPECT_EQ(cajas[0].titulo, QString::fromUtf8(f.titulo));
        EXPECT_EQ(cajas[0].ayuda, f.ayuda);
    }
}

TEST_F(Personal, los_selectores_generales_y_sus_negativas)
{
    // El sentido cambia antes de la primera jugada, con el paso del turno; después se niega.
    e.NumeroJugada = 1;
    Abrir();
    ClicSelector(3);
    EXPECT_EQ(a.SentidoJuego, zp::Sentido::Inverso);
    EXPECT_EQ(e.PasoTurno, -1);
    e.NumeroJugada = 2;
    ClicSelector(3);
    EXPECT_EQ(a.SentidoJuego, zp::Sentido::Inverso);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].titulo, QStringLiteral("Selección improcedente"));
    EXPECT_EQ(cajas[0].ayuda, 2129);

    // Las fichas ya puestas redibujan las manos de la partida; la lista de jugadas cambia sin más.
    e.PartidaEnCurso = true;
    ClicSelector(2);
    ClicSelector(5);
    EXPECT_EQ(a.ListaJugadas, zp::VistaLista::SiempreVisible);
    EXPECT_EQ(a.FichasVisiblesPuestas, zp::FichasPuestas::CambianDeColor);
    EXPECT_EQ(servicios.manos, (std::vector<Entero>{1, 2, 3, 4}));

    // El cliente no toca el sentido ni la lista, pero sí se hace administrador.
    cajas.clear();
    Cliente(a);
    Abrir();
    ClicSelector(3);
    ClicSelector(5);
    EXPECT_EQ(a.SentidoJuego, zp::Sentido::Inverso);
    EXPECT_EQ(a.ListaJugadas, zp::VistaLista::SiempreVisible);
    EXPECT_EQ(cajas.size(), 2u);
    ClicSelector(1);
    EXPECT_EQ(a.ModoRed, zp::PapelRed::Administrador);
    EXPECT_TRUE(ventana->Txt_IPAdmin->isHidden());
}

TEST_F(Personal, los_interruptores_y_el_candado_del_cliente)
{
    Abrir();
    Clic(ventana->Pic_Buleano[1], QPoint(5, 5));
    EXPECT_TRUE(a.Sonido);
    Clic(ventana->Pic_Buleano[2], QPoint(5, 5));
    EXPECT_FALSE(a.PausaEntreJugadas);
    EXPECT_TRUE(ventana->Pic_Selector[1]->isHidden());
    Clic(ventana->Pic_Buleano[3], QPoint(5, 5));
    EXPECT_TRUE(a.JuegoEnRed);
    // El bloque de la red aparece; de cliente por defecto, con la dirección del administrador.
    EXPECT_TRUE(ventana->Pic_Selector[1]->isVisible());
    EXPECT_TRUE(ventana->Txt_IPAdmin->isVisible());
    EXPECT_TRUE(cajas.empty());

    Clic(ventana->Pic_Buleano[2], QPoint(5, 5));
    EXPECT_FALSE(a.PausaEntreJugadas);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].titulo, QStringLiteral("Juego en Red"));
    EXPECT_EQ(cajas[0].ayuda, 2136);
}

TEST_F(Personal, el_nivel_se_arrastra_por_su_mando_hasta_el_tope)
{
    a.Jugador[1].NivelJugador = 30;
    Abrir();
    zp::PictureBox* nivel = ventana->Pic_Potenciometro[11];
    const QPoint mando(30 + 8 + 6, 25);
    QTest::mouseMove(nivel, mando);
    EXPECT_EQ(zp::CursorDe(nivel), QStringLiteral("ordenar"));
    QTest::mousePress(nivel, Qt::LeftButton, {}, mando);
    EXPECT_EQ(zp::PunteroDe(nivel), zp::kPunteroArrastre);
    QTest::mouseMove(nivel, mando + QPoint(12, 0));
    EXPECT_EQ(a.Jugador[1].NivelJugador, 42);
    // Muy a la izquierda: se queda en 0 y el arrastre acaba, porque el puntero ya no está sobre el mando.
    QTest::mouseMove(nivel, QPoint(-60, 25));
    EXPECT_EQ(a.Jugador[1].NivelJugador, 0);
    EXPECT_EQ(zp::PunteroDe(nivel), zp::kPunteroNormal);
    QTest::mouseMove(nivel, QPoint(40, 25));
    EXPECT_EQ(a.Jugador[1].NivelJugador, 0);
    QTest::mouseRelease(nivel, Qt::LeftButton, {}, QPoint(40, 25));

    // La velocidad no tiene candado; el nivel del cliente sí, aunque el puntero cambie sobre el mando.
    Cliente(a);
    a.Velocidad = 50;
    Abrir();
    zp::PictureBox* velocidad = ventana->Pic_Potenciometro[1];
    QTest::mouseMove(velocidad, QPoint(50 + 14, 25));
    QTest::mousePress(velocidad, Qt::LeftButton, {}, QPoint(50 + 14, 25));
    QTest::mouseMove(velocidad, QPoint(50 + 24, 25));
    QTest::mouseRelease(velocidad, Qt::LeftButton, {}, QPoint(50 + 24, 25));
    EXPECT_EQ(a.Velocidad, 60);
    nivel = ventana->Pic_Potenciometro[12];
    QTest::mouseMove(nivel, QPoint(50 + 14, 25));
    EXPECT_EQ(zp::CursorDe(nivel), QStringLiteral("ordenar"));
    QTest::mousePress(nivel, Qt::LeftButton, {}, QPoint(50 + 14, 25));
    QTest::mouseMove(nivel, QPoint(50 + 20, 25));
    QTest::mouseRelease(nivel, Qt::LeftButton, {}, QPoint(50 + 20, 25));
    EXPECT_EQ(a.Jugador[2].NivelJugador, 50);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].ayuda, 2136);
}

TEST_F(Personal, los_nombres_se_escriben_con_mayusculas_y_sin_lo_que_rompe_el_fichero)
{
    const std::pair<const char*, const char*> filas[] = {
        {"  aNA lUz", "Ana Luz"},      {"jo\"sé", "José"}, // las comillas cortarían la línea del fichero
        {"añoño€", "Añoño€"},                              // todo cabe en Windows-1252
        {"ma\u0101x\u4e2d", "Max"},                        // lo que no cabe se quita
        {"abcdefghijkl", "Abcdefghi"}, {"   ", ""},        // un nombre vacío vale
    };
    Abrir();
    QLineEdit* caja = ventana->Txt_Nombre[3];
    for (const auto& [tecleado, nombre] : filas) {
        caja->clear();
        Teclear(caja, QString::fromUtf8(tecleado));
        EXPECT_EQ(caja->text(), QString::fromUtf8(nombre)) << tecleado;
        EXPECT_EQ(a.Jugador[3].NombreJugador, nombre) << tecleado;
    }
    // Una "g" en un nombre se queda en el nombre; en la ventana abre la caja escondida del fondo de la mesa.
    caja->clear();
    Teclear(caja, QStringLiteral("miguel"));
    EXPECT_EQ(a.Jugador[3].NombreJugador, "Miguel");
    EXPECT_TRUE(ventana->Tex_Grafico->isHidden());
    ventana->setFocus();
    Teclear(ventana.get(), QStringLiteral("G"));
    EXPECT_TRUE(ventana->Tex_Grafico->isHidden());
    Teclear(ventana.get(), QStringLiteral("g"));
    EXPECT_TRUE(ventana->Tex_Grafico->isVisible());
    EXPECT_EQ(ventana->Tex_Grafico->geometry().topLeft(), QPoint(600, 445));
}

// Una imagen revisada con el juego en red de Administrador, un asiento remoto, otro desactivado y el resto de
// los controles.
TEST_F(Personal, se_ve_como_su_imagen_revisada)
{
    a.JuegoEnRed = true;
    a.ModoRed = zp::PapelRed::Administrador;
    a.Jugador[1].ControlJugador = zp::Control::Remoto;
    a.Jugador[1].DireccionIP = "192.168.1.40";
    a.Jugador[3].EstadoJugador = zp::EstadoAsiento::Desactivado;
    a.Jugador[2].NombreJugador = "Ana Luz";
    a.Jugador[2].NivelJugador = 80;
    a.Velocidad = 30;
    a.SentidoJuego = zp::Sentido::Inverso;
    zp::personal& v = Abrir();
    EXPECT_TRUE(zp::prueba::CoincideConImagen(v.grab().toImage(), "personal"));
}

} // namespace

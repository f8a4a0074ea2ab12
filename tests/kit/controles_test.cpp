// Los controles dibujados de las ventanas de ajustes: interruptor, selector, potenciómetro, spin y recuadro
// con título, comprobados píxel a píxel contra los bloques de la hoja, y sus zonas de clic en los bordes.
#include "comun_kit.h"

#include "kit/controles_buleano.h"
#include "kit/controles_enmarcada.h"
#include "kit/controles_potenciometro.h"
#include "kit/controles_selector.h"
#include "kit/controles_spin.h"
#include "platform/picture_box.h"

#include <QLineEdit>
#include <array>
#include <cstdlib>
#include <functional>

namespace {

using prueba::EntornoPrueba;
using zp::Surface;

using Controles = EntornoPrueba;

// Opciones de un selector tal como las guarda la tabla: 22 caracteres, en blanco al acabarse.
std::array<QString, 6> Fila(std::initializer_list<const char*> textos)
{
    std::array<QString, 6> fila;
    fila.fill(QString(22, QLatin1Char(' ')));
    int i = 1;
    for (const char* t : textos) fila[std::size_t(i++)] = QString::fromUtf8(t).leftJustified(22);
    return fila;
}

// Las letras se suavizan en los bordes: basta con que algún píxel de la zona tenga claramente ese color.
bool Parecido(QRgb p, QRgb color)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    switch (color) {
    case zp::kAzul:
        return b >= 200 && r <= 110 && g <= 110;
    case zp::kBlanco:
        return r >= 235 && g >= 235 && b >= 235;
    case zp::kNegro:
        return r <= 60 && g <= 60 && b <= 60;
    default:
        return std::abs(r - qRed(color)) <= 30 && std::abs(g - qGreen(color)) <= 30 &&
               std::abs(b - qBlue(color)) <= 30;
    }
}

bool HayColor(const Surface& s, QRect zona, QRgb color)
{
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (Parecido(s.pixel(x, y), color)) return true;
    return false;
}

TEST_F(Controles, el_interruptor_muestra_su_lampara_y_su_titulo_en_un_marco)
{
    zp::PictureBox ventana;
    ventana.setSurface(Surface(300, 120, zp::kGrisClaro));
    for (const bool valor : {true, false}) {
        SCOPED_TRACE(valor);
        zp::PictureBox buleano(&ventana);
        buleano.setLogicalGeometry(QRect(40, 30, 10, 19));
        buleano.surface().setBackground(zp::kGrisClaro);
        buleano.surface().clear();
        zp::DibujarBuleano(ventana, buleano, QStringLiteral("Sonido "), valor);

        const auto& lampara =
            valor ? zp::recursos::bmpvario::BuleanoEncendido : zp::recursos::bmpvario::BuleanoApagado;
        EXPECT_TRUE(BloqueDeHoja(buleano.surface(), 0, 0, 17, 17, lampara.x, lampara.y));
        // El ancho es el del título sin el espacio final, más 20.
        EXPECT_EQ(buleano.logicalGeometry(),
                  QRect(40, 30, zp::textWidth(QStringLiteral("Sonido"), zp::FuenteControles()) + 20, 19));
        // Letras azules con su borde de luz blanco.
        EXPECT_TRUE(HayColor(buleano.surface(), QRect(19, 1, 30, 15), zp::kAzul));
        EXPECT_TRUE(HayColor(buleano.surface(), QRect(19, 1, 30, 15), zp::kBlanco));
        // Marco grabado en la ventana: blanco de (35, 25) a (165, 50), gris un píxel más abajo a la derecha.
        const Surface& v = ventana.surface();
        EXPECT_EQ(v.pixel(35, 25), zp::kBlanco);
        EXPECT_EQ(v.pixel(165, 40), zp::kBlanco);
        EXPECT_EQ(v.pixel(100, 50), zp::kBlanco);
        EXPECT_EQ(v.pixel(166, 40), zp::kGris);
        EXPECT_EQ(v.pixel(100, 51), zp::kGris);
        EXPECT_EQ(v.pixel(34, 40), zp::kGrisClaro);
    }
}

TEST_F(Controles, el_selector_se_dibuja_de_la_hoja_con_su_ancho)
{
    const auto fila = Fila({"Directo", "Inverso"});
    struct Caso
    {
        zp::Entero indice;
        int ancho;
    };
    for (const Caso c : {Caso{12, 145}, Caso{15, 175}, Caso{22, 145}, Caso{3, 175}}) {
        SCOPED_TRACE(c.indice);
        EXPECT_EQ(zp::AnchoSelector(c.indice), c.ancho);
        Surface s(180, 40, zp::kGrisClaro);
        // Sin texto de opción la barra queda limpia y se compara entera.
        zp::PintarSelector(s, c.indice, QString(), QString());
        EXPECT_TRUE(BloqueDeHoja(s, 4, 14, 29, 20, 186, 75)); // la tecla suelta
        EXPECT_TRUE(BloqueDeHoja(s, 35, 14, 5, 20, 275, 51)); // el extremo de la barra
        for (int x = 40; x <= c.ancho - 3; ++x) EXPECT_TRUE(BloqueDeHoja(s, x, 14, 1, 20, 279, 51));
        // Marco grabado: blanco de (0, 6) a (w, 36) y gris de (1, 7) a (w + 1, 37).
        EXPECT_EQ(s.pixel(0, 20), zp::kBlanco);
        EXPECT_EQ(s.pixel(c.ancho, 20), zp::kBlanco);
        EXPECT_EQ(s.pixel(c.ancho + 1, 20), zp::kGris);
        EXPECT_EQ(s.pixel(60, 37), zp::kGris);
        EXPECT_EQ(s.pixel(c.ancho - 2, 20), zp::kGrisClaro);
    }
    // Con la opción, su texto negro con sombra verde queda sobre la barra.
    Surface s(180, 40, zp::kGrisClaro);
    zp::PintarSelector(s, 3, QStringLiteral(" Sentido del juego  "), fila[1]);
    EXPECT_TRUE(HayColor(s, QRect(35, 15, 138, 18), zp::kNegro));
    EXPECT_TRUE(HayColor(s, QRect(35, 15, 138, 18), zp::kSombraVerde));
    EXPECT_TRUE(HayColor(s, QRect(0, 0, 175, 5), zp::kAzul));
}

TEST_F(Controles, la_barra_del_selector_cubre_ancho_mas_uno)
{
    Surface s(200, 40, zp::kNegro);
    zp::DibujarBarraSelector(s, 35, 14, 137, 20);
    EXPECT_TRUE(BloqueDeHoja(s, 35, 14, 5, 20, 275, 51));
    EXPECT_TRUE(BloqueDeHoja(s, 172, 14, 1, 20, 279, 51));
    EXPECT_EQ(s.pixel(173, 20), zp::kNegro);
    EXPECT_EQ(s.pixel(34, 20), zp::kNegro);
    EXPECT_EQ(s.pixel(100, 13), zp::kNegro);
    EXPECT_EQ(s.pixel(100, 34), zp::kNegro);
    // Con un ancho menor que 5 solo queda el extremo.
    Surface corta(60, 40, zp::kNegro);
    zp::DibujarBarraSelector(corta, 10, 0, 3, 20);
    EXPECT_TRUE(BloqueDeHoja(corta, 10, 0, 5, 20, 275, 51));
    EXPECT_EQ(corta.pixel(15, 5), zp::kNegro);
}

TEST_F(Controles, cada_clic_pasa_a_la_opcion_siguiente)
{
    const auto dos = Fila({"Administrador", "Cliente"});
    const auto cinco = Fila({"a", "b", "c", "d", "e"});
    const auto vacia = Fila({});
    struct Caso
    {
        const char* nombre;
        const std::array<QString, 6>& fila;
        zp::Entero desde, hasta;
    };
    const Caso casos[] = {
        {"1 a 2", dos, 1, 2},           {"2 vuelve a 1", dos, 2, 1}, {"4 a 5", cinco, 4, 5},
        {"5 vuelve a 1", cinco, 5, 1},  {"fila vacía", vacia, 1, 1}, {"valor fuera de la fila", dos, 9, 1},
        {"valor negativo", dos, -3, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(zp::SiguienteOpcion(c.desde, c.fila), c.hasta);
    }

    zp::PictureBox selector;
    selector.setSurface(Surface(180, 40, zp::kGrisClaro));
    zp::Entero valor = 2;
    zp::AvanzarSelector(selector, 1, valor, QStringLiteral(" Modo de juego en red  "), dos);
    EXPECT_EQ(valor, 1);
    zp::AvanzarSelector(selector, 1, valor, QStringLiteral(" Modo de juego en red  "), dos);
    EXPECT_EQ(valor, 2);
    // La tecla se ve pulsada 190 ms a velocidad 50 y al final vuelve a verse suelta.
    EXPECT_EQ(reloj.Duraciones(),
              (std::vector<std::uint32_t>{zp::DuracionPausa(190, 50), zp::DuracionPausa(190, 50)}));
    EXPECT_TRUE(BloqueDeHoja(selector.surface(), 4, 14, 29, 20, 186, 75));
    // Un valor fuera de la fila se dibuja sin texto en vez de leer fuera de la tabla.
    zp::DibujarSelector(selector, 1, 40, QString(), dos);
    EXPECT_FALSE(HayColor(selector.surface(), QRect(35, 15, 138, 18), zp::kNegro));
}

TEST_F(Controles, zonas_de_clic_con_sus_bordes)
{
    struct Caso
    {
        const char* zona;
        std::function<bool(QPoint)> dentro;
        QPoint punto;
        bool esperado;
    };
    auto mando = [](zp::Entero v) { return [v](QPoint p) { return zp::EnMandoPotenciometro(p, v); }; };
    const Caso casos[] = {
        {"tecla del selector", zp::EnFlechaSelector, {4, 14}, true},
        {"tecla del selector", zp::EnFlechaSelector, {33, 34}, true},
        {"tecla del selector", zp::EnFlechaSelector, {3, 20}, false},
        {"tecla del selector", zp::EnFlechaSelector, {34, 20}, false},
        {"tecla del selector", zp::EnFlechaSelector, {10, 13}, false},
        {"tecla del selector", zp::EnFlechaSelector, {10, 35}, false},
        {"mando en 0", mando(0), {8, 17}, true},
        {"mando en 0", mando(0), {20, 35}, true},
        {"mando en 0", mando(0), {7, 20}, false},
        {"mando en 0", mando(0), {21, 20}, false},
        {"mando en 0", mando(0), {10, 16}, false},
        {"mando en 0", mando(0), {10, 36}, false},
        {"mando en 100", mando(100), {108, 17}, true},
        {"mando en 100", mando(100), {120, 35}, true},
        {"mando en 100", mando(100), {107, 20}, false},
        {"mando en 100", mando(100), {121, 20}, false},
        {"flechas del spin", zp::EnFlechasSpin, {170, 4}, true},
        {"flechas del spin", zp::EnFlechasSpin, {185, 23}, true},
        {"flechas del spin", zp::EnFlechasSpin, {169, 10}, false},
        {"flechas del spin", zp::EnFlechasSpin, {186, 10}, false},
        {"flechas del spin", zp::EnFlechasSpin, {175, 3}, false},
        {"flechas del spin", zp::EnFlechasSpin, {175, 24}, false},
        {"flecha de subir", zp::EnFlechaArriba, {175, 13}, true},
        {"flecha de subir", zp::EnFlechaArriba, {175, 14}, false},
        {"flecha de bajar", zp::EnFlechaAbajo, {175, 14}, true},
        {"flecha de bajar", zp::EnFlechaAbajo, {175, 13}, false},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(c.dentro(c.punto), c.esperado)
            << c.zona << " en (" << c.punto.x() << ", " << c.punto.y() << ")";
    }
}

TEST_F(Controles, el_potenciometro_pone_el_mando_en_valor_mas_8)
{
    for (const zp::Entero valor : {zp::Entero(0), zp::Entero(37), zp::Entero(100)}) {
        SCOPED_TRACE(valor);
        Surface s(132, 44, zp::kGrisClaro);
        zp::PintarPotenciometro(s, valor, QStringLiteral("Velocidad"));
        const int x = valor + 8;
        // Borde en relieve: blanco arriba y a la izquierda, gris a la derecha y abajo; la marca roja en x
        // + 6.
        EXPECT_EQ(s.pixel(x, 17), zp::kBlanco);
        EXPECT_EQ(s.pixel(x, 30), zp::kBlanco);
        EXPECT_EQ(s.pixel(x + 12, 17), zp::kGris);
        EXPECT_EQ(s.pixel(x + 5, 35), zp::kGris);
        for (int y = 18; y <= 33; ++y) EXPECT_EQ(s.pixel(x + 6, y), zp::kRojo);
        EXPECT_NE(s.pixel(x + 6, 34), zp::kRojo);
        // El fondo del mando son las columnas x + 2 .. x + 12 de la pista, que en la hoja están en x + 150.
        const QRgb fondo = s.pixel(x + 1, 20);
        EXPECT_EQ(qGreen(fondo), 20 - 17 + 53);
        EXPECT_GE(qRed(fondo) + 256 * (qBlue(fondo) - 0x40), x + 150);
        EXPECT_LE(qRed(fondo) + 256 * (qBlue(fondo) - 0x40), x + 160);
        // La pista en (5, 15), fuera del mando.
        const int libre = valor < 50 ? 100 : 20;
        EXPECT_TRUE(BloqueDeHoja(s, libre, 15, 5, 23, 153 + libre - 5, 51));
        // Marco grabado de (0, 5) a (129, 41), gris un píxel más allá.
        EXPECT_EQ(s.pixel(0, 20), zp::kBlanco);
        EXPECT_EQ(s.pixel(129, 20), zp::kBlanco);
        EXPECT_EQ(s.pixel(130, 20), zp::kGris);
        EXPECT_EQ(s.pixel(60, 42), zp::kGris);
    }
    // Borrar el mando devuelve la pista que tapaba.
    Surface s(132, 44, zp::kGrisClaro);
    zp::PintarPotenciometro(s, 40, QStringLiteral("Nivel"));
    zp::BorrarMandoPotenciometro(s, 40);
    EXPECT_TRUE(BloqueDeHoja(s, 48, 17, 13, 19, 197, 53));
}

TEST_F(Controles, el_spin_muestra_sus_flechas_su_titulo_y_su_valor)
{
    zp::PictureBox spin;
    spin.setSurface(Surface(200, 30, zp::kGrisClaro));
    QLineEdit tex_spin(&spin);
    struct Caso
    {
        zp::Entero valor;
        const char* texto;
    };
    for (const Caso c : {Caso{7, "7"}, Caso{30, "30"}, Caso{100, "100"}, Caso{0, "0"}}) {
        zp::DibujarSpin(spin, tex_spin, QSize(35, 19), c.valor, QStringLiteral("Puntos de la partida"));
        EXPECT_EQ(tex_spin.text(), QString::fromLatin1(c.texto));
    }
    EXPECT_EQ(tex_spin.geometry(), QRect(130, 4, 35, 19));
    const Surface& s = spin.surface();
    EXPECT_TRUE(BloqueDeHoja(s, 170, 4, 15, 19, 153, 75));
    EXPECT_EQ(s.pixel(0, 10), zp::kBlanco);
    EXPECT_EQ(s.pixel(197, 10), zp::kBlanco);
    EXPECT_EQ(s.pixel(198, 10), zp::kGris);
    EXPECT_EQ(s.pixel(100, 28), zp::kGris);
    EXPECT_TRUE(HayColor(s, QRect(3, 7, 100, 15), zp::kAzul));
    // Cada flecha, pulsada o suelta, en su sitio.
    Surface f(200, 30, zp::kGrisClaro);
    zp::DibujarFlechaSpin(f, true, true);
    zp::DibujarFlechaSpin(f, false, false);
    EXPECT_TRUE(BloqueDeHoja(f, 170, 4, 15, 9, 169, 75));
    EXPECT_TRUE(BloqueDeHoja(f, 170, 14, 15, 9, 153, 85));
}

TEST_F(Controles, el_recuadro_con_titulo_centra_su_cuadro_de_texto)
{
    Surface ventana(400, 200, zp::kGrisClaro);
    struct Caso
    {
        int x, y, anchoControl;
        QPoint esperado;
    };
    for (const Caso c :
         {Caso{30, 50, 121, {43, 58}}, Caso{200, 100, 83, {232, 108}}, Caso{10, 20, 120, {23, 28}}}) {
        EXPECT_EQ(zp::DibujarEtiquetaEnmarcada(ventana, c.x, c.y, QStringLiteral(" Nombre "), c.anchoControl),
                  c.esperado);
    }
    EXPECT_EQ(ventana.pixel(30, 65), zp::kBlanco);
    EXPECT_EQ(ventana.pixel(175, 65), zp::kBlanco);
    EXPECT_EQ(ventana.pixel(176, 65), zp::kGris);
    EXPECT_EQ(ventana.pixel(100, 81), zp::kGris);
    // El título tapa el borde de arriba con su fondo y se lee en azul.
    EXPECT_TRUE(HayColor(ventana, QRect(30, 42, 146, 14), zp::kAzul));

    QWidget padre;
    QLineEdit nombre(&padre);
    zp::DibujarEtiquetaEnmarcada(ventana, nombre, QSize(121, 19), 30, 50, QStringLiteral(" Nombre "));
    EXPECT_EQ(nombre.geometry(), QRect(43, 58, 121, 19));
    EXPECT_FALSE(nombre.isHidden());
}

TEST_F(Controles, un_titulo_mas_ancho_que_el_control_empieza_a_la_izquierda_y_se_corta)
{
    Surface s(132, 44, zp::kGrisClaro);
    const QString largo = QStringLiteral("Un título mucho más ancho que el potenciómetro entero");
    ASSERT_GT(zp::textWidth(largo, zp::FuenteControles()), 132);
    zp::PintarPotenciometro(s, 50, largo);
    // Las letras llegan a los dos bordes.
    EXPECT_TRUE(HayColor(s, QRect(0, 0, 3, 5), zp::kBlanco) || HayColor(s, QRect(0, 0, 3, 14), zp::kAzul));
    EXPECT_TRUE(HayColor(s, QRect(128, 0, 4, 14), zp::kAzul));
}

} // namespace

// Los controles dibujados de las ventanas de ajustes: interruptor, selector, potenciómetro, spin y recuadro
// con título, en una imagen revisada; sus zonas de clic en los bordes y el paso de una opción a la siguiente.
#include "comun_kit.h"

#include "common/imagen_referencia.h"
#include "kit/controles_buleano.h"
#include "kit/controles_enmarcada.h"
#include "kit/controles_potenciometro.h"
#include "kit/controles_selector.h"
#include "kit/controles_spin.h"
#include "platform/picture_box.h"

#include <QLineEdit>
#include <array>
#include <functional>

namespace {

using zp::Surface;
using Controles = prueba::EntornoPrueba;

// A selector's options as the table keeps them: 22 characters, blank once they run out.
std::array<QString, 6> Fila(std::initializer_list<const char*> textos)
{
    std::array<QString, 6> fila;
    fila.fill(QString(22, QLatin1Char(' ')));
    int i = 1;
    for (const char* t : textos) fila[std::size_t(i++)] = QString::fromUtf8(t).leftJustified(22);
    return fila;
}

TEST_F(Controles, cada_control_se_ve_como_su_imagen_revisada)
{
    // One settings window with every control in its states: switches on and off, selectors of both widths
    // with and without an option (and one whose value is outside its row), sliders at 0, 37 and 100 (one
    // with its knob taken off, one with a caption wider than itself), a spin with one arrow pressed, a
    // bare selector bar, short and too short, and a framed caption.
    zp::PictureBox ventana;
    ventana.setSurface(Surface(400, 330, zp::kGrisClaro));
    Surface& v = ventana.surface();
    zp::PictureBox encendido(&ventana), apagado(&ventana), fuera(&ventana);
    for (auto [boton, y, valor] : {std::tuple{&encendido, 10, true}, std::tuple{&apagado, 40, false}}) {
        boton->setLogicalGeometry(QRect(15, y, 10, 19));
        boton->surface().setBackground(zp::kGrisClaro);
        zp::DibujarBuleano(ventana, *boton, valor ? QStringLiteral("Sonido ") : QStringLiteral("Pausa "),
                           valor);
    }
    EXPECT_EQ(encendido.logicalGeometry().width(),
              zp::textWidth(QStringLiteral("Sonido"), zp::FuenteControles()) + 20);
    auto pegar = [&](const Surface& s, int x, int y) { v.blit(x, y, s.width(), s.height(), s, 0, 0); };
    const auto fila = Fila({"Directo", "Inverso"});
    for (auto [indice, titulo, opcion, y] :
         {std::tuple{3, " Sentido del juego  ", 1, 0}, std::tuple{12, "", 0, 45}}) {
        Surface s(180, 40, zp::kGrisClaro);
        zp::PintarSelector(s, zp::Entero(indice), QString::fromUtf8(titulo), opcion ? fila[1] : QString());
        pegar(s, 210, y);
    }
    fuera.setLogicalGeometry(QRect(210, 90, 180, 40));
    fuera.setSurface(Surface(180, 40, zp::kGrisClaro));
    zp::DibujarSelector(fuera, 15, 40, QStringLiteral(" Fuera de la fila "), fila);
    for (auto [valor, titulo, x, y] :
         {std::tuple{0, "Velocidad", 10, 80}, std::tuple{37, "Nivel", 10, 130},
          std::tuple{100, "Un título mucho más ancho que el potenciómetro entero", 10, 180}}) {
        Surface s(132, 44, zp::kGrisClaro);
        zp::PintarPotenciometro(s, zp::Entero(valor), QString::fromUtf8(titulo));
        pegar(s, x, y);
    }
    Surface sinMando(132, 44, zp::kGrisClaro);
    zp::PintarPotenciometro(sinMando, 40, QStringLiteral("Nivel"));
    zp::BorrarMandoPotenciometro(sinMando, 40);
    pegar(sinMando, 150, 180);
    Surface spin(200, 30, zp::kGrisClaro);
    zp::PintarSpin(spin, QStringLiteral("Puntos de la partida"));
    zp::DibujarFlechaSpin(spin, true, true);
    pegar(spin, 10, 230);
    Surface barras(200, 40, zp::kNegro);
    zp::DibujarBarraSelector(barras, 35, 14, 137, 20);
    zp::DibujarBarraSelector(barras, 10, 0, 3, 20);
    pegar(barras, 190, 140);
    EXPECT_EQ(zp::DibujarEtiquetaEnmarcada(v, 220, 270, QStringLiteral(" Nombre "), 121), QPoint(233, 278));
    EXPECT_TRUE(zp::prueba::CoincideConImagen(ventana.grab().toImage(), "controles", 8, 0));
}

TEST_F(Controles, el_selector_mide_segun_su_indice_y_cada_clic_pasa_a_la_opcion_siguiente)
{
    for (auto [indice, ancho] :
         {std::pair{12, 145}, std::pair{15, 175}, std::pair{22, 145}, std::pair{3, 175}})
        EXPECT_EQ(zp::AnchoSelector(zp::Entero(indice)), ancho) << indice;
    const auto dos = Fila({"Administrador", "Cliente"}), cinco = Fila({"a", "b", "c", "d", "e"}),
               vacia = Fila({});
    struct Caso
    {
        const std::array<QString, 6>& fila;
        zp::Entero desde, hasta;
    };
    const Caso casos[] = {{dos, 1, 2},   {dos, 2, 1}, {cinco, 4, 5}, {cinco, 5, 1},
                          {vacia, 1, 1}, {dos, 9, 1}, {dos, -3, 1}};
    for (const Caso& c : casos) EXPECT_EQ(zp::SiguienteOpcion(c.desde, c.fila), c.hasta) << c.desde;

    // A click steps the value and shows the key pressed for 190 ms at speed 50.
    zp::PictureBox selector;
    selector.setSurface(Surface(180, 40, zp::kGrisClaro));
    zp::Entero valor = 2;
    zp::AvanzarSelector(selector, 1, valor, QStringLiteral(" Modo de juego en red  "), dos);
    EXPECT_EQ(valor, 1);
    zp::AvanzarSelector(selector, 1, valor, QStringLiteral(" Modo de juego en red  "), dos);
    EXPECT_EQ(valor, 2);
    EXPECT_EQ(reloj.Duraciones(), (std::vector<std::uint32_t>(2, zp::DuracionPausa(190, 50))));
}

TEST_F(Controles, las_zonas_de_clic_incluyen_sus_bordes)
{
    using Zona = std::function<bool(QPoint)>;
    const Zona tecla = zp::EnFlechaSelector, spin = zp::EnFlechasSpin, subir = zp::EnFlechaArriba,
               bajar = zp::EnFlechaAbajo;
    auto mando = [](zp::Entero v) -> Zona {
        return [v](QPoint p) { return zp::EnMandoPotenciometro(p, v); };
    };
    struct Caso
    {
        Zona dentro;
        std::vector<QPoint> si, no;
    };
    const Caso casos[] = {
        {tecla, {{4, 14}, {33, 34}}, {{3, 20}, {34, 20}, {10, 13}, {10, 35}}},
        {mando(0), {{8, 17}, {20, 35}}, {{7, 20}, {21, 20}, {10, 16}, {10, 36}}},
        {mando(100), {{108, 17}, {120, 35}}, {{107, 20}, {121, 20}}},
        {spin, {{170, 4}, {185, 23}}, {{169, 10}, {186, 10}, {175, 3}, {175, 24}}},
        {subir, {{175, 13}}, {{175, 14}}},
        {bajar, {{175, 14}}, {{175, 13}}},
    };
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        for (QPoint p : casos[i].si) EXPECT_TRUE(casos[i].dentro(p)) << i << ": " << p.x() << "," << p.y();
        for (QPoint p : casos[i].no) EXPECT_FALSE(casos[i].dentro(p)) << i << ": " << p.x() << "," << p.y();
    }
}

TEST_F(Controles, el_spin_y_el_recuadro_ponen_su_cuadro_de_texto_en_su_sitio)
{
    zp::PictureBox spin;
    spin.setSurface(Surface(200, 30, zp::kGrisClaro));
    QLineEdit texto(&spin);
    for (auto [valor, leido] : {std::pair{7, "7"}, std::pair{100, "100"}, std::pair{0, "0"}}) {
        zp::DibujarSpin(spin, texto, QSize(35, 19), zp::Entero(valor),
                        QStringLiteral("Puntos de la partida"));
        EXPECT_EQ(texto.text(), QString::fromLatin1(leido));
    }
    EXPECT_EQ(texto.geometry(), QRect(130, 4, 35, 19));

    Surface ventana(400, 200, zp::kGrisClaro);
    QWidget padre;
    QLineEdit nombre(&padre);
    zp::DibujarEtiquetaEnmarcada(ventana, nombre, QSize(121, 19), 30, 50, QStringLiteral(" Nombre "));
    EXPECT_EQ(nombre.geometry(), QRect(43, 58, 121, 19));
    EXPECT_FALSE(nombre.isHidden());
}

} // namespace

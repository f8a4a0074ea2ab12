// Los dibujos y cursores que el programa lleva dentro, hechos por el generador: todos juntos se ven como su
// imagen revisada (el mármol se ve en las de la mesa), y cada figura con máscara deja la mesa intacta fuera
// de su forma cuando se pinta con AND y XOR, como la pinta el programa.
#include "assets/recursos.h"
#include "common/imagen_referencia.h"
#include "platform/surface.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace rc = zp::recursos;

namespace {

TEST(Dibujos, todos_los_dibujos_y_cursores_se_ven_como_su_imagen_revisada)
{
    rc::RegistrarRecursos();
    std::vector<const char*> rutas;
    for (const char* r : rc::Dibujos)
        if (std::strcmp(r, rc::marmol::Ruta) != 0) rutas.push_back(r);
    for (const auto& c : rc::cursores::Lista) rutas.push_back(c.ruta);
    // Side by side in rows 720 wide, on magenta so that what is transparent shows.
    constexpr int kAncho = 720;
    std::vector<std::pair<QImage, QPoint>> piezas;
    int x = 0, y = 0, alto = 0;
    for (const char* r : rutas) {
        const QImage dibujo(QString::fromLatin1(r));
        ASSERT_FALSE(dibujo.isNull()) << r;
        if (x + dibujo.width() > kAncho) x = 0, y += alto, alto = 0;
        piezas.emplace_back(dibujo, QPoint(x, y));
        x += dibujo.width();
        alto = std::max(alto, dibujo.height());
    }
    QImage todos(kAncho, y + alto, QImage::Format_RGB32);
    todos.fill(qRgb(255, 0, 255));
    QPainter pintor(&todos);
    for (const auto& [dibujo, sitio] : piezas) pintor.drawImage(sitio, dibujo);
    pintor.end();
    // The pictures are exact, but Qt blends their soft edges onto the magenta with code chosen by the
    // processor, which may round a channel either way: a step of 2 is rounding, a changed drawing is more.
    EXPECT_TRUE(zp::prueba::CoincideConImagen(todos, "dibujos_del_programa", 2, 0));
}

TEST(Dibujos, fuera_de_su_forma_cada_figura_con_mascara_deja_la_mesa_intacta)
{
    rc::RegistrarRecursos();
    std::vector<std::pair<const char*, rc::ParMascara>> figuras;
    for (const auto& m : rc::bmpvario::Mascaras) figuras.emplace_back(rc::bmpvario::Ruta, m);
    for (const auto& m : rc::dibujos::Mascaras) figuras.emplace_back(rc::dibujos::Ruta, m);
    for (const auto& [ruta, m] : figuras) {
        SCOPED_TRACE(testing::Message() << ruta << " " << m.imagen.x << "," << m.imagen.y);
        const auto fuente = zp::Surface::load(QString::fromLatin1(ruta));
        ASSERT_TRUE(fuente);
        const QImage& hoja = fuente->image();
        const QRect imagen(m.imagen.x, m.imagen.y, m.imagen.ancho, m.imagen.alto);
        const QRect mascara(m.mascara.x, m.mascara.y, m.mascara.ancho, m.mascara.alto);
        ASSERT_EQ(imagen.size(), mascara.size());
        QImage mesa(imagen.size(), QImage::Format_RGB32);
        for (int j = 0; j < mesa.height(); ++j)
            for (int i = 0; i < mesa.width(); ++i)
                mesa.setPixel(i, j, qRgb(i * 37 % 256, j * 53 % 256, (i ^ j) * 11 % 256));
        zp::Surface pintada = zp::Surface::fromImage(mesa);
        pintada.blit(0, 0, mesa.width(), mesa.height(), *fuente, mascara.x(), mascara.y(), zp::RasterOp::And);
        pintada.blit(0, 0, mesa.width(), mesa.height(), *fuente, imagen.x(), imagen.y(), zp::RasterOp::Xor);
        int forma = 0, mal = 0;
        for (int j = 0; j < mesa.height(); ++j)
            for (int i = 0; i < mesa.width(); ++i) {
                const bool dentro = (hoja.pixel(mascara.topLeft() + QPoint(i, j)) & 0xFFFFFF) == 0;
                forma += dentro;
                const QRgb esperado = dentro ? hoja.pixel(imagen.topLeft() + QPoint(i, j)) : mesa.pixel(i, j);
                mal += (pintada.pixel(i, j) & 0xFFFFFF) != (esperado & 0xFFFFFF);
            }
        EXPECT_EQ(mal, 0);
        EXPECT_GT(forma, 0);
    }
}

} // namespace

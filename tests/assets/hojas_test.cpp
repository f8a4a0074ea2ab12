// The sprite sheets: sizes, every block in its place, masks that leave the table untouched outside the shape,
// pips on exactly the face colour, a marble that tiles without seams.
#include "comun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace zp;
using namespace zp::pruebas;
namespace rc = zp::recursos;

namespace {

struct Hoja
{
    const char* ruta;
    rc::Tamano tamano;
};

const Hoja Hojas[] = {
    {rc::bmpvario::Ruta, rc::bmpvario::Hoja},
    {rc::dibujos::Ruta, rc::dibujos::Hoja},
    {rc::puntitos::Ruta, rc::puntitos::Hoja},
    {rc::punneg::Ruta, rc::punneg::Hoja},
    {rc::marmol::Ruta, rc::marmol::Hoja},
    {rc::careta::Ruta, rc::careta::Hoja},
    {rc::mensajes::Si, rc::mensajes::Boton},
    {rc::mensajes::No, rc::mensajes::Boton},
    {rc::personal::Directo, rc::personal::Figura},
    {rc::personal::Inverso, rc::personal::Figura},
    {rc::cargua::Cargar, rc::cargua::Boton},
    {rc::cargua::Guardar, rc::cargua::Boton},
    {rc::cargua::Borrar, rc::cargua::Boton},
    {rc::mensared::Enviar, rc::mensared::Boton},
    {rc::marcador::Puntos, rc::marcador::Hoja},
    {rc::historic::Carpeta, rc::historic::Hoja},
    {rc::mesa::Flecha1, rc::mesa::Icono},
    {rc::mesa::Flecha2, rc::mesa::Icono},
    {rc::mesa::Flecha3, rc::mesa::Icono},
    {rc::mesa::Flecha4, rc::mesa::Icono},
    {rc::mesa::Paso, rc::mesa::Icono},
    {rc::mesa::IndiTuto, rc::mesa::Icono},
};

bool Dentro(QRect r, rc::Tamano t)
{
    return QRect(0, 0, t.ancho, t.alto).contains(r);
}

// Every masked sprite with the sheet it lives in.
std::vector<std::pair<const char*, rc::ParMascara>> SpritesConMascara()
{
    std::vector<std::pair<const char*, rc::ParMascara>> v;
    for (const auto& m : rc::bmpvario::Mascaras) v.emplace_back(rc::bmpvario::Ruta, m);
    for (const auto& m : rc::dibujos::Mascaras) v.emplace_back(rc::dibujos::Ruta, m);
    return v;
}

} // namespace

TEST(Dibujos, cada_dibujo_se_carga_con_su_tamano_exacto)
{
    rc::RegistrarRecursos();
    for (const Hoja& h : Hojas) {
        SCOPED_TRACE(h.ruta);
        QImage img(QString::fromLatin1(h.ruta));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), h.tamano.ancho);
        EXPECT_EQ(img.height(), h.tamano.alto);
    }
}

TEST(Dibujos, los_bloques_de_cada_hoja_caben_en_ella_sin_pisarse)
{
    struct Caso
    {
        const char* hoja;
        rc::Tamano tamano;
        std::vector<rc::Rect> bloques;
    };
    std::vector<Caso> casos;
    {
        Caso c{rc::bmpvario::Ruta, rc::bmpvario::Hoja, {}};
        for (auto r : rc::bmpvario::Bloques) c.bloques.push_back(r);
        for (auto m : rc::bmpvario::Mascaras) {
            c.bloques.push_back(m.imagen);
            c.bloques.push_back(m.mascara);
        }
        casos.push_back(c);
    }
    {
        Caso c{rc::dibujos::Ruta, rc::dibujos::Hoja, {}};
        for (auto m : rc::dibujos::Mascaras) {
            c.bloques.push_back(m.imagen);
            c.bloques.push_back(m.mascara);
        }
        casos.push_back(c);
    }
    {
        Caso c{rc::puntitos::Ruta,
               rc::puntitos::Hoja,
               {rc::puntitos::CaraFichaTumbada3, rc::puntitos::CaraFichaTumbada1,
                rc::puntitos::CaraFichaDerecha}};
        for (int f = 0; f <= 1; ++f)
            for (int n = 1; n <= 6; ++n) c.bloques.push_back(rc::puntitos::Puntos(n, f));
        casos.push_back(c);
    }
    {
        Caso c{rc::punneg::Ruta, rc::punneg::Hoja, {}};
        for (int f = 0; f <= 1; ++f)
            for (int n = 1; n <= 6; ++n) c.bloques.push_back(rc::punneg::Puntos(n, f));
        casos.push_back(c);
    }
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.hoja);
        for (std::size_t i = 0; i < c.bloques.size(); ++i) {
            QRect a = ARect(c.bloques[i]);
            EXPECT_TRUE(Dentro(a, c.tamano)) << a.x() << "," << a.y();
            for (std::size_t j = i + 1; j < c.bloques.size(); ++j)
                EXPECT_FALSE(a.intersects(ARect(c.bloques[j])))
                    << a.x() << "," << a.y() << " pisa " << c.bloques[j].x << "," << c.bloques[j].y;
        }
    }
    // Pieces that live inside a larger block.
    EXPECT_TRUE(ARect(rc::bmpvario::SpinFlechas).contains(ARect(rc::bmpvario::SpinArriba)));
    EXPECT_TRUE(ARect(rc::bmpvario::SpinFlechas).contains(ARect(rc::bmpvario::SpinAbajo)));
    EXPECT_TRUE(
        ARect(rc::bmpvario::BarraSelectorExtremo).contains(ARect(rc::bmpvario::BarraSelectorColumna)));
    EXPECT_TRUE(ARect(rc::bmpvario::PistaPotenciometro).contains(ARect(rc::bmpvario::FondoMando)));
}

TEST(Dibujos, cada_bloque_de_botones_y_controles_tiene_dibujo)
{
    const QImage hoja = CargarHoja(rc::bmpvario::Ruta);
    for (rc::Rect r : rc::bmpvario::Bloques) {
        SCOPED_TRACE(std::to_string(r.x) + "," + std::to_string(r.y));
        std::set<unsigned> colores;
        for (int y = r.y; y < r.y + r.alto; ++y)
            for (int x = r.x; x < r.x + r.ancho; ++x) colores.insert(Rgb(hoja, x, y));
        // A drawn button or control has shading and a picture, not one flat colour.
        EXPECT_GE(colores.size(), 8u);
    }
}

TEST(Dibujos, la_mascara_es_blanca_y_negra_y_la_imagen_negra_fuera_de_la_forma)
{
    for (const auto& [ruta, m] : SpritesConMascara()) {
        SCOPED_TRACE(std::string(ruta) + " " + std::to_string(m.imagen.x) + "," + std::to_string(m.imagen.y));
        const QImage hoja = CargarHoja(ruta);
        ASSERT_EQ(m.imagen.ancho, m.mascara.ancho);
        ASSERT_EQ(m.imagen.alto, m.mascara.alto);
        int negros = 0, fuera_no_negro = 0, impuros = 0;
        for (int y = 0; y < m.imagen.alto; ++y)
            for (int x = 0; x < m.imagen.ancho; ++x) {
                unsigned k = Rgb(hoja, m.mascara.x + x, m.mascara.y + y);
                unsigned i = Rgb(hoja, m.imagen.x + x, m.imagen.y + y);
                if (k != 0 && k != 0xFFFFFF) ++impuros;
                if (k == 0) ++negros;
                if ((i & k) != 0) ++fuera_no_negro; // image & ~mask must be 0; mask white = 0xFFFFFF
            }
        EXPECT_EQ(impuros, 0);
        EXPECT_EQ(fuera_no_negro, 0);
        // The shape covers most of its block, and leaves at least its corners to the table.
        const int total = m.imagen.ancho * m.imagen.alto;
        EXPECT_GT(negros, total / 4);
        EXPECT_LT(negros, total);
    }
}

TEST(Dibujos, fuera_de_la_forma_la_mesa_queda_intacta_tras_and_y_xor)
{
    // The program's own two passes over a patterned table: every pixel outside the shape must survive.
    for (const auto& [ruta, m] : SpritesConMascara()) {
        SCOPED_TRACE(std::string(ruta) + " " + std::to_string(m.imagen.x) + "," + std::to_string(m.imagen.y));
        const QImage hoja = CargarHoja(ruta);
        QImage mesa(m.imagen.ancho, m.imagen.alto, QImage::Format_RGB32);
        for (int y = 0; y < mesa.height(); ++y)
            for (int x = 0; x < mesa.width(); ++x)
                mesa.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x ^ y) * 11 % 256));
        const QImage antes = mesa;
        {
            QPainter p(&mesa);
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(QPoint(0, 0), hoja, ARect(m.mascara));
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.drawImage(QPoint(0, 0), hoja, ARect(m.imagen));
        }
        int cambiados = 0, pintados_mal = 0;
        for (int y = 0; y < mesa.height(); ++y)
            for (int x = 0; x < mesa.width(); ++x) {
                bool forma = Rgb(hoja, m.mascara.x + x, m.mascara.y + y) == 0;
                if (!forma && Rgb(mesa, x, y) != Rgb(antes, x, y)) ++cambiados;
                if (forma && Rgb(mesa, x, y) != Rgb(hoja, m.imagen.x + x, m.imagen.y + y)) ++pintados_mal;
            }
        EXPECT_EQ(cambiados, 0);
        EXPECT_EQ(pintados_mal, 0);
    }
}

TEST(Dibujos, los_puntos_se_copian_sobre_exactamente_el_color_de_la_cara)
{
    const unsigned cara = rc::ColorCara;
    struct Caso
    {
        const char* hoja;
        rc::Rect pips;
        int n;
    };
    std::vector<Caso> casos;
    for (int f = 0; f <= 1; ++f)
        for (int n = 1; n <= 6; ++n) {
            casos.push_back({rc::puntitos::Ruta, rc::puntitos::Puntos(n, f), n});
            casos.push_back({rc::punneg::Ruta, rc::punneg::Puntos(n, f), n});
        }
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.hoja) + " " + std::to_string(c.pips.x) + "," + std::to_string(c.pips.y));
        const QImage hoja = CargarHoja(c.hoja);
        const QRect r = ARect(c.pips);
        int borde_distinto = 0, oscuros = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                bool en_borde = x == r.left() || x == r.right() || y == r.top() || y == r.bottom();
                if (en_borde && Rgb(hoja, x, y) != cara) ++borde_distinto;
                if (Luminancia(Rgb(hoja, x, y)) < 60) ++oscuros;
            }
        EXPECT_EQ(borde_distinto, 0);
        // Crisp black pips: each pip leaves a few solid dark pixels.
        EXPECT_GE(oscuros, c.n * (c.pips.ancho > 20 ? 20 : 3));
    }
}

TEST(Dibujos, bajo_los_cuadros_de_puntos_cada_cara_es_del_color_de_la_cara)
{
    const unsigned cara = rc::ColorCara;
    struct Caso
    {
        const char* hoja;
        rc::Rect ficha;
        std::vector<rc::Rect> cuadros;
    };
    namespace d = rc::dibujos;
    namespace pt = rc::puntitos;
    auto v = [](const rc::Rect(&a)[2]) { return std::vector<rc::Rect>{a[0], a[1]}; };
    std::vector<Caso> casos = {
        {d::Ruta, d::FichaLineaDerecha2.imagen, v(d::CarasLineaDerecha2)},
        {d::Ruta, d::FichaLineaDerecha1.imagen, v(d::CarasLineaDerecha1)},
        {d::Ruta, d::FichaLineaTumbada2.imagen, v(d::CarasLineaTumbada2)},
        {d::Ruta, d::FichaLineaTumbada1.imagen, v(d::CarasLineaTumbada1)},
        {pt::Ruta, pt::CaraFichaTumbada3, v(pt::CarasTumbada3)},
        {pt::Ruta, pt::CaraFichaTumbada1, v(pt::CarasTumbada1)},
        {pt::Ruta, pt::CaraFichaDerecha, v(pt::CarasDerecha)},
    };
    for (int s = 1; s <= 7; ++s)
        casos.push_back({d::Ruta, d::VistaFichaGrande(s).imagen, v(d::CarasVistaGrande)});
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.hoja) + " " + std::to_string(c.ficha.x) + "," + std::to_string(c.ficha.y));
        const QImage hoja = CargarHoja(c.hoja);
        for (rc::Rect q : c.cuadros) {
            int distintos = 0;
            for (int y = q.y; y < q.y + q.alto; ++y)
                for (int x = q.x; x < q.x + q.ancho; ++x)
                    if (Rgb(hoja, c.ficha.x + x, c.ficha.y + y) != cara) ++distintos;
            EXPECT_EQ(distintos, 0) << "cuadro " << q.x << "," << q.y;
        }
    }
}

TEST(Dibujos, una_cara_invertida_sigue_contrastando_con_sus_puntos)
{
    // A laid tile kept in view is inverted: the face turns dark and the black pips light.
    const unsigned invertida = ~rc::ColorCara & 0xFFFFFFu;
    EXPECT_LT(Luminancia(invertida), 40.0);
    EXPECT_GT(Luminancia(0xFFFFFFu) - Luminancia(invertida), 180.0);
}

TEST(Dibujos, el_marmol_empalma_sin_costuras_por_sus_bordes_opuestos)
{
    const QImage m = CargarHoja(rc::marmol::Ruta);
    auto diferencia = [&](auto pixel_a, auto pixel_b, int n) {
        double s = 0;
        for (int i = 0; i < n; ++i) {
            unsigned a = pixel_a(i), b = pixel_b(i);
            for (int k = 0; k < 24; k += 8) s += std::abs(int((a >> k) & 0xFF) - int((b >> k) & 0xFF));
        }
        return s / n;
    };
    const int w = m.width(), h = m.height();
    // Across the seam the colour changes no more than between neighbouring columns or rows inside.
    double costura_x =
        diferencia([&](int y) { return Rgb(m, w - 1, y); }, [&](int y) { return Rgb(m, 0, y); }, h);
    double interior_x = 0;
    for (int x : {100, 250, 400, 555})
        interior_x +=
            diferencia([&](int y) { return Rgb(m, x, y); }, [&](int y) { return Rgb(m, x + 1, y); }, h) / 4;
    double costura_y =
        diferencia([&](int x) { return Rgb(m, x, h - 1); }, [&](int x) { return Rgb(m, x, 0); }, w);
    double interior_y = 0;
    for (int y : {80, 200, 333, 470})
        interior_y +=
            diferencia([&](int x) { return Rgb(m, x, y); }, [&](int x) { return Rgb(m, x, y + 1); }, w) / 4;
    EXPECT_LE(costura_x, interior_x * 1.5);
    EXPECT_LE(costura_y, interior_y * 1.5);
}

TEST(Dibujos, el_marmol_es_oscuro_para_leer_los_nombres_amarillos)
{
    const QImage m = CargarHoja(rc::marmol::Ruta);
    double suma = 0;
    int claros = 0, n = 0;
    for (int y = 0; y < m.height(); y += 2)
        for (int x = 0; x < m.width(); x += 2, ++n) {
            double l = Luminancia(Rgb(m, x, y));
            suma += l;
            if (l > 150) ++claros;
        }
    EXPECT_LT(suma / n, 80.0);
    EXPECT_LT(claros, n / 100);
}

TEST(Dibujos, el_boton_continuar_es_oscuro_para_su_texto_amarillo)
{
    const QImage hoja = CargarHoja(rc::bmpvario::Ruta);
    for (rc::Rect r : {rc::bmpvario::BotonContinuar, rc::bmpvario::BotonContinuarPulsado}) {
        double suma = 0;
        for (int y = r.y + 3; y < r.y + r.alto - 3; ++y)
            for (int x = r.x + 3; x < r.x + r.ancho - 3; ++x) suma += Luminancia(Rgb(hoja, x, y));
        EXPECT_LT(suma / ((r.ancho - 6) * (r.alto - 6)), 90.0);
    }
}

TEST(Dibujos, cada_tecla_del_mando_cambia_al_pulsarla)
{
    namespace bv = rc::bmpvario;
    const QImage hoja = CargarHoja(bv::Ruta);
    for (rc::Rect t : {bv::TeclaEncendido, bv::TeclaAtras, bv::TeclaAdelante, bv::TeclaAtrasRapido,
                       bv::TeclaAdelanteRapido, bv::TeclaContinuar}) {
        SCOPED_TRACE(std::to_string(t.x) + "," + std::to_string(t.y));
        int distintos = 0;
        for (int y = 0; y < t.alto; ++y)
            for (int x = 0; x < t.ancho; ++x) {
                int sx = bv::Grabadora.x + t.x + x, sy = bv::Grabadora.y + t.y + y;
                if (Rgb(hoja, sx, sy) != Rgb(hoja, sx + bv::DesplazamientoPulsada, sy)) ++distintos;
            }
        EXPECT_GT(distintos, t.ancho * t.alto / 3);
    }
    EXPECT_EQ(bv::Grabadora.y + bv::TeclaEncendido.y, bv::EncendidoApagado.y);
    EXPECT_EQ(bv::EncendidoApagado.x + bv::DesplazamientoPulsada, bv::EncendidoLuz.x);
}

TEST(Dibujos, los_iconos_de_la_mesa_tienen_fondo_transparente_y_figura_opaca)
{
    for (const char* ruta : {rc::mesa::Flecha1, rc::mesa::Flecha2, rc::mesa::Flecha3, rc::mesa::Flecha4,
                             rc::mesa::Paso, rc::mesa::IndiTuto}) {
        SCOPED_TRACE(ruta);
        QImage img = QImage(QString::fromLatin1(ruta)).convertToFormat(QImage::Format_ARGB32);
        int transparentes = 0, opacos = 0, intermedios = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                int a = qAlpha(img.pixel(x, y));
                if (a == 0)
                    ++transparentes;
                else if (a == 255)
                    ++opacos;
                else
                    ++intermedios;
            }
        EXPECT_EQ(intermedios, 0);
        EXPECT_GT(transparentes, 0);
        EXPECT_GT(opacos, 32 * 32 / 5);
    }
}

TEST(Dibujos, las_flechas_apuntan_cada_una_en_su_direccion)
{
    // An arrow ends in a point on the side it points to and in a flat tail on the other: the outermost line
    // of opaque pixels towards its direction is much shorter than the outermost one on the opposite side.
    const int dx[] = {1, 0, -1, 0}, dy[] = {0, 1, 0, -1};
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(rc::mesa::Flechas[d]);
        QImage img = QImage(QString::fromLatin1(rc::mesa::Flechas[d])).convertToFormat(QImage::Format_ARGB32);
        auto alcance = [&](int x, int y) { return dx[d] * (x - 16) + dy[d] * (y - 16); };
        int maximo = -99, minimo = 99;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(img.pixel(x, y)) == 255) {
                    maximo = std::max(maximo, alcance(x, y));
                    minimo = std::min(minimo, alcance(x, y));
                }
        int punta = 0, cola = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(img.pixel(x, y)) == 255) {
                    punta += alcance(x, y) == maximo;
                    cola += alcance(x, y) == minimo;
                }
        EXPECT_LE(punta * 3, cola);
        EXPECT_GE(maximo - minimo, 24);
    }
}

// Las manos: dorsos de canto o boca abajo, caras pequeñas, las fichas grandes del sur, las puestas que
// desaparecen o se quedan invertidas; cada hueco vacío deja ver el mármol.
#include "comun_mesa.h"

#include "assets/recursos.h"

namespace {

using prueba::MesaPrueba;
namespace rc = zp::recursos;

QRgb Invertido(QRgb c)
{
    return ~c | 0xFF000000u;
}

class Manos : public MesaPrueba
{
protected:
    const zp::HojasMesa& H() const { return ventana->Hojas(); }

    // ¿Se ve el dibujo de puntos de `n` de la hoja `hoja` (cuadro `lado` en (sx, sy)) en (x, y)?
    ::testing::AssertionResult Puntos(const zp::Surface& hoja, int sx, int sy, int lado, int x, int y,
                                      bool invertido = false) const
    {
        for (int j = 0; j < lado; ++j)
            for (int i = 0; i < lado; ++i) {
                const QRgb esperado =
                    invertido ? Invertido(hoja.pixel(sx + i, sy + j)) : hoja.pixel(sx + i, sy + j);
                if (Pixel(x + i, y + j) != esperado)
                    return ::testing::AssertionFailure() << "distinto en (" << x + i << ", " << y + j << ")";
            }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult PuntosPequenos(int n, int fila, int x, int y, bool invertido = false) const
    {
        const auto r = rc::puntitos::Puntos(n, fila);
        return Puntos(H().Pic_Puntitos, r.x, r.y, 16, x, y, invertido);
    }
    ::testing::AssertionResult PuntosGrandes(int n, int x, int y, bool invertido = false) const
    {
        const auto r = rc::punneg::Puntos(n, 1);
        return Puntos(H().Pic_PunNeg, r.x, r.y, 30, x, y, invertido);
    }
    // Un dibujo con máscara sobre el mármol, tal como debe verse en (x, y).
    ::testing::AssertionResult ConMascara(const rc::ParMascara& p, int x, int y) const
    {
        const zp::Surface& hoja = H().Pic_Dibujos;
        for (int j = 0; j < p.imagen.alto; ++j)
            for (int i = 0; i < p.imagen.ancho; ++i) {
                const QRgb esperado = ((Marmol(x + i, y + j) & hoja.pixel(p.mascara.x + i, p.mascara.y + j)) ^
                                       hoja.pixel(p.imagen.x + i, p.imagen.y + j)) |
                                      0xFF000000u;
                if (Pixel(x + i, y + j) != esperado)
                    return ::testing::AssertionFailure() << "distinto en (" << x + i << ", " << y + j << ")";
            }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult EnMarmol(int x, int y, int w, int h) const
    {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                if (Pixel(x + i, y + j) != Marmol(x + i, y + j))
                    return ::testing::AssertionFailure()
                           << "no es mármol en (" << x + i << ", " << y + j << ")";
        return ::testing::AssertionSuccess();
    }
    zp::HuecoMano& Hueco(int p, int s) { return e.Manos[std::size_t(p)][std::size_t(s)]; }
};

TEST_F(Manos, mesa_de_cuatro_repartida_tres_de_canto_y_el_sur_con_fichas_grandes)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    Abrir().RedibujarMesa();
    Foto("cuatro_repartida");
    for (int s = 1; s <= 7; ++s) {
        SCOPED_TRACE(s);
        const int paso = (s - 1) * 39;
        EXPECT_TRUE(ConMascara(rc::dibujos::FichaCanto1, 23, 164 + paso));
        EXPECT_TRUE(ConMascara(rc::dibujos::FichaCanto2, 218 + paso, 23));
        EXPECT_TRUE(ConMascara(rc::dibujos::FichaCanto3, 671, 164 + paso));
        // Entre dos fichas de canto asoma el mármol.
        if (s < 7) {
            EXPECT_TRUE(EnMarmol(23, 164 + paso + 38, 17, 1));
        }

        const int x = 201 + (s - 1) * 44, y = 523;
        const zp::HuecoMano& h = Hueco(4, s);
        if (h.PuntoA > 0) {
            EXPECT_TRUE(PuntosGrandes(h.PuntoA, x + 7, y + 7));
        }
        if (h.PuntoB > 0) {
            EXPECT_TRUE(PuntosGrandes(h.PuntoB, x + 7, y + 44));
        }
        const auto vista = rc::dibujos::VistaFichaGrande(s);
        if (H().Pic_Dibujos.pixel(vista.mascara.x, vista.mascara.y) == qRgb(255, 255, 255)) {
            EXPECT_EQ(Pixel(x, y), Marmol(x, y)); // la esquina redondeada deja ver la mesa
        }
    }
    // Una mitad sin puntos es la cara lisa: el 0-0 de la última ficha del sur.
    EXPECT_EQ(Hueco(4, 7).PuntoA, 0);
    EXPECT_EQ(Pixel(201 + 6 * 44 + 20, 523 + 20), rc::ColorCara | 0xFF000000u);
}

TEST_F(Manos, mesa_de_dos_con_las_fichas_puestas_invertidas)
{
    Repartir({2, 4}, 7);
    a.Jugador[2].FichasJugador = zp::VistaFichas::Visibles;
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    a.FichasVisiblesPuestas = zp::FichasPuestas::CambianDeColor; // "Cambian de color"
    Hueco(2, 3).Estado = zp::kPuesta;
    Hueco(4, 2).Estado = zp::kPuesta;
    Abrir().RedibujarMesa();
    Foto("dos_invertidas");
    const zp::DisposicionManos& d = e.Disposicion;
    EXPECT_EQ(d.SeparacionFichas[4], 44); // a la vista, sin ser de cuatro: pequeñas a paso 44
    for (int p : {2, 4}) {
        for (int s = 1; s <= 7; ++s) {
            SCOPED_TRACE(testing::Message() << "asiento " << p << " hueco " << s);
            const bool puesta = Hueco(p, s).Estado == zp::kPuesta;
            const int x = d.InicioMano[std::size_t(p)] + (s - 1) * d.SeparacionFichas[std::size_t(p)];
            const int y = p == 2 ? 0 : 558;
            const zp::HuecoMano& h = Hueco(p, s);
            if (h.PuntoA > 0) {
                EXPECT_TRUE(PuntosPequenos(h.PuntoA, 1, x + 2, y + 2, puesta));
            }
            if (h.PuntoB > 0) {
                EXPECT_TRUE(PuntosPequenos(h.PuntoB, 1, x + 2, y + 23, puesta));
            }
        }
    }
}

TEST_F(Manos, una_ficha_puesta_desaparece_o_se_invierte_segun_la_mano_y_el_ajuste)
{
    struct Caso
    {
        zp::Entero fichasJugador, visiblesPuestas;
        bool reparto;
        bool seVe, invertida;
    };
    const Caso casos[] = {
        {2, 1, false, false, false},                           // vista, "Desaparecen"
        {2, 2, false, true, true},                             // vista, "Cambian de color"
        {1, 1, false, false, false},                           // oculta: desaparece siempre
        {1, 2, false, false, false}, {1, 1, true, true, true}, // en el reparto todo a la vista
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.fichasJugador << "/" << c.visiblesPuestas << "/" << c.reparto);
        Repartir({1, 2, 4}, 7);
        a.Jugador[1].FichasJugador = static_cast<zp::VistaFichas>(c.fichasJugador);
        a.FichasVisiblesPuestas = static_cast<zp::FichasPuestas>(c.visiblesPuestas);
        e.RepartoEnCurso = c.reparto;
        Hueco(1, 2).Estado = zp::kPuesta;
        zp::mesa& m = Abrir();
        m.DibujarMano(1);
        const zp::DisposicionManos& d = e.Disposicion;
        const int y = d.InicioMano[1] + d.SeparacionFichas[1];
        const int x = e.ManoHolgada[1] ? 23 : 0;
        if (!c.seVe) {
            EXPECT_TRUE(EnMarmol(x, y, 17, 21));
            continue;
        }
        EXPECT_TRUE(PuntosPequenos(Hueco(1, 2).PuntoA, 0, x + 2, y + 2, c.invertida));
        EXPECT_TRUE(PuntosPequenos(Hueco(1, 2).PuntoB, 0, x + 23, y + 2, c.invertida));
    }
}

TEST_F(Manos, un_hueco_vacio_deja_ver_el_marmol_y_las_demas_no_se_mueven)
{
    Repartir({1, 2, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    Hueco(4, 3).Estado = zp::kVacio;
    zp::mesa& m = Abrir();
    m.DibujarMano(4);
    const zp::DisposicionManos& d = e.Disposicion;
    const int paso = d.SeparacionFichas[4], y = d.EjeMano[4];
    EXPECT_TRUE(EnMarmol(d.InicioMano[4] + 2 * paso, y, 20, 42));
    EXPECT_TRUE(PuntosPequenos(Hueco(4, 4).PuntoA, 1, d.InicioMano[4] + 3 * paso + 2, y + 2));
}

TEST_F(Manos, la_ficha_arrastrada_deja_su_hueco_hasta_soltarla)
{
    Repartir({1, 2, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    zp::mesa& m = Abrir();
    m.Estado().ArrastreOrden = true;
    m.Estado().HuecoArrastrado = 1;
    m.DibujarMano(4);
    const zp::DisposicionManos& d = e.Disposicion;
    EXPECT_TRUE(EnMarmol(d.InicioMano[4], d.EjeMano[4], 20, 42));
    m.Estado().ArrastreOrden = false;
    m.DibujarMano(4);
    EXPECT_TRUE(PuntosPequenos(Hueco(4, 1).PuntoA, 1, d.InicioMano[4] + 2, d.EjeMano[4] + 2));
}

TEST_F(Manos, en_el_reparto_manual_todas_las_manos_a_la_vista_y_ninguna_de_canto)
{
    Repartir({1, 2, 3, 4}, 7);
    e.RepartoEnCurso = true;
    zp::mesa& m = Abrir();
    for (zp::Entero p = 1; p <= 4; ++p) m.DibujarMano(p);
    const zp::DisposicionManos& d = e.Disposicion;
    EXPECT_EQ(d.EjeMano[4], 600 - 42);
    EXPECT_TRUE(PuntosPequenos(Hueco(1, 1).PuntoA, 0, 0 + 2, d.InicioMano[1] + 2));
    EXPECT_TRUE(PuntosPequenos(Hueco(2, 1).PuntoA, 1, d.InicioMano[2] + 2, 0 + 2));
    EXPECT_TRUE(PuntosPequenos(Hueco(3, 1).PuntoA, 0, 668 + 1 + 2, d.InicioMano[3] + 2));
    EXPECT_TRUE(PuntosPequenos(Hueco(4, 1).PuntoA, 1, d.InicioMano[4] + 2, 558 + 2));
}

TEST_F(Manos, un_asiento_apagado_se_borra_y_el_monton_de_su_lado_reaparece)
{
    Repartir({1, 2, 4}, 7);
    zp::mesa& m = Abrir();
    m.RedibujarMesa();
    EXPECT_EQ(m.Estado().LadoMonton, 3);
    m.DibujarMano(3);
    EXPECT_EQ(Pixel(687 + 10, 357 + 20), qRgb(0, 0, 0)); // la última ficha del montón sigue ahí
    // Con el 3 fuera, borrar la mano de arriba limpia también los 42 px del extremo derecho.
    m.surface().fillRect(e.Disposicion.EjeMano[3] + 5, 10, 20, 20, qRgb(255, 0, 0));
    m.DibujarMano(2);
    EXPECT_TRUE(EnMarmol(e.Disposicion.EjeMano[3] + 5, 10, 20, 20));
}

TEST_F(Manos, ficha_descubierta_en_la_rejilla_del_reparto)
{
    Repartir({1, 2, 4}, 7);
    e.OrigenRejillaX = 200;
    e.OrigenRejillaY = 100;
    zp::mesa& m = Abrir();
    m.DibujarFichaDescubierta(5, 3);
    const int x = 200 + 3 * 39, y = 100 + 5 * 50;
    EXPECT_TRUE(PuntosPequenos(5, 1, x + 2, y + 2));
    EXPECT_TRUE(PuntosPequenos(3, 1, x + 2, y + 23));
    EXPECT_TRUE(e.RejillaReparto[5][3]);
    m.DibujarFichaDescubierta(4, 0);
    EXPECT_EQ(Pixel(200 + 10, 100 + 4 * 50 + 30), rc::ColorCara | 0xFF000000u); // el 0: cara lisa
}

} // namespace

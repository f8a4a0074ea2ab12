// Los nombres, en amarillo: letra a letra a lo largo del lado cuando la mano está oculta a paso entero, o de
// una vez, más pequeños, pasado un extremo de la mano.
#include "comun_mesa.h"

#include "table/nombres_mesa.h"

namespace {

using Nombres = prueba::MesaPrueba;

bool Amarillo(QRgb c)
{
    return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 110;
}

QRect CajaAmarilla(const zp::Surface& s, const QRect& dentro)
{
    QRect caja;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x)
            if (Amarillo(s.pixel(x, y))) caja |= QRect(x, y, 1, 1);
    return caja;
}

TEST_F(Nombres, letra_a_letra_centradas_en_el_lado)
{
    struct Caso
    {
        std::string nombre;
        int primera; // y de la celda de la primera letra
    };
    // Mesa de 600 de alto: (600 - 16 x letras) / 2.
    const Caso casos[] = {{"Pedro", 260}, {"Margarita", 228}, {"  Eva", 276}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Repartir({1, 2, 3, 4}, 7);
        a.Jugador[1].NombreJugador = c.nombre;
        a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
        zp::mesa& m = Abrir();
        m.DibujarMano(1);
        ASSERT_TRUE(zp::NombreEnLetras(e, a, 1));
        const QRect columna(0, 100, 22, 400);
        const QRect caja = CajaAmarilla(m.surface(), columna);
        EXPECT_GE(caja.top(), c.primera);
        const int letras = int(QString::fromStdString(c.nombre).size());
        EXPECT_LE(caja.bottom(), c.primera + 16 * (letras - 1) + 14);
        EXPECT_NEAR(caja.left() + (caja.width() - 1) / 2.0, 8, 2.0);
        // Cada letra en su fila de 16 px (las que no son blancos).
        for (int i = 0; i < letras; ++i) {
            if (c.nombre[std::size_t(i)] == ' ') continue;
            EXPECT_FALSE(CajaAmarilla(m.surface(), QRect(0, c.primera + 16 * i, 22, 14)).isEmpty()) << i;
        }
    }
}

TEST_F(Nombres, en_linea_pasado_un_extremo_de_cada_mano)
{
    Repartir({1, 2, 3, 4}, 7);
    for (std::size_t p = 1; p <= 4; ++p)
        a.Jugador[p].FichasJugador = zp::VistaFichas::Visibles; // todas a la vista: en línea
    a.Jugador[2].NombreJugador = "Norte";
    a.Jugador[3].NombreJugador = "Este";
    a.Jugador[4].NombreJugador = "Sur";
    zp::mesa& m = Abrir();
    m.RedibujarMesa();
    Foto("nombres_en_linea");
    const zp::DisposicionManos& d = e.Disposicion;
    struct Sitio
    {
        zp::Entero asiento;
        QRect zona; // donde debe quedar el nombre
    };
    const Sitio sitios[] = {
        {1, {0, d.InicioMano[1] - 28, 50, 14}},
        {2, {d.FinMano[2] + 1, 13, 75, 14}},
        {3, {d.EjeMano[3], d.InicioMano[3] - 28, 42, 14}},
        {4, {d.FinMano[4] + 19, 600 - 28, 75, 14}},
    };
    for (const Sitio& s : sitios) {
        SCOPED_TRACE(s.asiento);
        EXPECT_FALSE(zp::NombreEnLetras(e, a, s.asiento));
        const QRect caja = CajaAmarilla(m.surface(), s.zona.adjusted(-20, -20, 20, 20));
        ASSERT_FALSE(caja.isEmpty());
        EXPECT_TRUE(s.zona.contains(caja))
            << caja.x() << "," << caja.y() << " " << caja.width() << "x" << caja.height();
    }
}

TEST_F(Nombres, el_asiento_1_en_linea_recorta_un_nombre_ancho_a_siete_letras)
{
    const zp::FontSpec fuente = zp::FuenteMesa(zp::kPixeles825, false);
    for (const std::string nombre : {"Ana", "Guillermo", "Maximiano", "WWWWWWWWW"}) {
        a.Jugador[1].NombreJugador = nombre;
        const QString entero = QString::fromStdString(nombre);
        const QString esperado = zp::textWidth(entero, fuente) > 50 ? entero.left(7) : entero;
        EXPECT_EQ(zp::TextoNombreEnLinea(a, 1), esperado) << nombre;
        a.Jugador[2].NombreJugador = nombre;
        EXPECT_EQ(zp::TextoNombreEnLinea(a, 2), entero) << nombre; // los demás, siempre entero
    }
    a.Jugador[1].NombreJugador = "WWWWWWWWW";
    EXPECT_EQ(zp::TextoNombreEnLinea(a, 1), QStringLiteral("WWWWWWW"));
}

TEST_F(Nombres, el_sur_oculto_a_paso_entero_va_letra_a_letra_bajo_su_mano)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].NombreJugador = "Sur";
    a.Jugador[4].FichasJugador = zp::VistaFichas::Ocultas;
    zp::mesa& m = Abrir();
    m.DibujarMano(4);
    Foto("sur_oculto");
    ASSERT_TRUE(zp::NombreEnLetras(e, a, 4));
    // x0 = (710 - 48) / 2 = 331: letras centradas en 341, 357 y 373, en la fila 575.
    const QRect caja = CajaAmarilla(m.surface(), QRect(200, 560, 300, 40));
    EXPECT_GE(caja.top(), 575);
    EXPECT_NEAR(caja.left() + (caja.width() - 1) / 2.0, 357, 2.0);
}

TEST_F(Nombres, un_asiento_fuera_no_escribe_ni_borra_nada)
{
    Repartir({2, 3, 4}, 7);
    zp::mesa& m = Abrir();
    m.surface().fillRect(0, 100, 42, 400, qRgb(255, 0, 0));
    m.DibujarNombres();
    EXPECT_EQ(Pixel(10, 300), qRgb(255, 0, 0));
    EXPECT_TRUE(CajaAmarilla(m.surface(), QRect(0, 100, 42, 400)).isEmpty());
}

TEST_F(Nombres, un_nombre_nuevo_no_deja_rastro_del_anterior)
{
    Repartir({1, 2, 3, 4}, 7);
    a.Jugador[4].FichasJugador = zp::VistaFichas::Visibles;
    a.Jugador[1].NombreJugador = "Margarita";
    zp::mesa& m = Abrir();
    m.DibujarMano(1);
    a.Jugador[1].NombreJugador = "Al";
    m.DibujarMano(1);
    const QRect caja = CajaAmarilla(m.surface(), QRect(0, 100, 22, 400));
    EXPECT_GE(caja.top(), 284);
    EXPECT_LE(caja.bottom(), 300 + 14);
}

} // namespace

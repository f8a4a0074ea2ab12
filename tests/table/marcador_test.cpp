// El marcador del botón 5: por parejas "N   E" con sus totales debajo (o "N:" y "E:" con tres cifras), o
// en individual un número por asiento en juego, donde se sienta cada uno.
#include "comun_mesa.h"

#include "table/marcador_mesa.h"

namespace {

using Marcador = prueba::MesaPrueba;

// Rectángulo que ocupan los píxeles de un color (azul de los números, negro de las letras).
QRect Caja(const zp::Surface& s, bool azul, const QRect& dentro = QRect(0, 0, 50, 50))
{
    QRect caja;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QRgb c = s.pixel(x, y);
            const bool es = azul ? (qBlue(c) > 180 && qRed(c) < 110 && qGreen(c) < 110)
                                 : (qBlue(c) < 90 && qRed(c) < 90 && qGreen(c) < 90);
            if (es) caja |= QRect(x, y, 1, 1);
        }
    return caja;
}

double Centro(const QRect& r)
{
    return r.left() + (r.width() - 1) / 2.0;
}

// Una mano anotada: totales de pareja y de jugador en decenas.
void Anotar(zp::EstadoJuego& e, int mano, int n, int este, std::array<int, 5> jugador = {})
{
    zp::RegistroMano& r = e.Anotaciones[std::size_t(mano)];
    r.DecenasPareja1 = zp::Entero(n);
    r.DecenasPareja2 = zp::Entero(este);
    for (std::size_t p = 1; p <= 4; ++p) r.DecenasJugador[p] = zp::Entero(jugador[p]);
    e.NumeroMano = zp::Entero(mano);
}

TEST_F(Marcador, por_parejas_las_dos_columnas_o_las_dos_lineas)
{
    struct Caso
    {
        int n, este;
        bool columnas;
    };
    const Caso casos[] = {{0, 0, true}, {99, 0, true}, {100, 0, false}, {0, 999, false}, {1500, 3, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.n << "-" << c.este);
        Anotar(e, 1, c.n, c.este);
        zp::mesa& m = Abrir();
        const zp::Surface& b = m.Pic_Boton[5]->surface();
        EXPECT_EQ(e.TotalPareja1, std::min(c.n, 999));
        if (c.columnas) {
            // Las letras y la raya arriba; cada total centrado bajo su letra, en la línea 27.
            const QRect izq = Caja(b, true, QRect(0, 25, 25, 20)), der = Caja(b, true, QRect(26, 25, 24, 20));
            EXPECT_NEAR(Centro(izq), 17, 1.5);
            EXPECT_NEAR(Centro(der), 34, 1.5);
            EXPECT_GE(izq.top(), 27);
            const QRect letras = Caja(b, false, QRect(10, 5, 35, 20));
            EXPECT_GE(letras.left(), 13);
            EXPECT_LE(letras.top(), 13);
        } else {
            // Los totales desde x 20, uno en la línea 10 y otro en la 26.
            const QRect arriba = Caja(b, true, QRect(0, 8, 50, 16)),
                        abajo = Caja(b, true, QRect(0, 25, 50, 16));
            EXPECT_GE(arriba.left(), 20);
            EXPECT_LE(arriba.left(), 22);
            EXPECT_GE(abajo.left(), 20);
            EXPECT_LE(abajo.left(), 22);
            EXPECT_LT(arriba.bottom(), 26);
            EXPECT_GE(abajo.top(), 26);
            const QRect letras = Caja(b, false, QRect(6, 8, 13, 35));
            EXPECT_GE(letras.left(), 8);
            EXPECT_LT(letras.right(), 20);
        }
    }
}

TEST_F(Marcador, en_individual_un_numero_donde_se_sienta_cada_asiento)
{
    struct Caso
    {
        std::vector<zp::Entero> asientos;
        std::array<int, 5> puntos;
    };
    const Caso casos[] = {
        {{1, 2, 3, 4}, {0, 1, 2, 3, 4}}, {{1, 3, 4}, {0, 7, 0, 5, 999}}, // sin el 2: arriba queda vacío
    };
    struct Sitio
    {
        zp::Entero asiento;
        QRect zona;
        double centro;
    };
    // Izquierda, arriba, derecha y abajo del bloc, sin tocarse.
    const Sitio sitios[] = {{1, {0, 16, 21, 10}, 14},
                            {2, {10, 4, 30, 11}, 25},
                            {3, {26, 26, 24, 9}, 35},
                            {4, {0, 36, 50, 12}, 25}};
    for (const Caso& c : casos) {
        Repartir(c.asientos, 7);
        a.ModoJuego = zp::Modalidad::Individual;
        a.SistemaAnotacion = zp::Anotacion::Decenas;
        Anotar(e, 1, 0, 0, c.puntos);
        zp::mesa& m = Abrir();
        const zp::Surface& b = m.Pic_Boton[5]->surface();
        for (const Sitio& s : sitios) {
            SCOPED_TRACE(s.asiento);
            const bool juega = AsientoEnJuego(a, s.asiento);
            const QRect caja = Caja(b, true, s.zona);
            EXPECT_EQ(caja.isEmpty(), !juega);
            if (juega && s.asiento != 1) {
                EXPECT_NEAR(Centro(caja), s.centro, 1.5);
            }
        }
        EXPECT_TRUE(Caja(b, false, QRect(8, 8, 34, 34)).isEmpty()); // sin letras en individual
    }
}

} // namespace

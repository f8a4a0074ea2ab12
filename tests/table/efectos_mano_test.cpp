// Los efectos sobre una mano: parpadea al llegarle el turno, la señal de paso aparece junto a ella con su
// sonido, la mano que señala recorre sus fichas ida, vuelta e ida, y la señal de dominó parpadea sobre la
// mano que se quedó sin fichas. Todo acaba con la mano dibujada y la señal oculta.
#include "escena_prueba.h"

#include "assets/recursos.h"
#include "engine/jugada.h"
#include "kit/pausa.h"
#include "table/disposicion_mesa.h"
#include "table/efectos_mano.h"
#include "tests/soporte/reloj_falso.h"

namespace escena_prueba {
namespace {

using V = std::vector<std::string>;

QRgb ColorSenal(int asiento)
{
    return qRgb(10 * asiento, 200, 77);
}
constexpr QRgb kColorDomino = qRgb(250, 1, 2);

// The program's sheets, but every pointing hand and the domino sign a solid colour of its own over a mask
// that lets nothing through, so that a probe tells which sign is where.
class EfectosMano : public EscenaPrueba
{
protected:
    void SetUp() override
    {
        EscenaPrueba::SetUp();
        Surface& hoja = hojas.Pic_BmpVario;
        auto pintar = [&](const recursos::ParMascara& s, QRgb color) {
            hoja.fillRect(s.mascara.x, s.mascara.y, 32, 32, qRgb(0, 0, 0));
            hoja.fillRect(s.imagen.x, s.imagen.y, 32, 32, color);
        };
        for (int p = 1; p <= 4; ++p) pintar(recursos::bmpvario::ManoSenal(p), ColorSenal(p));
        pintar(recursos::bmpvario::SenalDomino, kColorDomino);
        Repartir();
    }

    // The slots over which the seat's pointing hand shows now.
    std::vector<int> Senalados(Entero asiento)
    {
        std::vector<int> v;
        for (int h = 1; h <= motor->e.HuecosMano[std::size_t(asiento)]; ++h) {
            const PuntoMesa p = CalcularPosicionManoIndicadora(motor->e, motor->pantalla, asiento, Entero(h));
            if (tablero.surface().pixel(p.X + 16, p.Y + 16) == ColorSenal(asiento)) v.push_back(h);
        }
        return v;
    }
};

TEST_F(EfectosMano, la_mano_en_turno_desaparece_y_vuelve_dos_veces)
{
    for (Entero asiento : {Entero(2), Entero(4)}) {
        SCOPED_TRACE(asiento);
        const QRect zona = CalcularZonaMano(motor->e, motor->a, motor->pantalla, asiento);
        std::vector<bool> vista;
        ritmo.eventos.clear();
        ritmo.alPausar = [&](int) { vista.push_back(Diferencias(tablero.surface(), marmol, zona) > 0); };
        LienzoMesa l = Lienzo();
        ParpadearMano(Escena(l), asiento);
        EXPECT_EQ(ritmo.Guion(), (V{"p210", "p120", "p210", "p120"}));
        EXPECT_EQ(vista, (std::vector<bool>{false, true, false, true}));
    }
}

TEST_F(EfectosMano, la_senal_de_paso_aparece_junto_al_asiento_mientras_suena_y_ciento_ochenta_ms_mas)
{
    ImagenMesa Ima_Paso(QStringLiteral("Ima_Paso"));
    ritmo.vigilada = &Ima_Paso;
    for (Entero asiento = 1; asiento <= 4; ++asiento) {
        SCOPED_TRACE(asiento);
        const QPoint sitio = SituarIndicadorPaso(motor->pantalla, asiento); // the layout's own place
        ritmo.eventos.clear();
        LienzoMesa l = Lienzo();
        MostrarPaso(Escena(l), Ima_Paso, asiento);
        EXPECT_EQ(ritmo.Guion(), (V{"p90", "s11e", "p180", "p180", "s11e", "p180", "p180"}));
        // Visible from its sound to the end of the first 180 ms, hidden through the second.
        std::vector<bool> visible;
        for (const Evento& e : ritmo.eventos) {
            if (e.tipo == Evento::Sello) continue;
            visible.push_back(e.visible);
            if (e.visible) {
                EXPECT_EQ(e.sitio, sitio);
            }
        }
        EXPECT_EQ(visible, (std::vector<bool>{false, true, true, false, true, true, false}));
        EXPECT_FALSE(Ima_Paso.Visible());
        EXPECT_EQ(Ima_Paso.Rectangulo(), QRect(sitio, QSize(32, 32))); // the sad face's own size
    }
}

TEST_F(EfectosMano, la_mano_que_senala_recorre_las_fichas_ida_vuelta_e_ida_sin_repetir_ni_tocar_huecos_vacios)
{
    struct Caso
    {
        const char* nombre;
        int huecos;
        std::vector<int> puestas; // slots already laid
        std::vector<int> marcas;
        int pausa;
    };
    const Caso casos[] = {
        {"cinco fichas", 5, {}, {1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4, 5}, 105},
        {"la quinta ya puesta", 5, {5}, {1, 2, 3, 4, 3, 2, 1, 2, 3, 4}, 114},
        {"huecos puestos en medio", 6, {2, 5, 6}, {1, 3, 4, 3, 1, 3, 4}, 123},
        {"una sola ficha", 1, {}, {1}, 141},
    };
    const Entero asiento = 2;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EstadoJuego& e = motor->e;
        const auto p = std::size_t(asiento);
        e.HuecosMano[p] = Entero(c.huecos);
        e.FichasEnMano[p] = Entero(c.huecos - int(c.puestas.size()));
        for (int h = 1; h <= c.huecos; ++h) e.Manos[p][std::size_t(h)].Estado = kEnMano;
        for (int h : c.puestas) e.Manos[p][std::size_t(h)].Estado = kPuesta;
        LienzoMesa l = Lienzo();
        DibujarMano(l, asiento);

        std::vector<int> marcas;
        ritmo.eventos.clear();
        ritmo.alPausar = [&](int) {
            const auto s = Senalados(asiento);
            ASSERT_EQ(s.size(), 1u);
            marcas.push_back(s[0]);
        };
        IndicarFichas(Escena(l), asiento);
        ritmo.alPausar = nullptr;
        EXPECT_EQ(marcas, c.marcas);
        EXPECT_EQ(ritmo.Guion(), V(c.marcas.size(), "p" + std::to_string(c.pausa)));
        EXPECT_TRUE(Senalados(asiento).empty()); // the hand drawn again wipes the last one
    }
}

TEST_F(EfectosMano, con_mas_de_dieciseis_fichas_la_mano_que_senala_no_espera)
{
    zp::prueba::RelojFalso reloj;
    Clock& antes = PausaPrograma().Reloj();
    PausaPrograma().PonerReloj(reloj);
    const Entero asiento = 1;
    const auto p = std::size_t(asiento);
    motor->e.HuecosMano[p] = 17;
    motor->e.FichasEnMano[p] = 17;
    for (int h = 1; h <= 17; ++h) motor->e.Manos[p][std::size_t(h)] = {1, 0, kEnMano};
    LienzoMesa l = Lienzo();
    DibujarMano(l, asiento);
    IndicarFichas(EscenaMesa{l, tablero, RitmoMesaPrograma()}, asiento);
    PausaPrograma().PonerReloj(antes);
    const std::vector<std::uint32_t> duraciones = reloj.Duraciones();
    ASSERT_EQ(duraciones.size(), 17u + 16u + 16u);
    EXPECT_EQ(std::count(duraciones.begin(), duraciones.end(), 0u), 49);
}

TEST_F(EfectosMano, la_senal_de_domino_parpadea_cuatro_veces_sobre_la_mano_con_su_sonido)
{
    const Entero asiento = 4;
    const QPoint sitio = SituarIndicadorPaso(motor->pantalla, asiento);
    std::vector<bool> vista;
    ritmo.alPausar = [&](int) {
        vista.push_back(tablero.surface().pixel(sitio.x() + 16, sitio.y() + 16) == kColorDomino);
    };
    LienzoMesa l = Lienzo();
    MostrarSenalDomino(Escena(l), asiento);
    EXPECT_EQ(ritmo.Guion(), (V{"s14a", "p360", "p120", "p360", "p120", "p360", "p120", "p360", "p120"}));
    EXPECT_EQ(vista, (std::vector<bool>{true, false, true, false, true, false, true, false}));
}

} // namespace
} // namespace escena_prueba

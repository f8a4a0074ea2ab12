#include "common/imagen_referencia.h"
#include "comun_puntuacion.h"
#include "engine/reglas.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"
#include "platform/printer.h"
#include "scores/estadis.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ranges>

namespace {

using namespace zp;

// A hand of the shuffled set, `fichas` tiles to each seat in play; from the leader, each seat in turn lays
// its next tile on end 1 until each has laid `largo`. The sheet shows what was laid, fitting or not.
struct ManoSembrada
{
    EstadoJuego e;
    Ajustes a;
};

ManoSembrada Sembrar(const std::string& asientos, int fichas, int largo)
{
    ManoSembrada m;
    EstadoJuego& e = m.e;
    MarcarAsientos(asientos, m.a);
    const auto sitios = asientos | std::views::transform([](char c) { return Entero(c - '0'); });
    m.a.FichasPorJugador = Entero(fichas);
    std::vector<HuecoMano> juego;
    for (Entero x = 0; x <= 6; ++x)
        for (Entero y = 0; y <= x; ++y) juego.push_back({x, y, kEnMano});
    std::uint32_t semilla = 3;
    for (std::size_t i = juego.size() - 1; i > 0; --i) {
        semilla = semilla * 1103515245u + 12345u;
        std::swap(juego[i], juego[(semilla >> 8) % (i + 1)]);
    }
    for (std::size_t k = 0; k < sitios.size() * std::size_t(fichas); ++k) {
        const auto p = std::size_t(sitios[k / std::size_t(fichas)]);
        e.Manos[p][std::size_t(++e.HuecosMano[p])] = juego[k];
    }
    e.PartidaEnCurso = e.ManoEnCurso = true;
    e.NumeroMano = 2;
    e.JugadorSalida = e.JugadorTurno = sitios.front();
    e.NumeroJugada = 1;
    for (std::size_t t = 1; t <= std::size_t(largo); ++t)
        for (Entero p : sitios) {
            HuecoMano& h = e.Manos[std::size_t(p)][t];
            h.Estado = kPuesta;
            e.Jugadas[std::size_t(e.NumeroJugada++)] = {p, h.PuntoA, h.PuntoB, 1};
            e.Linea.Extremos = {0, h.PuntoB, t == 1 ? h.PuntoA : e.Linea.Extremos[2]};
        }
    return m;
}

class Estadisticas : public ::prueba::VentanaPuntuacion
{
protected:
    std::string Carpeta() const { return dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
};

// The window follows the longest row and the seats in play; a reviewed picture of two of its sheets.
TEST_F(Estadisticas, la_ventana_crece_con_la_fila_mas_larga_y_los_asientos_en_juego)
{
    struct Caso
    {
        std::string asientos;
        int fichas, largo;
        QSize ventana;
        const char* imagen = nullptr;
    };
    const Caso casos[] = {
        {"1234", 7, 5, {614, 491}, "estadisticas_cuatro_de_siete"},
        {"134", 9, 9, {614, 463}},
        {"24", 14, 9, {614, 435}},
        {"24", 14, 10, {627, 435}},
        {"24", 12, 12, {657, 435}},
        {"24", 14, 14, {687, 435}, "estadisticas_dos_de_catorce"},
        {"1234", 7, 0, {614, 491}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.asientos.size() << " asientos, fila de " << c.largo);
        const ManoSembrada m = Sembrar(c.asientos, c.fichas, c.largo);
        ASSERT_EQ(CalcularEstadisticas(m.e, m.a).FichasFilaMasLarga(), c.largo);
        estadis ventana(m.e, m.a, Carpeta());
        EXPECT_EQ(ventana.GeometriaLogica().size(), c.ventana);
        if (c.imagen) {
            EXPECT_TRUE(zp::prueba::CoincideConImagen(ventana.grab().toImage(), c.imagen));
        }
    }
}

// Abre la ventana y, ya abierta, le hace `accion`; devuelve si seguía abierta después.
bool AbrirYHacer(const ManoSembrada& m, const std::string& carpeta, std::function<void(estadis&)> accion)
{
    bool abierta = false;
    QTimer::singleShot(0, [&] {
        auto* ventana = qobject_cast<estadis*>(QApplication::activeModalWidget());
        if (!ventana) {
            ADD_FAILURE() << "no hay estadísticas abiertas";
            return;
        }
        accion(*ventana);
        abierta = QApplication::activeModalWidget() == ventana;
        if (abierta) QTest::mousePress(ventana->Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
    });
    MostrarEstadisticas(m.e, m.a, carpeta, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return abierta;
}

TEST_F(Estadisticas, se_cierra_con_una_tecla_de_caracter_y_la_p_imprime_antes)
{
    if (hasDefaultPrinter()) GTEST_SKIP() << "hay impresora: la hoja iría a ella";
    const struct
    {
        const char* nombre;
        Qt::Key tecla;
        Qt::KeyboardModifiers con;
        bool sigueAbierta, impresa;
    } casos[] = {
        {"Mayúsculas sola", Qt::Key_Shift, {}, true, false},
        {"una flecha", Qt::Key_Left, {}, true, false},
        {"una a", Qt::Key_A, {}, false, false},
        {"Escape", Qt::Key_Escape, {}, false, false},
        {"la p", Qt::Key_P, {}, false, true},
        {"Mayúsculas y P", Qt::Key_P, Qt::ShiftModifier, false, true},
    };
    const ManoSembrada m = Sembrar("1234", 7, 5);
    const QString pdf = dir.filePath(QStringLiteral("Estadisticas.pdf"));
    // The message that tells where the sheet went is closed as soon as it shows.
    QStringList avisos;
    QTimer cerrarAvisos;
    QObject::connect(&cerrarAvisos, &QTimer::timeout, [&] {
        if (auto* caja = qobject_cast<mensajes*>(QApplication::activeModalWidget())) {
            avisos << caja->TextoMensaje();
            caja->close();
        }
    });
    cerrarAvisos.start(5);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QFile::remove(pdf);
        avisos.clear();
        EXPECT_EQ(AbrirYHacer(m, Carpeta(), [&c](estadis& v) { QTest::keyClick(&v, c.tecla, c.con); }),
                  c.sigueAbierta);
        QFile f(pdf);
        EXPECT_EQ(f.exists(), c.impresa);
        if (c.impresa) {
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_TRUE(f.read(5) == "%PDF-");
            ASSERT_EQ(avisos.size(), 1);
            EXPECT_TRUE(avisos[0].endsWith(pdf));
        }
    }
}

TEST_F(Estadisticas, sin_partida_la_hoja_vacia_y_se_sale_con_el_boton)
{
    ManoSembrada m = Sembrar("1234", 7, 5);
    for (const auto& [partida, reparto] : {std::pair{false, false}, std::pair{true, true}}) {
        m.e.PartidaEnCurso = partida;
        m.e.RepartoEnCurso = reparto;
        {
            estadis ventana(m.e, m.a, Carpeta());
            EXPECT_EQ(ventana.GeometriaLogica().size(), QSize(798, 598));
            EXPECT_TRUE(ventana.Textos().empty());
        }
        EXPECT_FALSE(AbrirYHacer(m, Carpeta(), [](estadis& v) {
            QTest::mousePress(v.Pic_BotSalir, Qt::LeftButton, {}, QPoint(25, 25));
        }));
    }
}

} // namespace

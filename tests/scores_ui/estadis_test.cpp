// La ventana de estadísticas: su tamaño sigue a la fila de fichas más larga y a los asientos en juego, de
// manos de 7 a 14 fichas; se cierra con cualquier tecla que escriba un carácter (Mayúsculas sola no), y "p" o
// "P" la imprimen antes; sin partida enseña la hoja vacía y se puede salir. Una imagen revisada por hoja.
#include "common/imagen_referencia.h"
#include "comun_puntuacion.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"
#include "platform/printer.h"
#include "platform/virtual_screen.h"
#include "scores/estadis.h"

#include "engine/turno.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace zp;

// Una mano jugada a lo simple a partir de un reparto sembrado: cada asiento pone la primera ficha suya que
// case (en el extremo 1 si puede), si no roba mientras quede montón, y si no pasa. Se para cuando un asiento
// ha puesto `largo` fichas o nadie puede jugar.
struct ManoSembrada
{
    EstadoJuego e;
    Ajustes a;
};

ManoSembrada Sembrar(const std::vector<Entero>& asientos, int fichas, int largo, std::uint32_t semilla)
{
    ManoSembrada m;
    EstadoJuego& e = m.e;
    Ajustes& a = m.a;
    for (Entero p = 1; p <= 4; ++p) a.Jugador[std::size_t(p)].EstadoJugador = EstadoAsiento::Desactivado;
    for (Entero p : asientos) a.Jugador[std::size_t(p)].EstadoJugador = EstadoAsiento::Activado;
    for (int p = 1; p <= 4; ++p)
        a.Jugador[std::size_t(p)].NombreJugador = std::string("Jugador") + char('0' + p);
    a.NumeroJugadores = Entero(asientos.size());
    a.FichasPorJugador = Entero(fichas);

    std::vector<std::pair<Entero, Entero>> juego;
    for (Entero x = 0; x <= 6; ++x)
        for (Entero y = 0; y <= x; ++y) juego.push_back({x, y});
    for (std::size_t i = juego.size() - 1; i > 0; --i) {
        semilla = semilla * 1103515245u + 12345u;
        std::swap(juego[i], juego[(semilla >> 8) % (i + 1)]);
    }
    std::size_t siguiente = 0;
    auto dar = [&](Entero p) {
        auto& huecos = e.HuecosMano[std::size_t(p)];
        ++huecos;
        e.Manos[std::size_t(p)][std::size_t(huecos)] = {juego[siguiente].first, juego[siguiente].second,
                                                        kEnMano};
        ++siguiente;
    };
    for (Entero p : asientos)
        for (int k = 0; k < fichas; ++k) dar(p);

    e.PartidaEnCurso = e.ManoEnCurso = true;
    e.NumeroMano = 2;
    e.JugadorSalida = asientos.front();
    e.NumeroJugada = 1;
    Entero p = e.JugadorSalida;
    std::array<int, 5> puestas{};
    int pases = 0;
    auto anotar = [&](Entero unido, Entero abierto, Entero extremo) {
        if (std::size_t(e.NumeroJugada) + 1 >= e.Jugadas.size()) e.Jugadas.resize(e.Jugadas.size() * 2);
        RegistroJugada& j = e.Jugadas[std::size_t(e.NumeroJugada++)];
        j = RegistroJugada{};
        j.Jugador = p;
        j.PuntoUnido = unido;
        j.PuntoAbierto = abierto;
        j.Extremo = extremo;
        j.Extremo1 = e.Linea.Extremos[1];
        j.Extremo2 = e.Linea.Extremos[2];
    };
    while (puestas[std::size_t(p)] < largo && pases < int(asientos.size())) {
        bool jugada = false;
        auto& mano = e.Manos[std::size_t(p)];
        for (int s = 1; s <= e.HuecosMano[std::size_t(p)] && !jugada; ++s) {
            HuecoMano& h = mano[std::size_t(s)];
            if (h.Estado != kEnMano) continue;
            auto& ext = e.Linea.Extremos;
            for (Entero extremo : {Entero(1), Entero(2)}) {
                const Entero abierto = ext[std::size_t(extremo)];
                const bool primera = e.NumeroJugada == 1;
                if (!primera && h.PuntoA != abierto && h.PuntoB != abierto) continue;
                const Entero unido = primera || h.PuntoA == abierto ? h.PuntoA : h.PuntoB;
                const Entero otro = unido == h.PuntoA ? h.PuntoB : h.PuntoA;
                if (primera)
                    ext = {0, unido, otro};
                else
                    ext[std::size_t(extremo)] = otro;
                h.Estado = kPuesta;
                anotar(unido, otro, extremo);
                ++puestas[std::size_t(p)];
                jugada = true;
                break;
            }
        }
        if (jugada) {
            pases = 0;
        } else if (siguiente < juego.size()) {
            anotar(juego[siguiente].first, juego[siguiente].second, kExtremoRoba);
            dar(p);
            continue; // draws until a tile fits
        } else {
            anotar(9, 9, kExtremoPasa);
            ++pases;
        }
        CalcularJugadorSiguiente(e, a, p);
    }
    e.JugadorTurno = p;
    return m;
}

class Estadisticas : public ::prueba::VentanaPuntuacion
{
protected:
    std::string Carpeta() const { return dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
};

TEST_F(Estadisticas, la_ventana_crece_con_la_fila_mas_larga_y_los_asientos_en_juego)
{
    struct Caso
    {
        std::vector<Entero> asientos;
        int fichas, largo;
        std::uint32_t semilla;
        QSize ventana;
    };
    const Caso casos[] = {
        {{1, 2, 3, 4}, 7, 5, 3, {614, 491}}, {{1, 3, 4}, 9, 9, 3, {614, 463}},
        {{2, 4}, 14, 9, 3, {614, 435}},      {{2, 4}, 14, 10, 3, {627, 435}},
        {{2, 4}, 12, 12, 3, {657, 435}},     {{2, 4}, 14, 14, 3, {687, 435}},
        {{1, 2, 3, 4}, 7, 0, 3, {614, 491}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message()
                     << c.asientos.size() << " asientos, " << c.fichas << " fichas, fila de " << c.largo);
        const ManoSembrada m = Sembrar(c.asientos, c.fichas, c.largo, c.semilla);
        ASSERT_EQ(CalcularEstadisticas(m.e, m.a).FichasFilaMasLarga(), c.largo);
        estadis ventana(m.e, m.a, Carpeta());
        EXPECT_EQ(ventana.GeometriaLogica().size(),
                  c.ventana); // the sheet and the button follow, as pictured
    }
}

TEST_F(Estadisticas, lo_que_se_ve_de_cada_hoja)
{
    struct Caso
    {
        const char* imagen;
        std::vector<Entero> asientos;
        int fichas, largo;
        std::uint32_t semilla;
    };
    for (const Caso& c : {Caso{"estadisticas_cuatro_de_siete", {1, 2, 3, 4}, 7, 5, 3},
                          Caso{"estadisticas_dos_de_catorce", {2, 4}, 14, 14, 3}}) {
        SCOPED_TRACE(c.imagen);
        const ManoSembrada m = Sembrar(c.asientos, c.fichas, c.largo, c.semilla);
        estadis ventana(m.e, m.a, Carpeta());
        EXPECT_TRUE(zp::prueba::CoincideConImagen(ventana.grab().toImage(), c.imagen));
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
    const ManoSembrada m = Sembrar({1, 2, 3, 4}, 7, 5, 3);
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
    ManoSembrada m = Sembrar({1, 2, 3, 4}, 7, 5, 3);
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

// Lo que comparten las pruebas de la mesa: la ventana dispuesta para una pantalla y manos repartidas a mano.
#pragma once

#include "kit/entorno.h"
#include "platform/virtual_screen.h"
#include "table/mesa.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace prueba {

struct Ficha
{
    zp::Entero a, b;
};

// Todas las fichas del juego, la más alta primero: 6-6, 6-5, ... 0-0.
inline std::vector<Ficha> Juego()
{
    std::vector<Ficha> f;
    for (zp::Entero a = 6; a >= 0; --a)
        for (zp::Entero b = a; b >= 0; --b) f.push_back({a, b});
    return f;
}

// Un 6-4 tumbado en la mitad derecha de la mesa de 800 x 600, como lo deja la primera jugada.
inline zp::RegistroJugada FichaCentral()
{
    return zp::RegistroJugada{1, 6, 4, 1, 0, 356, 262, 77, 40, 1, 474, 360, 262, 397, 262, 0};
}

// Una mano a medias con los cuatro asientos en juego y siete fichas cada uno: nadie ha jugado aún y le toca
// al asiento 1, que salió.
inline void RepartirManoAMedias(zp::EstadoJuego& e, zp::Entero numeroMano)
{
    const auto juego = Juego();
    std::size_t k = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        for (std::size_t s = 1; s <= 7; ++s, ++k) e.Manos[p][s] = {juego[k].a, juego[k].b, zp::kEnMano};
        e.HuecosMano[p] = 7;
        e.FichasEnMano[p] = 7;
    }
    e.ManoEnCurso = true;
    e.PartidaEnCurso = true;
    e.NumeroMano = numeroMano;
    e.NumeroJugada = 1;
    e.JugadorTurno = 1;
    e.JugadorSalida = 1;
}

class MesaPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        a.Sonido = false;
    }
    void TearDown() override
    {
        ventana.reset();
        zp::Entorno() = zp::EntornoKit{};
    }

    // La mesa dispuesta para una pantalla de ancho x alto, con su mármol.
    zp::mesa& Abrir(int ancho = 800, int alto = 600)
    {
        ventana = std::make_unique<zp::mesa>(e, a);
        ventana->DisponerMesa(zp::MedirPantalla(ancho, alto));
        ventana->PintarGrabadora();
        ventana->PintarFondo();
        ventana->DibujarMarcadorMesa();
        return *ventana;
    }

    // Los asientos en juego y sus fichas; los demás fuera. Las fichas sobrantes van al montón.
    void Repartir(const std::vector<zp::Entero>& asientos, int fichas)
    {
        for (zp::Entero p = 1; p <= 4; ++p)
            a.Jugador[std::size_t(p)].EstadoJugador = zp::EstadoAsiento::Desactivado;
        a.NumeroJugadores = zp::Entero(asientos.size());
        a.FichasPorJugador = zp::Entero(fichas);
        const auto juego = Juego();
        std::size_t k = 0;
        for (zp::Entero p : asientos) {
            auto& mano = e.Manos[std::size_t(p)];
            a.Jugador[std::size_t(p)].EstadoJugador = zp::EstadoAsiento::Activado;
            for (int s = 1; s <= fichas; ++s, ++k)
                mano[std::size_t(s)] = {juego[k].a, juego[k].b, zp::kEnMano};
            e.HuecosMano[std::size_t(p)] = zp::Entero(fichas);
            e.FichasEnMano[std::size_t(p)] = zp::Entero(fichas);
        }
        e.FichasMonton = 0;
        for (std::size_t i = 1; k < juego.size() && i <= std::size_t(zp::kHuecosMonton); ++i, ++k) {
            e.Monton[i] = {juego[k].a, juego[k].b};
            ++e.FichasMonton;
        }
        e.ManoEnCurso = true;
        e.PartidaEnCurso = true;
        e.NumeroMano = 1;
        e.NumeroJugada = 1;
    }

    QRgb Pixel(int x, int y) const { return ventana->surface().pixel(x, y); }
    QRgb Marmol(int x, int y) const { return ventana->Marmol().pixel(x, y); }

    zp::EstadoJuego e;
    zp::Ajustes a;
    std::unique_ptr<zp::mesa> ventana;
};

} // namespace prueba

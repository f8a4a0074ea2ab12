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

// Un 6-4 tumbado en la mitad derecha de la mesa de 800 x 600, como lo deja la primera jugada.
inline zp::RegistroJugada FichaCentral()
{
    return zp::RegistroJugada{1, 6, 4, 1, 0, 356, 262, 77, 40, 1, 474, 360, 262, 397, 262, 0};
}

// Las manos de los asientos dados con `fichas` fichas cada una, de la 6-6 hacia abajo, y las sobrantes en el
// montón: la mano `numeroMano` en juego, sin jugada hecha aún.
inline void RepartirManos(zp::EstadoJuego& e, const std::vector<zp::Entero>& asientos, int fichas,
                          zp::Entero numeroMano = 1)
{
    std::vector<std::pair<zp::Entero, zp::Entero>> juego;
    for (zp::Entero a = 6; a >= 0; --a)
        for (zp::Entero b = a; b >= 0; --b) juego.emplace_back(a, b);
    std::size_t k = 0;
    for (zp::Entero p : asientos) {
        for (int s = 1; s <= fichas; ++s, ++k)
            e.Manos[std::size_t(p)][std::size_t(s)] = {juego[k].first, juego[k].second, zp::kEnMano};
        e.HuecosMano[std::size_t(p)] = e.FichasEnMano[std::size_t(p)] = zp::Entero(fichas);
    }
    e.FichasMonton = 0;
    for (std::size_t i = 1; k < juego.size() && i <= std::size_t(zp::kHuecosMonton);
         ++i, ++k, ++e.FichasMonton)
        e.Monton[i] = {juego[k].first, juego[k].second};
    e.ManoEnCurso = e.PartidaEnCurso = true;
    e.NumeroMano = numeroMano;
    e.NumeroJugada = 1;
}

// Una mano a medias con los cuatro asientos en juego y siete fichas cada uno: le toca al asiento 1, que
// salió.
inline void RepartirManoAMedias(zp::EstadoJuego& e, zp::Entero numeroMano)
{
    RepartirManos(e, {1, 2, 3, 4}, 7, numeroMano);
    e.JugadorTurno = e.JugadorSalida = 1;
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

    // Los asientos en juego y sus fichas; los demás fuera.
    void Repartir(const std::vector<zp::Entero>& asientos, int fichas)
    {
        for (zp::Entero p = 1; p <= 4; ++p)
            a.Jugador[std::size_t(p)].EstadoJugador = zp::EstadoAsiento::Desactivado;
        for (zp::Entero p : asientos) a.Jugador[std::size_t(p)].EstadoJugador = zp::EstadoAsiento::Activado;
        a.NumeroJugadores = zp::Entero(asientos.size());
        a.FichasPorJugador = zp::Entero(fichas);
        RepartirManos(e, asientos, fichas);
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    std::unique_ptr<zp::mesa> ventana;
};

} // namespace prueba

// Lo que comparten las pruebas de la línea, las animaciones y los efectos: una mesa de 800 x 600 sobre
// mármol, una mano repartida por el motor con una semilla fija, y un ritmo que no espera nada y anota cada
// pausa y cada sonido con lo que la pantalla muestra en ese momento.
#pragma once

#include "comun_mesa.h"

#include "engine/contexto.h"
#include "engine/eleccion.h"
#include "engine/jugada.h"
#include "engine/reparto.h"
#include "engine/turno.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_mano.h"
#include "table/imagen_mesa.h"
#include "table/ritmo_mesa.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace escena_prueba {

using namespace zp;

// Una pausa, un sello de inicio de pausa o un sonido, con la imagen móvil tal como estaba entonces.
struct Evento
{
    enum Tipo
    {
        Sello,
        Pausa,
        Sonido
    } tipo;
    int valor = 0;  // milisegundos nominales, o el número del sonido
    int modo = 0;   // del sonido: 1 sin esperar
    QPoint sitio{}; // de la imagen vigilada
    bool visible = false;
};

class RitmoPrueba : public RitmoMesa
{
public:
    void MarcarInicioPausa() override { Anotar(Evento{Evento::Sello}); }
    void HacerPausa(Entero ms, Entero) override
    {
        Anotar(Evento{Evento::Pausa, ms});
        if (alPausar) alPausar(ms);
    }
    void ReproducirSonido(Entero modo, Entero id, bool) override
    {
        Anotar(Evento{Evento::Sonido, id, modo});
        if (alSonar) alSonar(id);
    }

    // Pausas y sonidos en orden, como "p30", "s2a" (sin esperar) o "s1e" (esperando su final).
    std::vector<std::string> Guion() const
    {
        std::vector<std::string> v;
        for (const Evento& e : eventos) {
            if (e.tipo == Evento::Pausa) v.push_back("p" + std::to_string(e.valor));
            if (e.tipo == Evento::Sonido)
                v.push_back("s" + std::to_string(e.valor) + (e.modo == 1 ? "a" : "e"));
        }
        return v;
    }

    std::vector<Evento> eventos;
    const ImagenMesa* vigilada = nullptr;
    std::function<void(int)> alPausar;
    std::function<void(int)> alSonar;

private:
    void Anotar(Evento e)
    {
        if (vigilada) {
            e.sitio = vigilada->Rectangulo().topLeft();
            e.visible = vigilada->Visible();
        }
        eventos.push_back(e);
    }
};

// La mesa de la ventana: su dibujo en una caja de 710 x 600, el mármol limpio, las hojas del programa.
class EscenaPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setVirtualScreen(VirtualScreen::fit(QSize(800, 600)));
        motor = std::make_unique<MotorSinVentana>(semilla);
        motor->a.Sonido = false;
        hojas = CargarHojasMesa();
        marmol = ComponerMarmol(hojas.Marmol, 809, 602);
        tablero.setSurface(marmol);
        ritmo.vigilada = &Ima_Mover;
    }

    LienzoMesa Lienzo()
    {
        return LienzoMesa{tablero.surface(), marmol, hojas, motor->e, motor->a, motor->pantalla, m};
    }

    // Una mano repartida al azar con la semilla, con las manos dibujadas como las dibuja la mesa.
    void Repartir()
    {
        Contexto c = motor->Ctx();
        ASSERT_EQ(IniciarMano(c), ResultadoReparto::Listo);
        LienzoMesa l = Lienzo();
        for (Entero p = 1; p <= 4; ++p) DibujarMano(l, p);
    }

    // Juega turnos como el bucle de la partida (robando mientras nada encaja) hasta que `parar` diga basta
    // tras un registro; devuelve el número del registro en que paró, o 0.
    Entero JugarHasta(const std::function<bool(const RegistroJugada&, Entero)>& parar, int turnos = 60)
    {
        EstadoJuego& e = motor->e;
        const Ajustes& a = motor->a;
        Contexto c = motor->Ctx();
        LienzoMesa l = Lienzo();
        for (int t = 0; t < turnos; ++t) {
            e.FichaA = e.FichaB = e.ExtremoElegido = kNinguna;
            if (!AvanzarTurno(e, a)) return 0;
            e.JugadaElegida = false;
            e.SoloContar = true;
            ElegirJugada(c);
            while (e.JugadasPosibles == 0 && e.FichasMonton > a.RemanentesMonton) {
                if (RobarFicha(c) != FalloJugada::Ninguno) return 0;
                const Entero n = static_cast<Entero>(e.NumeroJugada - 1);
                if (parar(e.Jugadas[static_cast<std::size_t>(n)], n)) return n;
                DibujarMano(l, e.JugadorTurno);
                ElegirJugada(c);
            }
            e.SoloContar = false;
            ElegirJugada(c);
            if (EjecutarJugada(c) != FalloJugada::Ninguno) return 0;
            const Entero n = e.NumeroJugada;
            if (parar(e.Jugadas[static_cast<std::size_t>(n)], n)) return n;
            if (e.Jugadas[static_cast<std::size_t>(n)].Extremo <= 2) DibujarFichaJugada(l, n);
            DibujarMano(l, e.JugadorTurno);
            if (e.FichasEnMano[static_cast<std::size_t>(e.JugadorTurno)] == 0) return 0;
        }
        return 0;
    }

    EscenaMesa Escena(LienzoMesa& l) { return EscenaMesa{l, tablero, ritmo}; }

    std::uint32_t semilla = 7;
    std::unique_ptr<MotorSinVentana> motor;
    HojasMesa hojas;
    Surface marmol;
    PictureBox tablero;
    EstadoMesa m;
    RitmoPrueba ritmo;
    ImagenMesa Ima_Mover{QStringLiteral("Ima_Mover")};
};

// Cuántos píxeles del rectángulo difieren entre dos dibujos.
inline int Diferencias(const Surface& a, const Surface& b, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

} // namespace escena_prueba

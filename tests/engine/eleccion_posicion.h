#pragma once
// Positions for the automatic player's tests, written tile by tile: the tiles each seat holds, the tiles laid
// (kept in some seat's slots, as the game keeps them) and the two open ends.
#include <initializer_list>
#include <utility>

#include "engine/contexto.h"
#include "engine/eleccion.h"
#include "engine/reglas_puntuacion.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp::prueba {

using Ficha = std::pair<int, int>;

class Posicion
{
public:
    // modo 1 pairs, 2 individual; `asientos` the seats in play.
    explicit Posicion(Entero modo = 1, std::initializer_list<int> asientos = {1, 2, 3, 4}) : motor(7)
    {
        a.ModoJuego = static_cast<Modalidad>(modo);
        for (std::size_t p = 1; p <= 4; ++p) a.Jugador[p].EstadoJugador = EstadoAsiento::Desactivado;
        for (int p : asientos) a.Jugador[static_cast<std::size_t>(p)].EstadoJugador = EstadoAsiento::Activado;
        a.NumeroJugadores = static_cast<Entero>(asientos.size());
        a.PrimeraMano = Apertura::SeisDoble;
        e.NumeroMano = 2;
        e.NumeroJugada = 9;
        e.JugadorTurno = 4;
        e.JugadorSalida = 1;
        e.PasoTurno = 1;
        e.Linea.Extremos = {0, kNinguna, kNinguna};
        e.Jugadas[1].PuntoUnido = 6; // a lead that no rule of these tests looks at
        e.Jugadas[1].PuntoAbierto = 1;
        for (auto& fila : e.NumerosOrdenados) fila = {0, 6, 5, 4, 3, 2, 1, 0};
    }

    void Mano(int p, std::initializer_list<Ficha> fichas) { Poner(p, fichas, kEnMano); }
    void Puestas(int p, std::initializer_list<Ficha> fichas) { Poner(p, fichas, kPuesta); }
    void Extremos(int x, int y) { e.Linea.Extremos = {0, static_cast<Entero>(x), static_cast<Entero>(y)}; }

    DatosEleccion Datos(int nivel, int caracter)
    {
        a.Jugador[static_cast<std::size_t>(e.JugadorTurno)].CaracterJugador = static_cast<Caracter>(caracter);
        return PrepararEleccion(e, a, e.JugadorTurno, static_cast<Entero>(nivel));
    }

    // The score of the mover's candidate (A joined, B left open) and where it came from.
    DesglosePuntuacion Puntuar(int A, int B, int nivel, int caracter, Azar* azar = nullptr)
    {
        DesglosePuntuacion d;
        total = PuntuarCandidata(e, a, Datos(nivel, caracter),
                                 Candidata{static_cast<Entero>(A), static_cast<Entero>(B)},
                                 azar ? *azar : motor.azar, &d);
        return d;
    }

    MotorSinVentana motor;
    EstadoJuego& e = motor.e;
    Ajustes& a = motor.a;
    Entero total = 0;

private:
    void Poner(int p, std::initializer_list<Ficha> fichas, Entero estado)
    {
        const auto s = static_cast<std::size_t>(p);
        for (const auto& [x, y] : fichas) {
            auto& h = e.Manos[s][static_cast<std::size_t>(++e.HuecosMano[s])];
            h = HuecoMano{static_cast<Entero>(x), static_cast<Entero>(y), estado};
            if (estado == kEnMano) ++e.FichasEnMano[s];
            if (x == y) e.PoseedorDoble[static_cast<std::size_t>(x)] = static_cast<Entero>(p); // as dealt
        }
    }
};

// A generator that gives the same value every time and counts the draws.
class AzarFijo : public Azar
{
public:
    explicit AzarFijo(double u) : u_(u) {}
    double Uniforme() override
    {
        ++Tiradas;
        return u_;
    }
    void SembrarDelReloj() override {}
    int Tiradas = 0;

private:
    double u_;
};

} // namespace zp::prueba

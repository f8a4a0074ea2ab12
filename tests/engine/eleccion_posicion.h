#pragma once
// Positions for the automatic player's tests, written as text: the tiles each seat holds ("61 22"), the
// tiles laid (kept in some seat's slots, as the game keeps them) and the two open ends. Seat 4 moves.
#include "engine/eleccion.h"
#include "engine/indices.h"
#include "engine/reglas_puntuacion.h"
#include "tests/soporte/banco.h"

namespace zp::prueba {

using Ficha = std::pair<int, int>;

struct Posicion : MotorSinVentana
{
    explicit Posicion(Modalidad modo = Modalidad::Parejas, const char* asientos = "1234") : MotorSinVentana(7)
    {
        MarcarAsientos(asientos, a);
        a.ModoJuego = modo;
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

    // The doubles held belong to their seat, as dealt.
    void Mano(Entero p, const char* fichas)
    {
        const Entero desde = e.HuecosMano[I(p)], hasta = DarFichas(e, p, fichas);
        for (Entero s = desde + 1; s <= hasta; ++s) {
            const HuecoMano& h = e.Manos[I(p)][I(s)];
            if (h.PuntoA == h.PuntoB) e.PoseedorDoble[I(h.PuntoA)] = p;
        }
    }
    void Puestas(Entero p, const char* fichas) { DarFichas(e, p, fichas, kPuesta); }
    void Extremos(int x, int y) { e.Linea.Extremos = {0, static_cast<Entero>(x), static_cast<Entero>(y)}; }

    // The score of the mover's candidate (A joined, B left open) and where it came from.
    DesglosePuntuacion Puntuar(int A, int B, int nivel, int caracter)
    {
        a.Jugador[4].CaracterJugador = static_cast<Caracter>(caracter);
        const DatosEleccion datos = PrepararEleccion(e, a, 4, static_cast<Entero>(nivel));
        DesglosePuntuacion d;
        total = PuntuarCandidata(e, a, datos, Candidata{Entero(A), Entero(B)}, azar, &d);
        return d;
    }

    Entero total = 0;
};

} // namespace zp::prueba

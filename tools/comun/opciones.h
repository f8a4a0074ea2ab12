#pragma once
// What the developer programs share: their command lines, read from a table of options each program declares;
// the rule options of the deal and hand programs and setting them into the rules; printing the message boxes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/ajustes.h"
#include "engine/usuario.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {

// One option of a command line: `--nombre valor`, or a switch with no value (then `Leer` gets a null value).
struct Opcion
{
    const char* Nombre;
    std::function<void(const char* valor)> Leer;
    bool Interruptor = false;
};

// A program's command line: its name and usage lines, and the reason a bad number is refused with. Any bad
// option prints "nombre: reason" and the usage lines on the error output and ends the program with status 2.
class Programa
{
public:
    Programa(const char* nombre, const char* uso, const char* numeroNoValido = "número no válido")
        : nombre_(nombre), uso_(uso), numeroNoValido_(numeroNoValido)
    {
    }

    [[noreturn]] void Uso(const char* motivo) const;

    // Reads the options in the order given; a name not in the table, or one with no value after it, is
    // refused. --help anywhere prints the usage lines and ends the program with status 0.
    void Leer(int argc, char** argv, const std::vector<Opcion>& opciones) const;

    // A whole number in decimal, from `minimo` to `maximo`.
    long long Numero(const char* texto, long long minimo, long long maximo) const;
    // Four values, one per seat 1..4, separated by commas, each read by `leer`.
    std::vector<int> Cuatro(const char* texto, const std::function<int(const char*)>& leer) const;

    // Table entries for the usual kinds of value.
    template <class T> Opcion Entera(const char* nombre, T& destino, long long minimo, long long maximo) const
    {
        return {nombre, [this, &destino, minimo, maximo](const char* v) {
                    destino = static_cast<T>(Numero(v, minimo, maximo));
                }};
    }
    Opcion Texto(const char* nombre, std::string& destino) const;
    Opcion Interruptor(const char* nombre, bool& destino) const;
    Opcion Pantalla(int& ancho, int& alto) const; // --pantalla 800x600

private:
    const char* nombre_;
    const char* uso_;
    const char* numeroNoValido_;
};

// The rules the deal and hand programs take from their command lines. A value left at -1 keeps the rules'
// own.
struct OpcionesReglas
{
    std::uint32_t Semilla = 1;
    std::string Asientos = "1234"; // the seats in play
    int Fichas = 7;
    int Modo = 0; // 0: pairs with four seats in play, individual otherwise
    int Sentido = 1, PrimeraMano = 1;
    int TurnoSalida = -1, CincoDobles = -1, Remanentes = -1;
    int Ancho = 800, Alto = 600;
};

// --semilla, --asientos, --fichas, --modo, --sentido, --primera-mano and --pantalla: the seed up to
// `maximoSemilla`, the other numbers up to `maximo`.
std::vector<Opcion> OpcionesDeReglas(const Programa& p, OpcionesReglas& r, long long maximoSemilla,
                                     long long maximo);

// The rules and the turn step for a deal with no window and no network.
void AplicarReglas(const OpcionesReglas& r, Ajustes& a, EstadoJuego& e);

// Every message box shown, in order: "[title] text".
void ImprimirMensajes(const UsuarioAutomatico& usuario);

} // namespace zp

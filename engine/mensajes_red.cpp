#include "engine/mensajes_red.h"

#include "engine/mensaje_jugada.h"
#include "engine/turno.h"

namespace zp {

namespace {

constexpr std::size_t kLargoCorto = 3; // kind and one digit

bool Empieza(const std::string& cola, std::string_view codigo)
{
    return cola.size() >= codigo.size() && std::string_view(cola).substr(0, codigo.size()) == codigo;
}

// The digit of a three-character message at the head of the queue, which is then taken off; -1 when the
// queue ends before it.
int TomarDigito(std::string& cola)
{
    const int d = cola.size() >= kLargoCorto ? cola[2] - '0' : -1;
    cola.erase(0, std::min(kLargoCorto, cola.size()));
    return (d >= 0 && d <= 9) ? d : -1;
}

std::string Mensaje(std::string_view codigo, std::string_view cuerpo)
{
    std::string m(kPrefijoRed);
    m += codigo;
    m += cuerpo;
    return m;
}

} // namespace

std::string CrearMensajeSalida(Entero asiento)
{
    return Mensaje(kCodigoSalida, std::string(1, static_cast<char>('0' + asiento)));
}

std::string CrearMensajeCincoDobles(bool rechazadas)
{
    return Mensaje(kCodigoCincoDobles, rechazadas ? "1" : "0");
}

std::string CrearMensajeNuevaPartida()
{
    return Mensaje(kCodigoNuevaPartida, {});
}

std::string CrearMensajeEstado(const std::string& cadenaSituacion)
{
    return Mensaje(kCodigoEstado, cadenaSituacion);
}

std::string CrearMensajeReparto(const std::string& cadenaSituacion)
{
    return Mensaje(kCodigoReparto, cadenaSituacion);
}

bool SaltarOtrasClases(std::string& cola, std::string_view codigo)
{
    while (cola.size() >= 2 && !Empieza(cola, codigo)) {
        const std::string_view clase(cola.data(), 2);
        if (clase == kCodigoJugada)
            cola.erase(0, std::min(kLargoJugadaEnCola, cola.size()));
        else if (clase == "01" || clase == "02" || clase == "03" || clase == "05")
            cola.erase(0, std::min(kLargoCorto, cola.size()));
        else
            cola.clear(); // a kind of unknown length: nothing behind it can be framed
    }
    return Empieza(cola, codigo);
}

std::optional<Entero> TomarSalidaDeCola(std::string& cola, Entero puestoLocal, const Ajustes& a)
{
    if (!SaltarOtrasClases(cola, kCodigoSalida)) return std::nullopt;
    const int d = TomarDigito(cola);
    if (d < 1 || d > 4 || puestoLocal < 1 || puestoLocal > 4) return std::nullopt;
    const Entero asiento = CalcularJugadorRelativo(static_cast<Entero>(d), puestoLocal);
    if (!AsientoEnJuego(a, asiento)) return std::nullopt;
    return asiento;
}

std::optional<bool> TomarCincoDoblesDeCola(std::string& cola)
{
    if (!SaltarOtrasClases(cola, kCodigoCincoDobles)) return std::nullopt;
    const int d = TomarDigito(cola);
    if (d != 0 && d != 1) return std::nullopt;
    return d == 1;
}

std::optional<Entero> LeerManoDeReparto(const std::string& cadenaSituacion)
{
    if (cadenaSituacion.size() != kLargoCadenaSituacion) return std::nullopt;
    int n = 0;
    for (std::size_t col = 184; col <= 186; ++col) {
        const char c = cadenaSituacion[col - 1];
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return static_cast<Entero>(n);
}

} // namespace zp

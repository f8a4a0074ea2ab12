#include "network/core/arranque_red.h"

#include "settings/core/columnas_estado.h"

#include <algorithm>

namespace zp {

namespace {

bool Digitos(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// `ancho` characters from 1-based column `columna`, when the string reaches that far.
std::string_view Columnas(std::string_view s, std::size_t columna, std::size_t ancho)
{
    return s.size() < columna - 1 + ancho ? std::string_view{} : s.substr(columna - 1, ancho);
}

bool Remoto(const AjustesJugador& j)
{
    return j.EstadoJugador == EstadoAsiento::Activado && j.ControlJugador == Control::Remoto;
}

} // namespace

std::optional<std::string> CodigoDePartida(std::string_view cadena)
{
    std::string codigo(Columnas(cadena, kColumnaIdPartida, 4));
    codigo += Columnas(cadena, kColumnaNumeroMano, 3);
    codigo += Columnas(cadena, kColumnaNumeroJugada, 3);
    // The host frames the answer by its length: anything but ten digits would garble what follows it.
    if (codigo.size() != 10 || !Digitos(codigo)) return std::nullopt;
    return codigo;
}

Entero PuestoDeSituacion(std::string_view cadena)
{
    const std::string_view c = Columnas(cadena, kColumnaPuestoLocal, 1);
    return c.size() == 1 && c[0] >= '1' && c[0] <= '4' ? static_cast<Entero>(c[0] - '0') : Entero{0};
}

Entero ContarJugadoresRemotos(const Ajustes& a)
{
    return static_cast<Entero>(std::count_if(a.Jugador.begin() + 1, a.Jugador.begin() + 4, Remoto));
}

Entero ContarConectados(const Ajustes& a)
{
    return static_cast<Entero>(std::count_if(a.Jugador.begin() + 1, a.Jugador.begin() + 4,
                                             [](const AjustesJugador& j) { return j.Conectado; }));
}

TextoEspera EstadoConexionAdministrador(const Ajustes& a)
{
    const Entero remotos = ContarJugadoresRemotos(a);
    TextoEspera t;
    t.Titulo = remotos == 1 ? "Conectando con jugador en red" : "Conectando con jugadores en red";
    for (std::size_t i = 1; i <= 3; ++i) {
        const AjustesJugador& j = a.Jugador[i];
        if (!Remoto(j)) continue;
        t.Texto += "Jugador " + j.NombreJugador + " (" + j.DireccionIP + ") " +
                   (j.Conectado ? ": CONECTADO" : ": Pendiente de conexión") + std::string(SaltoLinea);
    }
    t.Lineas = remotos + 3;
    return t;
}

TextoEspera EstadoConexionCliente()
{
    return {"Conectando con Administrador",
            "Se está procediendo  a  la  conexión  con  el  Administrador  de  la partida. Permanezca a la "
            "espera." +
                std::string(SaltoLinea),
            5};
}

TextoEspera EsperaVeredicto()
{
    return {"Juego en red",
            "Se ha realizado con éxito su conexión con el  Administrador  de la partida. Esta pendiente la "
            "finalización del proceso de conexiones para poder comenzar al juego. Permanezca a la espera." +
                std::string(SaltoLinea),
            6};
}

} // namespace zp

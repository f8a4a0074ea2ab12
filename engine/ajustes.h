#pragma once
// The players and the rules the engine plays by; the settings windows set them and the state files keep them.
// Each setting is declared once, in the table at the end of this file: its valid stored codes, the value of a
// fresh settings file, and what a stored code out of range becomes. Coded settings are enums whose values are
// the codes the state files and the network messages carry: they are never renumbered.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/estado.h"

namespace zp {

enum class Modalidad : Entero // ModoJuego
{
    Parejas = 1,
    Individual = 2
};
enum class PapelRed : Entero // ModoRed
{
    Administrador = 1, // the host
    Cliente = 2
};
enum class Sentido : Entero // SentidoJuego
{
    Directo = 1,
    Inverso = 2
};
enum class FormaReparto : Entero // SistemaReparto
{
    Manual = 1,
    Aleatorio = 2
};
enum class CincoDobles : Entero // JugadorCincoDobles
{
    DebeJugar = 1,
    PuedeDevolver = 2
};
enum class Apertura : Entero // PrimeraMano
{
    SeisDoble = 1, // the highest double (else the highest tile) leads the first hand
    Sorteo = 2
};
enum class Anotacion : Entero // SistemaAnotacion
{
    Decenas = 1,
    Unidades = 2
};
enum class PuntosAnotados : Entero // PuntosQueSeAnotan
{
    DeTodos = 1,
    DeLaPerdedora = 2 // pairs: only the losing pair's pips
};
enum class ParejaAnotada : Entero // ParejaQueSeAnota
{
    Ganadora = 1,
    Perdedora = 2
};
enum class Empate : Entero // GanadorSiEmpate
{
    SeRepite = 1,
    GanaQuienSalio = 2,
    GanaQuienNoSalio = 3 // pairs play only
};
enum class SalidaEmpate : Entero // SalidaSiEmpate
{
    MismoJugador = 1,
    SeCorreElTurno = 2
};
enum class ReglaSalida : Entero // TurnoSalida
{
    Rotatorio = 1,
    Elegida = 2, // the person chooses in every hand
    Ganador = 3,
    Perdedora = 4 // pairs play: the losing pair
};
enum class VistaLista : Entero // ListaJugadas
{
    SiempreVisible = 1,
    AlConectarGrabadora = 2
};
enum class FichasPuestas : Entero // FichasVisiblesPuestas: laid tiles of a hand shown face up
{
    Desaparecen = 1,
    CambianDeColor = 2
};
enum class EstadoAsiento : Entero // EstadoJugador
{
    Activado = 1,
    Desactivado = 2
};
enum class VistaFichas : Entero // FichasJugador
{
    Ocultas = 1,
    Visibles = 2
};
enum class Control : Entero // ControlJugador
{
    Manual = 1,
    Automatico = 2,
    Remoto = 3
};
enum class Caracter : Entero // CaracterJugador
{
    Conservador = 1,
    Medio = 2,
    Agresivo = 3
};

// The stored code of a setting; a flag is -1 when set.
template <class E> constexpr int Codigo(E valor)
{
    if constexpr (std::is_same_v<E, bool>)
        return valor ? -1 : 0;
    else
        return static_cast<int>(valor);
}

// Per-seat settings. Index 0 of every per-seat array exists and carries nothing.
struct AjustesJugador
{
    std::string NombreJugador; // UTF-8; at most 9 characters once written one byte per character
    Entero NivelJugador{};     // 0..100 (shown as 0.0 .. 10.0)
    EstadoAsiento EstadoJugador{};
    VistaFichas FichasJugador{};
    Control ControlJugador{};
    Caracter CaracterJugador{};
    std::string DireccionIP;
    bool Conectado = false;
};

struct Ajustes
{
    // The settings of a fresh settings file, from the table below.
    Ajustes();

    std::array<AjustesJugador, 5> Jugador{};
    Entero NumeroJugadores{};
    Entero PuntosPartida{};
    Entero FichasPorJugador{};
    Entero RemanentesMonton{};
    PapelRed ModoRed{};
    Sentido SentidoJuego{};
    Modalidad ModoJuego{};
    FormaReparto SistemaReparto{};
    CincoDobles JugadorCincoDobles{};
    Apertura PrimeraMano{};
    Anotacion SistemaAnotacion{};
    PuntosAnotados PuntosQueSeAnotan{};
    ParejaAnotada ParejaQueSeAnota{};
    Empate GanadorSiEmpate{};
    SalidaEmpate SalidaSiEmpate{};
    ReglaSalida TurnoSalida{};
    VistaLista ListaJugadas{};
    FichasPuestas FichasVisiblesPuestas{};
    bool Sonido = false;
    bool PausaEntreJugadas = false;
    bool JuegoEnRed = false;
    Entero Velocidad{}; // 0..100
};

// p names one of the table's seats, whatever a message or a damaged file held.
template <class N> constexpr bool EsAsiento(N p)
{
    return p >= 1 && p <= kAsientos;
}

// Seat p, whatever its value, takes part in the hand.
template <class N> constexpr bool AsientoEnJuego(const Ajustes& a, N p)
{
    return EsAsiento(p) && a.Jugador[static_cast<std::size_t>(p)].EstadoJugador == EstadoAsiento::Activado;
}

// The name of the player at seat p; empty for a number that is no seat.
inline const std::string& NombreAsiento(const Ajustes& a, int p)
{
    static const std::string ninguno;
    return EsAsiento(p) ? a.Jugador[static_cast<std::size_t>(p)].NombreJugador : ninguno;
}

// Seat p, whatever its value, is a seat played under `control`: by the person here, the computer, or another
// computer over the network.
template <class N> constexpr bool AsientoConControl(const Ajustes& a, N p, Control control)
{
    return EsAsiento(p) && a.Jugador[static_cast<std::size_t>(p)].ControlJugador == control;
}

constexpr bool EnParejas(const Ajustes& a)
{
    return a.ModoJuego == Modalidad::Parejas;
}

// One setting: its valid stored codes, the code of a fresh settings file (per seat for a seat's setting),
// and the code a stored one out of range becomes; with no fallback a code is taken as read.
struct DefinicionAjuste
{
    std::string_view Nombre;
    bool PorAsiento = false;
    int Minimo = 0;
    int Maximo = 0;
    std::array<int, 5> PorDefecto{}; // [0] a setting of the game, [1..4] a seat's
    std::optional<int> Sustituto;
    int (*Leer)(const Ajustes& a, int asiento) = nullptr;
    void (*Poner)(Ajustes& a, int asiento, int codigo) = nullptr;

    constexpr bool Valido(int codigo) const { return codigo >= Minimo && codigo <= Maximo; }
};

namespace ajuste {

template <class T> constexpr void DeCodigo(T& campo, int codigo)
{
    if constexpr (std::is_same_v<T, bool>)
        campo = codigo != 0;
    else
        campo = static_cast<T>(codigo);
}

template <auto Miembro> constexpr int LeerJuego(const Ajustes& a, int)
{
    return Codigo(a.*Miembro);
}
template <auto Miembro> constexpr void PonerJuego(Ajustes& a, int, int codigo)
{
    DeCodigo(a.*Miembro, codigo);
}
template <auto Miembro> constexpr int LeerAsiento(const Ajustes& a, int p)
{
    return Codigo(a.Jugador[static_cast<std::size_t>(p)].*Miembro);
}
template <auto Miembro> constexpr void PonerAsiento(Ajustes& a, int p, int codigo)
{
    DeCodigo(a.Jugador[static_cast<std::size_t>(p)].*Miembro, codigo);
}

template <auto Miembro>
constexpr DefinicionAjuste DelJuego(std::string_view nombre, int minimo, int maximo, int porDefecto,
                                    std::optional<int> sustituto)
{
    DefinicionAjuste d{nombre, false, minimo, maximo, {porDefecto, 0, 0, 0, 0}, sustituto};
    d.Leer = LeerJuego<Miembro>;
    d.Poner = PonerJuego<Miembro>;
    return d;
}

template <auto Miembro>
constexpr DefinicionAjuste DelAsiento(std::string_view nombre, int minimo, int maximo,
                                      std::array<int, 4> porDefecto, int sustituto)
{
    const auto& v = porDefecto;
    DefinicionAjuste d{nombre, true, minimo, maximo, {0, v[0], v[1], v[2], v[3]}, sustituto};
    d.Leer = LeerAsiento<Miembro>;
    d.Poner = PonerAsiento<Miembro>;
    return d;
}

// The table, in the order the reader tests the ranges. Seats 1-3 start automatic round the person at seat 4.
using J = AjustesJugador;
using A = Ajustes;
inline constexpr auto EstadoJugador = DelAsiento<&J::EstadoJugador>("EstadoJugador", 1, 2, {1, 1, 1, 1}, 1);
inline constexpr auto FichasJugador = DelAsiento<&J::FichasJugador>("FichasJugador", 1, 2, {1, 1, 1, 2}, 1);
inline constexpr auto ControlJugador =
    DelAsiento<&J::ControlJugador>("ControlJugador", 1, 3, {2, 2, 2, 1}, 2);
inline constexpr auto CaracterJugador =
    DelAsiento<&J::CaracterJugador>("CaracterJugador", 1, 3, {2, 3, 1, 2}, 2);
inline constexpr auto NivelJugador =
    DelAsiento<&J::NivelJugador>("NivelJugador", 0, 100, {50, 50, 50, 100}, 50);
inline constexpr auto PausaEntreJugadas = DelJuego<&A::PausaEntreJugadas>("PausaEntreJugadas", -1, 0, -1, -1);
inline constexpr auto JuegoEnRed = DelJuego<&A::JuegoEnRed>("JuegoEnRed", -1, 0, 0, 0);
inline constexpr auto FichasVisiblesPuestas =
    DelJuego<&A::FichasVisiblesPuestas>("FichasVisiblesPuestas", 1, 2, 1, 2);
inline constexpr auto ModoRed = DelJuego<&A::ModoRed>("ModoRed", 1, 2, 2, 2);
inline constexpr auto SentidoJuego = DelJuego<&A::SentidoJuego>("SentidoJuego", 1, 2, 1, 1);
inline constexpr auto Sonido = DelJuego<&A::Sonido>("Sonido", -1, 0, -1, -1);
inline constexpr auto ListaJugadas = DelJuego<&A::ListaJugadas>("ListaJugadas", 1, 2, 2, 2);
inline constexpr auto SistemaReparto = DelJuego<&A::SistemaReparto>("SistemaReparto", 1, 2, 2, 2);
inline constexpr auto JugadorCincoDobles = DelJuego<&A::JugadorCincoDobles>("JugadorCincoDobles", 1, 2, 1, 1);
inline constexpr auto PrimeraMano = DelJuego<&A::PrimeraMano>("PrimeraMano", 1, 2, 1, 1);
inline constexpr auto SistemaAnotacion = DelJuego<&A::SistemaAnotacion>("SistemaAnotacion", 1, 2, 1, 1);
inline constexpr auto GanadorSiEmpate = DelJuego<&A::GanadorSiEmpate>("GanadorSiEmpate", 1, 3, 1, 1);
inline constexpr auto SalidaSiEmpate = DelJuego<&A::SalidaSiEmpate>("SalidaSiEmpate", 1, 2, 1, 1);
inline constexpr auto TurnoSalida = DelJuego<&A::TurnoSalida>("TurnoSalida", 1, 4, 1, 1);
inline constexpr auto PuntosQueSeAnotan = DelJuego<&A::PuntosQueSeAnotan>("PuntosQueSeAnotan", 1, 2, 1, 1);
inline constexpr auto ParejaQueSeAnota = DelJuego<&A::ParejaQueSeAnota>("ParejaQueSeAnota", 1, 2, 1, 1);
inline constexpr auto ModoJuego = DelJuego<&A::ModoJuego>("ModoJuego", 1, 2, 1, 1);
inline constexpr auto FichasPorJugador = DelJuego<&A::FichasPorJugador>("FichasPorJugador", 7, 14, 7, 7);
// A fresh file keeps seven tiles in the stock; a damaged one keeps none.
inline constexpr auto RemanentesMonton = DelJuego<&A::RemanentesMonton>("RemanentesMonton", 0, 14, 7, 0);
inline constexpr auto Velocidad = DelJuego<&A::Velocidad>("Velocidad", 0, 100, 50, 50);
// Taken as read: the rules window's spin gives 1..999, and the count of seats follows their states.
inline constexpr auto PuntosPartida = DelJuego<&A::PuntosPartida>("PuntosPartida", 1, 999, 30, std::nullopt);
inline constexpr auto NumeroJugadores =
    DelJuego<&A::NumeroJugadores>("NumeroJugadores", 2, 4, 4, std::nullopt);

} // namespace ajuste

inline constexpr std::array kTablaAjustes = {
    &ajuste::EstadoJugador,    &ajuste::FichasJugador,
    &ajuste::ControlJugador,   &ajuste::CaracterJugador,
    &ajuste::NivelJugador,     &ajuste::PausaEntreJugadas,
    &ajuste::JuegoEnRed,       &ajuste::FichasVisiblesPuestas,
    &ajuste::ModoRed,          &ajuste::SentidoJuego,
    &ajuste::Sonido,           &ajuste::ListaJugadas,
    &ajuste::SistemaReparto,   &ajuste::JugadorCincoDobles,
    &ajuste::PrimeraMano,      &ajuste::SistemaAnotacion,
    &ajuste::GanadorSiEmpate,  &ajuste::SalidaSiEmpate,
    &ajuste::TurnoSalida,      &ajuste::PuntosQueSeAnotan,
    &ajuste::ParejaQueSeAnota, &ajuste::ModoJuego,
    &ajuste::FichasPorJugador, &ajuste::RemanentesMonton,
    &ajuste::Velocidad,        &ajuste::PuntosPartida,
    &ajuste::NumeroJugadores,
};

// Every setting out of its range takes its fallback, in the table's order; the others are left as they are.
void AplicarSustitutos(Ajustes& a);

} // namespace zp

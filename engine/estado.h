#pragma once
// The game's shared state: tiles, hands, stock, line ends, move records, score sheet, the progress of the
// match, the work variables of a turn and the flags the table window and the engine exchange. The names and
// the value codes are the ones the state files and the network messages carry, so they never change.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zp {

using Entero = std::int16_t; // widths the state strings and messages rely on

constexpr Entero kNinguna = 9;    // no tile, no pip, no end, not chosen
constexpr int kAsientos = 4;      // seats 1 left, 2 top, 3 right, 4 bottom (this computer)
constexpr int kHuecos = 21;       // slots per hand: 7 dealt and 14 drawn at most
constexpr int kHuecosMonton = 14; // stock slots
constexpr int kFichasJuego = 28;  // the double-six set

// Separates the lines of a message text.
inline constexpr std::string_view SaltoLinea = "\r\n";

// A number in a message by the format "@@@": right-aligned in at least three characters, never cut.
inline std::string Arrobas(int n)
{
    std::string s = std::to_string(n);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

// Blanks off both ends (names and fields are padded with them), and nothing else.
constexpr std::string_view SinEspacios(std::string_view s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Values of the end field of a move record and of `ExtremoElegido`.
constexpr Entero kExtremoRoba = 8;
constexpr Entero kExtremoPasa = 9;

// State of a hand slot.
constexpr Entero kEnMano = 0;
constexpr Entero kPuesta = 1;
constexpr Entero kVacio = 9;

struct HuecoMano
{
    Entero PuntoA = kNinguna;
    Entero PuntoB = kNinguna;
    Entero Estado = kVacio;
    bool operator==(const HuecoMano&) const = default;
};

struct FichaMonton
{
    Entero PuntoA = kNinguna;
    Entero PuntoB = kNinguna;
};

// One move of the hand: a tile laid at end 1 or 2, a draw (8) or a pass (9).
struct RegistroJugada
{
    Entero Jugador = 0;
    Entero PuntoUnido = 0;
    Entero PuntoAbierto = 0;
    Entero Extremo = 0;
    Entero Eleccion = 0; // -1 / 0
    Entero XFicha = 0;
    Entero YFicha = 0;
    Entero AnchoFicha = 0;
    Entero AltoFicha = 0;
    Entero LadoMesa = 0;
    Entero XSpriteFicha = 0;
    Entero XMitad1 = 0;
    Entero YMitad1 = 0;
    Entero XMitad2 = 0;
    Entero YMitad2 = 0;
    Entero GiroFicha = 0;
    Entero EsDoble = 0;         // -1 / 0
    Entero DobleAtravesado = 0; // -1 / 0
    Entero XExtremoAntes = 0;
    Entero YExtremoAntes = 0;
    Entero XExtremoDespues = 0;
    Entero YExtremoDespues = 0;
    Entero Extremo1 = 0;
    Entero Extremo2 = 0;
    Entero DireccionAntes = 0;
    Entero DireccionDespues = 0;

    static constexpr int kCampos = 26;
    // Field by its number 0..25, in the order above.
    Entero& campo(int n) { return this->*kOrden[static_cast<std::size_t>(n)]; }
    Entero campo(int n) const { return this->*kOrden[static_cast<std::size_t>(n)]; }
    static const std::array<Entero RegistroJugada::*, kCampos> kOrden;
    bool operator==(const RegistroJugada&) const = default;
};
static_assert(sizeof(RegistroJugada) == RegistroJugada::kCampos * sizeof(Entero));

// One hand of the score sheet. Pair column 1 is seats 2 and 4, pair column 2 seats 1 and 3.
struct RegistroMano
{
    std::string Sale;
    Entero PuntosPareja1 = 0;
    Entero DecenasPareja1 = 0;
    Entero PuntosPareja2 = 0;
    Entero DecenasPareja2 = 0;
    std::array<Entero, 5> PuntosJugador{};
    std::array<Entero, 5> DecenasJugador{};
    // The hand has its entry: written when its end was scored, or read from a file, which holds the entries
    // of the hands scored. A blank entry can be a real one (a leader with no name, a hand of 0 points).
    bool Anotada = false;
    bool operator==(const RegistroMano&) const = default;
};

// Partners are fixed: seats 1..4 play with 3, 4, 1, 2.
constexpr std::array<Entero, 5> Companero = {0, 3, 4, 1, 2};

// Pair code of a seat: 1 for seats 2 and 4, 2 for seats 1 and 3.
constexpr Entero ParejaDe(int asiento)
{
    return (asiento == 2 || asiento == 4) ? 1 : 2;
}

struct ExtremosLinea
{
    std::array<Entero, 3> Extremos{0, kNinguna, kNinguna};
    std::array<Entero, 3> DireccionExtremo{};
    std::array<Entero, 3> FichasEnExtremo{};
    std::array<Entero, 3> XExtremo{};
    std::array<Entero, 3> YExtremo{};
    std::array<std::array<Entero, 5>, 3> LimiteGiro{};
};

// Where each hand lies along its side of the table (seats 1 left, 2 top, 3 right, 4 bottom), in pixels.
// Recomputed from the hands and the screen before every drawing of a hand.
struct DisposicionManos
{
    std::array<Entero, 5> SeparacionFichas{}; // pitch between slots
    std::array<Entero, 5> LongitudMano{};     // HuecosMano x pitch
    std::array<Entero, 5> InicioMano{};       // first pixel along the side
    std::array<Entero, 5> FinMano{};          // last pixel: start + length - 1
    std::array<Entero, 5> EjeMano{};          // inner edge across the side
    bool operator==(const DisposicionManos&) const = default;
};

// Placement of the tile being laid or drawn, in table pixels.
struct ColocacionFicha
{
    Entero XFicha = 0, YFicha = 0, AnchoFicha = 0, AltoFicha = 0, LadoMesa = 0, XSpriteFicha = 0;
    Entero XMitad1 = 0, YMitad1 = 0, XMitad2 = 0, YMitad2 = 0, GiroFicha = 0;
    bool DobleAtravesado = false;
    Entero PosX = 0, PosY = 0, XFichaRobada = 0, YFichaRobada = 0;
};

struct EstadoJuego
{
    // Hands and stock.
    std::array<std::array<HuecoMano, kHuecos + 1>, 5> Manos{};
    std::array<Entero, 5> HuecosMano{};
    std::array<Entero, 5> FichasEnMano{};
    std::array<FichaMonton, kHuecosMonton + 1> Monton{};
    Entero FichasMonton = 0;

    // The line.
    ExtremosLinea Linea;
    ColocacionFicha Colocacion;

    // Moves of the hand: record 0 is never written; the list grows as needed.
    std::vector<RegistroJugada> Jugadas = std::vector<RegistroJugada>(41);
    Entero NumeroJugada = 0;

    // Score sheet, one entry per hand number (entry 0 unused), and the totals.
    std::vector<RegistroMano> Anotaciones = std::vector<RegistroMano>(701);
    Entero TotalPareja1 = 0;
    Entero TotalPareja2 = 0;
    std::array<Entero, 5> PuntosJugador{};

    // Per-seat work arrays of the deal and the automatic player.
    std::array<Entero, 5> DoblesJugador{};
    std::array<Entero, 7> PoseedorDoble{};
    std::array<std::array<Entero, 7>, 5> PesoNumero{};
    std::array<std::array<Entero, 7>, 5> CuentaNumeros{};
    std::array<std::array<Entero, 8>, 5> NumerosOrdenados{};
    std::array<bool, 5> ManoHolgada{false, false, false, false, true};
    DisposicionManos Disposicion;

    // Progress of the match.
    bool PartidaEnCurso = false;
    bool ManoEnCurso = false;
    Entero NumeroMano = 0;
    Entero JugadorTurno = 0;
    Entero JugadorSalida = 0;
    Entero GanadorMano = 0; // seat in individual play, pair code in pairs play, 0 none or tie
    Entero PasoTurno = 1;   // +1 Directo, -1 Inverso
    Entero SalidaA = kNinguna;
    Entero SalidaB = kNinguna;
    bool ManoReabierta = false;
    // A tied hand is being dealt again and the seat that led it leads again.
    bool RepetirSalida = false;
    // A deal has numbered its hand and the hand has not begun: NumeroMano is the hand being dealt.
    bool RepartiendoMano = false;

    // Manual deal: cell [a][b] is true while the face-up tile a-b (a >= b) lies on the grid. The deal
    // keeps its own copy of the tiles per player and the seats in play, taken when it began, so that
    // a change of rules meanwhile cannot leave the hands unfillable.
    bool RepartoEnCurso = false;
    std::array<std::array<bool, 10>, 10> RejillaReparto{};
    Entero OrigenRejillaX = 0;
    Entero OrigenRejillaY = 0;
    Entero FichasReparto = 0;
    std::array<bool, 5> AsientoReparto{};

    // The move being made.
    Entero FichaA = kNinguna;
    Entero FichaB = kNinguna;
    Entero ExtremoElegido = kNinguna;
    Entero HuecoFicha = 0;
    Entero EsDoble = 0;
    Entero JugadasPosibles = 0;
    bool SoloContar = false;

    // Waits and requests between the table window and the engine.
    bool EsperaContinuar = false;
    bool JugadaElegida = false;
    Entero HuecoElegido = 0;
    bool EsperaExtremo = false;
    bool EligiendoSalida = false;
    bool ModoAyuda = false;
    bool RedibujoPendiente = false;
    bool GrabadoraActiva = false;
    Entero PosicionGrabadora = 0;

    // Network: this computer's seat in the host's numbering and the match code.
    Entero PuestoLocal = 4;
    std::string IdPartida = "0000";

    // Carrying out a move and the recorder.
    bool EleccionTurno = false;   // the chooser weighed two or more playable tiles (the record's Eleccion)
    Entero DireccionAnterior = 0; // direction of the end played, before any turn (its DireccionAntes)

    // What the window asked for when it abandoned the match during a wait (a Peticion, partida.h): the
    // engine unwinds that match and hands the request back to the top-level caller.
    Entero PeticionPendiente = 0;
};

} // namespace zp

#pragma once
// The columns of the three state strings. Each column is described once, here, and both the writer and the
// reader walk the same tables, so a field can never be written in one place and read from another.
// Strings hold one byte per character in Windows-1252, exactly as files and messages carry them.
#include "engine/ajustes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zp {

constexpr std::size_t kLongitudSituacion = 780;
constexpr std::size_t kLongitudEntradaMarcador = 51;
constexpr std::size_t kLongitudRegistroJugada = 60;
constexpr std::size_t kColumnaMarcaFinal = 769;
constexpr std::string_view kMarcaFinal = "XXXXXXXXXXXX";

// Columns other modules take straight from a received or stored situation string (1-based).
constexpr std::size_t kColumnaNumeroJugada = 164;
constexpr std::size_t kColumnaNumeroMano = 184;
constexpr std::size_t kColumnaIdPartida = 191;
constexpr std::size_t kColumnaPuestoLocal = 195;

// The state a situation string describes: the game and the settings, both written and read.
struct VistaEstado
{
    EstadoJuego& Juego;
    Ajustes& Datos;
};

enum class Formato
{
    Numero,        // digit mask of `Digitos` digits, minus sign in front when negative
    Valor,         // written like `Numero`; a file's text is read by its leading number, garbage giving 0
    Bandera,       // -1 or 0 written with the mask "0"; any non-zero number reads as True
    Texto,         // first characters up to the width; read back trimmed
    Identificador, // taken unchanged, four digits (or blank when no game was ever numbered)
    Constante,     // a fixed text no reader takes
};

// What a value must be for the engine to play on it. Settings with a fallback, and what any value is safe
// for, are `Libre` here: their range is tested after the whole string has been read, or not at all.
enum class Validez
{
    Libre,
    Rango,
    Punto,
    EstadoHueco,
    ExtremoJugada
};

// A setting of the table in engine/ajustes.h, read and written by its code.
struct RefAjuste
{
    Ajustes* Datos;
    const DefinicionAjuste* Definicion;
    int Asiento; // 1..4 for a seat's setting
};

using RefCampo = std::variant<Entero*, bool*, std::string*, RefAjuste>;

template <class Registro> struct Campo
{
    std::size_t Columna; // 1-based, within the string, the entry or the record
    std::size_t Ancho;
    Formato Forma;
    int Digitos = 1;
    Validez Valida = Validez::Libre;
    int Minimo = 0;
    int Maximo = 0;
    std::string Nombre;                       // for the messages that refuse a value
    std::function<RefCampo(Registro&)> Valor; // nullptr for `Constante`
    std::string_view Fijo = {};               // text of a `Constante`
};

using CampoSituacion = Campo<VistaEstado>;
using CampoMarcador = Campo<RegistroMano>;
using CampoJugada = Campo<RegistroJugada>;

const std::vector<CampoSituacion>& TablaSituacion();
const std::vector<CampoMarcador>& TablaMarcador();
const std::vector<CampoJugada>& TablaJugadas();

// A number under a digit mask, clamped into what `ancho` columns can hold, left-aligned and padded.
std::string EscribirNumero(int valor, int digitos, std::size_t ancho);
// The whole text must be one integer with blanks around it allowed.
std::optional<int> LeerEntero(std::string_view texto);
// The number at the start of the text, blanks anywhere skipped, rounded half to even; 0 when there is none.
int LeerValor(std::string_view texto);
// A text in UTF-8 as it goes into `ancho` columns: one byte per character, what cannot be carried replaced.
std::string EscribirTexto(std::string_view utf8, std::size_t ancho);

// The text would go into its columns and come back unchanged: no character is replaced on the way.
bool TextoGuardableTalCual(std::string_view utf8);

// Writes every field of `tabla` from `registro` into `destino`, starting at offset `base` (0-based).
template <class Registro>
void EscribirCampos(const std::vector<Campo<Registro>>& tabla, Registro& registro, std::string& destino,
                    std::size_t base);

// How strictly the columns are taken.
enum class Lectura
{
    Fichero, // a field whose text does not convert leaves its variable as it was; every value is taken
    Red,     // a peer's message: the first field that does not convert, or breaks its `Validez`, refuses it
};

// Reads every field into `registro`. Under `Lectura::Red` the first column that does not hold a valid value
// stops the reading and is described in the result. `origen` must be long enough (the caller checks).
template <class Registro>
std::optional<std::string> LeerCampos(const std::vector<Campo<Registro>>& tabla, Registro& registro,
                                      std::string_view origen, std::size_t base, Lectura lectura);

// The first field of `registro` whose value breaks its `Validez`, described; empty when there is none.
template <class Registro>
std::optional<std::string> ComprobarCampos(const std::vector<Campo<Registro>>& tabla,
                                           const Registro& registro);

} // namespace zp

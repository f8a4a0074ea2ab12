#pragma once
// The history file ZARPE33.HIS: one fixed record of 63 bytes per finished match the person chose to keep.
// Fields stand at fixed columns, so every record must keep that length exactly, whatever the names hold.
#include "engine/almacen.h"
#include "settings/core/fichero_seguro.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zp {

inline constexpr const char* kFicheroHistorico = "ZARPE33.HIS";
inline constexpr std::size_t kLongitudRegistroHistorico = 63; // line end included
inline constexpr std::size_t kLongitudNombreHistorico = 9;
inline constexpr int kPuntosFueraDeJuego = -99; // an individual seat that did not play

// Local date and time at which a match ended.
struct FechaHoraLocal
{
    int Anio = 2000;
    int Mes = 1;
    int Dia = 1;
    int Hora = 0;
    int Minuto = 0;
};

// The clock's local date and time.
FechaHoraLocal FechaHoraActual();

// One record. Pairs: the winning pair first in names and points (Puntos3 and Puntos4 carry nothing).
// Individual: the winner first, then the other seats; -99 marks a seat not in play.
struct RegistroHistorico
{
    std::string Fecha; // yyyymmdd
    std::string Hora;  // hhmm
    std::string Nombre1;
    std::string Nombre2;
    std::string Nombre3;
    std::string Nombre4;
    int Puntos1 = 0;
    int Puntos2 = 0;
    int Puntos3 = 0;
    int Puntos4 = 0;
    char Modo = 'I'; // only "P" means pairs
    // As read: the record's 63 bytes untouched (its line end as CR LF), which the history list sorts by.
    std::string Texto;

    bool EnParejas() const { return Modo == 'P'; }
};

// The record of a finished match: 61 bytes in Windows-1252 followed by CR LF.
std::string FormarRegistroHistorico(const ResumenPartida& partida, const FechaHoraLocal& cuando);

// A points field as every reader takes it: leading spaces skipped, an optional minus, the digits that follow;
// nothing readable gives 0.
int LeerPuntosHistorico(std::string_view campo);

// One record from its 63 bytes (from a shorter piece the missing fields come back empty or 0). Names, date
// and time come back in UTF-8, names without their surrounding spaces.
RegistroHistorico LeerRegistroHistorico(std::string_view bytes);

// Appends the match to carpetaDatos + "ZARPE33.HIS", creating it when missing. The whole file is rewritten
// beside the old one and renamed over it, so a crash leaves either the old history or the new one. A trailing
// piece without its line end (a damaged file) gets one, so that the new record stands on a line of its own.
// Gives back why when the file could not be read or written; the file is then unchanged.
[[nodiscard]] std::optional<FalloFichero> AnadirRegistroHistorico(const std::string& carpetaDatos,
                                                                  const ResumenPartida& partida,
                                                                  const FechaHoraLocal& cuando);

// Every whole record of the file, in file order: 61 bytes and their line end, CR LF or (a file copied from
// another system) LF alone; each comes back as if it ended in CR LF. A missing, unreadable or empty file has
// none; a line of any other length is skipped and the records around it are kept.
std::vector<RegistroHistorico> LeerHistorico(const std::string& carpetaDatos);

} // namespace zp

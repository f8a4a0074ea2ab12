#pragma once
// The history as its window lists it: newest first, eight matches a page, each match as two lines of text
// (date, winners and their points; time, losers and theirs), and the folded corners that turn the pages.
#include "scores/core/historico.h"

#include <string>
#include <vector>

namespace zp {

inline constexpr int kLineasPaginaHistorico = 8;

// The records in descending order of their text: date and time first, so the newest match leads; matches of
// the same minute by the rest of their text. The order in the file plays no part.
std::vector<RegistroHistorico> RecientesPrimero(std::vector<RegistroHistorico> registros);

// The two lines a match takes on the page (UTF-8).
struct LineasPartida
{
    std::string Fecha;     // "dd-mm-yyyy"
    std::string Ganadores; // pairs: "A y B"; individual: the winner's 9 characters as stored
    std::string PuntosGanadores;
    std::string Hora;             // "hh:mm"
    std::string Perdedores;       // pairs: "C y D"; individual: the other seats that played, joined by ", "
    std::string PuntosPerdedores; // individual: their points joined by "-"
};
LineasPartida TextosPartida(const RegistroHistorico& r);

// The corners of the binder page (365 x 289): the lower right turns forward, the lower left back, each only
// when there is a page that way. `primera` is the first line shown, `cuantas` the lines of the list shown.
enum class EsquinaPagina
{
    Ninguna,
    Adelante,
    Atras
};
inline constexpr int kAnchoPaginaHistorico = 365;
inline constexpr int kAltoPaginaHistorico = 289;
EsquinaPagina EsquinaEn(int x, int y, int primera, int cuantas);

} // namespace zp

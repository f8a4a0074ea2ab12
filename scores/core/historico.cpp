#include "scores/core/historico.h"

#include "platform/text/cp1252.h"
#include "settings/core/fichero_seguro.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <variant>

namespace zp {
namespace {

constexpr std::size_t kCampos = 4; // names and points, one per seat
constexpr int kPuntosMaximos = 999;

// Start and width of each field, counted from 0.
struct Campo
{
    std::size_t Inicio;
    std::size_t Ancho;
};
constexpr Campo kFecha{0, 8};
constexpr Campo kHora{8, 4};
constexpr std::array<Campo, kCampos> kNombres{{{12, 9}, {21, 9}, {30, 9}, {39, 9}}};
constexpr std::array<Campo, kCampos> kPuntos{{{48, 3}, {51, 3}, {54, 3}, {57, 3}}};
constexpr Campo kModo{60, 1};

std::string_view Trozo(std::string_view bytes, Campo c)
{
    if (c.Inicio >= bytes.size()) return {};
    return bytes.substr(c.Inicio, c.Ancho);
}

// A name takes its 9 bytes whole: cut or padded with spaces. A control character (a line break in a name
// that came over the network) would split the record for the readers, so it is written as a space.
std::string AjustarNombre(const std::string& utf8)
{
    std::string bytes = aCp1252(utf8).substr(0, kLongitudNombreHistorico);
    for (char& c : bytes)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    bytes.resize(kLongitudNombreHistorico, ' ');
    return bytes;
}

// Right-aligned in 3 characters; anything outside -99..999 would widen the field and shift later records.
std::string AjustarPuntos(int puntos)
{
    char texto[8];
    std::snprintf(texto, sizeof texto, "%3d", std::clamp(puntos, kPuntosFueraDeJuego, kPuntosMaximos));
    return texto;
}

bool SentadoEnJuego(const ResumenPartida& p, std::size_t asiento)
{
    return p.EstadoJugador[asiento] == EstadoAsiento::Activado;
}

// The winner the engine handed over; should it not be a seat, the best total among the seats in play.
std::size_t GanadorIndividual(const ResumenPartida& p)
{
    if (EsAsiento(p.Ganador)) return static_cast<std::size_t>(p.Ganador);
    std::size_t mejor = 1;
    for (std::size_t s = 1; s <= std::size_t{kAsientos}; ++s) {
        if (SentadoEnJuego(p, s) &&
            (!SentadoEnJuego(p, mejor) || p.PuntosJugador[s] > p.PuntosJugador[mejor]))
            mejor = s;
    }
    return mejor;
}

RegistroHistorico RegistroDePartida(const ResumenPartida& p, const FechaHoraLocal& cuando)
{
    RegistroHistorico r;
    char fecha[16];
    char hora[8];
    std::snprintf(fecha, sizeof fecha, "%04d%02d%02d", std::clamp(cuando.Anio, 0, 9999),
                  std::clamp(cuando.Mes, 0, 99), std::clamp(cuando.Dia, 0, 99));
    std::snprintf(hora, sizeof hora, "%02d%02d", std::clamp(cuando.Hora, 0, 99),
                  std::clamp(cuando.Minuto, 0, 99));
    r.Fecha = fecha;
    r.Hora = hora;

    if (p.ModoJuego == Modalidad::Parejas) {
        // Pair 1 is seats 2 and 4, pair 2 seats 1 and 3.
        const bool ganaPareja2 = p.Ganador == 2;
        const auto& n = p.NombreJugador;
        r.Nombre1 = ganaPareja2 ? n[1] : n[2];
        r.Nombre2 = ganaPareja2 ? n[3] : n[4];
        r.Nombre3 = ganaPareja2 ? n[2] : n[1];
        r.Nombre4 = ganaPareja2 ? n[4] : n[3];
        r.Puntos1 = ganaPareja2 ? p.TotalPareja2 : p.TotalPareja1;
        r.Puntos2 = ganaPareja2 ? p.TotalPareja1 : p.TotalPareja2;
        r.Modo = 'P';
        return r;
    }

    const std::size_t ganador = GanadorIndividual(p);
    std::array<std::string*, kCampos> nombres{&r.Nombre1, &r.Nombre2, &r.Nombre3, &r.Nombre4};
    std::array<int*, kCampos> puntos{&r.Puntos1, &r.Puntos2, &r.Puntos3, &r.Puntos4};
    std::size_t i = 0;
    *nombres[i] = p.NombreJugador[ganador];
    *puntos[i++] = p.PuntosJugador[ganador];
    for (std::size_t s = 1; s <= std::size_t{kAsientos}; ++s) {
        if (s == ganador) continue;
        // Readers skip a seat that did not play, name included: it stays blank.
        *nombres[i] = SentadoEnJuego(p, s) ? p.NombreJugador[s] : std::string();
        *puntos[i++] = SentadoEnJuego(p, s) ? int(p.PuntosJugador[s]) : kPuntosFueraDeJuego;
    }
    r.Modo = 'I';
    return r;
}

// A history is small, but a hand-edited file could be anything.
constexpr std::size_t kMaximoHistorico = 64u << 20;

// The file's bytes; a missing file is an empty history. Any other failure is an error, so that an append
// never replaces a history it could not read.
std::optional<FalloFichero> LeerBytes(const std::string& ruta, std::string& bytes)
{
    bytes.clear();
    auto leido = LeerFicheroEntero(ruta, kMaximoHistorico);
    if (auto* contenido = std::get_if<std::string>(&leido)) {
        bytes = std::move(*contenido);
        return std::nullopt;
    }
    const FalloFichero& fallo = std::get<FalloFichero>(leido);
    if (fallo.Numero == NumeroErrorFichero(ENOENT, true)) return std::nullopt;
    return fallo;
}

constexpr std::size_t kLongitudDatosHistorico = kLongitudRegistroHistorico - 2; // without its CR LF

// The 61 bytes of a whole record, from a line that ends in CR LF or, copied from another system, in LF
// alone; nothing when the line is of any other length or holds another line end inside.
std::optional<std::string_view> DatosDeRegistro(std::string_view linea)
{
    if (linea.size() == kLongitudRegistroHistorico && linea.substr(kLongitudDatosHistorico) == "\r\n")
        linea.remove_suffix(2);
    else if (linea.size() == kLongitudDatosHistorico + 1 && linea.back() == '\n')
        linea.remove_suffix(1);
    else
        return std::nullopt;
    if (linea.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    return linea;
}

} // namespace

FechaHoraLocal FechaHoraActual()
{
    const std::time_t ahora = std::time(nullptr);
    std::tm t{};
    if (::localtime_r(&ahora, &t) == nullptr) return {};
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min};
}

std::string FormarRegistroHistorico(const ResumenPartida& partida, const FechaHoraLocal& cuando)
{
    const RegistroHistorico r = RegistroDePartida(partida, cuando);
    std::string texto = r.Fecha + r.Hora;
    for (const std::string* nombre : {&r.Nombre1, &r.Nombre2, &r.Nombre3, &r.Nombre4})
        texto += AjustarNombre(*nombre);
    for (const int puntos : {r.Puntos1, r.Puntos2, r.Puntos3, r.Puntos4}) texto += AjustarPuntos(puntos);
    texto += r.Modo;
    texto += "\r\n";
    return texto;
}

int LeerPuntosHistorico(std::string_view campo)
{
    std::size_t i = 0;
    while (i < campo.size() && campo[i] == ' ') ++i;
    const bool negativo = i < campo.size() && campo[i] == '-';
    if (negativo) ++i;
    int valor = 0;
    for (; i < campo.size() && campo[i] >= '0' && campo[i] <= '9'; ++i) valor = valor * 10 + (campo[i] - '0');
    return negativo ? -valor : valor;
}

RegistroHistorico LeerRegistroHistorico(std::string_view bytes)
{
    bytes = bytes.substr(0, kLongitudRegistroHistorico);
    RegistroHistorico r;
    r.Texto = std::string(bytes);
    r.Fecha = desdeCp1252(Trozo(bytes, kFecha));
    r.Hora = desdeCp1252(Trozo(bytes, kHora));
    std::array<std::string*, kCampos> nombres{&r.Nombre1, &r.Nombre2, &r.Nombre3, &r.Nombre4};
    std::array<int*, kCampos> puntos{&r.Puntos1, &r.Puntos2, &r.Puntos3, &r.Puntos4};
    for (std::size_t i = 0; i < kCampos; ++i) {
        *nombres[i] = desdeCp1252(SinEspacios(Trozo(bytes, kNombres[i])));
        *puntos[i] = LeerPuntosHistorico(Trozo(bytes, kPuntos[i]));
    }
    const std::string_view modo = Trozo(bytes, kModo);
    r.Modo = modo.empty() ? ' ' : modo[0];
    return r;
}

std::optional<FalloFichero> AnadirRegistroHistorico(const std::string& carpetaDatos,
                                                    const ResumenPartida& partida,
                                                    const FechaHoraLocal& cuando)
{
    const std::string ruta = carpetaDatos + kFicheroHistorico;
    std::string bytes;
    if (auto fallo = LeerBytes(ruta, bytes)) return fallo;
    // A damaged tail is closed as a line of its own, which readers skip: the new record starts on a line
    // of its own and nothing already in the file is lost.
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes += FormarRegistroHistorico(partida, cuando);
    return EscribirFicheroSeguro(ruta, bytes);
}

std::vector<RegistroHistorico> LeerHistorico(const std::string& carpetaDatos)
{
    std::string bytes;
    if (LeerBytes(carpetaDatos + kFicheroHistorico, bytes)) return {};
    std::vector<RegistroHistorico> registros;
    registros.reserve(bytes.size() / kLongitudRegistroHistorico);
    const std::string_view todo(bytes);
    // Line by line rather than blindly 63 bytes at a time: a piece of another length (edited by hand, cut
    // short) is skipped up to its line end and the records after it keep their fields.
    for (std::size_t i = 0; i < todo.size();) {
        const std::size_t fin = todo.find('\n', i);
        const std::size_t siguiente = fin == std::string_view::npos ? todo.size() : fin + 1;
        // Every record is read as written here, with CR LF, so that records of both kinds sort alike.
        if (const auto datos = DatosDeRegistro(todo.substr(i, siguiente - i)))
            registros.push_back(LeerRegistroHistorico(std::string(*datos) + "\r\n"));
        i = siguiente;
    }
    return registros;
}

} // namespace zp

#include "settings/core/fichero_estado.h"

#include "engine/fin_mano.h"

#include "engine/indices.h"
#include "settings/core/coherencia_partida.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/stat.h>

namespace zp {
namespace {

// Far above the largest real state (about 100 KB); a bigger file is not ours.
constexpr std::size_t kMaximoFichero = 1 << 20;

std::string Ruta(const std::string& carpeta, std::string_view nombre)
{
    return carpeta + std::string(nombre);
}

// The lines a text fills in the message box, counted low (about 60 characters fill one): the box grows to
// show whatever it is given, never shrinks, so a count too low costs nothing and one too high a blank line.
int LineasDeTexto(const std::string& texto)
{
    int caracteres = 0;
    for (char c : texto)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++caracteres;
    return std::max(1, (caracteres + 63) / 64);
}

MensajeCarga MensajeAjustes(int numero)
{
    return {std::string(kTituloErrorAjustes), TextoErrorAjustes(numero), 3};
}

// Defaults, then the new file at once; a failed write is reported and play goes on with the defaults.
void CrearAjustesPorDefecto(const std::string& carpeta, EstadoJuego& juego, Ajustes& datos,
                            ResultadoAjustes& r)
{
    PonerAjustesPorDefecto(juego, datos);
    if (auto f = GuardarAjustes(carpeta, juego, datos)) {
        r.ErrorFichero = f->Numero;
        r.Mensajes.push_back(MensajeAjustes(f->Numero));
    }
    std::fill(juego.Anotaciones.begin(), juego.Anotaciones.end(), RegistroMano{});
}

// A file of its own at `ruta` (not missing, not a folder), whether or not it can be read.
bool EsFicheroNormal(const std::string& ruta)
{
    struct stat st
    {
    };
    return ::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

const char* const kTextoApartado = " El fichero anterior se ha guardado como ZARPE33.INI.bak.";

// The settings file moved to ZARPE33.INI.bak; false when it could not be moved.
bool Apartar(const std::string& carpeta)
{
    return std::rename(Ruta(carpeta, kFicheroAjustes).c_str(), Ruta(carpeta, kCopiaAjustesDanados).c_str()) ==
           0;
}

// A settings file that is there but cannot be read (its permissions, its size) may still hold the person's
// settings: it is kept aside as a damaged one is. One that cannot even be moved is left alone, never written
// over, and play goes on with the defaults.
void ApartarAjustesIlegibles(const std::string& carpeta, int error, EstadoJuego& juego, Ajustes& datos,
                             ResultadoAjustes& r)
{
    std::string texto =
        "El fichero de inicialización ZARPE33.INI no se puede leer (" + TextoErrorAjustes(error) + ").";
    const bool apartado = Apartar(carpeta);
    texto += apartado ? std::string(" Se ha creado de nuevo con los valores establecidos por defecto.") +
                            kTextoApartado
                      : " Se usan los valores establecidos por defecto y el fichero queda como estaba.";
    r.Mensajes.push_back({std::string(kTituloErrorAjustes), texto, LineasDeTexto(texto)});
    if (apartado) {
        CrearAjustesPorDefecto(carpeta, juego, datos, r);
        return;
    }
    PonerAjustesPorDefecto(juego, datos);
    std::fill(juego.Anotaciones.begin(), juego.Anotaciones.end(), RegistroMano{});
}

} // namespace

std::string TextoErrorAjustes(int numero)
{
    switch (numero) {
    case 53:
        return "No se encuentra el fichero de inicialización ZARPE33.INI. Se ha  procedido  a  crearlo "
               "automáticamente  con  los  valores establecidos por defecto.";
    case 68:
        return "CID ERROR 68: Unidad 0: no preparada"; // no drive letters here
    case 76:
        return "CID ERROR 76: No existe el fichero de inicialización ZARPE33.INI";
    case 7:
        return "CID ERROR 7 : Insuficiente memoria";
    default:
        return "CID ERROR " + std::to_string(numero);
    }
}

std::string ComponerFicheroEstado(const CadenasEstado& cadenas)
{
    std::string s;
    for (const std::string* linea :
         {&cadenas.CadenaSituacion, &cadenas.CadenaMarcador, &cadenas.CadenaJugadas}) {
        s += '"';
        s += *linea;
        s += "\"\r\n";
    }
    return s;
}

std::variant<CadenasEstado, std::string> SepararFicheroEstado(std::string_view bytes)
{
    CadenasEstado c;
    std::string* destino[] = {&c.CadenaSituacion, &c.CadenaMarcador, &c.CadenaJugadas};
    int n = 0;
    std::size_t pos = 0;
    while (n < 3 && pos < bytes.size()) {
        // A line ends at CR LF, or at a CR or an LF alone, whatever system last saved the file.
        std::size_t fin = bytes.find_first_of("\r\n", pos);
        if (fin == std::string_view::npos) fin = bytes.size();
        const std::string_view linea = bytes.substr(pos, fin - pos);
        pos = fin + (bytes.substr(fin, 2) == "\r\n" ? 2 : 1);
        if (linea.find_first_not_of(" \t") == std::string_view::npos) continue;
        // One quoted field: the text between the first double quote and the next one. A line that lost its
        // quotes is taken whole; the reader then finds out whether it holds a state.
        const std::size_t abre = linea.find('"');
        std::string_view campo = linea;
        if (abre != std::string_view::npos)
            campo = linea.substr(abre + 1, linea.find('"', abre + 1) - abre - 1);
        *destino[n++] = std::string(campo);
    }
    // A missing second or third line is an empty one: nothing of another state is mixed in.
    if (n == 0) return std::string("no tiene ninguna línea");
    return c;
}

std::optional<FalloFichero> GrabarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                         const EstadoJuego& juego, const Ajustes& datos)
{
    // A hand whose end was still being told goes with its entry on the score sheet: the game taken up from
    // the file goes on at the next hand, and would leave this one blank. Only then is the game copied.
    const auto escribir = [&](const EstadoJuego& j) {
        return EscribirFicheroSeguro(Ruta(carpetaDatos, nombre),
                                     ComponerFicheroEstado(GenerarCadenasEstado(j, datos)));
    };
    if (!FaltaAnotacion(juego, datos)) return escribir(juego);
    EstadoJuego anotado = juego;
    AnotarManoTerminada(anotado, datos);
    return escribir(anotado);
}

std::optional<FalloFichero> GuardarAjustes(const std::string& carpetaDatos, const EstadoJuego& juego,
                                           const Ajustes& datos)
{
    return GrabarEstado(carpetaDatos, kFicheroAjustes, juego, datos);
}

// Reads a whole state file; with `Ilegible` set the state is unchanged.
static ResultadoLectura LeerEstado(std::string_view bytes, EstadoJuego& juego, Ajustes& datos)
{
    auto separado = SepararFicheroEstado(bytes);
    if (auto* motivo = std::get_if<std::string>(&separado)) return {*motivo, {}};
    return CargarCadenasEstado(std::get<CadenasEstado>(separado), juego, datos);
}

ResultadoCargaEstado CargarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                  EstadoJuego& juego, Ajustes& datos)
{
    auto leido = LeerFicheroEntero(Ruta(carpetaDatos, nombre), kMaximoFichero);
    if (std::holds_alternative<FalloFichero>(leido)) return {};
    // A game that cannot be played on is not loaded at all: the game on the table stays as it was.
    EstadoJuego j = juego;
    Ajustes a = datos;
    const ResultadoLectura r = LeerEstado(std::get<std::string>(leido), j, a);
    if (r.Ilegible || r.PartidaDescartada) {
        const std::string texto = r.Ilegible ? "El fichero " + std::string(nombre) +
                                                   " está dañado y no se ha cargado (" + *r.Ilegible + ")."
                                             : "La partida guardada en " + std::string(nombre) +
                                                   " no se puede continuar (" + *r.PartidaDescartada +
                                                   ") y no se ha cargado.";
        return {false, MensajeCarga{std::string(kTituloErrorCarga), texto, LineasDeTexto(texto)}};
    }
    juego = std::move(j);
    datos = std::move(a);
    if (juego.ManoEnCurso) {
        RegistroMano& actual = juego.Anotaciones[I(juego.NumeroMano)];
        actual.Sale.clear();
        actual.PuntosPareja1 = actual.DecenasPareja1 = actual.PuntosPareja2 = actual.DecenasPareja2 = 0;
    }
    // A tie's replay still pending belongs to the game that was on the table: the loaded one leads by its
    // rule.
    juego.RepetirSalida = false;
    juego.RedibujoPendiente = true;
    return {true, std::nullopt};
}

ResultadoCargaEstado CargarEstadoConDirecciones(const std::string& carpetaDatos, std::string_view nombre,
                                                EstadoJuego& juego, Ajustes& datos)
{
    std::array<std::string, kAsientos + 1> direcciones;
    for (std::size_t p = 1; p <= kAsientos; ++p) direcciones[p] = datos.Jugador[p].DireccionIP;
    ResultadoCargaEstado r = CargarEstado(carpetaDatos, nombre, juego, datos);
    for (std::size_t p = 1; p <= kAsientos; ++p) datos.Jugador[p].DireccionIP = direcciones[p];
    return r;
}

ResultadoAjustes CargarAjustes(const std::string& carpetaDatos, EstadoJuego& juego, Ajustes& datos)
{
    ResultadoAjustes r;
    const std::string ruta = Ruta(carpetaDatos, kFicheroAjustes);
    auto leido = LeerFicheroEntero(ruta, kMaximoFichero);
    if (auto* fallo = std::get_if<FalloFichero>(&leido)) {
        r.ErrorFichero = fallo->Numero;
        if (EsFicheroNormal(ruta)) {
            ApartarAjustesIlegibles(carpetaDatos, fallo->Numero, juego, datos, r);
            return r;
        }
        if (fallo->Numero != 6) r.Mensajes.push_back(MensajeAjustes(fallo->Numero));
        CrearAjustesPorDefecto(carpetaDatos, juego, datos, r);
        return r;
    }
    const ResultadoLectura lectura = LeerEstado(std::get<std::string>(leido), juego, datos);
    if (!lectura.Ilegible && !lectura.PartidaDescartada) return r;
    // The file is kept aside, not overwritten: whatever it still holds can be recovered by hand.
    const std::string aparte = Apartar(carpetaDatos) ? kTextoApartado : "";
    std::string texto;
    if (lectura.Ilegible) {
        r.ErrorFichero = kErrorFicheroDanado;
        texto = "El fichero de inicialización ZARPE33.INI está dañado (" + *lectura.Ilegible +
                "). Se ha creado de nuevo con los valores establecidos por defecto." + aparte;
        r.Mensajes.push_back({std::string(kTituloErrorAjustes), texto, LineasDeTexto(texto)});
        CrearAjustesPorDefecto(carpetaDatos, juego, datos, r);
        return r;
    }
    // The settings were read: only the game goes, and the file is written again without it at once, so the
    // next start finds nothing to refuse.
    texto = "La partida que no finalizó en la sesión anterior no se puede continuar (" +
            *lectura.PartidaDescartada + "). Se conservan los jugadores y las normas." + aparte;
    r.Mensajes.push_back({std::string(kTituloErrorAjustes), texto, LineasDeTexto(texto)});
    if (auto f = GuardarAjustes(carpetaDatos, juego, datos)) {
        r.ErrorFichero = f->Numero;
        r.Mensajes.push_back(MensajeAjustes(f->Numero));
    }
    return r;
}

bool HaySituacionApartada(const std::string& carpetaDatos)
{
    struct stat st
    {
    };
    return ::lstat(Ruta(carpetaDatos, kFicheroAntesDeRed).c_str(), &st) == 0;
}

void DescartarSituacionApartada(const std::string& carpetaDatos)
{
    std::remove(Ruta(carpetaDatos, kFicheroAntesDeRed).c_str());
}

void PonerAjustesPorDefecto(EstadoJuego& juego, Ajustes& datos)
{
    Ajustes nuevos;
    // The addresses and connections are this run's, not settings of the file.
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        nuevos.Jugador[p].DireccionIP = datos.Jugador[p].DireccionIP;
        nuevos.Jugador[p].Conectado = datos.Jugador[p].Conectado;
    }
    datos = std::move(nuevos);
    juego.ManoHolgada = {false, false, false, false, true};
    juego.PartidaEnCurso = false;
}

} // namespace zp

#include "settings/core/fichero_estado.h"

#include <cstdio>

namespace zp {
namespace {

// Far above the largest real state (about 100 KB); a bigger file is not ours.
constexpr std::size_t kMaximoFichero = 1 << 20;

std::size_t Pos(int n)
{
    return static_cast<std::size_t>(n);
}

std::string Ruta(const std::string& carpeta, std::string_view nombre)
{
    return carpeta + std::string(nombre);
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
    std::size_t pos = 0;
    for (int n = 1; n <= 3; ++n) {
        if (pos >= bytes.size()) return "faltan líneas: solo tiene " + std::to_string(n - 1);
        std::size_t fin = bytes.find('\n', pos);
        if (fin == std::string_view::npos) fin = bytes.size();
        std::string_view linea = bytes.substr(pos, fin - pos);
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
        pos = fin + 1;
        // One quoted field: the text between the first double quote and the next one.
        const std::size_t abre = linea.find('"');
        const std::size_t cierra = abre == std::string_view::npos ? abre : linea.find('"', abre + 1);
        if (cierra == std::string_view::npos)
            return "la línea " + std::to_string(n) + " no está entre comillas";
        *destino[n - 1] = std::string(linea.substr(abre + 1, cierra - abre - 1));
    }
    return c;
}

std::optional<FalloFichero> GrabarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                         const EstadoJuego& juego, const Ajustes& datos)
{
    return EscribirFicheroSeguro(Ruta(carpetaDatos, nombre),
                                 ComponerFicheroEstado(GenerarCadenasEstado(juego, datos)));
}

std::optional<FalloFichero> GuardarAjustes(const std::string& carpetaDatos, const EstadoJuego& juego,
                                           const Ajustes& datos)
{
    return GrabarEstado(carpetaDatos, kFicheroAjustes, juego, datos);
}

// Reads and checks a whole state file; the state changes only when it is sound.
static FalloLectura LeerEstado(std::string_view bytes, EstadoJuego& juego, Ajustes& datos)
{
    auto separado = SepararFicheroEstado(bytes);
    if (auto* motivo = std::get_if<std::string>(&separado)) return *motivo;
    return CargarCadenasEstado(std::get<CadenasEstado>(separado), juego, datos);
}

ResultadoCargaEstado CargarEstado(const std::string& carpetaDatos, std::string_view nombre,
                                  EstadoJuego& juego, Ajustes& datos)
{
    auto leido = LeerFicheroEntero(Ruta(carpetaDatos, nombre), kMaximoFichero);
    if (std::holds_alternative<FalloFichero>(leido)) return {};
    if (auto motivo = LeerEstado(std::get<std::string>(leido), juego, datos)) {
        return {false, MensajeCarga{std::string(kTituloErrorCarga),
                                    "El fichero " + std::string(nombre) +
                                        " está dañado y no se ha cargado (" + *motivo + ").",
                                    3}};
    }
    RegistroMano& actual = juego.Anotaciones[Pos(juego.NumeroMano)];
    actual.Sale.clear();
    actual.PuntosPareja1 = actual.DecenasPareja1 = actual.PuntosPareja2 = actual.DecenasPareja2 = 0;
    juego.RedibujoPendiente = true;
    return {true, std::nullopt};
}

ResultadoAjustes CargarAjustes(const std::string& carpetaDatos, EstadoJuego& juego, Ajustes& datos)
{
    ResultadoAjustes r;
    const std::string ruta = Ruta(carpetaDatos, kFicheroAjustes);
    auto leido = LeerFicheroEntero(ruta, kMaximoFichero);
    if (auto* fallo = std::get_if<FalloFichero>(&leido)) {
        r.ErrorFichero = fallo->Numero;
        if (fallo->Numero != 6) r.Mensajes.push_back(MensajeAjustes(fallo->Numero));
        CrearAjustesPorDefecto(carpetaDatos, juego, datos, r);
        return r;
    }
    if (auto motivo = LeerEstado(std::get<std::string>(leido), juego, datos)) {
        // A damaged file is kept aside, not overwritten: whatever it still holds can be recovered by hand.
        const std::string copia = Ruta(carpetaDatos, kCopiaAjustesDanados);
        const bool guardada = std::rename(ruta.c_str(), copia.c_str()) == 0;
        r.ErrorFichero = kErrorFicheroDanado;
        r.Mensajes.push_back({std::string(kTituloErrorAjustes),
                              "El fichero de inicialización ZARPE33.INI está dañado (" + *motivo + "). " +
                                  (guardada ? "Se ha guardado como ZARPE33.INI.bak y se" : "Se") +
                                  " ha creado de nuevo con los valores establecidos por defecto.",
                              3});
        CrearAjustesPorDefecto(carpetaDatos, juego, datos, r);
    }
    return r;
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

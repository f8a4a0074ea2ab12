#include "network/core/protocolo.h"

#include "engine/cinco_dobles.h"
#include "engine/mensajes_red.h"
#include "network/core/mensajes.h"
#include "settings/core/ajustes_recibidos.h"
#include "settings/core/cadenas_estado.h"

#include <utility>

namespace zp {

namespace {

bool PuestoDeCliente(Entero p)
{
    return p >= 1 && p <= 3;
}

// Each of the 28 tiles at most once over the hands and the stock, and every seat holding what it says.
bool FichasCoherentes(const EstadoJuego& hj)
{
    std::array<int, 49> vistas{};
    const auto contar = [&vistas](Entero a, Entero b) {
        if (a < 0 || a > 6 || b < 0 || b > 6) return false;
        return ++vistas[static_cast<std::size_t>(std::max(a, b) * 7 + std::min(a, b))] == 1;
    };
    for (std::size_t p = 1; p <= kAsientos; ++p) {
        int enMano = 0;
        for (std::size_t s = 1; s <= kHuecos; ++s) {
            const HuecoMano& h = hj.Manos[p][s];
            if (h.Estado == kVacio) continue;
            if (!contar(h.PuntoA, h.PuntoB)) return false;
            if (h.Estado == kEnMano) ++enMano;
        }
        if (enMano != hj.FichasEnMano[p]) return false;
    }
    for (std::size_t i = 1; i <= kHuecosMonton; ++i)
        if (hj.Monton[i].PuntoA != kNinguna && !contar(hj.Monton[i].PuntoA, hj.Monton[i].PuntoB))
            return false;
    return true;
}

} // namespace

ProtocoloRed::ProtocoloRed(EstadoRed& red, EstadoJuego& juego, Ajustes& datos, Enlaces& enlaces)
    : red_(red), juego_(juego), datos_(datos), enlaces_(enlaces)
{
}

bool ProtocoloRed::EsAdministrador() const
{
    return datos_.ModoRed == PapelRed::Administrador;
}

void ProtocoloRed::OlvidarTrama(int socket)
{
    if (socket >= 0 && socket < static_cast<int>(tramas_.size()))
        tramas_[static_cast<std::size_t>(socket)].Vaciar();
}

Avisos ProtocoloRed::Recibir(int socket, std::string_view datos)
{
    Avisos avisos;
    if (socket < 0 || socket >= static_cast<int>(tramas_.size())) return avisos;
    if (tramasDeAdministrador_ != EsAdministrador()) {
        tramasDeAdministrador_ = EsAdministrador();
        tramas_.fill(TramaRed(tramasDeAdministrador_));
    }
    TramaRed& trama = tramas_[static_cast<std::size_t>(socket)];
    const int antes = trama.Descartes();
    for (MensajeRed& m : trama.Recibir(datos)) {
        avisos |= Atender(socket, std::move(m));
    }
    red_.Descartados += trama.Descartes() - antes;
    return avisos;
}

Avisos ProtocoloRed::Atender(int socket, MensajeRed m)
{
    if (!CamposValidos(m)) {
        ++red_.Descartados;
        return {};
    }
    return EsAdministrador() ? AtenderEnAdministrador(socket, std::move(m)) : AtenderEnCliente(std::move(m));
}

Avisos ProtocoloRed::AtenderEnAdministrador(int socket, MensajeRed m)
{
    const Entero puesto = enlaces_.Puesto(socket);
    if (!PuestoDeCliente(puesto)) {
        // Nothing but a seated client may speak: a socket without a seat is not in the game.
        ++red_.Descartados;
        return {};
    }
    Avisos avisos;
    switch (m.Codigo) {
    case codigo_red::CodigoPartida: {
        bool& respondio = red_.Respondio[static_cast<std::size_t>(puesto)];
        if (respondio) break; // one answer per seat
        respondio = true;
        if (m.Cuerpo != red_.CodigoPartida) red_.PartidaRecuperable = false;
        avisos.Recibido = true;
        break;
    }
    case codigo_red::Chat:
        // Stored before it is relayed, so that every computer lists the lines in the host's order.
        AnadirMensajeChat(red_, m.Cuerpo);
        EnviarATodosRed(CrearMensaje(codigo_red::Chat, m.Cuerpo));
        avisos.Chat = true;
        break;
    default:
        red_.Cola.Anadir(EntradaCola{m.Codigo, std::move(m.Cuerpo), puesto});
        avisos.Recibido = true;
        break;
    }
    return avisos;
}

Avisos ProtocoloRed::AtenderEnCliente(MensajeRed m)
{
    Avisos avisos;
    // After a new game, what the host sends for a match belongs to it: it waits until that match has begun
    // here.
    if (red_.NuevaPartidaPendiente && DePartida(m.Codigo)) {
        red_.Retenidos.push_back(std::move(m));
        return avisos;
    }
    switch (m.Codigo) {
    case codigo_red::Estado:
        if (AplicarAjustesRecibidos(m.Cuerpo, juego_, datos_)) {
            ++red_.Descartados;
            return {};
        }
        avisos.Recibido = true;
        break;
    case codigo_red::Reparto:
        if (!RepartoValido(m.Cuerpo)) {
            ++red_.Descartados;
            return {};
        }
        red_.CadenaSituacionRed.push_back(std::move(m.Cuerpo));
        avisos.Recibido = true;
        break;
    case codigo_red::Chat:
        AnadirMensajeChat(red_, std::move(m.Cuerpo));
        avisos.Chat = true;
        break;
    case codigo_red::NuevaPartida:
        // Another one before the last began here: what came for that one is dropped, and one new match is
        // asked for, not two.
        avisos.NuevaPartida = !red_.NuevaPartidaPendiente;
        red_.OlvidarPartida();
        red_.NuevaPartidaPendiente = true;
        avisos.Recibido = true;
        break;
    default:
        red_.Cola.Anadir(EntradaCola{m.Codigo, std::move(m.Cuerpo), kPuestoAdministrador});
        avisos.Recibido = true;
        break;
    }
    return avisos;
}

Avisos ProtocoloRed::EmpezarPartida()
{
    Avisos avisos;
    red_.NuevaPartidaPendiente = false;
    // A new game is never among them: one that came while they waited replaced them.
    std::deque<MensajeRed> retenidos = std::exchange(red_.Retenidos, {});
    for (MensajeRed& m : retenidos) avisos |= AtenderEnCliente(std::move(m));
    return avisos;
}

bool ProtocoloRed::RepartoValido(const std::string& cadena) const
{
    if (!LeerManoDeReparto(cadena)) return false;
    EstadoJuego hj = juego_;
    Ajustes ha = datos_;
    if (LeerSituacion(cadena, hj, ha, Lectura::Red)) return false;
    return FichasCoherentes(hj);
}

void ProtocoloRed::EnviarATodosRed(const std::string& mensaje)
{
    EnviarAClientes(mensaje, 0);
}

void ProtocoloRed::EnviarAClientes(const std::string& mensaje, Entero salvoPuesto)
{
    for (int i = 1; i <= 3; ++i)
        if (enlaces_.Abierto(i) && (salvoPuesto == 0 || enlaces_.Puesto(i) != salvoPuesto))
            enlaces_.Enviar(i, mensaje);
}

void ProtocoloRed::EnviarAlAdministrador(const std::string& mensaje)
{
    enlaces_.Enviar(0, mensaje);
}

std::string& ProtocoloRed::ColaDelMotor()
{
    const bool administrador = EsAdministrador();
    const auto delMotor = [](const EntradaCola& x) {
        return x.Codigo == codigo_red::Salida || x.Codigo == codigo_red::CincoDobles ||
               x.Codigo == codigo_red::Jugada;
    };
    for (const EntradaCola& x : red_.Cola.Extraer(delMotor)) {
        // No other seat can be dealt five doubles along with the one that was: there are seven in all.
        const bool suyo = !administrador ||
                          (x.Codigo == codigo_red::Jugada && x.Origen == juego_.JugadorTurno) ||
                          (x.Codigo == codigo_red::CincoDobles &&
                           juego_.DoblesJugador[static_cast<std::size_t>(x.Origen)] >= kMinimoDobles);
        if (!suyo) {
            ++red_.Descartados;
            continue;
        }
        red_.ColaMotor += static_cast<char>('0' + x.Codigo / 10);
        red_.ColaMotor += static_cast<char>('0' + x.Codigo % 10);
        red_.ColaMotor += x.Cuerpo;
    }
    return red_.ColaMotor;
}

std::optional<std::string> ProtocoloRed::TomarReparto()
{
    if (red_.CadenaSituacionRed.empty()) return std::nullopt;
    std::string r = std::move(red_.CadenaSituacionRed.front());
    red_.CadenaSituacionRed.pop_front();
    return r;
}

} // namespace zp

#include "settings/core/etiquetas_opciones.h"

#include "platform/text/cp1252.h"

#include <cassert>
#include <initializer_list>

namespace zp {
namespace {

std::string Rellenar(std::string_view texto)
{
    const std::size_t largo = longitudCp1252(texto);
    assert(largo <= kAnchoOpcion);
    return std::string(texto) + std::string(kAnchoOpcion - largo, ' ');
}

void Fila(TablaOpciones& t, int selector, std::initializer_list<const char*> textos)
{
    std::size_t o = 1;
    for (const char* texto : textos) t[static_cast<std::size_t>(selector)][o++] = Rellenar(texto);
}

} // namespace

void CargarEtiquetasOpciones(TablaOpciones& OpcionesSelector, Modalidad modoJuego)
{
    for (auto& fila : OpcionesSelector) fila.fill(std::string(kAnchoOpcion, ' '));
    auto& t = OpcionesSelector;
    Fila(t, 1, {"Administrador", "Cliente"});
    Fila(t, 2, {"Desaparecen", "Cambian de color"});
    Fila(t, 3, {"Directo", "Inverso"});
    Fila(t, 5, {"Siempre visible", "Al conectar grabadora"});
    Fila(t, 6, {"Debe jugar con ellas", "Puede devolverlas"});
    Fila(t, 7, {"Manual", "Aleatorio"});
    Fila(t, 8, {"Sale el Seis Doble", "Por sorteo"});
    Fila(t, 9, {"Por decenas", "Por unidades"});
    Fila(t, 10, {"De todos los jugadores", "De la pareja perdedora"});
    for (int p = 1; p <= kAsientos; ++p) Fila(t, 10 + p, {"Activado", "Desactivado"});
    Fila(t, 15, {"Parejas", "Individual"});
    Fila(t, 16, {"La pareja ganadora", "La pareja perdedora"});
    if (modoJuego == Modalidad::Individual) {
        Fila(t, 17, {"Se repite el juego", "El jugador que salió"});
        Fila(t, 19, {"Turno rotatorio", "Elegir en cada juego", "Jugador ganador"});
    } else {
        Fila(t, 17, {"Se repite el juego", "La pareja que salió", "La pareja que no salió"});
        Fila(t, 19, {"Turno rotatorio", "Elegir en cada juego", "Pareja ganadora", "Pareja perdedora"});
    }
    Fila(t, 18, {"El mismo jugador", "Se corre el turno"});
    for (int p = 1; p <= kAsientos; ++p) Fila(t, 20 + p, {"Ocultas", "Visibles"});
    // The local player, seat 4, is never remote.
    for (int p = 1; p <= 3; ++p) Fila(t, 24 + p, {"Manual", "Automático", "Remoto"});
    Fila(t, 28, {"Manual", "Automático"});
    for (int p = 1; p <= kAsientos; ++p) Fila(t, 30 + p, {"Conservador", "Medio", "Agresivo"});
}

const std::array<std::string, kSelectores>& TitulosSelector()
{
    static const std::array<std::string, kSelectores> t = [] {
        std::array<std::string, kSelectores> r{};
        auto poner = [&r](int i, const char* texto) {
            r[static_cast<std::size_t>(i)] = std::string(" ") + texto + "  ";
        };
        poner(1, "Modo de juego en red");
        poner(2, "Fichas visibles ya puestas");
        poner(3, "Sentido del juego");
        poner(5, "Lista de jugadas");
        poner(6, "Jugador con 5 dobles");
        poner(7, "Sistema de reparto");
        poner(8, "Primera mano de la partida");
        poner(9, "Sistema de anotación");
        poner(10, "Puntos que se anotan");
        for (int p = 1; p <= kAsientos; ++p) poner(10 + p, "Estado del jugador");
        poner(15, "Modo de juego");
        poner(16, "Pareja que se anota los puntos");
        poner(17, "Ganador si hay empate");
        poner(18, "En caso de empate sale");
        poner(19, "Turno de salida");
        for (int p = 1; p <= kAsientos; ++p) {
            poner(20 + p, "Fichas del jugador");
            poner(24 + p, "Control del juego");
            poner(30 + p, "Carácter del jugador");
        }
        return r;
    }();
    return t;
}

} // namespace zp

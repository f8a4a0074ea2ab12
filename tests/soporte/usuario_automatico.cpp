#include "tests/soporte/usuario_automatico.h"

#include "engine/reparto_manual.h"

namespace zp {

Respuesta<bool> UsuarioAutomatico::MostrarMensaje(const std::string& titulo, const std::string& texto,
                                                  int lineas, int botones, int ayuda)
{
    Mensajes.push_back({titulo, texto, lineas, botones, ayuda});
    if (Abandonar) return Respuesta<bool>::Abandono();
    // A one-button box can only be accepted; the scripted answers are for the questions.
    bool si = true;
    if (botones != 1 && !RespuestasMensaje.empty()) {
        si = RespuestasMensaje.front();
        RespuestasMensaje.pop_front();
    }
    return Respuesta<bool>::De(si);
}

void UsuarioAutomatico::MostrarEspera(const std::string& titulo, const std::string&, int)
{
    TituloEspera = titulo;
    EsperaVisible = true;
}

Respuesta<Continuacion> UsuarioAutomatico::EsperarContinuar()
{
    if (Abandonar) return Respuesta<Continuacion>::Abandono();
    return Respuesta<Continuacion>::De(Continuacion::Continuar);
}

Respuesta<Entero> UsuarioAutomatico::EsperarEleccionExtremo()
{
    if (Abandonar) return Respuesta<Entero>::Abandono();
    Entero extremo = 1;
    if (!ExtremosElegidos.empty()) {
        extremo = ExtremosElegidos.front();
        ExtremosElegidos.pop_front();
    }
    return Respuesta<Entero>::De(extremo);
}

Respuesta<Entero> UsuarioAutomatico::EsperarEleccionSalida(const Ajustes& a)
{
    if (Abandonar) return Respuesta<Entero>::Abandono();
    if (!SalidasElegidas.empty()) {
        const Entero p = SalidasElegidas.front();
        SalidasElegidas.pop_front();
        return Respuesta<Entero>::De(p);
    }
    for (Entero p = 1; p <= 4; ++p)
        if (AsientoEnJuego(a, p)) return Respuesta<Entero>::De(p);
    return Respuesta<Entero>::Abandono();
}

Espera UsuarioAutomatico::EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado)
{
    if (Abandonar) return Espera::Abandonada;
    if (RepartoManual) {
        RepartoManual(e);
    } else {
        // Grid order, one tile to each seat in turn that still takes one.
        Entero asiento = 1;
        for (Entero a = 0; a <= 6 && !terminado(); ++a) {
            for (Entero b = 0; b <= a && !terminado(); ++b) {
                for (int intento = 0; intento < 4; ++intento) {
                    const Entero p = asiento;
                    asiento = static_cast<Entero>(asiento % 4 + 1);
                    if (ColocarFichaReparto(e, p, a, b)) break;
                }
            }
        }
    }
    return terminado() ? Espera::Cumplida : Espera::Abandonada;
}

} // namespace zp

#include "tests/soporte/usuario_automatico.h"

#include "engine/reparto_manual.h"

namespace zp {

namespace {

template <class T> T Tomar(std::deque<T>& guion, T siNo)
{
    if (guion.empty()) return siNo;
    const T r = guion.front();
    guion.pop_front();
    return r;
}

} // namespace

bool UsuarioAutomatico::Abandona(const std::string& llamada)
{
    if (Diario) Diario->push_back(llamada);
    if (Abandonar || Dejada) return true;
    if (llamada != AbandonarEn || ++vecesAbandonarEn_ != VezAbandono) return false;
    if (Diario) Diario->push_back("ABANDONO");
    if (AlAbandonar) AlAbandonar();
    return true;
}

Respuesta<bool> UsuarioAutomatico::MostrarMensaje(const std::string& titulo, const std::string& texto,
                                                  int lineas, int botones, int ayuda, CierreCaja)
{
    Mensajes.push_back({titulo, texto, lineas, botones, ayuda});
    if (Abandona("Mensaje " + titulo)) return Respuesta<bool>::Abandono();
    // A one-button box can only be accepted; the scripted answers are for the questions.
    bool si = true;
    if (botones != 1 && titulo == RechazarTitulo && VecesRechazo > 0) {
        --VecesRechazo;
        si = false;
    } else if (botones != 1) {
        si = Tomar(RespuestasMensaje, true);
    }
    return Respuesta<bool>::De(si);
}

void UsuarioAutomatico::MostrarEspera(const std::string& titulo, const std::string&, int)
{
    TituloEspera = titulo;
    EsperaVisible = true;
}

Respuesta<Continuacion> UsuarioAutomatico::EsperarContinuar(const std::function<void()>&)
{
    if (AlContinuar) return AlContinuar();
    if (Abandona("Continuar")) return Respuesta<Continuacion>::Abandono();
    return Respuesta<Continuacion>::De(Continuacion::Continuar);
}

Respuesta<Entero> UsuarioAutomatico::EsperarEleccionExtremo()
{
    if (Abandona("Extremo")) return Respuesta<Entero>::Abandono();
    return Respuesta<Entero>::De(Tomar(ExtremosElegidos, Entero{1}));
}

Respuesta<Entero> UsuarioAutomatico::EsperarEleccionSalida(const Ajustes& a)
{
    if (Abandona("Salida")) return Respuesta<Entero>::Abandono();
    if (!SalidasElegidas.empty()) return Respuesta<Entero>::De(Tomar(SalidasElegidas, Entero{0}));
    for (Entero p = 1; p <= 4; ++p)
        if (AsientoEnJuego(a, p)) return Respuesta<Entero>::De(p);
    return Respuesta<Entero>::Abandono();
}

Espera UsuarioAutomatico::EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado)
{
    if (Abandona("Reparto")) return Espera::Abandonada;
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

#pragma once
// The person at this computer as the engine waits for them: the program's message box, the waiting panel,
// and waits that handle every event until the table's handlers settle what the engine asked for. Every
// wait ends early when its match is abandoned or the program is quitting.
#include "engine/usuario.h"

namespace zp {

class mesa;

class UsuarioMesa : public Usuario
{
public:
    explicit UsuarioMesa(mesa& ventana);

    Respuesta<bool> MostrarMensaje(const std::string& titulo, const std::string& texto, int lineas,
                                   int botones, int ayuda = 0,
                                   CierreCaja alCerrar = CierreCaja::Cancelar) override;
    void IniciarEspera() override;
    void MostrarEspera(const std::string& titulo, const std::string& texto, int lineas) override;
    void OcultarEspera() override;
    Respuesta<Continuacion> EsperarContinuar(const std::function<void()>& cadaVuelta = {}) override;
    Respuesta<Entero> EsperarEleccionExtremo() override;
    Respuesta<Entero> EsperarEleccionSalida(const Ajustes& a) override;
    Espera EsperarRepartoManual(EstadoJuego& e, const std::function<bool()>& terminado) override;
    Espera AtenderEventos() override;
    bool PartidaDejada() override;

private:
    mesa& ventana_;
};

} // namespace zp

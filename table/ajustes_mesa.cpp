#include "table/ajustes_mesa.h"

#include "engine/mensajes_red.h"
#include "network/ciclo_red.h"
#include "network/conexion_red.h"
#include "network/inicio_red.h"
#include "settings/personal.h"
#include "table/arranque_mesa.h"

#include <QListWidget>

namespace zp {

namespace {

class ServiciosMesa : public ServiciosAjustes
{
public:
    explicit ServiciosMesa(Programa& pr) : m_(*pr.Mesa), red_(ConexionDe(pr)) {}
    void DibujarMano(Entero asiento) override { m_.DibujarMano(asiento); }
    void DibujarNombres() override { m_.DibujarNombres(); }
    void LimpiarMesa() override { m_.Cls(); }
    void VerListaJugadas(bool visible) override { m_.Lis_Grabadora->setVisible(visible); }
    bool ClienteConectado() const override { return red_ && red_->Estado.ClienteConectado; }
    bool EsperandoConexiones() const override { return red_ && red_->Estado.EsperandoConexiones; }
    void CerrarRed() override
    {
        if (red_) zp::CerrarRed(*red_);
    }
    void DesconectarAsiento(Entero asiento) override
    {
        if (red_) red_->CerrarPuestoSinAviso(asiento);
    }
    void EnviarEstadoRed() override
    {
        if (red_ && red_->Ctx) zp::EnviarEstadoRed(*red_, red_->Ctx->almacen);
    }

private:
    mesa& m_;
    ConexionRed* red_;
};

} // namespace

BanderasAjustes MostrarPersonalEnMesa(Programa& pr)
{
    ServiciosMesa servicios(pr);
    return MostrarPersonal({pr.e, pr.a, pr.CarpetaDatos, servicios}, pr.Mesa.get());
}

bool IniciarJuegoEnRed(Programa& pr)
{
    auto* red = ConexionDe(pr);
    return red && IniciarJuegoEnRed(*red);
}

} // namespace zp

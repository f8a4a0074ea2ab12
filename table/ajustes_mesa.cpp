#include "table/ajustes_mesa.h"

#include "engine/partida.h"
#include "kit/mensajes.h"
#include "network/conexion_red.h"
#include "settings/core/fichero_estado.h"
#include "settings/personal.h"
#include "table/arranque_mesa.h"

#include <QListWidget>

namespace zp {

namespace {

class ServiciosMesa : public ServiciosAjustes
{
public:
    explicit ServiciosMesa(Programa& pr) : m_(*pr.Mesa), red_(dynamic_cast<ConexionRed*>(pr.Conexion.get()))
    {
    }
    void DibujarMano(Entero asiento) override { m_.DibujarMano(asiento); }
    void DibujarNombres() override { m_.DibujarNombres(); }
    void LimpiarMesa() override { m_.Cls(); }
    void VerListaJugadas(bool visible) override { m_.Lis_Grabadora->setVisible(visible); }
    void CerrarRed() override
    {
        if (red_) red_->CerrarSockets();
    }
    void EnviarEstadoRed() override
    {
        if (red_) red_->EnviarEstadoRed();
    }

private:
    mesa& m_;
    ConexionRed* red_;
};

} // namespace

void AbrirPersonal(Programa& pr)
{
    ServiciosMesa servicios(pr);
    AtenderBanderasAjustes(pr, MostrarPersonal({pr.e, pr.a, pr.CarpetaDatos, servicios}, pr.Mesa.get()));
}

void AtenderBanderasAjustes(Programa& pr, const BanderasAjustes& banderas)
{
    EstadoJuego& e = pr.e;
    if (banderas.RestaurarSituacion) {
        const ResultadoCargaEstado r = CargarEstado(pr.CarpetaDatos, kFicheroAntesDeRed, e, pr.a);
        if (r.Mensaje) MostrarMensaje(r.Mensaje->Titulo, r.Mensaje->Texto, Entero(r.Mensaje->Lineas), 1);
        if (!e.RedibujoPendiente) return;
        e.RedibujoPendiente = false;
        pr.Mesa->RedibujarMesa();
        // The game as it was goes on from the top-level loop; the network match running below it ends.
        if (e.PartidaEnCurso)
            PedirAlPrograma(pr, Peticion::ReanudarPartida);
        else if (pr.BucleEnMarcha)
            PedirAlPrograma(pr, Peticion::Ninguna);
        return;
    }
    if (banderas.ReiniciarRed) {
        if (IniciarJuegoEnRed(pr) && banderas.NuevaPartida) PedirAlPrograma(pr, Peticion::NuevaPartida);
        return;
    }
    if (banderas.NuevaPartida) PedirAlPrograma(pr, Peticion::NuevaPartida);
}

bool IniciarJuegoEnRed(Programa& /*pr*/)
{
    // Network play is not part of this build yet: nothing starts, and no match is begun with remote seats.
    return false;
}

} // namespace zp

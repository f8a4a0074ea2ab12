#pragma once
// The engine with no window, for tools and tests: services that do nothing, and a whole engine built on them.
#include "engine/contexto.h"
#include "tests/soporte/red_nula.h"
#include "tests/soporte/usuario_automatico.h"

namespace zp {

// The table window that shows nothing.
class MesaNula : public DibujoMesa,
                 public AnimacionMesa,
                 public GrabadoraMesa,
                 public AvisosMesa,
                 public MandosMesa,
                 public ArranqueMesa
{
};

class AlmacenNulo : public Almacen
{
public:
    bool GrabarEstado(const std::string&) override { return true; }
    void BorrarFichero(const std::string&) override {}
    std::string GenerarCadenaSituacion() override { return {}; }
    void AplicarManosRecibidas(const std::string&) override {}
};

class RitmoNulo : public Ritmo
{
public:
    void HacerPausa(int) override {}
    void ReproducirSonido(ModoSonido, int) override {}
};

// A whole engine on fakes: a table window, pacing and files, an automatic person, a scripted network and a
// seeded generator.
template <class Mesa, class Pausas, class Ficheros> struct Motor
{
    explicit Motor(std::uint32_t semilla, Pantalla p = MedirPantalla(800, 600)) : pantalla(p), azar(semilla)
    {
    }
    Motor(const Motor&) = delete;
    Motor& operator=(const Motor&) = delete;

    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    Mesa mesa;
    UsuarioAutomatico usuario;
    Pausas ritmo;
    RedNula red;
    Ficheros almacen;
    AzarSemilla azar;
};

// The engine with no window, for tools and tests.
using MotorSinVentana = Motor<MesaNula, RitmoNulo, AlmacenNulo>;

} // namespace zp

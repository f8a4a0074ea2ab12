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

// A whole engine with no window: null table, pacing and files, an automatic person, a scripted network and
// a seeded generator. For tools and tests.
struct MotorSinVentana
{
    explicit MotorSinVentana(std::uint32_t semilla, Pantalla p = MedirPantalla(800, 600))
        : pantalla(p), azar(semilla)
    {
    }
    MotorSinVentana(const MotorSinVentana&) = delete;
    MotorSinVentana& operator=(const MotorSinVentana&) = delete;

    Contexto Ctx() { return Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    EstadoJuego e;
    Ajustes a;
    Pantalla pantalla;
    MesaNula mesa;
    UsuarioAutomatico usuario;
    RitmoNulo ritmo;
    RedNula red;
    AlmacenNulo almacen;
    AzarSemilla azar;
};

} // namespace zp

// What receiving costs: framing a stream of moves read in pieces of different sizes, and a client taking a
// state message and a deal (the state applied, the deal read whole and its tiles checked).
#include "engine/contexto.h"
#include "engine/reparto.h"
#include "network/core/protocolo.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zp;

class SinEnlaces : public Enlaces
{
public:
    bool Abierto(int) const override { return false; }
    Entero Puesto(int) const override { return 1; }
    void Enviar(int, const std::string&) override {}
};

void TramarJugadas(benchmark::State& estado)
{
    std::string flujo;
    for (int i = 0; i < 1000; ++i) flujo += "ZRP330601661";
    const auto pieza = static_cast<std::size_t>(estado.range(0));
    for (auto _ : estado) {
        TramaRed trama(true);
        std::size_t mensajes = 0;
        for (std::size_t i = 0; i < flujo.size(); i += pieza)
            mensajes += trama.Recibir(std::string_view(flujo).substr(i, pieza)).size();
        benchmark::DoNotOptimize(mensajes);
    }
    estado.SetBytesProcessed(std::int64_t(estado.iterations()) * std::int64_t(flujo.size()));
}
BENCHMARK(TramarJugadas)->Arg(1)->Arg(12)->Arg(1460)->Arg(12000);

void RecibirEstadoYReparto(benchmark::State& estado)
{
    MotorSinVentana m(7);
    PonerAjustesPorDefecto(m.e, m.a);
    m.e.NumeroMano = 1;
    VaciarManos(m.e, m.a);
    RepartirAlAzar(m.e, m.a, m.azar);
    const std::string s = GenerarCadenasEstado(m.e, m.a).CadenaSituacion;
    const std::string bloque = "ZRP3311" + s + "ZRP3312" + s;

    EstadoJuego juego;
    Ajustes datos;
    PonerAjustesPorDefecto(juego, datos);
    datos.ModoRed = PapelRed::Cliente;
    juego.PuestoLocal = 2;
    EstadoRed red;
    SinEnlaces enlaces;
    ProtocoloRed protocolo(red, juego, datos, enlaces);
    for (auto _ : estado) {
        protocolo.Recibir(0, bloque);
        red.CadenaSituacionRed.clear();
    }
    if (red.Descartados != 0) estado.SkipWithError("mensaje descartado");
}
BENCHMARK(RecibirEstadoYReparto)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// What the history window costs on a long history: reading the file, ordering it newest first, and the four
// tables of totals, for histories of 1,000 to 100,000 matches among 40 players.
#include "scores/core/historico.h"
#include "scores/core/listado_historico.h"
#include "scores/core/totales_historico.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string CarpetaCon(int partidas)
{
    const std::string carpeta =
        (std::filesystem::temp_directory_path() / "zp_bench_historico").string() + "/";
    std::filesystem::create_directories(carpeta);
    std::ofstream f(carpeta + "ZARPE33.HIS", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < partidas; ++i) {
        char r[128];
        const int a = i % 40, b = (i * 7 + 3) % 40, c = (i * 13 + 5) % 40, d = (i * 17 + 11) % 40;
        std::snprintf(r, sizeof r, "2026%02d%02d%02d%02dJug%-6dJug%-6dJug%-6dJug%-6d%3d%3d%3d%3d%c\r\n",
                      1 + i % 12, 1 + i % 28, i % 24, i % 60, a, b, c, d, 100 + i % 50, i % 90, i % 70, -99,
                      i % 3 ? 'P' : 'I');
        f << r;
    }
    return carpeta;
}

void LeerYOrdenar(benchmark::State& estado)
{
    const std::string carpeta = CarpetaCon(int(estado.range(0)));
    for (auto _ : estado) benchmark::DoNotOptimize(zp::RecientesPrimero(zp::LeerHistorico(carpeta)));
    estado.SetItemsProcessed(estado.iterations() * estado.range(0));
}

void Totales(benchmark::State& estado)
{
    const auto registros = zp::LeerHistorico(CarpetaCon(int(estado.range(0))));
    for (auto _ : estado) benchmark::DoNotOptimize(zp::CalcularTotalesHistorico(registros));
    estado.SetItemsProcessed(estado.iterations() * estado.range(0));
}

BENCHMARK(LeerYOrdenar)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Totales)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The endgame search over the fixed corpus: per configuration and overall, positions per second, median,
// p99 and worst time; a small and a large search made first in fresh processes (this program started
// again), against the same searches warm; the node-count signature; and exactness against the plain
// enumerator.
//   bench_final_mano                 all of it
//   bench_final_mano --sin-exactitud the timings and the signature only
//   bench_final_mano --sin-primeras  no searches in fresh processes
//   bench_final_mano --pasadas N     each position's time is its best of N passes over the corpus (3)
//   bench_final_mano --barrido       plays many more hands and lists the largest positions met, for the
//   corpus
//   bench_final_mano --primera[-con-imagen] HEX   one first search, as the fresh processes run it
#include <link.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "bench/corpus_final.h"
#include "engine/final_mano.h"
#include "tests/engine/final_referencia.h"

using namespace zp;

namespace {

using Reloj = std::chrono::steady_clock;

struct Medida
{
    double ms = 0;
    InformeFinalMano informe;
};

Medida Medir(const corpus::Posicion& p, EstadoJuego& e, Ajustes& a, std::uint64_t presupuesto)
{
    corpus::Cargar(p, e, a);
    ResultadoFinalMano r;
    const auto t0 = Reloj::now();
    Medida m;
    m.informe = ExplorarFinalDeMano(e, a, r, presupuesto);
    m.ms = std::chrono::duration<double, std::milli>(Reloj::now() - t0).count();
    return m;
}

int Barrido()
{
    struct Grande
    {
        std::uint64_t visitadas, desenlaces;
        int config, mano, indice;
    };
    std::vector<Grande> grandes;
    EstadoJuego e;
    Ajustes a;
    const int manos[] = {0, 0, 200000, 200000, 400000};
    for (int c = 2; c <= 4; ++c) {
        for (int h = 0; h < manos[c]; ++h) {
            const auto v = corpus::PosicionesDeManos(c, h, h + 1);
            for (int i = 0; i < static_cast<int>(v.size()); ++i) {
                const Medida m = Medir(v[static_cast<std::size_t>(i)], e, a, UINT64_MAX);
                grandes.push_back({m.informe.PosicionesVisitadas, m.informe.Desenlaces, c, h, i});
            }
        }
    }
    // The largest of each small game, most from the two-seat game with seven tiles, where they grow most.
    std::sort(grandes.begin(), grandes.end(),
              [](const Grande& x, const Grande& y) { return x.visitadas > y.visitadas; });
    const int cupo[] = {0, 0, 4, 4, 16};
    int tomados[5] = {};
    for (const Grande& g : grandes) {
        if (tomados[g.config]++ >= cupo[g.config]) continue;
        std::printf("    {%d, %d, %d}, // %llu positions, %llu outcomes\n", g.config, g.mano, g.indice,
                    static_cast<unsigned long long>(g.visitadas),
                    static_cast<unsigned long long>(g.desenlaces));
    }
    return 0;
}

// A group of searches: their times and the positions they visited.
struct Grupo
{
    const char* Nombre = "";
    std::vector<double> Tiempos;
    std::uint64_t Visitadas = 0;

    void Anadir(const Medida& m)
    {
        Tiempos.push_back(m.ms);
        Visitadas += m.informe.PosicionesVisitadas;
    }

    void Imprimir()
    {
        std::sort(Tiempos.begin(), Tiempos.end());
        double total = 0;
        for (const double t : Tiempos) total += t;
        const auto en = [&](double q) {
            return Tiempos[static_cast<std::size_t>(q * static_cast<double>(Tiempos.size() - 1))];
        };
        std::printf("%-17s %6zu %9llu %12.2f M/s %9.2f us %9.2f us %9.3f ms\n", Nombre, Tiempos.size(),
                    static_cast<unsigned long long>(Visitadas),
                    static_cast<double>(Visitadas) / total / 1000.0, en(0.5) * 1000.0, en(0.99) * 1000.0,
                    Tiempos.back());
    }
};

// Reads every line of the program's own image (code, tables, data), so that it is paged in and cached.
void TocarImagen()
{
    static volatile unsigned suma = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const auto& ph = info->dlpi_phdr[i];
                if (ph.p_type != PT_LOAD) continue;
                const auto* c = reinterpret_cast<const volatile unsigned char*>(info->dlpi_addr + ph.p_vaddr);
                for (std::size_t k = 0; k < ph.p_memsz; k += 64) suma = suma + c[k];
            }
            return 1; // the program comes first; the libraries are not needed
        },
        nullptr);
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The same search made again once the process is warm, each time after other searches so that it is not
// trained on that one by repeating it: the median of several, in microseconds.
double Caliente(const corpus::Posicion& p, const std::vector<corpus::Posicion>& corpus, EstadoJuego& e,
                Ajustes& a)
{
    std::vector<double> veces;
    for (std::size_t k = 0; k < 7; ++k) {
        for (std::size_t i = 0; i < 40; ++i)
            Medir(corpus[(k * 997 + i * 251) % corpus.size()], e, a, kPresupuestoFinal);
        veces.push_back(Medir(p, e, a, kPresupuestoFinal).ms * 1000.0);
    }
    return Mediana(std::move(veces));
}

// The first search of a fresh process. The position comes in as hex on the command line, so that no engine
// code runs before it; with `imagen`, the program's image is read through first, which leaves to the search
// only what is its own. Prints the search's time in microseconds, the page faults it took, and the same
// search warm in this same process afterwards, so that both are measured under the machine's same mood.
int PrimeraDelProceso(const char* hex, bool imagen)
{
    static_assert(std::is_trivially_copyable_v<corpus::Posicion>);
    corpus::Posicion p;
    auto* b = reinterpret_cast<unsigned char*>(&p);
    if (std::strlen(hex) != 2 * sizeof p) return 2;
    for (std::size_t i = 0; i < sizeof p; ++i) {
        unsigned v = 0;
        if (std::sscanf(hex + 2 * i, "%2x", &v) != 1) return 2;
        b[i] = static_cast<unsigned char>(v);
    }
    EstadoJuego e;
    Ajustes a;
    corpus::Cargar(p, e, a);
    ResultadoFinalMano r;
    if (imagen) TocarImagen();
    Reloj::now(); // the clock's own first call pays its page faults here
    rusage r0{}, r1{};
    getrusage(RUSAGE_SELF, &r0);
    const auto t0 = Reloj::now();
    ExplorarFinalDeMano(e, a, r, kPresupuestoFinal);
    const auto t1 = Reloj::now();
    getrusage(RUSAGE_SELF, &r1);
    const double fria = std::chrono::duration<double, std::micro>(t1 - t0).count();
    const double caliente = Caliente(p, corpus::CorpusCompleto(), e, a);
    std::printf("%.3f %ld %.3f\n", fria, r1.ru_minflt - r0.ru_minflt, caliente);
    return 0;
}

// A search made as the first of fresh processes, against the same search warm in each of them: the ratio
// is taken process by process, so that a slow spell of the machine falls on both sides of it.
struct PrimeraVez
{
    const char* Que;
    const corpus::Posicion* P;
    std::vector<double> Fria, Caliente, Razon, FriaImagen, RazonImagen, Fallos;
};

constexpr int kMuestras = 15;

void MedirEnProcesosNuevos(PrimeraVez& v)
{
    char exe[4096] = {};
    if (readlink("/proc/self/exe", exe, sizeof exe - 1) <= 0) return;
    std::string hex;
    const auto* b = reinterpret_cast<const unsigned char*>(v.P);
    for (std::size_t i = 0; i < sizeof *v.P; ++i) {
        char h[3];
        std::snprintf(h, sizeof h, "%02x", b[i]);
        hex += h;
    }
    // The two kinds alternate, so that the machine's load falls on both alike.
    for (int k = 0; k < 2 * kMuestras; ++k) {
        const bool imagen = k % 2 == 1;
        const std::string orden =
            std::string(exe) + (imagen ? " --primera-con-imagen " : " --primera ") + hex;
        FILE* f = popen(orden.c_str(), "r");
        if (f == nullptr) return;
        double fria = 0, caliente = 0;
        long fallos = 0;
        if (std::fscanf(f, "%lf %ld %lf", &fria, &fallos, &caliente) == 3 && caliente > 0) {
            if (imagen) {
                v.FriaImagen.push_back(fria);
                v.RazonImagen.push_back(fria / caliente);
            } else {
                v.Fria.push_back(fria);
                v.Caliente.push_back(caliente);
                v.Razon.push_back(fria / caliente);
                v.Fallos.push_back(static_cast<double>(fallos));
            }
        }
        pclose(f);
    }
}

void Imprimir(const PrimeraVez& v)
{
    std::printf(
        "%s: warm %.1f us; first of a fresh process %.1f us (x%.2f, %.0f page faults); the same with "
        "the program's image read in first %.1f us (x%.2f); medians of %d processes, each ratio taken "
        "within one\n",
        v.Que, Mediana(v.Caliente), Mediana(v.Fria), Mediana(v.Razon), Mediana(v.Fallos),
        Mediana(v.FriaImagen), Mediana(v.RazonImagen), kMuestras);
}

} // namespace

constexpr const char* kUso = "uso: bench_final_mano [--sin-exactitud] [--sin-primeras] [--pasadas N]\n"
                             "       bench_final_mano --barrido\n"
                             "       bench_final_mano --primera HEX | --primera-con-imagen HEX\n";

int main(int argc, char** argv)
{
    bool exactitud = true, primerasVeces = true;
    int pasadas = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s", kUso);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--barrido") == 0) return Barrido();
        if (std::strcmp(argv[i], "--primera") == 0 && i + 1 < argc)
            return PrimeraDelProceso(argv[i + 1], false);
        if (std::strcmp(argv[i], "--primera-con-imagen") == 0 && i + 1 < argc)
            return PrimeraDelProceso(argv[i + 1], true);
        if (std::strcmp(argv[i], "--sin-exactitud") == 0) {
            exactitud = false;
        } else if (std::strcmp(argv[i], "--sin-primeras") == 0) {
            primerasVeces = false;
        } else if (std::strcmp(argv[i], "--pasadas") == 0 && i + 1 < argc) {
            pasadas = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "bench_final_mano: opción no válida: %s\n%s", argv[i], kUso);
            return 2;
        }
    }

    const auto t0 = Reloj::now();
    const std::vector<corpus::Posicion> corpus = corpus::CorpusCompleto();
    std::printf("corpus: %zu positions (%d per configuration and %zu of the largest), built in %.1f s\n",
                corpus.size(), corpus::kPorConfiguracion,
                corpus.size() - 5 * static_cast<std::size_t>(corpus::kPorConfiguracion),
                std::chrono::duration<double>(Reloj::now() - t0).count());

    EstadoJuego e;
    Ajustes a;
    // A position of the size a match meets, and one that outgrows the small table.
    std::array<PrimeraVez, 2> primeras{
        {{"a small search", &corpus[corpus::kPorConfiguracion / 2], {}, {}, {}, {}, {}, {}},
         {"a large search", &corpus[corpus.size() - 4], {}, {}, {}, {}, {}, {}}}};
    if (primerasVeces)
        for (PrimeraVez& v : primeras) MedirEnProcesosNuevos(v);

    std::array<Grupo, corpus::kConfiguraciones.size()> grupos;
    for (std::size_t c = 0; c < grupos.size(); ++c) grupos[c].Nombre = corpus::kConfiguraciones[c].Nombre;
    Grupo grandes, todas;
    grandes.Nombre = "the largest";
    todas.Nombre = "all";
    std::uint64_t firma = 0, desenlaces = 0, rechazos = 0;
    // Each position's best of several passes over the whole corpus, so that its figure is the search's and
    // not a moment when the machine was busy: a slow spell lasts longer than one search.
    std::vector<Medida> medidas(corpus.size());
    for (int k = 0; k < pasadas; ++k) {
        for (std::size_t i = getenv("SOLO_GRANDES") ? corpus.size() - 24 : 0; i < corpus.size(); ++i) {
            const Medida m = Medir(corpus[i], e, a, kPresupuestoFinal);
            if (k == 0 || m.ms < medidas[i].ms) medidas[i] = m;
        }
    }
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const Medida& m = medidas[i];
        const bool grande = i >= corpus.size() - std::size(corpus::kGrandes);
        (grande ? grandes : grupos[static_cast<std::size_t>(corpus[i].Configuracion)]).Anadir(m);
        todas.Anadir(m);
        firma += m.informe.PosicionesVisitadas;
        desenlaces += m.informe.Desenlaces;
        rechazos += m.informe.Fin != FinBusqueda::Completa;
    }
    std::printf("%-17s %6s %9s %16s %12s %12s %12s\n", "", "search", "positions", "positions/s", "median",
                "p99", "worst");
    for (Grupo& g : grupos) g.Imprimir();
    grandes.Imprimir();
    todas.Imprimir();
    std::printf("outcomes counted: %llu; refused past the budget: %llu\n",
                static_cast<unsigned long long>(desenlaces), static_cast<unsigned long long>(rechazos));
    if (primerasVeces)
        for (const PrimeraVez& v : primeras) Imprimir(v);
    std::printf("Firma: %llu\n", static_cast<unsigned long long>(firma));
    if (!exactitud) return 0;

    // Exactness: every position the plain enumerator finishes within its limit, compared bit for bit.
    constexpr std::uint64_t kLimiteReferencia = 20'000'000; // tiles laid
    std::size_t comparadas = 0, distintas = 0, sinReferencia = 0;
    const auto t1 = Reloj::now();
    for (const corpus::Posicion& p : corpus) {
        corpus::Cargar(p, e, a);
        ResultadoFinalMano previo;
        previo.PorcentajeGanadas.fill(-1.0f);
        previo.MediaPuntosGanados.fill(-1.0f);
        const prueba::ResultadoReferencia ref = prueba::ExplorarReferencia(e, a, previo, kLimiteReferencia);
        if (!ref.Calculado) {
            ++sinReferencia;
            continue;
        }
        ResultadoFinalMano rapido = previo;
        const InformeFinalMano inf = ExplorarFinalDeMano(e, a, rapido, UINT64_MAX);
        std::uint64_t total = 0;
        for (int k = 1; k <= ref.Raices; ++k) total += ref.Cuentas[static_cast<std::size_t>(k)].Total;
        ++comparadas;
        const bool igual = inf.Raices == ref.Raices && inf.Desenlaces == total &&
                           rapido.PorcentajeGanadas == ref.Salida.PorcentajeGanadas &&
                           rapido.MediaPuntosGanados == ref.Salida.MediaPuntosGanados;
        if (!igual) {
            ++distintas;
            if (distintas <= 5)
                std::printf("  DIFFERENT: configuration %d hand %d\n", p.Configuracion, p.Mano);
        }
    }
    std::printf("exactness: %zu positions compared with the plain enumerator, %zu different, %zu beyond %llu "
                "plays not compared (%.1f s)\n",
                comparadas, distintas, sinReferencia, static_cast<unsigned long long>(kLimiteReferencia),
                std::chrono::duration<double>(Reloj::now() - t1).count());
    return distintas == 0 ? 0 : 1;
}

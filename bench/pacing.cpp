// Pacing figures: how close HacerPausa ends to ms x factor, and what a pause and a wait cost in processor
// time. Prints a table; run it on an otherwise quiet machine.
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/wait.h"

#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

std::int64_t cpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void medirPrecision()
{
    std::printf("HacerPausa(n) at speed 50 (factor 1).\n");
    std::printf(
        "  error: wall time of the call minus n x f, ms. The pause ends at the first millisecond reading\n");
    std::printf("         past n x f, so an error in (0, 1] is exact.\n");
    std::printf("  late:  time from the moment the clock reading reached its end to the return, us.\n");
    std::printf("%6s %5s %8s %8s %8s %8s | %8s %8s %8s\n", "n", "runs", "err min", "median", "p95", "max",
                "late med", "p95", "max");
    zp::Pausa pausa;
    static constexpr zp::Entero kDuraciones[] = {12, 20, 35, 50, 100, 250, 500, 1000, 1500};
    for (const zp::Entero n : kDuraciones) {
        const int runs = n <= 100 ? 60 : (n <= 500 ? 12 : 4);
        std::vector<double> err, late;
        for (int i = 0; i < runs; ++i) {
            pausa.MarcarInicioPausa();
            const std::int64_t t0 = zp::monotonicNs();
            const std::int64_t t0ms = t0 / 1'000'000;
            // The millisecond at which the reading becomes stamp + duration.
            const std::int64_t stampMs =
                t0ms - std::int64_t(std::uint32_t(t0ms) - std::uint32_t(pausa.InicioPausa));
            const std::int64_t endNs = (stampMs + zp::DuracionPausa(n, 50)) * 1'000'000;
            pausa.HacerPausa(n, 50);
            const std::int64_t t1 = zp::monotonicNs();
            err.push_back(double(t1 - t0) / 1e6 - n);
            late.push_back(double(t1 - endNs) / 1e3);
        }
        std::sort(err.begin(), err.end());
        std::sort(late.begin(), late.end());
        const std::size_t p95 = (err.size() * 95) / 100;
        std::printf("%6d %5d %8.3f %8.3f %8.3f %8.3f | %8.0f %8.0f %8.0f\n", n, runs, err.front(),
                    err[err.size() / 2], err[p95], err.back(), late[late.size() / 2], late[p95], late.back());
    }
}

void medirCpuPausa()
{
    zp::Pausa pausa;
    const std::int64_t w0 = zp::monotonicNs(), c0 = cpuNs();
    pausa.HacerPausa(1000, 50);
    const std::int64_t w1 = zp::monotonicNs(), c1 = cpuNs();
    std::printf("\nCPU of one 1000 ms pause: %.2f%% of a core (%.2f ms)\n",
                100.0 * double(c1 - c0) / double(w1 - w0), double(c1 - c0) / 1e6);

    const std::int64_t w2 = zp::monotonicNs(), c2 = cpuNs();
    for (int i = 0; i < 80; ++i) pausa.HacerPausa(12, 50); // an animation's steps
    const std::int64_t w3 = zp::monotonicNs(), c3 = cpuNs();
    std::printf("CPU of 80 pauses of 12 ms: %.2f%% of a core over %.0f ms\n",
                100.0 * double(c3 - c2) / double(w3 - w2), double(w3 - w2) / 1e6);
}

void medirCpuEspera()
{
    bool listo = false;
    QTimer::singleShot(2000, [&] {
        listo = true;
        zp::notifyStateChanged();
    });
    int pasadas = 0;
    zp::WaitOptions opciones;
    opciones.onTick = [&] { ++pasadas; };
    const std::int64_t w0 = zp::monotonicNs(), c0 = cpuNs();
    zp::waitUntil([&] { return listo; }, opciones);
    const std::int64_t w1 = zp::monotonicNs(), c1 = cpuNs();
    std::printf(
        "\nCPU of a wait that ends after 2 s: %.3f%% of a core (%.2f ms over %.0f ms, %d clock calls)\n",
        100.0 * double(c1 - c0) / double(w1 - w0), double(c1 - c0) / 1e6, double(w1 - w0) / 1e6, pasadas);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("uso: bench_pacing (sin opciones)\n  mide las pausas y las esperas: tómelo con la "
                        "máquina en reposo\n");
            return 0;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    medirPrecision();
    medirCpuPausa();
    medirCpuEspera();
    return 0;
}

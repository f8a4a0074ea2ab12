// How many sounds a busy sound server costs: the program's sounds, each played and waited for as in a fast
// match, on a PulseAudio server of this program's own that stops for a moment about once a second (SIGSTOP,
// then SIGCONT). The client library's calls are watched on their way out of the sound output, so that each
// sound is counted by what reached the server: its samples written within its length and the allowance, or
// later, or never (refused as too late, or lost).
//
//   sonidos_con_paradas [--sonidos N] [--parada MS] [--semilla S]
//
// N sounds (600), stops of MS ms (0: none), at random moments 0.5-1.5 s apart from seed S (1).
#include "assets/recursos.h"
#include "kit/sonido.h"
#include "platform/clock.h"
#include "tests/sonido/servidor_pulse.h"

#include <QCoreApplication>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <pulse/pulseaudio.h>
#include <random>
#include <thread>

namespace {

// Allowance of a late server, as the sound output has it.
constexpr std::uint32_t kMargenMs = 250;

struct Flujo
{
    std::uint32_t pedidoMs = 0;
    int duracionMs = 0;
    bool escrito = false, tarde = false, rechazado = false;
};

std::mutex cerrojo;
std::map<pa_stream*, Flujo> flujos;
std::vector<Flujo> acabados;

template <typename F> F real(const char* nombre)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, nombre));
}

bool fueraDeTiempo(const Flujo& f)
{
    return zp::clockMs() - f.pedidoMs > std::uint32_t(f.duracionMs) + kMargenMs;
}

} // namespace

// The sound output's calls to the client library pass through here first.
extern "C" pa_stream* pa_stream_new_with_proplist(pa_context* c, const char* name, const pa_sample_spec* ss,
                                                  const pa_channel_map* map, pa_proplist* p)
{
    static auto siguiente = real<decltype(&pa_stream_new_with_proplist)>("pa_stream_new_with_proplist");
    pa_stream* s = siguiente(c, name, ss, map, p);
    if (s) {
        int ms = 0;
        for (const auto& sonido : zp::recursos::sonidos::Lista)
            if (QString(sonido.ruta) == QString::fromUtf8(name)) ms = sonido.milisegundos;
        std::lock_guard<std::mutex> l(cerrojo);
        // A new stream can have the address of one freed before.
        if (auto it = flujos.find(s); it != flujos.end()) acabados.push_back(it->second);
        flujos[s] = Flujo{zp::clockMs(), ms};
    }
    return s;
}

extern "C" int pa_stream_write(pa_stream* s, const void* data, size_t nbytes, pa_free_cb_t free_cb,
                               int64_t offset, pa_seek_mode_t seek)
{
    static auto siguiente = real<decltype(&pa_stream_write)>("pa_stream_write");
    {
        std::lock_guard<std::mutex> l(cerrojo);
        if (auto it = flujos.find(s); it != flujos.end() && !it->second.escrito) {
            it->second.escrito = true;
            it->second.tarde = fueraDeTiempo(it->second);
        }
    }
    return siguiente(s, data, nbytes, free_cb, offset, seek);
}

// A stream the output closes: one open on the server and never written was refused.
extern "C" int pa_stream_disconnect(pa_stream* s)
{
    static auto siguiente = real<decltype(&pa_stream_disconnect)>("pa_stream_disconnect");
    {
        std::lock_guard<std::mutex> l(cerrojo);
        if (auto it = flujos.find(s); it != flujos.end())
            it->second.rechazado =
                !it->second.escrito && pa_stream_get_state(s) == PA_STREAM_READY && fueraDeTiempo(it->second);
    }
    return siguiente(s);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int sonidos = 600, paradaMs = 0;
    std::uint32_t semilla = 1;
    const QStringList a = app.arguments();
    for (qsizetype i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == "--sonidos")
            sonidos = a[i + 1].toInt();
        else if (a[i] == "--parada")
            paradaMs = a[i + 1].toInt();
        else if (a[i] == "--semilla")
            semilla = a[i + 1].toUInt();
        else {
            std::fputs("usage: sonidos_con_paradas [--sonidos N] [--parada MS] [--semilla S]\n", stderr);
            return 2;
        }
    }
    zp::recursos::RegistrarRecursos();
    zp::prueba::ServidorPulse servidor;
    if (!servidor.Arrancar()) return 1;
    const qint64 demonio = servidor.Proceso();

    std::mutex m;
    std::condition_variable fin;
    bool acabado = false;
    int paradas = 0;
    std::thread parador([&] {
        std::mt19937 azar{semilla};
        std::unique_lock<std::mutex> l(m);
        while (paradaMs > 0) {
            if (fin.wait_for(l, std::chrono::milliseconds(500 + azar() % 1000), [&] { return acabado; }))
                break;
            ::kill(pid_t(demonio), SIGSTOP);
            std::this_thread::sleep_for(std::chrono::milliseconds(paradaMs));
            ::kill(pid_t(demonio), SIGCONT);
            ++paradas;
        }
    });

    {
        zp::Sonidos programa(zp::openSoundOutput(), zp::RutaSonidoRecurso);
        std::mt19937 azar{semilla + 1};
        std::vector<int> ids;
        for (const auto& s : zp::recursos::sonidos::Lista)
            if (s.milisegundos < 1000) ids.push_back(s.id);
        for (int i = 0; i < sonidos; ++i)
            programa.ReproducirSonido(0, zp::Entero(ids[azar() % ids.size()]), true);
        {
            std::lock_guard<std::mutex> l(m);
            acabado = true;
        }
        fin.notify_all();
        parador.join();
        // What the server still has to open or play out, before the output goes.
        zp::systemClock().pauseUntil(zp::systemClock().now(), 3000);
    }

    int aTiempo = 0, tarde = 0, rechazados = 0, perdidos = 0;
    std::lock_guard<std::mutex> l(cerrojo);
    for (const auto& [s, f] : flujos) acabados.push_back(f);
    for (const Flujo& f : acabados) {
        if (f.escrito)
            (f.tarde ? tarde : aTiempo)++;
        else
            (f.rechazado ? rechazados : perdidos)++;
    }
    std::printf(
        "%d sonidos, %d paradas de %d ms: %d a tiempo, %d tarde, %d rechazados por tarde, %d perdidos\n",
        int(acabados.size()), paradas, paradaMs, aTiempo, tarde, rechazados, perdidos);
    return 0;
}

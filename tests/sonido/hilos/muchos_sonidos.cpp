// Many quick sounds and stops on the sound server that PULSE_SERVER names, for the thread checker: the
// output's calls from this thread meet the client library's callbacks on its own, stream after stream, in
// every state a stream goes through. Built with -fsanitize=thread, which ends it with 66 at a race. It starts
// no process: once a process has forked, the checker reports races inside the uninstrumented library.
//
//   muchos_sonidos VECES FICHERO...
//
// Plays VECES sounds taken from the files at random (seeded) and prints "VECES sonidos" at the end.
#include "platform/sound_output.h"
#include "platform/wav.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

// The client library publishes some mutexes of its own through atomics the checker cannot see (the library
// is not built for it): the first lock of one on another thread then looks like a race on the mutex itself.
// Such a report is never about our data, which the checker sees in full.
extern "C" const char* __tsan_default_suppressions()
{
    return "race_top:pthread_mutex_lock\n";
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = app.arguments().mid(1);
    const int veces = argumentos.value(0).toInt();
    const QStringList ficheros = argumentos.mid(1);
    if (veces <= 0 || ficheros.isEmpty()) {
        std::fputs("usage: muchos_sonidos VECES FICHERO...\n", stderr);
        return 2;
    }
    auto salida = zp::openSoundOutput();
    if (!salida) return 1;
    std::vector<int> duraciones;
    for (const QString& f : ficheros) {
        QFile fichero(f);
        const auto info =
            fichero.open(QIODevice::ReadOnly) ? zp::readWavInfo(fichero.readAll()) : std::nullopt;
        duraciones.push_back(info ? info->durationMs : 0);
    }
    std::mt19937 azar{std::uint32_t(veces)};
    for (int i = 0; i < veces; ++i) {
        const std::size_t cual = azar() % ficheros.size();
        salida->play(ficheros[qsizetype(cual)]);
        switch (azar() % 4) {
        case 0: // the next one cuts it at once, its stream still opening
            break;
        case 1:
            salida->stop();
            break;
        case 2: // it makes way once its length has passed, and plays out meanwhile
            std::this_thread::sleep_for(std::chrono::milliseconds(duraciones[cual] + int(azar() % 5)));
            break;
        default: { // cut somewhere between asking the server and being written, looked at meanwhile
            const auto hasta = std::chrono::steady_clock::now() + std::chrono::microseconds(azar() % 20000);
            while (std::chrono::steady_clock::now() < hasta && salida->isPlaying(ficheros[qsizetype(cual)]))
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            break;
        }
        }
    }
    salida.reset();
    std::printf("%d sonidos\n", veces);
    return 0;
}

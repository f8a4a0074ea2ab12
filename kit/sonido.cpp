#include "kit/sonido.h"

#include "platform/wav.h"

#include <QCoreApplication>
#include <QFile>

namespace zp {

QString RutaSonidoRecurso(Entero id)
{
    return QStringLiteral(":/sonidos/%1.wav").arg(int(id), 2, 10, QLatin1Char('0'));
}

Sonidos::Sonidos() : Sonidos(openSoundOutput(), RutaSonidoRecurso) {}

Sonidos::Sonidos(std::unique_ptr<SoundOutput> salida, BuscarRuta ruta, Clock& reloj)
    : salida_(std::move(salida)), ruta_(std::move(ruta)), reloj_(&reloj)
{
}

int Sonidos::Duracion(Entero id, const QString& ruta)
{
    if (auto it = duraciones_.find(id); it != duraciones_.end()) return it->second;
    int ms = -1;
    QFile fichero(ruta);
    if (fichero.open(QIODevice::ReadOnly)) {
        if (auto info = readWavInfo(fichero.readAll())) ms = info->durationMs;
    }
    duraciones_[id] = ms;
    return ms;
}

void Sonidos::ReproducirSonido(Entero modo, Entero id, bool sonido)
{
    if (!sonido) return;
    const QString ruta = ruta_(id);
    const int ms = Duracion(id, ruta);
    if (ms < 0) return; // no such sound: silence, as with a sound device that fails
    if (salida_) salida_->play(ruta);
    if (modo == 1) return;
    // The device's own end-of-sound report comes late or never: the header's length is the sound's end.
    reloj_->pauseUntil(reloj_->now(), std::uint32_t(ms));
}

namespace {
std::unique_ptr<Sonidos> sonidosPrograma;
}

Sonidos& SonidosPrograma()
{
    if (!sonidosPrograma) {
        sonidosPrograma = std::make_unique<Sonidos>();
        // The sound device must go while the application still exists, not among the static destructors.
        qAddPostRoutine([] { sonidosPrograma.reset(); });
    }
    return *sonidosPrograma;
}

} // namespace zp

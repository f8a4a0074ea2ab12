#pragma once
// The program's numbered sounds (WAVE, ids 1-7, 9-12, 14, 15). One voice: a new sound cuts off the one
// playing. A synchronous sound returns when it has played its length, read from its WAVE header.
#include "engine/estado.h"
#include "platform/clock.h"
#include "platform/sound_output.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace zp {

// Where sound `id` is found: ":/sonidos/NN.wav" among the program's resources.
QString RutaSonidoRecurso(Entero id);

class Sonidos
{
public:
    using BuscarRuta = std::function<QString(Entero id)>;

    // The program's sounds on the audio device, or silent waits when there is none.
    Sonidos();
    // `salida` null stands for a machine without an audio device; `ruta` finds each sound's file.
    Sonidos(std::unique_ptr<SoundOutput> salida, BuscarRuta ruta, Clock& reloj = systemClock());

    // Plays sound `id` when `sonido` is on: `modo` 1 returns at once, any other value when the sound has
    // ended (it waits as a pause does: the screen is shown, nothing else runs). Ids without a sound, or a
    // sound that cannot be read, play nothing.
    void ReproducirSonido(Entero modo, Entero id, bool sonido);

private:
    // Length in ms from the header, read once per id; negative when the sound cannot be read.
    int Duracion(Entero id, const QString& ruta);

    std::unique_ptr<SoundOutput> salida_;
    BuscarRuta ruta_;
    Clock* reloj_;
    std::map<Entero, int> duraciones_;
};

// The program's sounds, opened at the first use.
Sonidos& SonidosPrograma();

} // namespace zp

#pragma once
// The sound device: one voice, started by path (a resource ":/…" or a file). The end of a sound is never
// awaited from here; callers that must wait take the length from the WAVE header.
#include <QString>
#include <memory>

namespace zp {

class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Stops the sound playing, if any, and starts this one.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying(const QString& path) const = 0;
};

// The device's output, or nothing when there is no audio device (then nothing is ever created).
// `evenWithoutDevice` opens it anyway (tests of the one voice; nothing is heard).
std::unique_ptr<SoundOutput> openSoundOutput(bool evenWithoutDevice = false);

} // namespace zp

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
    // The sound was started and has been neither stopped, cut by another nor played to its end.
    virtual bool isPlaying(const QString& path) const = 0;
};

// The output to the desktop's sound server. It never waits for the server: with none running, or after it
// went away, sounds are silent and a later sound looks for the server again.
std::unique_ptr<SoundOutput> openSoundOutput();

} // namespace zp

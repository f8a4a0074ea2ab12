#include "platform/sound_output.h"

#include "platform/clock.h"
#include "platform/wav.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <map>
#include <pulse/pulseaudio.h>
#include <vector>

// The sound server's own client library (PulseAudio's, which PipeWire's server speaks too), on a thread of
// its own: nothing here waits for the server, so neither the window nor a quiet pause ever does. Every sound
// gets a stream of its own, written whole as soon as it opens and then drained: however short the sound and
// however busy the machine, the server holds all of it and cannot run dry in the middle.
//
// One voice, on the program's clock: a sound "plays" for its length from the moment it was asked for. A new
// sound within that time cuts it off; one asked for later lets it play out on the server, even when a busy
// server has yet to open its stream, so that sounds waited for one after the other are each heard whole.
// A stream that opens later than its sound's length and the same allowance as a late server is never
// written: a sound heard seconds after the move it belongs to would be a wrong one.

namespace zp {

namespace {

// A server that could not be reached is asked again by a sound this long after the last try, not sooner.
constexpr std::uint32_t kRetryMs = 2000;
// A sound asked for while the server had yet to answer starts when it does, even this much past its length
// (the program's first sound, asked for as the output opens, or a sound while the server was busy).
constexpr std::uint32_t kLateStartMs = 250;

// A sound as the server takes it: the file's own samples and format, which the server converts.
struct Samples
{
    pa_sample_spec sampleFormat{};
    QByteArray bytes;
    std::uint32_t durationMs = 0;
};

std::shared_ptr<const Samples> readSamples(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray image = file.readAll();
    const auto info = readWavInfo(image);
    if (!info || info->channels > int(PA_CHANNELS_MAX)) return nullptr;
    auto s = std::make_shared<Samples>();
    switch (info->bitsPerSample) {
    case 8:
        s->sampleFormat.format = PA_SAMPLE_U8;
        break;
    case 16:
        s->sampleFormat.format = PA_SAMPLE_S16LE;
        break;
    case 24:
        s->sampleFormat.format = PA_SAMPLE_S24LE;
        break;
    case 32:
        s->sampleFormat.format = PA_SAMPLE_S32LE;
        break;
    default:
        return nullptr;
    }
    s->sampleFormat.rate = std::uint32_t(info->sampleRate);
    s->sampleFormat.channels = std::uint8_t(info->channels);
    if (!pa_sample_spec_valid(&s->sampleFormat)) return nullptr;
    const std::uint32_t frame = std::uint32_t(pa_frame_size(&s->sampleFormat));
    s->bytes = image.mid(info->dataOffset, info->dataBytes / frame * frame);
    s->durationMs = std::uint32_t(info->durationMs);
    return s;
}

class Lock
{
public:
    explicit Lock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Lock() { pa_threaded_mainloop_unlock(loop_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

// Whatever touches the library's objects holds the loop's lock: the calls from the program's thread take it,
// and the callbacks run with it held.
class PulseSoundOutput : public SoundOutput
{
public:
    explicit PulseSoundOutput(pa_threaded_mainloop* loop)
        : loop_(loop), name_(QCoreApplication::applicationName().toUtf8())
    {
        if (name_.isEmpty()) name_ = "zarpelon";
        Lock lock(loop_);
        connect();
    }

    ~PulseSoundOutput() override
    {
        // Stopped first, the loop's thread calls nothing of ours while the objects go.
        pa_threaded_mainloop_stop(loop_);
        dropStreams();
        dropContext();
        pa_threaded_mainloop_free(loop_);
    }

    void play(const QString& path) override
    {
        auto& cached = samples_[path];
        if (!cached) cached = readSamples(path);
        Lock lock(loop_);
        endVoice();
        if (!cached) return; // a sound that cannot be read is silence
        voice_ = Voice{path, cached, clockMs(), {}};
        if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
            startVoice();
        else if (!context_ && clockMs() - lastTryMs_ >= kRetryMs)
            connect(); // the sound starts when the server answers
    }

    void stop() override
    {
        Lock lock(loop_);
        const std::vector<Voice> tails = std::move(tails_);
        tails_.clear();
        for (const Voice& v : tails) cut(v.stream);
        if (voice_.stream) cut(voice_.stream);
        voice_ = {};
    }

    bool isPlaying(const QString& path) const override
    {
        Lock lock(loop_);
        if (!voice_.samples || voice_.path != path) return false;
        return voice_.stream ? true : due(voice_);
    }

private:
    struct Voice
    {
        QString path;
        std::shared_ptr<const Samples> samples; // none: no voice, or a stream cut before it opened
        std::uint32_t askedMs = 0;
        pa_stream* stream = nullptr; // none yet, or no more
    };

    // Within its length from the moment it was asked for (and `late` more).
    static bool due(const Voice& v, std::uint32_t late = 0)
    {
        return v.samples && clockMs() - v.askedMs < v.samples->durationMs + late;
    }

    void connect()
    {
        lastTryMs_ = clockMs();
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, name_.constData());
        context_ =
            pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), name_.constData(), props);
        pa_proplist_free(props);
        if (!context_) return;
        pa_context_set_state_callback(context_, &PulseSoundOutput::onContextState, this);
        // Never start a server of our own: the desktop's is the one a person hears.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) dropContext();
    }

    void dropContext()
    {
        if (!context_) return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    static void onContextState(pa_context* c, void* self)
    {
        auto* out = static_cast<PulseSoundOutput*>(self);
        switch (pa_context_get_state(c)) {
        case PA_CONTEXT_READY:
            if (out->voice_.samples && !out->voice_.stream && due(out->voice_, kLateStartMs))
                out->startVoice();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // No server, or it went away: silence until a later sound finds one. The library holds the
            // context while it calls here, so it can be let go now.
            out->dropStreams();
            pa_context_set_state_callback(c, nullptr, nullptr);
            pa_context_unref(c);
            out->context_ = nullptr;
            break;
        default:
            break;
        }
    }

    void startVoice()
    {
        const Samples& s = *voice_.samples;
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
        pa_stream* stream = pa_stream_new_with_proplist(context_, voice_.path.toUtf8().constData(),
                                                        &s.sampleFormat, nullptr, props);
        pa_proplist_free(props);
        if (!stream) return;
        pa_stream_set_state_callback(stream, &PulseSoundOutput::onStreamState, this);
        if (pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
            return;
        }
        voice_.stream = stream;
    }

    static void onStreamState(pa_stream* stream, void* self)
    {
        auto* out = static_cast<PulseSoundOutput*>(self);
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            if (const Voice* v = out->voiceOf(stream)) {
                if (v->samples && due(*v, kLateStartMs)) {
                    const QByteArray& bytes = v->samples->bytes;
                    pa_stream_write(stream, bytes.constData(), std::size_t(bytes.size()), nullptr, 0,
                                    PA_SEEK_RELATIVE);
                    // Draining also starts a sound shorter than the server's start-up buffer.
                    if (pa_operation* o = pa_stream_drain(stream, &PulseSoundOutput::onDrained, out))
                        pa_operation_unref(o);
                } else {
                    out->forget(stream); // cut, or too late to be heard when it was asked for
                }
            }
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            out->forget(stream);
            break;
        default:
            break;
        }
    }

    static void onDrained(pa_stream* stream, int, void* self)
    {
        static_cast<PulseSoundOutput*>(self)->forget(stream);
    }

    // The voice makes way for another: cut if it is still due, otherwise its stream plays the sound out,
    // whether it has opened already or the server has yet to open it.
    void endVoice()
    {
        if (voice_.stream) {
            if (due(voice_))
                cut(voice_.stream);
            else
                tails_.push_back(voice_);
        }
        voice_ = {};
    }

    // The server can only be told to close a stream it has opened: one still opening is closed when it does.
    void cut(pa_stream* stream)
    {
        if (pa_stream_get_state(stream) == PA_STREAM_CREATING)
            tails_.push_back(Voice{{}, nullptr, 0, stream});
        else
            drop(stream);
    }

    std::vector<Voice>::iterator tailOf(pa_stream* stream)
    {
        return std::find_if(tails_.begin(), tails_.end(), [&](const Voice& v) { return v.stream == stream; });
    }

    const Voice* voiceOf(pa_stream* stream)
    {
        if (stream == voice_.stream) return &voice_;
        auto tail = tailOf(stream);
        return tail != tails_.end() ? &*tail : nullptr;
    }

    // A stream that ended, failed or will not be written: the library's last word on it.
    void forget(pa_stream* stream)
    {
        if (stream == voice_.stream) {
            voice_.stream = nullptr;
            voice_.samples.reset(); // played to its end, or never to be
        } else if (auto tail = tailOf(stream); tail != tails_.end()) {
            tails_.erase(tail);
        } else {
            return; // already let go
        }
        drop(stream);
    }

    static void drop(pa_stream* stream)
    {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }

    void dropStreams()
    {
        if (voice_.stream) drop(voice_.stream);
        voice_.stream = nullptr;
        for (const Voice& v : tails_) drop(v.stream);
        tails_.clear();
    }

    pa_threaded_mainloop* loop_;
    QByteArray name_;
    std::map<QString, std::shared_ptr<const Samples>> samples_; // the program's thread only
    pa_context* context_ = nullptr;
    std::uint32_t lastTryMs_ = 0;
    Voice voice_;
    std::vector<Voice> tails_; // voices that made way with their streams open or opening
};

} // namespace

std::unique_ptr<SoundOutput> openSoundOutput()
{
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    if (!loop) return nullptr;
    if (pa_threaded_mainloop_start(loop) < 0) {
        pa_threaded_mainloop_free(loop);
        return nullptr;
    }
    return std::make_unique<PulseSoundOutput>(loop);
}

} // namespace zp

#include "platform/sound_output.h"

// QAudioDevice must come before QMediaDevices in Qt 6.4.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>

namespace zp {

namespace {

class QtSoundOutput : public SoundOutput
{
public:
    void play(const QString& path) override
    {
        stop();
        QSoundEffect* effect = effectFor(path);
        effect->play();
        playing_ = effect;
    }

    void stop() override
    {
        if (playing_) playing_->stop();
        playing_ = nullptr;
    }

    bool isPlaying(const QString& path) const override
    {
        auto it = effects_.find(path);
        return it != effects_.end() && it->second->isPlaying();
    }

private:
    // Effects are kept for the life of the program, so a sound still playing never loses its samples.
    QSoundEffect* effectFor(const QString& path)
    {
        auto& slot = effects_[path];
        if (!slot) {
            slot = std::make_unique<QSoundEffect>();
            slot->setSource(path.startsWith(QLatin1String(":/")) ? QUrl(QLatin1String("qrc") + path)
                                                                 : QUrl::fromLocalFile(path));
        }
        return slot.get();
    }

    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace

std::unique_ptr<SoundOutput> openSoundOutput(bool evenWithoutDevice)
{
    if (!evenWithoutDevice && QMediaDevices::audioOutputs().isEmpty()) return nullptr;
    return std::make_unique<QtSoundOutput>();
}

} // namespace zp

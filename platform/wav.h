#pragma once
// What the program needs from a WAVE file's header: its format and how long it plays.
#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zp {

struct WavInfo
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataOffset = 0; // where the samples begin in the file
    std::uint32_t dataBytes = 0;
    int durationMs = 0; // rounded to the nearest millisecond
};

// Reads a RIFF WAVE image (PCM); nothing when it is not one or is cut short.
std::optional<WavInfo> readWavInfo(const QByteArray& bytes);

} // namespace zp

#include "platform/wav.h"

#include <algorithm>
#include <cmath>

namespace zp {

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at)
{
    auto u = [&](qsizetype i) { return std::uint32_t(std::uint8_t(b[at + i])); };
    return u(0) | (u(1) << 8) | (u(2) << 16) | (u(3) << 24);
}

std::uint16_t le16(const QByteArray& b, qsizetype at)
{
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

} // namespace

std::optional<WavInfo> readWavInfo(const QByteArray& bytes)
{
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") return std::nullopt;
    WavInfo info;
    bool haveFormat = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size() && !haveData) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size()) return std::nullopt;
            if (le16(bytes, body) != 1) return std::nullopt; // PCM only
            info.channels = le16(bytes, body + 2);
            info.sampleRate = int(le32(bytes, body + 4));
            info.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            // A data chunk longer than the file is cut to what is there.
            info.dataOffset = std::uint32_t(body);
            info.dataBytes = std::uint32_t(std::min<qint64>(size, bytes.size() - body));
            haveData = true;
        }
        at = body + qsizetype(size) + (size & 1); // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData) return std::nullopt;
    const int bytesPerFrame = info.channels * ((info.bitsPerSample + 7) / 8);
    if (info.sampleRate <= 0 || bytesPerFrame <= 0) return std::nullopt;
    const double frames = double(info.dataBytes / std::uint32_t(bytesPerFrame));
    info.durationMs = int(std::lround(frames * 1000.0 / info.sampleRate));
    return info;
}

} // namespace zp

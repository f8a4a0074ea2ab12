#pragma once
// A WAVE file in memory for the tests of sound: `frames` samples of silence with the header a player reads.
#include <QByteArray>

namespace zp::prueba {

inline QByteArray Wav(int hercios, int bits, int canales, int muestras, quint16 formato = 1)
{
    const int bloque = canales * bits / 8;
    QByteArray b;
    auto u32 = [&](quint32 v) { b.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { b.append(reinterpret_cast<const char*>(&v), 2); };
    b.append("RIFF");
    u32(quint32(36 + muestras * bloque));
    b.append("WAVEfmt ");
    u32(16);
    u16(formato);
    u16(quint16(canales));
    u32(quint32(hercios));
    u32(quint32(hercios * bloque));
    u16(quint16(bloque));
    u16(quint16(bits));
    b.append("data");
    u32(quint32(muestras * bloque));
    b.append(QByteArray(muestras * bloque, '\x80'));
    return b;
}

} // namespace zp::prueba

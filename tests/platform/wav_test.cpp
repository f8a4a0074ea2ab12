#include "common/wav_prueba.h"
#include "platform/wav.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using zp::prueba::Wav;

TEST(CabeceraWav, la_duracion_sale_de_los_datos_y_la_frecuencia)
{
    // rate, bits, frames, ms
    const std::array<int, 4> casos[] = {
        {22050, 8, 463, 21}, // the click of every button
        {22050, 8, 2161, 98},    {24000, 16, 3480, 145}, {11025, 8, 5071, 460},
        {22050, 8, 82533, 3743}, {11025, 8, 0, 0},
    };
    for (const auto& [rate, bits, frames, ms] : casos) {
        auto info = zp::readWavInfo(Wav(rate, bits, 1, frames));
        ASSERT_TRUE(info.has_value()) << frames;
        EXPECT_EQ(info->durationMs, ms) << rate << " Hz, " << frames << " muestras";
        EXPECT_EQ(info->sampleRate, rate);
        EXPECT_EQ(info->bitsPerSample, bits);
    }
}

TEST(CabeceraWav, un_fichero_roto_no_da_duracion_ni_se_cae)
{
    const QByteArray bueno = Wav(22050, 8, 1, 100);
    QByteArray sinFormato = bueno;
    sinFormato.replace(12, 4, "junk");
    QByteArray tamanoEnorme = bueno;
    tamanoEnorme.replace(16, 4, QByteArray("\xff\xff\xff\xff", 4));
    const QByteArray casos[] = {
        QByteArray(),
        QByteArray("RIFF"),
        bueno.left(20),
        bueno.left(40),
        QByteArray("RIFX") + bueno.mid(4),
        Wav(22050, 8, 1, 100, 3),
        Wav(0, 8, 1, 100),
        Wav(22050, 0, 0, 100),
        sinFormato,
        tamanoEnorme,
    };
    for (const QByteArray& c : casos) EXPECT_FALSE(zp::readWavInfo(c).has_value()) << c.size() << " bytes";
    // Data cut short: the length of what is there.
    auto corto = zp::readWavInfo(bueno.left(44 + 50));
    ASSERT_TRUE(corto.has_value());
    EXPECT_EQ(corto->dataBytes, 50u);
}

TEST(CabeceraWav, las_muestras_empiezan_tras_los_trozos_que_no_se_leen)
{
    // A chunk of odd size before the samples is padded to an even one.
    QByteArray b = Wav(22050, 8, 1, 10);
    b.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
    b.replace(4, 4, QByteArray("\x3a\0\0\0", 4));
    auto info = zp::readWavInfo(b);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->dataOffset, 56u);
    EXPECT_EQ(info->dataBytes, 10u);
    EXPECT_EQ(zp::readWavInfo(Wav(22050, 8, 1, 10))->dataOffset, 44u);
}

} // namespace

// The sounds: each a PCM WAVE file with the plain 44-byte header, of exactly the format and length the
// game's timing relies on, within full scale, and silent at both ends so that it starts and stops without a
// click.
#include "assets/recursos.h"
#include "platform/wav.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>

namespace rc = zp::recursos;

TEST(Sonidos, cada_sonido_tiene_su_formato_y_su_duracion_y_no_satura_ni_chasquea)
{
    rc::RegistrarRecursos();
    for (const auto& s : rc::sonidos::Lista) {
        SCOPED_TRACE(s.ruta);
        QFile f(QString::fromLatin1(s.ruta));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        const auto info = zp::readWavInfo(b);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(std::tuple(info->channels, info->sampleRate, info->bitsPerSample),
                  std::tuple(1, s.hercios, s.bits));
        // The sizes, byte rate and block size a player trusts, where every player looks for them.
        ASSERT_EQ(b.size(), 44 + qsizetype(info->dataBytes));
        EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 4), quint32(b.size() - 8));
        EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 28), quint32(s.hercios * s.bits / 8));
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 32), s.bits / 8);
        const int n = int(info->dataBytes) / (s.bits / 8);
        EXPECT_EQ(n, rc::sonidos::Muestras(s));
        EXPECT_EQ(info->durationMs, s.milisegundos); // to the millisecond the timing of play counts on

        auto muestra = [&](int k) { // as a fraction of full scale
            return s.bits == 8 ? (quint8(b[44 + k]) - 128) / 128.0
                               : qFromLittleEndian<qint16>(b.constData() + 44 + 2 * k) / 32768.0;
        };
        double pico = 0, energia = 0;
        for (int k = 0; k < n; ++k)
            pico = std::max(pico, std::abs(muestra(k))), energia += muestra(k) * muestra(k);
        EXPECT_LT(pico, 0.95);
        EXPECT_GT(pico, 0.3); // audible, not a silent file
        EXPECT_GT(std::sqrt(energia / n), 0.02);
        EXPECT_LT(std::abs(muestra(0)), 0.02);
        EXPECT_LT(std::abs(muestra(n - 1)), 0.02);
    }
    // No sound for 8 and 13.
    EXPECT_EQ(rc::sonidos::Buscar(8), nullptr);
    EXPECT_EQ(rc::sonidos::Buscar(13), nullptr);
}

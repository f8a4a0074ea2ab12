// The sounds: each a WAVE file of exactly the format and length the game's timing relies on, within full
// scale, and silent at both ends so that it starts and stops without a click.
#include "assets/recursos.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace rc = zp::recursos;

namespace {

struct Wav
{
    bool valido = false;
    int formato = 0, canales = 0, hercios = 0, bytes_por_segundo = 0, alineacion = 0, bits = 0;
    QByteArray datos;
};

quint16 Leer16(const QByteArray& b, int i)
{
    return qFromLittleEndian<quint16>(b.constData() + i);
}
quint32 Leer32(const QByteArray& b, int i)
{
    return qFromLittleEndian<quint32>(b.constData() + i);
}

// Walks the chunks as any player would, so an odd layout would be caught rather than assumed.
Wav Analizar(const QByteArray& b)
{
    Wav w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return w;
    if (Leer32(b, 4) != quint32(b.size() - 8)) return w;
    bool fmt = false;
    int i = 12;
    while (i + 8 <= b.size()) {
        QByteArray id = b.mid(i, 4);
        int largo = int(Leer32(b, i + 4));
        if (i + 8 + largo > b.size()) return w;
        if (id == "fmt " && largo >= 16) {
            w.formato = Leer16(b, i + 8);
            w.canales = Leer16(b, i + 10);
            w.hercios = int(Leer32(b, i + 12));
            w.bytes_por_segundo = int(Leer32(b, i + 16));
            w.alineacion = Leer16(b, i + 20);
            w.bits = Leer16(b, i + 22);
            fmt = true;
        } else if (id == "data") {
            w.datos = b.mid(i + 8, largo);
            w.valido = fmt;
            return w;
        }
        i += 8 + largo + (largo & 1);
    }
    return w;
}

// Sample k as a fraction of full scale, -1..1.
double Muestra(const Wav& w, int k)
{
    if (w.bits == 8) return (quint8(w.datos[k]) - 128) / 128.0;
    return qFromLittleEndian<qint16>(w.datos.constData() + 2 * k) / 32768.0;
}

} // namespace

TEST(Sonidos, cada_sonido_tiene_el_formato_y_la_duracion_exactos)
{
    rc::RegistrarRecursos();
    for (const auto& s : rc::sonidos::Lista) {
        SCOPED_TRACE(s.ruta);
        QFile f(QString::fromLatin1(s.ruta));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        Wav w = Analizar(f.readAll());
        ASSERT_TRUE(w.valido);
        EXPECT_EQ(w.formato, 1);
        EXPECT_EQ(w.canales, 1);
        EXPECT_EQ(w.hercios, s.hercios);
        EXPECT_EQ(w.bits, s.bits);
        EXPECT_EQ(w.alineacion, s.bits / 8);
        EXPECT_EQ(w.bytes_por_segundo, s.hercios * s.bits / 8);
        const int muestras = int(w.datos.size()) / (s.bits / 8);
        EXPECT_EQ(muestras, rc::sonidos::Muestras(s));
        // The length read back from the header is the one the timing of play counts on, to the millisecond.
        EXPECT_NEAR(1000.0 * muestras / w.hercios, s.milisegundos, 0.5);
    }
    // The click of every button; no sound for 8 and 13.
    ASSERT_NE(rc::sonidos::Buscar(9), nullptr);
    EXPECT_EQ(rc::sonidos::Muestras(*rc::sonidos::Buscar(9)), 463);
    EXPECT_EQ(rc::sonidos::Buscar(8), nullptr);
    EXPECT_EQ(rc::sonidos::Buscar(13), nullptr);
}

TEST(Sonidos, ningun_sonido_satura_ni_empieza_o_acaba_con_un_chasquido)
{
    for (const auto& s : rc::sonidos::Lista) {
        SCOPED_TRACE(s.ruta);
        QFile f(QString::fromLatin1(s.ruta));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        Wav w = Analizar(f.readAll());
        ASSERT_TRUE(w.valido);
        const int n = int(w.datos.size()) / (w.bits / 8);
        double pico = 0, energia = 0;
        for (int k = 0; k < n; ++k) {
            double v = Muestra(w, k);
            pico = std::max(pico, std::abs(v));
            energia += v * v;
        }
        EXPECT_LT(pico, 0.95);
        EXPECT_GT(pico, 0.3); // audible, not a silent file
        EXPECT_GT(std::sqrt(energia / n), 0.02);
        EXPECT_LT(std::abs(Muestra(w, 0)), 0.02);
        EXPECT_LT(std::abs(Muestra(w, n - 1)), 0.02);
    }
}

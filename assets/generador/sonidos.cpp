// The sounds, synthesised: struck modes for the tiles and clicks, filtered noise for slides and paper,
// tones for the signals. Each fits its exact rate, depth and length, peaks below full scale and fades at both
// ends so that it starts and stops without a click.
#include "hojas.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zp::generador {

namespace {

constexpr double Pi2 = 2 * std::numbers::pi;

using Onda = std::vector<double>;

// A damped resonance struck at time t0: the ring of wood or plastic.
void Modo(Onda& o, double hz, double f, double t0, double amp, double caida)
{
    for (std::size_t i = std::size_t(std::max(0.0, t0 * hz)); i < o.size(); ++i) {
        double t = double(i) / hz - t0;
        o[i] += amp * std::exp(-t / caida) * std::sin(Pi2 * f * t);
    }
}

// Two-pole resonant filter over white noise: a band of hiss around fc.
struct Banda
{
    double a1 = 0, a2 = 0, b0 = 0, y1 = 0, y2 = 0;
    Banda(double hz, double fc, double q)
    {
        double w = Pi2 * fc / hz, r = std::exp(-w / (2 * q));
        a1 = 2 * r * std::cos(w);
        a2 = -r * r;
        b0 = 1 - r;
    }
    double operator()(double x)
    {
        double y = b0 * x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

void Golpe(Onda& o, double hz, double t0, double amp, double caida, double fc, Azar& azar)
{
    Banda b(hz, fc, 2.0);
    for (std::size_t i = std::size_t(std::max(0.0, t0 * hz)); i < o.size(); ++i) {
        double t = double(i) / hz - t0;
        if (t > caida * 8) break;
        o[i] += amp * std::exp(-t / caida) * b(azar.Entre(-1, 1)) * 4.0;
    }
}

void Tono(Onda& o, double hz, double f0, double f1, double t0, double dur, double amp, double armonicos,
          double ataque = 0.004)
{
    double fase = 0;
    for (std::size_t i = std::size_t(t0 * hz); i < o.size(); ++i) {
        double t = double(i) / hz - t0;
        if (t >= dur) break;
        double f = f0 + (f1 - f0) * t / dur;
        fase += Pi2 * f / hz;
        double env = std::min(1.0, t / ataque) * std::min(1.0, (dur - t) / 0.02);
        double s =
            std::sin(fase) + armonicos * 0.5 * std::sin(2 * fase) + armonicos * 0.3 * std::sin(3 * fase);
        o[i] += amp * env * s;
    }
}

Onda Sintetizar(int id, double hz, std::size_t n)
{
    Onda o(n, 0.0);
    Azar azar(1000 + std::uint64_t(id));
    const double largo = double(n) / hz;
    switch (id) {
    case 1: // tile lands on the line: a dry wooden clack
        Golpe(o, hz, 0.0, 0.9, 0.004, 2400, azar);
        Modo(o, hz, 1180, 0.0, 0.7, 0.018);
        Modo(o, hz, 2630, 0.0, 0.35, 0.009);
        Modo(o, hz, 640, 0.0, 0.4, 0.025);
        break;
    case 2: // tile put down: a softer tap with a small rebound
        Golpe(o, hz, 0.0, 0.6, 0.005, 1500, azar);
        Modo(o, hz, 820, 0.0, 0.6, 0.024);
        Modo(o, hz, 1730, 0.0, 0.25, 0.012);
        Golpe(o, hz, 0.045, 0.2, 0.003, 1800, azar);
        Modo(o, hz, 820, 0.045, 0.18, 0.015);
        break;
    case 3: { // slide: hiss that swells and fades as the tile crosses the table
        Banda b(hz, 1700, 0.8), c(hz, 4200, 1.2);
        for (std::size_t i = 0; i < n; ++i) {
            double t = double(i) / largo / hz;
            double env = std::sin(std::numbers::pi * t) * (0.8 + 0.2 * std::sin(Pi2 * 13 * t * largo));
            o[i] = env * (b(azar.Entre(-1, 1)) * 3.0 + c(azar.Entre(-1, 1)) * 1.5);
        }
        break;
    }
    case 4: // arrow blink: a short round blip
        Tono(o, hz, 1320, 1180, 0.0, largo, 0.8, 0.25, 0.006);
        for (std::size_t i = 0; i < n; ++i) o[i] *= std::exp(-double(i) / hz / 0.06);
        break;
    case 5: // tile lifted: a light tick and a rising breath
        Golpe(o, hz, 0.0, 0.5, 0.003, 2500, azar);
        Modo(o, hz, 1900, 0.0, 0.4, 0.008);
        Tono(o, hz, 420, 760, 0.01, largo - 0.01, 0.25, 0.1, 0.03);
        for (std::size_t i = std::size_t(0.01 * hz); i < n; ++i) o[i] *= 1.0 - 0.7 * double(i) / double(n);
        break;
    case 6: // control pressed: firm click
        Golpe(o, hz, 0.0, 0.8, 0.002, 3000, azar);
        Modo(o, hz, 2200, 0.0, 0.6, 0.006);
        Modo(o, hz, 900, 0.0, 0.3, 0.01);
        break;
    case 7: // control released: lighter, higher click
        Golpe(o, hz, 0.0, 0.5, 0.0015, 4200, azar);
        Modo(o, hz, 3100, 0.0, 0.5, 0.005);
        Modo(o, hz, 1400, 0.002, 0.25, 0.008);
        break;
    case 9: // button: very short click
        Golpe(o, hz, 0.0, 0.7, 0.0012, 3500, azar);
        Modo(o, hz, 1700, 0.0, 0.6, 0.004);
        break;
    case 10: { // page turned: a paper swish with a few crinkles
        Banda b(hz, 2200, 0.7), c(hz, 900, 0.9);
        for (std::size_t i = 0; i < n; ++i) {
            double t = double(i) / double(n);
            double env = std::pow(std::sin(std::numbers::pi * std::pow(t, 0.7)), 2.0);
            o[i] = env * (b(azar.Entre(-1, 1)) * 3.0 + c(azar.Entre(-1, 1)) * 1.2);
        }
        for (double t : {0.06, 0.17, 0.29, 0.36}) Golpe(o, hz, t, 0.3, 0.004, 2600, azar);
        break;
    }
    case 11: // pass: a low falling "no" that dies away
        Tono(o, hz, 392, 262, 0.0, largo, 0.7, 0.6, 0.01);
        for (std::size_t i = 0; i < n; ++i) o[i] *= std::exp(-double(i) / hz / 0.11);
        break;
    case 12: { // leader chosen: two bell notes
        for (auto [t0, f] : {std::pair{0.0, 987.8}, std::pair{0.13, 1318.5}}) {
            Modo(o, hz, f, t0, 0.55, 0.16);
            Modo(o, hz, f * 2.01, t0, 0.18, 0.08);
            Modo(o, hz, f * 3.0, t0, 0.07, 0.05);
        }
        break;
    }
    case 14: { // domino: a brass fanfare, arpeggio up to a held chord
        struct Nota
        {
            double t0, dur, f;
        };
        const Nota notas[] = {{0.00, 0.22, 392.0}, {0.22, 0.22, 523.3}, {0.44, 0.22, 659.3},
                              {0.66, 0.40, 784.0}, {1.10, 0.18, 659.3}, {1.30, 2.40, 784.0},
                              {1.30, 2.40, 523.3}, {1.30, 2.40, 659.3}, {1.30, 2.40, 261.6}};
        for (const Nota& nt : notas) {
            double fase = 0;
            for (std::size_t i = std::size_t(nt.t0 * hz); i < n; ++i) {
                double t = double(i) / hz - nt.t0;
                if (t >= nt.dur) break;
                double vib = 1 + 0.004 * std::sin(Pi2 * 5.5 * t) * std::min(1.0, t / 0.3);
                fase += Pi2 * nt.f * vib / hz;
                double env = std::min(1.0, t / 0.02) * std::min(1.0, (nt.dur - t) / 0.08);
                if (nt.dur > 1) env *= std::exp(-t / 2.2);
                double brillo = 0.5 + 0.5 * std::min(1.0, t / 0.05);
                double s = 0;
                for (int k = 1; k <= 6; ++k) s += std::sin(k * fase) / (k * (1.0 + (k - 1) * (1.2 - brillo)));
                o[i] += 0.22 * env * s;
            }
        }
        break;
    }
    case 15: { // shuffle: tiles clattering under the hands, over a low rumble
        Banda ruido(hz, 500, 0.7);
        for (std::size_t i = 0; i < n; ++i) {
            double t = double(i) / double(n);
            double env = std::min(1.0, t / 0.05) * std::min(1.0, (1 - t) / 0.1);
            o[i] += 0.25 * env * ruido(azar.Entre(-1, 1)) * 3.0;
        }
        double t = 0.02;
        while (t < largo - 0.06) {
            double fase = t / largo;
            double densidad = 0.6 + 0.4 * std::sin(Pi2 * 1.7 * fase);
            double amp = azar.Entre(0.15, 0.5) * (0.7 + 0.3 * densidad);
            double f = azar.Entre(900, 2600);
            Golpe(o, hz, t, amp * 0.6, 0.002, f * 1.3, azar);
            Modo(o, hz, f, t, amp, azar.Entre(0.004, 0.012));
            t += azar.Entre(0.012, 0.07) / densidad;
        }
        break;
    }
    default:
        break;
    }
    return o;
}

void Normalizar(Onda& o, double hz)
{
    // Fades first: a couple of milliseconds in, a little longer out, never more than a fifth of the sound.
    const std::size_t n = o.size();
    std::size_t entrada = std::min<std::size_t>(std::size_t(0.0015 * hz), n / 5);
    std::size_t salida = std::min<std::size_t>(std::size_t(0.006 * hz), n / 5);
    for (std::size_t i = 0; i < entrada; ++i)
        o[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(entrada));
    for (std::size_t i = 0; i < salida; ++i)
        o[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(salida));
    // Then every sound peaks at the same level, safely below full scale.
    double pico = 0;
    for (double v : o) pico = std::max(pico, std::abs(v));
    if (pico > 0)
        for (double& v : o) v *= 0.88 / pico;
}

void Poner16(QByteArray& b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void Poner32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

} // namespace

QByteArray Sonido(const recursos::sonidos::Sonido& s)
{
    const std::size_t n = std::size_t(recursos::sonidos::Muestras(s));
    Onda o = Sintetizar(s.id, s.hercios, n);
    Normalizar(o, s.hercios);
    const int bytes = s.bits / 8;
    const quint32 datos = quint32(n) * quint32(bytes);
    QByteArray b;
    b.append("RIFF", 4);
    Poner32(b, 36 + datos);
    b.append("WAVEfmt ", 8);
    Poner32(b, 16);
    Poner16(b, 1); // PCM
    Poner16(b, 1); // mono
    Poner32(b, quint32(s.hercios));
    Poner32(b, quint32(s.hercios * bytes));
    Poner16(b, quint16(bytes));
    Poner16(b, quint16(s.bits));
    b.append("data", 4);
    Poner32(b, datos);
    for (double v : o) {
        if (bytes == 1)
            b.append(char(std::clamp(int(std::lround(128 + 127 * v)), 1, 255)));
        else
            Poner16(b, quint16(qint16(std::clamp(int(std::lround(32767 * v)), -32767, 32767))));
    }
    return b;
}

} // namespace zp::generador

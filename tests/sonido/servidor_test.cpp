// The program's sounds as a person hears them: played on a real sound server (a PulseAudio daemon of the
// test's own, with a null sink), recorded from the sink's monitor, and compared with the same file played by
// the server's own player.
#include "assets/recursos.h"
#include "kit/sonido.h"
#include "platform/clock.h"
#include "platform/sound_output.h"
#include "platform/wav.h"
#include "tests/sonido/servidor_pulse.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

namespace {

namespace rc = zp::recursos;
using zp::prueba::kHerciosGrabacion;
using zp::prueba::ServidorPulse;

QString Ruta(int id)
{
    return zp::RutaSonidoRecurso(zp::Entero(id));
}

std::size_t Muestras(int ms)
{
    return std::size_t(ms) * kHerciosGrabacion / 1000;
}

// What `sonar` makes the sink play, from its call until the sink has been quiet for a while after the sound's
// length, or until it is plainly over. Without sound from the monitor a sample is exactly zero.
double Energia(ServidorPulse& servidor, int ms, const std::function<void()>& sonar)
{
    const std::size_t desde = servidor.Grabado();
    sonar();
    const std::size_t minimo = desde + Muestras(ms + 250), maximo = desde + Muestras(ms + 2500);
    const std::size_t silencio = Muestras(200);
    auto acabado = [&] {
        const auto& m = servidor.Muestras();
        if (servidor.Grabado() >= maximo) return true;
        if (m.size() < minimo) return false;
        bool oido = false;
        for (std::size_t i = desde; i < m.size() && !oido; ++i) oido = m[i] != 0;
        for (std::size_t i = m.size() - silencio; i < m.size(); ++i)
            if (m[i] != 0) return false;
        return oido;
    };
    EXPECT_TRUE(zp::prueba::EsperarA(acabado, 60000)) << "the recording stopped";
    const auto& m = servidor.Muestras();
    double e = 0;
    for (std::size_t i = desde; i < m.size(); ++i) e += double(m[i]) * m[i];
    return e;
}

class SonidoEnServidor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rc::RegistrarRecursos();
        ASSERT_LT(servidor_.Direccion().size(), 100) << "the socket's path is too long for a Unix socket";
        ASSERT_TRUE(servidor_.Arrancar()) << "pulseaudio did not start";
        ASSERT_TRUE(servidor_.Grabar()) << "parec did not record";
    }

    // The sound's file beside the server, for its own player.
    QString Fichero(int id)
    {
        const QString ruta = servidor_.Carpeta() + QString("%1.wav").arg(id, 2, 10, QChar('0'));
        if (!QFile::exists(ruta)) QFile::copy(Ruta(id), ruta);
        return ruta;
    }
    int Duracion(int id) { return rc::sonidos::Buscar(id)->milisegundos; }

    // The energy of the sound played by the server's own player, measured once. It is close to the file's
    // own at the recording's rate: the recording holds all that the sink played.
    double Referencia(int id)
    {
        auto [it, nuevo] = referencias_.try_emplace(id, 0.0);
        if (nuevo) {
            const QString f = Fichero(id);
            it->second = Energia(servidor_, Duracion(id), [&] { EXPECT_TRUE(servidor_.Paplay(f)); });
            // The server's resampler takes a little off the top of a sound at 11,025 Hz.
            const double deFichero = it->second / EnergiaFichero(f);
            EXPECT_GT(deFichero, 0.85) << "the recording is not what the sink played";
            EXPECT_LT(deFichero, 1.05) << "the recording is not what the sink played";
        }
        return it->second;
    }

    static double EnergiaFichero(const QString& ruta)
    {
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly)) return 0;
        const QByteArray b = f.readAll();
        const auto info = zp::readWavInfo(b);
        if (!info) return 0;
        double e = 0;
        for (std::uint32_t i = 0; i < info->dataBytes; i += std::uint32_t(info->bitsPerSample / 8)) {
            const char* m = b.constData() + info->dataOffset + i;
            const double x =
                info->bitsPerSample == 8 ? (std::uint8_t(*m) - 128) * 256.0 : qFromLittleEndian<qint16>(m);
            e += x * x;
        }
        return e * kHerciosGrabacion / info->sampleRate;
    }

    // Plays sound `id` through the output as the program does with a sound it waits for: it starts it and
    // keeps a quiet pause of the sound's length.
    double EnergiaDe(zp::SoundOutput& salida, int id)
    {
        return Energia(servidor_, Duracion(id), [&] {
            salida.play(Ruta(id));
            zp::systemClock().pauseUntil(zp::systemClock().now(), std::uint32_t(Duracion(id)));
        });
    }

    // A quiet pause on the program's clock.
    static void Pausa(int ms) { zp::systemClock().pauseUntil(zp::systemClock().now(), std::uint32_t(ms)); }

    ServidorPulse servidor_;
    std::map<int, double> referencias_;
};

TEST_F(SonidoEnServidor, cada_sonido_del_programa_se_oye_entero_como_con_el_reproductor_del_servidor)
{
    std::unique_ptr<zp::SoundOutput> salida;
    for (const auto& s : rc::sonidos::Lista) {
        const double referencia = Referencia(s.id);
        ASSERT_GT(referencia, 0) << s.ruta << ": the server's player was not heard";
        // Opened at the first sound, as the program opens it: that sound waits for the server to answer.
        if (!salida) salida = zp::openSoundOutput();
        ASSERT_TRUE(salida);
        const double proporcion = EnergiaDe(*salida, s.id) / referencia;
        std::printf("sonido %02d (%d ms): %.3f de la energía del reproductor del servidor\n", s.id,
                    s.milisegundos, proporcion);
        EXPECT_NEAR(proporcion, 1.0, 0.05) << s.ruta;
    }
}

TEST_F(SonidoEnServidor, los_sonidos_mas_cortos_seguidos_y_esperados_se_oyen_todos)
{
    // As the program plays them: each sound waited for, the next one started at once.
    zp::Sonidos sonidos(zp::openSoundOutput(), zp::RutaSonidoRecurso);
    for (int id : {9, 6, 7}) {
        const int veces = 8;
        const double referencia = Referencia(id);
        ASSERT_GT(referencia, 0);
        const double e = Energia(servidor_, Duracion(id) * veces, [&] {
            for (int i = 0; i < veces; ++i) sonidos.ReproducirSonido(0, zp::Entero(id), true);
        });
        const double proporcion = e / (veces * referencia);
        std::printf("%d veces el sonido %02d seguidas: %.3f de la energía esperada\n", veces, id, proporcion);
        // One of them lost is 1/8 less. Two that the server happens to start together add up to more than
        // the two apart: only the loss is looked at.
        EXPECT_GT(proporcion, 0.94) << "sonido " << id;
    }
}

TEST_F(SonidoEnServidor, un_sonido_nuevo_corta_el_que_suena)
{
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    const double largo = Referencia(14), corto = Referencia(9);
    const double e = Energia(servidor_, 300 + Duracion(9), [&] {
        salida->play(Ruta(14));
        zp::systemClock().pauseUntil(zp::systemClock().now(), 300);
        salida->play(Ruta(9));
    });
    std::printf("cortado a los 300 ms: %.3f de la energía del largo entero\n", e / largo);
    EXPECT_LT(e, largo / 3); // the long one is 3.7 s
    EXPECT_GT(e, corto);
}

TEST_F(SonidoEnServidor, sin_servidor_calla_y_al_volver_el_servidor_vuelve_el_sonido)
{
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    const double corto = Referencia(9);
    auto oido = [&] { return EnergiaDe(*salida, 9) > 0.9 * corto; };
    ASSERT_TRUE(oido());

    // The server dies in the middle of a sound: the program plays on, silent.
    salida->play(Ruta(14));
    servidor_.PararGrabacion();
    servidor_.Matar();
    for (int id : {9, 14, 1}) salida->play(Ruta(id));
    salida->stop();

    // Back again on the same socket: the sound comes back within a few plays.
    ASSERT_TRUE(servidor_.Arrancar());
    ASSERT_TRUE(servidor_.Grabar());
    bool vuelve = false;
    for (int intento = 0; intento < 20 && !vuelve; ++intento) vuelve = oido();
    EXPECT_TRUE(vuelve);
}

TEST_F(SonidoEnServidor, un_sonido_que_el_servidor_abre_tarde_pero_a_tiempo_se_oye_entero_aunque_le_siga_otro)
{
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    const double largo = Referencia(12), corto = Referencia(9);
    ASSERT_GT(EnergiaDe(*salida, 9), 0.9 * corto) << "the server does not answer";
    // The server busy for the whole of the sound: the next one is asked for before its stream opens.
    const double e = Energia(servidor_, Duracion(12) + Duracion(9), [&] {
        EXPECT_TRUE(servidor_.Detener());
        salida->play(Ruta(12));
        Pausa(Duracion(12));
        salida->play(Ruta(9));
        EXPECT_TRUE(servidor_.Continuar());
    });
    std::printf("abierto tarde y seguido de otro: %.3f de la energía del largo\n", e / largo);
    EXPECT_GT(e, 0.9 * largo);
}

TEST_F(SonidoEnServidor, un_sonido_que_el_servidor_no_abre_en_su_duracion_y_un_margen_ya_no_suena)
{
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    const double corto = Referencia(9);
    ASSERT_GT(EnergiaDe(*salida, 9), 0.9 * corto) << "the server does not answer";
    // A second's stall, far beyond the click's length and the allowance; then the click once more, heard
    // on its own once the first has been given up.
    const double e = Energia(servidor_, Duracion(9), [&] {
        EXPECT_TRUE(servidor_.Detener());
        salida->play(Ruta(9));
        Pausa(1000);
        EXPECT_TRUE(servidor_.Continuar());
        EXPECT_TRUE(zp::prueba::EsperarA([&] { return !salida->isPlaying(Ruta(9)); }));
        salida->play(Ruta(9));
        Pausa(Duracion(9));
    });
    std::printf("tras un segundo sin servidor: %.3f de la energía de un clic\n", e / corto);
    EXPECT_NEAR(e / corto, 1.0, 0.3);
}

TEST_F(SonidoEnServidor, los_sonidos_cortados_mientras_el_servidor_los_abre_no_le_quedan_abiertos)
{
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    ASSERT_GT(EnergiaDe(*salida, 9), 0.9 * Referencia(9)) << "the server does not answer";
    ASSERT_TRUE(servidor_.Detener());
    for (int i = 0; i < 10; ++i) salida->play(Ruta(i % 2 ? 12 : 14)); // each one cut by the next
    salida->stop();
    ASSERT_TRUE(servidor_.Continuar());
    EXPECT_TRUE(zp::prueba::EsperarA([&] { return servidor_.Reproducciones() == 0; }, 10000))
        << servidor_.Reproducciones() << " streams left open on the server";
}

TEST_F(SonidoEnServidor, muchos_sonidos_rapidos_y_paradas_no_cruzan_los_hilos_de_la_salida)
{
#ifndef ZP_MUCHOS_SONIDOS
    GTEST_SKIP() << "built with another sanitizer: no thread checker";
#else
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("TSAN_OPTIONS", "halt_on_error=1 exitcode=66"); // the first race ends it
    p.setProcessEnvironment(entorno);
    p.start(ZP_MUCHOS_SONIDOS, {"400", Fichero(9), Fichero(6), Fichero(7), Fichero(1)});
    ASSERT_TRUE(zp::prueba::EsperarA([&] { return p.state() == QProcess::NotRunning; }, 120000));
    const QByteArray errores = p.readAllStandardError();
    if (errores.contains("ThreadSanitizer: unexpected memory mapping"))
        GTEST_SKIP() << "the thread checker cannot run with this kernel's address layout (vm.mmap_rnd_bits)";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << errores.constData();
    EXPECT_EQ(p.exitCode(), 0) << errores.constData();
    EXPECT_FALSE(errores.contains("ThreadSanitizer")) << errores.constData();
    EXPECT_EQ(p.readAllStandardOutput(), "400 sonidos\n");
#endif
}

} // namespace

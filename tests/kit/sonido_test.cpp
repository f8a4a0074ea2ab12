#include "common/wav_prueba.h"
#include "kit/sonido.h"
#include "platform/sound_output.h"
#include "tests/soporte/reloj_falso.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using zp::prueba::RelojFalso;

// A WAVE file of `ms` of silence, 22050 Hz, 8 bits, mono.
void escribirWav(const QString& ruta, int ms)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(zp::prueba::Wav(22050, 8, 1, 22050 * ms / 1000));
}

// What the device is asked to do.
class SalidaGrabada : public zp::SoundOutput
{
public:
    explicit SalidaGrabada(QStringList* registro) : registro_(registro) {}
    void play(const QString& ruta) override { registro_->append("suena " + ruta.section('/', -1)); }
    void stop() override { registro_->append("para"); }
    bool isPlaying(const QString&) const override { return false; }

private:
    QStringList* registro_;
};

class SonidoPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        escribirWav(dir_.filePath("09.wav"), 21);
        escribirWav(dir_.filePath("14.wav"), 3743);
        QFile roto(dir_.filePath("05.wav"));
        ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
        roto.write("RIFF\x10\0\0\0WAVE", 12);
    }
    zp::Sonidos::BuscarRuta ruta()
    {
        return [this](zp::Entero id) {
            return dir_.filePath(QStringLiteral("%1.wav").arg(int(id), 2, 10, QChar('0')));
        };
    }
    zp::Sonidos conDispositivo()
    {
        return zp::Sonidos(std::make_unique<SalidaGrabada>(&registro_), ruta(), reloj_);
    }
    zp::Sonidos sinDispositivo() { return zp::Sonidos(nullptr, ruta(), reloj_); }

    QTemporaryDir dir_;
    QStringList registro_;
    RelojFalso reloj_;
};

TEST_F(SonidoPrueba, el_modo_1_vuelve_enseguida_y_los_demas_esperan_la_duracion_de_la_cabecera)
{
    const std::pair<zp::Entero, bool> casos[] = {{1, false}, {0, true}, {2, true}, {-1, true}}; // mode, waits
    for (bool dispositivo : {true, false})
        for (const auto& [modo, espera] : casos) {
            reloj_.esperas.clear();
            registro_.clear();
            zp::Sonidos sonidos = dispositivo ? conDispositivo() : sinDispositivo();
            sonidos.ReproducirSonido(modo, 9, true);
            EXPECT_EQ(registro_, dispositivo ? QStringList{"suena 09.wav"} : QStringList{});
            if (espera) {
                ASSERT_EQ(reloj_.esperas.size(), 1u) << "modo " << modo;
                EXPECT_EQ(reloj_.esperas[0].duracion, 21u);
            } else {
                EXPECT_TRUE(reloj_.esperas.empty()) << "modo " << modo;
            }
        }
}

TEST_F(SonidoPrueba, con_el_sonido_apagado_o_sin_sonido_que_valga_no_suena_ni_espera)
{
    zp::Sonidos sonidos = conDispositivo();
    sonidos.ReproducirSonido(0, 14, false);
    sonidos.ReproducirSonido(1, 9, false);
    for (int id : {8, 13, 5, 0, -3, 999})
        sonidos.ReproducirSonido(0, zp::Entero(id), true); // none, or broken
    EXPECT_TRUE(registro_.empty());
    EXPECT_TRUE(reloj_.esperas.empty());
}

TEST_F(SonidoPrueba, cada_sonido_va_a_la_unica_voz)
{
    zp::Sonidos sonidos = conDispositivo();
    sonidos.ReproducirSonido(1, 14, true);
    sonidos.ReproducirSonido(0, 9, true);
    EXPECT_EQ(registro_, (QStringList{"suena 14.wav", "suena 09.wav"}));
    EXPECT_EQ(reloj_.esperas.back().duracion, 21u); // the click's length, not the fanfare's
}

TEST_F(SonidoPrueba, la_voz_del_dispositivo_corta_el_sonido_anterior_y_calla_al_acabar_el_suyo)
{
    // Without a sound server too: a sound then plays for its length, silent.
    QFile minuto(dir_.filePath("largo.wav"));
    ASSERT_TRUE(minuto.open(QIODevice::WriteOnly));
    minuto.write(zp::prueba::Wav(1000, 8, 1, 60000));
    minuto.close();
    auto salida = zp::openSoundOutput();
    ASSERT_TRUE(salida);
    const QString largo = dir_.filePath("14.wav"), otro = minuto.fileName(), corto = dir_.filePath("09.wav");
    salida->play(largo);
    EXPECT_TRUE(salida->isPlaying(largo));
    salida->play(otro);
    EXPECT_FALSE(salida->isPlaying(largo));
    EXPECT_TRUE(salida->isPlaying(otro));
    salida->stop();
    EXPECT_FALSE(salida->isPlaying(otro));
    salida->play(corto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !salida->isPlaying(corto); }, 30000));
    salida->play(dir_.filePath("05.wav")); // broken: nothing plays
    EXPECT_FALSE(salida->isPlaying(dir_.filePath("05.wav")));
}

TEST(RutaSonido, los_sonidos_del_programa_se_numeran_con_dos_cifras)
{
    EXPECT_EQ(zp::RutaSonidoRecurso(1), ":/sonidos/01.wav");
    EXPECT_EQ(zp::RutaSonidoRecurso(15), ":/sonidos/15.wav");
}

} // namespace

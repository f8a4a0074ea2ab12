#pragma once
// A PulseAudio daemon of the test's own, with one null sink, answering on a socket in a private folder, and
// a recording of that sink's monitor: what a person at the machine would hear, sample by sample. Both are
// the server's own programs (pulseaudio, parec, paplay). The sink never takes back what it has mixed ahead
// (no rewinds): the monitor would leave out the start of every new stream, as much as the sink runs ahead.
#include "common/espera_acotada.h"
#include "tests/soporte/carpeta_temporal.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <signal.h>
#include <vector>

namespace zp::prueba {

inline constexpr int kHerciosGrabacion = 44100;

class ServidorPulse
{
public:
    // Tells clients of this process where the server is: the program's output finds it the same way.
    ServidorPulse() { qputenv("PULSE_SERVER", Direccion().toUtf8()); }
    ~ServidorPulse()
    {
        PararGrabacion();
        Matar();
    }

    QString Carpeta() const { return QString::fromStdString(carpeta_.carpeta); }
    QString Direccion() const { return "unix:" + Carpeta() + "native"; }

    // Starts the daemon and waits until it says it is ready; false if it does not within the bound. What it
    // says goes to a file: a pipe that nobody reads while the program's sounds wait would fill up and stop
    // the server.
    bool Arrancar()
    {
        const QString registro = Carpeta() + "demonio.log";
        demonio_ = std::make_unique<QProcess>();
        demonio_->setProcessEnvironment(Entorno());
        demonio_->setStandardErrorFile(registro);
        demonio_->start(
            "pulseaudio",
            {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--log-target=stderr",
             "--log-level=info", "--load=module-null-sink sink_name=prueba norewinds=1",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + Carpeta() + "native"});
        auto dicho = [&] {
            QFile f(registro);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const bool listo = EsperarA([&] {
            return dicho().contains("Daemon startup complete") || demonio_->state() == QProcess::NotRunning;
        });
        // Its words can be read before the start is reported: only an end counts against it.
        if (listo && demonio_->state() != QProcess::NotRunning) return true;
        std::fputs(dicho().constData(), stderr); // what the daemon said about it
        return false;
    }

    // The server dies as a crashed one does, without a word to its clients.
    void Matar()
    {
        if (!demonio_) return;
        demonio_->kill();
        demonio_->waitForFinished(30000);
        demonio_.reset();
    }

    // The server stops answering, as a busy one does, and later takes up where it was.
    bool Detener() { return demonio_ && ::kill(pid_t(Proceso()), SIGSTOP) == 0; }
    bool Continuar() { return demonio_ && ::kill(pid_t(Proceso()), SIGCONT) == 0; }
    qint64 Proceso() const { return demonio_ ? demonio_->processId() : 0; }

    // Records the monitor into a file and waits for its first samples; a new recording starts from none.
    bool Grabar()
    {
        grabacion_ = std::make_unique<QProcess>();
        grabacion_->setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        grabacion_->setStandardOutputFile(Carpeta() + "monitor.raw");
        grabacion_->start("parec", {"-d", "prueba.monitor", "--raw", "--format=s16le", "--channels=1",
                                    "--rate=" + QString::number(kHerciosGrabacion), "--latency-msec=20"});
        fichero_.close();
        fichero_.setFileName(Carpeta() + "monitor.raw");
        leido_ = 0;
        resto_.clear();
        muestras_.clear();
        // The first samples can be in the file before the recorder's start is reported: only its end fails.
        const bool grabando =
            EsperarA([&] { return Grabado() > 0 || grabacion_->state() == QProcess::NotRunning; }) &&
            grabacion_->state() != QProcess::NotRunning;
        if (!grabando) std::fputs(grabacion_->readAllStandardError().constData(), stderr);
        return grabando;
    }

    void PararGrabacion()
    {
        if (!grabacion_) return;
        grabacion_->kill();
        grabacion_->waitForFinished(30000);
        grabacion_.reset();
    }

    // The samples recorded so far.
    std::size_t Grabado()
    {
        if (!fichero_.isOpen() && !fichero_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return 0;
        fichero_.seek(leido_);
        const QByteArray nuevo = fichero_.readAll();
        leido_ += nuevo.size();
        resto_ += nuevo;
        const qsizetype pares = resto_.size() / 2;
        for (qsizetype i = 0; i < pares; ++i)
            muestras_.push_back(
                std::int16_t(std::uint8_t(resto_[2 * i]) | (std::uint8_t(resto_[2 * i + 1]) << 8)));
        resto_.remove(0, pares * 2);
        return muestras_.size();
    }
    const std::vector<std::int16_t>& Muestras() const { return muestras_; }

    // Plays a file with the server's own player and waits for it to end.
    bool Paplay(const QString& fichero)
    {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start("paplay", {"-d", "prueba", fichero});
        return EsperarA([&] { return p.state() == QProcess::NotRunning; }) &&
               p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // The streams that play into the sink now, as the server lists them; -1 if it cannot be asked.
    int Reproducciones()
    {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start("pactl", {"list", "short", "sink-inputs"});
        if (!EsperarA([&] { return p.state() == QProcess::NotRunning; }) || p.exitCode() != 0) return -1;
        return int(p.readAllStandardOutput().count('\n'));
    }

private:
    // Nothing of the person's own desktop: its home, its bus and its displays stay out of the daemon's way.
    QProcessEnvironment Entorno() const
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER"})
            e.remove(v);
        e.insert("HOME", Carpeta());
        e.insert("XDG_RUNTIME_DIR", Carpeta());
        e.insert("XDG_CONFIG_HOME", Carpeta() + "config");
        e.insert("PULSE_RUNTIME_PATH", Carpeta() + "pulse");
        return e;
    }

    CarpetaTemporal carpeta_;
    std::unique_ptr<QProcess> demonio_;
    std::unique_ptr<QProcess> grabacion_;
    QFile fichero_;
    qint64 leido_ = 0;
    QByteArray resto_;
    std::vector<std::int16_t> muestras_;
};

} // namespace zp::prueba

// El programa entero arrancado en una carpeta de trabajo propia, con las pausas a cero: cada 10 ms se
// contesta la caja de mensajes que haya (Sí o No según su título) y, si no hay ninguna, se da el siguiente
// paso de la prueba cuando se cumple su condición, como haría una persona delante de la mesa.
#pragma once

#include "comun_mesa.h"

#include "kit/ayuda.h"
#include "kit/cursores.h"
#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "platform/wait.h"
#include "settings/core/fichero_estado.h"
#include "table/arranque_mesa.h"
#include "tests/common/puntero_encima.h"
#include "tests/soporte/reloj_falso.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <map>

namespace prueba {

struct Caja
{
    QString titulo, texto;
};

struct Paso
{
    std::function<bool()> cuando;
    std::function<void()> hacer;
    bool repetir = false; // se queda: se hace cada vez que se cumple
};

// Does `accion` on the modal window of type V as soon as it opens, once; `persona` keeps looking till then.
template <class V> void AlAbrirse(QTimer& persona, std::function<void(V&)> accion)
{
    QObject::disconnect(&persona, nullptr, nullptr, nullptr);
    QObject::connect(&persona, &QTimer::timeout, [&persona, accion] {
        auto* v = qobject_cast<V*>(QApplication::activeModalWidget());
        if (!v) return;
        persona.stop();
        accion(*v);
    });
    persona.start(10);
}

class ProgramaPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        antes = &zp::PausaPrograma().Reloj();
        zp::PausaPrograma().PonerReloj(reloj);
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        QObject::connect(&contestador, &QTimer::timeout, [this] { Contestar(); });
        QObject::connect(&guion, &QTimer::timeout, [this] { Avanzar(); });
    }
    void TearDown() override
    {
        guion.stop();
        contestador.stop();
        if (zp::VisorAyuda* ayuda = zp::AyudaAbierta()) delete ayuda;
        programa.reset();
        zp::Entorno() = zp::EntornoKit{};
        zp::PausaPrograma().PonerReloj(*antes);
    }

    std::string Carpeta() const { return carpeta.path().toStdString() + "/"; }
    QString Fichero(const char* nombre) const { return carpeta.filePath(QString::fromLatin1(nombre)); }

    // Una mano a medias de la partida: la mano 3, nadie ha jugado aún, le toca al asiento 1.
    void ManoAMedias() { prueba::RepartirManoAMedias(e, 3); }

    // Starts with the test's settings (none on a first run, or what the last run left) and returns when Main
    // is over, or at once when the program does not open its table. Meanwhile and afterwards the script
    // answers the boxes and takes the steps: `paso` on every round, and those of `pasos` in order.
    void Arrancar(std::optional<std::uint32_t> semilla = {})
    {
        if (!primeraVez) {
            ASSERT_FALSE(zp::GuardarAjustes(Carpeta(), e, a).has_value());
        }
        contestador.start(10);
        guion.start(10);
        zp::OpcionesArranque o;
        o.Careta = false;
        o.CarpetaDatos = Carpeta();
        o.Semilla = semilla;
        o.AlTerminar = [this](const zp::ResultadoPartida& r) { resultados.push_back(r); };
        programa = zp::ArrancarPrograma(o);
        if (programa->Salir) return; // it chose not to open its table
        ASSERT_TRUE(QTest::qWaitFor([this] { return !resultados.empty(); }, 20000));
    }

    zp::PictureBox* Boton(int i) const { return programa->Mesa->Pic_Boton[std::size_t(i)]; }

    // El puntero pasa por encima del control y pulsa en él.
    static void Pasar(QWidget* w, QPoint p = {12, 14}) { PasarPorEncima(w, p); }
    static void Pulsar(QWidget* w, QPoint p = {12, 14})
    {
        Pasar(w, p);
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
    }
    void Pasar(int i) const { Pasar(Boton(i)); }
    void Pulsar(int i) const { Pulsar(Boton(i)); }

    // Pulsa desde el guion, fuera de su vuelta: la caja que abra la responde el guion.
    void PulsarLuego(int i) const
    {
        QTimer::singleShot(0, programa->Mesa.get(), [this, i] { Pulsar(i); });
    }

    bool HayCaja(const QString& titulo) const
    {
        return std::any_of(cajas.begin(), cajas.end(), [&](const Caja& c) { return c.titulo == titulo; });
    }

    zp::EstadoJuego e;
    zp::Ajustes a;
    bool primeraVez = false; // the test's settings are not written: a first run, or one on what the last left
    QTemporaryDir carpeta;
    zp::prueba::RelojFalso reloj;
    zp::Clock* antes = nullptr;
    std::unique_ptr<zp::Programa> programa;
    QTimer guion;
    QPointer<zp::mensajes> atendida;
    std::vector<Caja> cajas;
    std::map<QString, bool> respuestas; // por título; si no está, la caja se cierra
    // Decide antes que `respuestas`: una respuesta, o ninguna para dejarlo a `respuestas`.
    std::function<std::optional<bool>(const QString& titulo)> responder;
    bool contestarCajas = true; // false: the boxes stay open until it is true again
    // A box is answered only once the window system shows it, as a person answers what is on the screen (and
    // as what that system sent meanwhile has been read).
    bool contestarAlVerla = false;
    std::function<void()> paso;
    std::vector<Paso> pasos;
    std::size_t pasoActual = 0;
    std::vector<zp::ResultadoPartida> resultados;

private:
    // A timer does not fire again while its own slot runs: boxes opened by a step are answered by the other.
    void Contestar()
    {
        auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
        if (!caja) recienContestada = false;
        if (!caja || caja == atendida || !contestarCajas) return;
        if (contestarAlVerla && !(caja->windowHandle() && caja->windowHandle()->isExposed())) return;
        atendida = caja;
        recienContestada = true;
        cajas.push_back({caja->TextoTitulo(), caja->TextoMensaje()});
        std::optional<bool> r;
        if (responder) r = responder(caja->TextoTitulo());
        if (auto f = respuestas.find(caja->TextoTitulo()); !r && f != respuestas.end()) r = f->second;
        if (r)
            QTest::mousePress(*r ? caja->Pic_Si : caja->Pic_No, Qt::LeftButton, {}, QPoint(10, 10));
        else
            caja->close();
    }
    void Avanzar()
    {
        // The code that asked goes on with the answer before the next step is looked at.
        if (QApplication::activeModalWidget() || recienContestada) return;
        if (paso) paso();
        while (pasoActual < pasos.size() && pasos[pasoActual].cuando()) {
            Paso& p = pasos[pasoActual];
            if (!p.repetir) ++pasoActual;
            p.hacer();
            if (p.repetir) break;
        }
    }
    QTimer contestador;
    bool recienContestada = false;
};

} // namespace prueba

#include "table/panel_turno.h"

#include "engine/ajustes.h"
#include "engine/redondeo.h"
#include "platform/clock.h"

#include <QTime>
#include <QVariant>
#include <cmath>

namespace zp {

namespace {

constexpr int kAncho = 79;
constexpr int kAlto = 66;
constexpr int kIzquierda = 6;
constexpr int kSobreContinuar = 15;
constexpr double kParpadeo = 0.2; // this computer's seat: no texts in the first fifth of each second

constexpr QRgb kFondoOtro = qRgb(0, 0, 128);
constexpr QRgb kBordeOtro = qRgb(0, 255, 255);
constexpr QRgb kFondoPropio = qRgb(0, 128, 0);
constexpr QRgb kBordePropio = qRgb(0, 255, 0);

void Centrar(Surface& s, const QString& texto, int y)
{
    const FontSpec fuente = FuenteMesa(kPixeles9, true);
    s.text(RedondearAPar((kAncho - textWidth(texto, fuente)) / 2.0), y, texto, fuente, kAmarilloMesa);
}

} // namespace

QString TextoTiempoEspera(int segundos)
{
    const int minutos = segundos / 60;
    return QStringLiteral("%1:%2").arg(minutos).arg(segundos - 60 * minutos, 2, 10, QLatin1Char('0'));
}

double SegundosDelDia()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void DibujarEsperandoJugada(PictureBox& panel, const EstadoJuego& e, const Ajustes& a, EstadoMesa& m,
                            int arribaContinuar, int segundosEspera, double fraccionSegundo)
{
    if (!e.PartidaEnCurso) return;
    const Entero p = e.JugadorTurno;
    const QString nombre = QString::fromStdString(std::string(SinEspacios(NombreAsiento(a, p))));
    m.ZonaAncho = kAncho;
    m.ZonaAlto = kAlto;
    panel.setLogicalGeometry(QRect(kIzquierda, arribaContinuar - kSobreContinuar, kAncho, kAlto));

    const bool propio = p == 4;
    const bool textos = !propio || fraccionSegundo > kParpadeo;
    const QString tiempo = TextoTiempoEspera(std::max(segundosEspera, 0));
    // The wait loop calls this many times a second: paint only when the picture changes.
    const QString clave =
        QStringLiteral("%1|%2|%3|%4").arg(p).arg(nombre).arg(textos ? tiempo : QString()).arg(textos);
    if (panel.property("DibujoTurno").toString() != clave || panel.isHidden()) {
        panel.setProperty("DibujoTurno", clave);
        Surface& s = panel.surface();
        s.fillBox(0, 0, kAncho, kAlto, propio ? kFondoPropio : kFondoOtro);
        s.box(0, 0, kAncho - 1, kAlto - 1, propio ? kBordePropio : kBordeOtro);
        s.line(0, 0, kAncho, 0, kNegroMesa);
        s.line(0, 0, 0, kAlto, kNegroMesa);
        if (textos) {
            const FontSpec fuente = FuenteMesa(kPixeles9, true);
            s.text(10, 2, QStringLiteral("Esperando"), fuente, kAmarilloMesa);
            s.text(12, 17, QStringLiteral("jugada  de"), fuente, kAmarilloMesa);
            Centrar(s, nombre, 32);
            Centrar(s, tiempo, 47);
        }
        panel.invalidate();
    }
    panel.show();
}

void DibujarEsperandoJugada(PictureBox& panel, const EstadoJuego& e, const Ajustes& a, EstadoMesa& m,
                            int arribaContinuar, std::uint32_t inicioEspera)
{
    // The wait is timed on the monotonic clock, so a wait across midnight keeps counting.
    const int segundos = static_cast<int>((clockMs() - inicioEspera) / 1000u);
    double entero = 0;
    const double fraccion = std::modf(SegundosDelDia(), &entero);
    DibujarEsperandoJugada(panel, e, a, m, arribaContinuar, segundos, fraccion);
}

} // namespace zp

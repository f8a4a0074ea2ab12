#include "table/boton_continuar.h"

#include "assets/recursos.h"
#include "engine/redondeo.h"
#include "kit/cursores.h"
#include "table/lienzo_mesa.h"

namespace zp {

namespace {

constexpr int kAnchoBoton = 86;
constexpr int kArribaLinea1 = 3;
constexpr int kArribaSola = 10;
constexpr int kArribaLinea2 = 18;

// Blanks around a name are not part of it (the stored names are padded).
QString SinBlancos(QString texto)
{
    while (texto.startsWith(QLatin1Char(' '))) texto.remove(0, 1);
    while (texto.endsWith(QLatin1Char(' '))) texto.chop(1);
    return texto;
}

QString Nombre(const Ajustes& a, Entero p)
{
    return QString::fromStdString(NombreAsiento(a, p));
}

void Centrar(Surface& s, const QString& texto, int y)
{
    const FontSpec fuente = FuenteMesa(kPixeles9, true);
    const int x = RedondearAPar((kAnchoBoton - textWidth(texto, fuente)) / 2.0);
    s.text(x, y, texto, fuente, kAmarilloMesa);
}

} // namespace

RotuloContinuar CalcularRotuloContinuar(const EstadoJuego& e, const Ajustes& a)
{
    if (!e.ManoEnCurso) return {QStringLiteral("Continuar"), QString()};
    const Entero p = e.JugadorTurno;
    if (AsientoConControl(a, p, Control::Manual)) return {Nombre(a, p), QStringLiteral("automático")};
    return {QStringLiteral("Juega"), Nombre(a, p)};
}

void DibujarBotonContinuar(PictureBox& boton, const Surface& Pic_BmpVario, EstadoJuego& e, const Ajustes& a,
                           Entero estado)
{
    if (a.JuegoEnRed && a.ModoRed == PapelRed::Cliente && e.ManoEnCurso) return;
    const RotuloContinuar rotulo = CalcularRotuloContinuar(e, a);
    const auto dibujo = estado == kBotonPulsado ? recursos::bmpvario::BotonContinuarPulsado
                                                : recursos::bmpvario::BotonContinuar;
    Surface& s = boton.surface();
    s.blit(0, 0, dibujo.ancho, dibujo.alto, Pic_BmpVario, dibujo.x, dibujo.y);
    if (e.GrabadoraActiva)
        PonerPuntero(&boton, kPunteroProhibido);
    else
        PonerCursor(&boton, "ManoIndice");
    const QString linea1 = SinBlancos(rotulo.Linea1);
    const QString linea2 = SinBlancos(rotulo.Linea2);
    Centrar(s, linea1, rotulo.Linea2.isEmpty() ? kArribaSola : kArribaLinea1);
    if (!rotulo.Linea2.isEmpty()) Centrar(s, linea2, kArribaLinea2);
    boton.show();
    boton.refresh();
    e.EsperaContinuar = true;
}

void OcultarBotonContinuar(PictureBox& boton, EstadoJuego& e)
{
    boton.hide();
    e.EsperaContinuar = false;
}

} // namespace zp

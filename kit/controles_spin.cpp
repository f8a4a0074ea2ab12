#include "kit/controles_spin.h"

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"

#include <QLineEdit>

namespace zp {

bool EnFlechasSpin(QPoint punto)
{
    return punto.x() >= SpinArribaX && punto.x() <= SpinArribaX + 15 && punto.y() >= SpinArribaY &&
           punto.y() <= SpinAbajoY + 9;
}

bool EnFlechaArriba(QPoint punto)
{
    return EnFlechasSpin(punto) && punto.y() <= SpinArribaY + 9;
}

bool EnFlechaAbajo(QPoint punto)
{
    return EnFlechasSpin(punto) && punto.y() >= SpinAbajoY;
}

QString TextoSpin(Entero valor)
{
    return QString::number(valor);
}

void DibujarFlechaSpin(Surface& spin, bool arriba, bool pulsada)
{
    using namespace recursos::bmpvario;
    const auto& r =
        arriba ? (pulsada ? SpinArribaPulsado : SpinArriba) : (pulsada ? SpinAbajoPulsado : SpinAbajo);
    spin.blit(arriba ? SpinArribaX : SpinAbajoX, arriba ? SpinArribaY : SpinAbajoY, r.ancho, r.alto,
              HojaBmpVario(), r.x, r.y);
}

void PintarSpin(Surface& spin, const QString& texto, const FontSpec& fuente)
{
    const auto& flechas = recursos::bmpvario::SpinFlechas;
    spin.blit(SpinArribaX, SpinArribaY, flechas.ancho, flechas.alto, HojaBmpVario(), flechas.x, flechas.y);
    const int w = spin.width(), h = spin.height();
    spin.box(0, 0, w - 3, h - 3, kBlanco);
    spin.box(1, 1, w - 2, h - 2, kGris);
    spin.text(3, 7, texto, fuente, kBlanco, true);
    spin.text(4, 8, texto, fuente, kAzul, false);
}

void DibujarSpin(PictureBox& spin, QLineEdit& tex_spin, QSize tamanoTexto, Entero valor, const QString& texto,
                 const FontSpec& fuente)
{
    MoverControl(tex_spin, kPosicionTexSpin, tamanoTexto);
    PintarSpin(spin.surface(), texto, fuente);
    tex_spin.setText(TextoSpin(valor));
    spin.refresh();
}

} // namespace zp

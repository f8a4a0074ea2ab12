#include "kit/controles.h"

#include "engine/redondeo.h"
#include "kit/entorno.h"
#include "platform/virtual_screen.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zp {

FontSpec FuenteControles(bool negrita)
{
    return FontSpec{QStringLiteral("Arial"), 11, negrita};
}

QFont FuenteCaja(const FontSpec& fuente, bool escalada)
{
    QFont f(fuente.family);
    f.setPixelSize(escalada ? std::max(1, int(std::lround(fuente.pixelSize * virtualScreen().scale())))
                            : fuente.pixelSize);
    f.setBold(fuente.bold);
    return f;
}

void ImprimirTextoSombreado(Surface& imagen, int x, int y, const QString& texto, const FontSpec& fuente)
{
    imagen.text(x, y, texto, fuente, kBlanco, true);
    imagen.text(x + 1, y + 1, texto, fuente, kAzul, false);
}

void MarcoGrabado(Surface& imagen, int x1, int y1, int x2, int y2, int grosor)
{
    imagen.box(x1, y1, x2, y2, kBlanco, grosor);
    imagen.box(x1 + 1, y1 + 1, x2 + 1, y2 + 1, kGris, grosor);
}

void BordeElevado(Surface& ventana)
{
    const int w = ventana.width(), h = ventana.height();
    ventana.box(1, 1, w - 1, h - 1, kBlanco, 2);
    ventana.line(w - 1, h - 1, w - 1, 1, kGris, 2);
    ventana.line(w - 1, h - 1, 1, h - 1, kGris, 2);
}

int MitadRedondeada(int a, int b)
{
    return RedondearAPar((a - b) / 2.0);
}

void MoverControl(QWidget& control, QPoint posicion, QSize tamano)
{
    control.setGeometry(virtualScreen().toReal(QRect(posicion, tamano)));
}

} // namespace zp

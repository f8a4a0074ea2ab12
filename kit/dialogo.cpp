#include "kit/dialogo.h"

#include "kit/entorno.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <cmath>

namespace zp {

QRect CentrarDialogo(QWidget& ventana, PictureBox& fondo, QSize tamano)
{
    const VirtualScreen& pantalla = virtualScreen();
    const QRect lugar(int(std::floor((pantalla.width() - tamano.width()) / 2.0)),
                      int(std::floor((pantalla.height() - tamano.height()) / 2.0)), tamano.width(),
                      tamano.height());
    ventana.setGeometry(pantalla.toRealOnScreen(lugar));
    fondo.setSurface(Surface(tamano.width(), tamano.height(), kGrisClaro));
    fondo.setLogicalGeometry(QRect(QPoint(0, 0), tamano));
    return lugar;
}

} // namespace zp

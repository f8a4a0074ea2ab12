#include "kit/careta.h"

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "kit/pausa.h"
#include "platform/virtual_screen.h"

#include <QCoreApplication>

namespace zp {

careta::careta(QWidget* padre) : PictureBox(padre)
{
    setObjectName(QStringLiteral("careta"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const auto& hoja = recursos::careta::Hoja;
    if (auto dibujo = Surface::load(QString::fromLatin1(recursos::careta::Ruta)))
        setSurface(*dibujo);
    else
        setSurface(Surface(hoja.ancho, hoja.alto, kGrisClaro));
}

void careta::Form_Load(Entero& Velocidad, Pausa& pausa)
{
    const VirtualScreen& pantalla = virtualScreen();
    moveLogical(QPoint((pantalla.width() - logicalGeometry().width()) / 2,
                       (pantalla.height() - logicalGeometry().height()) / 2));
    show();
    // A window just mapped must have been exposed before its picture can show.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    refresh();
    Velocidad = 50;
    pausa.HacerPausa(1500, Velocidad);
    // It would close as soon as it became the active window, which is now: the pause let nothing run.
    close();
}

void MostrarCareta(Entero& Velocidad)
{
    MostrarCareta(Velocidad, PausaPrograma());
}

void MostrarCareta(Entero& Velocidad, Pausa& pausa)
{
    careta cubierta;
    cubierta.Form_Load(Velocidad, pausa);
}

} // namespace zp

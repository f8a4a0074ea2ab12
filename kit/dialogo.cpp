#include "kit/dialogo.h"

#include "engine/sonidos.h"
#include "kit/ayuda.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <cmath>

namespace zp {

namespace {

constexpr int kLadoBoton = 50;

} // namespace

DialogoFondo::DialogoFondo(QWidget* padre, const QString& nombre, const QString& titulo, bool marco)
    : QDialog(padre, marco ? Qt::Dialog : Qt::Dialog | Qt::FramelessWindowHint), fondo_(new PictureBox(this))
{
    setObjectName(nombre);
    setWindowTitle(titulo);
    setModal(true);
}

const Surface& DialogoFondo::Superficie() const
{
    return fondo_->surface();
}

void DialogoFondo::Colocar(QRect lugar)
{
    geometria_ = lugar;
    setGeometry(virtualScreen().toRealOnScreen(lugar));
    fondo_->setSurface(Surface(lugar.width(), lugar.height(), kGrisClaro));
    fondo_->setLogicalGeometry(QRect(QPoint(0, 0), lugar.size()));
}

void DialogoFondo::Centrar(QSize tamano)
{
    const VirtualScreen& pantalla = virtualScreen();
    Colocar(QRect(int(std::floor((pantalla.width() - tamano.width()) / 2.0)),
                  int(std::floor((pantalla.height() - tamano.height()) / 2.0)), tamano.width(),
                  tamano.height()));
}

PictureBox* CrearCajaDialogo(QWidget* padre, const QString& nombre, QSize tamano, const QString& aviso)
{
    auto* caja = new PictureBox(padre);
    caja->setObjectName(nombre);
    if (!aviso.isEmpty()) caja->setToolTip(aviso);
    caja->setSurface(Surface(tamano.width(), tamano.height(), kGrisClaro));
    caja->hide();
    return caja;
}

PictureBox* CrearBotonDialogo(QWidget* padre, const QString& nombre, const QString& aviso)
{
    return CrearCajaDialogo(padre, nombre, QSize(kLadoBoton, kLadoBoton), aviso);
}

void MostrarBotonDialogo(PictureBox& boton, const recursos::Rect& dibujo, QPoint lugar)
{
    boton.setSurface(Surface(dibujo.ancho, dibujo.alto, kGrisClaro));
    boton.surface().blit(0, 0, dibujo.ancho, dibujo.alto, HojaBmpVario(), dibujo.x, dibujo.y);
    boton.setLogicalGeometry(QRect(lugar, QSize(dibujo.ancho, dibujo.alto)));
    boton.show();
    PonerCursor(&boton, "ManoIndice");
}

void PulsarAyudaDialogo(Entero contexto)
{
    SonarKit(0, sonido::Clic);
    MostrarAyuda(contexto);
}

void PulsarSalirDialogo(QDialog& ventana, int resultado)
{
    SonarKit(0, sonido::Clic);
    ventana.done(resultado);
}

} // namespace zp

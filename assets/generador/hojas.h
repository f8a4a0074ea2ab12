// Every picture the generator makes, one function each.
#pragma once

#include "lienzo.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace zp::generador {

QImage HojaBmpVario();
QImage HojaDibujos();
QImage HojaPuntitos();
QImage HojaPunNeg();

// Icons with a transparent ground, 32x32: arrows by direction 1..4 (right, down, left, up), pass, bulb.
QImage IconoFlecha(int direccion);
QImage IconoPaso();
QImage IconoBombilla();

QImage Careta();
QImage BotonSi();
QImage BotonNo();
QImage FiguraSentido(bool directo);
QImage BotonDisco(int accion); // 1 load, 2 store, 3 delete
QImage BotonEnviar();
QImage CabeceraPuntos();
QImage PiezaCarpeta();

// Cursors by their resource name.
QImage Cursor(const char* nombre);

// A complete RIFF WAVE image of the sound.
QByteArray Sonido(const recursos::sonidos::Sonido& s);

} // namespace zp::generador

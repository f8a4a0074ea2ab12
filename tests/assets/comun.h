// Helpers for the resource tests: loading as the program does and reading pixels.
#pragma once

#include "assets/recursos.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace zp::pruebas {

// Pictures are turned into 32-bit RGB at load, as the table does before any raster operation.
inline QImage CargarHoja(const char* ruta)
{
    return QImage(QString::fromLatin1(ruta)).convertToFormat(QImage::Format_RGB32);
}

inline QRect ARect(recursos::Rect r)
{
    return {r.x, r.y, r.ancho, r.alto};
}

inline unsigned Rgb(const QImage& img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFFu;
}

inline double Luminancia(unsigned rgb)
{
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

} // namespace zp::pruebas

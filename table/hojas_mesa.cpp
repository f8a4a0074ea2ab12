#include "assets/recursos.h"
#include "table/lienzo_mesa.h"

namespace zp {

namespace {

Surface Hoja(const char* ruta, recursos::Tamano tamano)
{
    if (auto hoja = Surface::load(QString::fromLatin1(ruta))) return *hoja;
    return Surface(tamano.ancho, tamano.alto, qRgb(192, 192, 192));
}

} // namespace

HojasMesa CargarHojasMesa()
{
    recursos::RegistrarRecursos();
    return HojasMesa{
        Hoja(recursos::bmpvario::Ruta, recursos::bmpvario::Hoja),
        Hoja(recursos::dibujos::Ruta, recursos::dibujos::Hoja),
        Hoja(recursos::puntitos::Ruta, recursos::puntitos::Hoja),
        Hoja(recursos::punneg::Ruta, recursos::punneg::Hoja),
        Hoja(recursos::marmol::Ruta, recursos::marmol::Hoja),
    };
}

Surface ComponerMarmol(const Surface& marmol, int ancho, int alto)
{
    Surface fondo(ancho, alto, qRgb(0, 0, 0));
    // Tiled, not copied twice: the picture must cover any screen, not only one up to 1280 x 1024.
    const int w = marmol.width(), h = marmol.height();
    if (w <= 0 || h <= 0) return fondo;
    for (int y = 0; y < alto; y += h)
        for (int x = 0; x < ancho; x += w) fondo.blit(x, y, w, h, marmol, 0, 0);
    return fondo;
}

} // namespace zp

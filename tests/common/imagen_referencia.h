#pragma once
// What a window shows, held against its reviewed picture in tests/imagenes/<nombre>.png. A pixel counts as
// different when one of its channels differs by more than `tolerancia`; the compare fails when more than
// `fraccion` of the pixels differ. On failure the actual picture and a map of the differences are written to
// imagenes_fallidas/ in the test's working folder. With ZP_ACTUALIZAR_IMAGENES=1 the reviewed picture is
// written instead: look at it before committing it.
#include <QImage>
#include <gtest/gtest.h>
#include <string>

namespace zp::prueba {

::testing::AssertionResult CoincideConImagen(const QImage& real, const std::string& nombre,
                                             int tolerancia = 8, double fraccion = 0.002);

} // namespace zp::prueba

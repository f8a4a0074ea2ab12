// Cada dibujo, sonido y cursor que el resto del programa nombra existe dentro del programa y no está vacío.
#include "assets/recursos.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <vector>

namespace rc = zp::recursos;

TEST(Recursos, cada_ruta_nombrada_existe_en_el_programa)
{
    rc::RegistrarRecursos();
    std::vector<const char*> rutas(std::begin(rc::Dibujos), std::end(rc::Dibujos));
    for (const auto& s : rc::sonidos::Lista) rutas.push_back(s.ruta);
    for (const auto& c : rc::cursores::Lista) rutas.push_back(c.ruta);
    for (const char* r : rutas) EXPECT_GT(QFileInfo(QString::fromLatin1(r)).size(), 0) << r;
}

// La ayuda del programa: cada contexto abre su página de los recursos del programa en la única ventana de
// ayuda, con el título de la página, y un contexto sin página abre el índice.
#include "comun_kit.h"

#include "kit/ayuda.h"

#include <QTextBrowser>

namespace {

using Ayuda = prueba::EntornoPrueba;

TEST_F(Ayuda, cada_contexto_abre_su_pagina_y_uno_sin_pagina_el_indice)
{
    const std::pair<zp::Entero, const char*> casos[] = {
        {2121, "2121.html"}, {5100, "5100.html"}, {2122, "indice.html"},
        {0, "indice.html"},  {-7, "indice.html"},
    };
    for (const auto& [contexto, pagina] : casos) {
        SCOPED_TRACE(contexto);
        zp::VisorAyuda* visor = zp::MostrarAyuda(contexto);
        ASSERT_NE(visor, nullptr);
        EXPECT_EQ(visor, zp::AyudaAbierta()); // always the same window
        EXPECT_TRUE(visor->isVisible());
        EXPECT_EQ(visor->PaginaMostrada().scheme(), QStringLiteral("qrc"));
        EXPECT_EQ(visor->PaginaMostrada().fileName(), QString::fromLatin1(pagina));
        EXPECT_FALSE(visor->TituloPagina().isEmpty());
        EXPECT_EQ(visor->windowTitle(), visor->TituloPagina());
        EXPECT_TRUE(visor->Navegador()->toPlainText().contains(visor->TituloPagina()));
    }
    delete zp::AyudaAbierta();
}

} // namespace

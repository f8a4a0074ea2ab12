// La ayuda del programa: cada contexto abre su página en la única ventana de ayuda, y un contexto sin página
// abre el índice; las páginas se leen de los recursos del programa, o de una carpeta dada.
#include "comun_kit.h"

#include "kit/ayuda.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

using Ayuda = prueba::EntornoPrueba;

TEST_F(Ayuda, cada_contexto_abre_su_pagina_y_uno_sin_pagina_el_indice)
{
    struct Caso
    {
        zp::Entero contexto;
        const char *pagina, *titulo;
    };
    const Caso casos[] = {
        {2121, "2121.html", "Personalizar la aplicación"}, {5100, "5100.html", "Juego en red"},
        {2122, "indice.html", "Ayuda de Zarpelón"},        {0, "indice.html", "Ayuda de Zarpelón"},
        {-7, "indice.html", "Ayuda de Zarpelón"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.contexto);
        zp::VisorAyuda* visor = zp::MostrarAyuda(c.contexto);
        ASSERT_NE(visor, nullptr);
        EXPECT_EQ(visor, zp::AyudaAbierta()); // always the same window
        EXPECT_TRUE(visor->isVisible());
        EXPECT_EQ(visor->PaginaMostrada().scheme(), QStringLiteral("qrc"));
        EXPECT_EQ(visor->PaginaMostrada().fileName(), QString::fromLatin1(c.pagina));
        EXPECT_EQ(visor->TituloPagina(), QString::fromUtf8(c.titulo));
        EXPECT_EQ(visor->windowTitle(), QString::fromUtf8(c.titulo));
        EXPECT_TRUE(visor->Navegador()->toPlainText().contains(QString::fromUtf8(c.titulo)));
    }
    delete zp::AyudaAbierta();
}

TEST(PaginaAyuda, en_una_carpeta_dada_se_lee_su_pagina_o_su_indice_como_fichero)
{
    QTemporaryDir carpeta;
    for (const char* nombre : {"2144.html", "indice.html"})
        QFile(carpeta.filePath(QString::fromLatin1(nombre))).open(QIODevice::WriteOnly);
    EXPECT_EQ(zp::PaginaAyuda(carpeta.path(), 2144),
              QUrl::fromLocalFile(carpeta.filePath(QStringLiteral("2144.html"))));
    EXPECT_EQ(zp::PaginaAyuda(carpeta.path(), 2121),
              QUrl::fromLocalFile(carpeta.filePath(QStringLiteral("indice.html"))));
}

} // namespace

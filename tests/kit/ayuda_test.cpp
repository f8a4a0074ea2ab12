// La ayuda del programa: cada contexto abre su página y un contexto sin página abre el índice.
#include "comun_kit.h"

#include "kit/ayuda.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

class Ayuda : public prueba::EntornoPrueba
{
protected:
    void SetUp() override
    {
        EntornoPrueba::SetUp();
        ASSERT_TRUE(carpeta.isValid());
        Pagina("2121.html", "Personalizar la aplicación");
        Pagina("5100.html", "Modo de juego en red");
        Pagina("indice.html", "Ayuda del juego");
        zp::PonerCarpetaAyuda(carpeta.path());
    }
    void TearDown() override
    {
        if (zp::VisorAyuda* v = zp::AyudaAbierta()) delete v;
        zp::PonerCarpetaAyuda(QStringLiteral(":/ayuda/"));
        EntornoPrueba::TearDown();
    }
    void Pagina(const char* nombre, const char* titulo)
    {
        QFile f(carpeta.filePath(QString::fromLatin1(nombre)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            QStringLiteral(
                "<html><head><meta charset=\"utf-8\"><title>%1</title></head><body><p>%1</p></body></html>")
                .arg(QString::fromUtf8(titulo))
                .toUtf8());
    }
    QTemporaryDir carpeta;
};

TEST_F(Ayuda, cada_contexto_abre_su_pagina_y_uno_desconocido_el_indice)
{
    struct Caso
    {
        zp::Entero contexto;
        const char* pagina;
        const char* titulo;
    };
    const Caso casos[] = {
        {2121, "2121.html", "Personalizar la aplicación"},
        {5100, "5100.html", "Modo de juego en red"},
        {2500, "indice.html", "Ayuda del juego"},
        {0, "indice.html", "Ayuda del juego"},
        {-7, "indice.html", "Ayuda del juego"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.contexto);
        EXPECT_EQ(zp::PaginaAyuda(carpeta.path(), c.contexto).fileName(), QString::fromLatin1(c.pagina));
        zp::VisorAyuda* visor = zp::MostrarAyuda(c.contexto);
        ASSERT_NE(visor, nullptr);
        EXPECT_TRUE(visor->isVisible());
        EXPECT_EQ(visor->PaginaMostrada().fileName(), QString::fromLatin1(c.pagina));
        EXPECT_EQ(visor->TituloPagina(), QString::fromUtf8(c.titulo));
        EXPECT_TRUE(visor->Navegador()->toPlainText().contains(QString::fromUtf8(c.titulo)));
        EXPECT_EQ(visor->windowTitle(), QString::fromUtf8(c.titulo));
        // Siempre la misma ventana de ayuda.
        EXPECT_EQ(visor, zp::AyudaAbierta());
    }
}

TEST(PaginaAyuda, las_del_programa_se_leen_de_sus_recursos)
{
    // Con los recursos enlazados es la página 2121; sin ellos, el índice: siempre de los recursos.
    const QUrl pagina = zp::PaginaAyuda(QStringLiteral(":/ayuda/"), 2121);
    EXPECT_EQ(pagina.scheme(), QStringLiteral("qrc"));
    EXPECT_TRUE(pagina.path().startsWith(QStringLiteral("/ayuda/"))) << pagina.toString().toStdString();
}

} // namespace

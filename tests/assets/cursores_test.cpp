// The cursors and the list of resources the rest of the program names.
#include "comun.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

using namespace zp;
namespace rc = zp::recursos;

TEST(Cursores, cada_cursor_mide_32_y_su_punto_activo_cae_sobre_la_mano)
{
    rc::RegistrarRecursos();
    for (const auto& c : rc::cursores::Lista) {
        SCOPED_TRACE(c.nombre);
        QImage img = QImage(QString::fromLatin1(c.ruta)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), 32);
        EXPECT_EQ(img.height(), 32);
        EXPECT_EQ(qAlpha(img.pixel(c.x, c.y)), 255);
        // The hot spot is the tip: nothing of the hand stands above it in its column.
        for (int y = 0; y < c.y; ++y) EXPECT_EQ(qAlpha(img.pixel(c.x, y)), 0) << "fila " << y;
        // A transparent ground with no half-transparent fringe.
        int transparentes = 0, intermedios = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                int a = qAlpha(img.pixel(x, y));
                transparentes += a == 0;
                intermedios += a != 0 && a != 255;
            }
        EXPECT_EQ(intermedios, 0);
        EXPECT_GT(transparentes, 32 * 32 / 3);
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    }
}

TEST(Cursores, los_nombres_se_buscan_sin_distinguir_mayusculas)
{
    struct Caso
    {
        const char* pedido;
        const char* encontrado;
    };
    const Caso casos[] = {{"ManoIndice", "ManoIndice"},
                          {"MANOINDICE", "ManoIndice"},
                          {"manoverde", "ManoVerde"},
                          {"MANOROJA", "ManoRoja"},
                          {"MANOCERRADA", "ManoCerrada"},
                          {"ORDENAR", "Ordenar"},
                          {"girar", "Girar"},
                          {"Mano", nullptr},
                          {"", nullptr}};
    for (const Caso& c : casos) {
        const auto* r = rc::cursores::Buscar(c.pedido);
        if (!c.encontrado) {
            EXPECT_EQ(r, nullptr) << c.pedido;
        } else {
            ASSERT_NE(r, nullptr) << c.pedido;
            EXPECT_STREQ(r->nombre, c.encontrado);
        }
    }
}

TEST(Recursos, cada_ruta_nombrada_existe_en_el_programa)
{
    rc::RegistrarRecursos();
    std::vector<const char*> rutas(std::begin(rc::Dibujos), std::end(rc::Dibujos));
    for (const auto& s : rc::sonidos::Lista) rutas.push_back(s.ruta);
    for (const auto& c : rc::cursores::Lista) rutas.push_back(c.ruta);
    for (const char* r : rutas) {
        QFileInfo f(QString::fromLatin1(r));
        EXPECT_TRUE(f.exists()) << r;
        EXPECT_GT(f.size(), 0) << r;
    }
}

TEST(Recursos, cada_pagina_de_ayuda_escrita_se_lleva_dentro_del_programa)
{
    // The pages are written beside the program's sources; each one must be compiled in under its own name.
    QDir fuentes(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() +
                 QStringLiteral("/../../assets/help"));
    const QStringList paginas = fuentes.entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& p : paginas) {
        QFile dentro(QString::fromLatin1(rc::ayuda::Prefijo) + p);
        ASSERT_TRUE(dentro.open(QIODevice::ReadOnly)) << p.toStdString();
        QFile fuera(fuentes.filePath(p));
        ASSERT_TRUE(fuera.open(QIODevice::ReadOnly));
        EXPECT_EQ(dentro.readAll(), fuera.readAll()) << p.toStdString();
    }
    if (paginas.contains(QStringLiteral("indice.html"))) {
        EXPECT_TRUE(QFile::exists(QString::fromLatin1(rc::ayuda::Indice)));
    }
}

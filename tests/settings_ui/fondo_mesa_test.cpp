#include "comun_ajustes.h"

#include "settings/fondo_mesa.h"

#include <QFile>
#include <QPainter>

namespace {

using prueba::VentanaAjustes;
using zp::CopiasFondo;

class MesaFalsa : public zp::MesaConFondo
{
public:
    const zp::Surface& Marmol() const override { return marmol; }
    const zp::Pantalla& Medidas() const override { return medidas; }
    void PonerFondo(const zp::Surface& fondo) override { marmol = fondo; }
    void RedibujarMesa() override { ++redibujos; }

    zp::Surface marmol;
    zp::Pantalla medidas = zp::MedirPantalla(800, 600);
    int redibujos = 0;
};

using FondoMesa = VentanaAjustes;

TEST_F(FondoMesa, la_copia_centrada_y_las_cuatro_copias_caen_en_su_sitio)
{
    const zp::Pantalla p = zp::MedirPantalla(800, 600); // mesa de 710 x 600, centro (355, 300)
    const std::tuple<CopiasFondo, QSize, std::vector<QPoint>> casos[] = {
        {CopiasFondo::Una, {200, 150}, {{255, 225}}},
        {CopiasFondo::Cuatro, {200, 150}, {{117, 101}, {414, 101}, {117, 319}, {414, 319}}},
        {CopiasFondo::Una, {1000, 801}, {{-145, -100}}},
        {CopiasFondo::Cuatro, {400, 300}, {{-33, 0}, {338, 0}, {-33, 300}, {338, 300}}},
        {CopiasFondo::Ninguna, {200, 150}, {}},
    };
    for (const auto& [copias, dibujo, lugares] : casos)
        EXPECT_EQ(zp::LugaresFondo(copias, dibujo, p), lugares);

    for (const auto& [nombre, copias] : {std::pair{"zpbg1.png", CopiasFondo::Una},
                                         {"ZPBG1x.bmp", CopiasFondo::Una},
                                         {"  zpBg4 mar.jpg ", CopiasFondo::Cuatro},
                                         {"fondo.bmp", CopiasFondo::Ninguna},
                                         {"zpbg2.png", CopiasFondo::Ninguna},
                                         {"zpbg", CopiasFondo::Ninguna}})
        EXPECT_EQ(zp::CopiasDeNombre(QString::fromUtf8(nombre)), copias) << nombre;
}

TEST_F(FondoMesa, la_imagen_se_pinta_una_o_cuatro_veces_sobre_el_fondo)
{
    // Un cuadro de 200 x 150 con marco y diagonal, para ver dónde cae cada copia.
    QImage cuadro(200, 150, QImage::Format_RGB32);
    cuadro.fill(QColor(240, 200, 60));
    {
        QPainter pintor(&cuadro);
        pintor.setPen(QPen(QColor(120, 20, 20), 6));
        pintor.drawRect(3, 3, 193, 143);
        pintor.drawLine(0, 0, 199, 149);
    }
    ASSERT_TRUE(cuadro.save(carpeta.filePath(QStringLiteral("zpbg1cuadro.png"))));
    ASSERT_TRUE(QFile::copy(carpeta.filePath(QStringLiteral("zpbg1cuadro.png")),
                            carpeta.filePath(QStringLiteral("ZPBG4cuadro.png"))));

    for (const auto& [nombre, imagen] :
         {std::pair{"zpbg1cuadro.png", "fondo_una"}, std::pair{"ZPBG4cuadro.png", "fondo_cuatro"}}) {
        MesaFalsa falsa;
        falsa.marmol = zp::Surface(809, 602, qRgb(20, 60, 45)); // el mármol, liso
        EXPECT_TRUE(zp::AplicarFondoMesa(falsa, QString::fromLatin1(nombre), Carpeta()));
        EXPECT_EQ(falsa.redibujos, 1);
        EXPECT_EQ(falsa.marmol.width(), 809);
        EXPECT_TRUE(zp::prueba::CoincideConImagen(falsa.marmol.image(), imagen));
    }
    EXPECT_TRUE(Titulos().empty());
}

TEST_F(FondoMesa, una_imagen_que_falta_o_no_se_lee_deja_el_marmol_con_un_aviso)
{
    QFile roto(carpeta.filePath(QStringLiteral("zpbg4roto.png")));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("esto no es una imagen");
    roto.close();
    for (const auto& [nombre, avisos] :
         {std::pair{"zpbg1nada.png", 1u}, std::pair{"zpbg4roto.png", 1u}, std::pair{"otro.png", 0u}}) {
        SCOPED_TRACE(nombre);
        MesaFalsa falsa;
        falsa.marmol = zp::Surface(809, 602, qRgb(10, 90, 40));
        const QImage antes = falsa.marmol.image();
        EXPECT_FALSE(zp::AplicarFondoMesa(falsa, QString::fromLatin1(nombre), Carpeta()));
        EXPECT_EQ(falsa.marmol.image(), antes);
        EXPECT_EQ(falsa.redibujos, 0);
        EXPECT_EQ(Titulos().size(), avisos);
    }
}

} // namespace

#include "kit/cursores.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class CursoresPrueba : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char* nombre :
             {"manoindice", "manoverde", "manoroja", "manocerrada", "ordenar", "girar"}) {
            QImage dibujo(32, 32, QImage::Format_ARGB32);
            dibujo.fill(Qt::transparent);
            dibujo.setPixel(13, 1, 0xFFFFC0C0u);
            ASSERT_TRUE(dibujo.save(dir_.filePath(QString(nombre) + ".png")));
        }
    }
    QString carpeta() const { return dir_.path() + "/"; }

    QTemporaryDir dir_;
};

struct CasoCursor
{
    const char* nombre;
    QPoint punto;
};

TEST_F(CursoresPrueba, cada_cursor_tiene_su_punto_activo_y_el_nombre_no_distingue_mayusculas)
{
    const CasoCursor casos[] = {
        {"ManoIndice", {13, 1}}, {"MANOINDICE", {13, 1}},  {"manoindice", {13, 1}}, {"ManoVerde", {13, 1}},
        {"ManoRoja", {13, 1}},   {"ManoCerrada", {15, 6}}, {"Ordenar", {15, 1}},    {"GIRAR", {13, 1}},
    };
    zp::Cursores cursores(carpeta());
    for (const CasoCursor& c : casos) {
        const QCursor* cursor = cursores.Cursor(c.nombre);
        ASSERT_NE(cursor, nullptr) << c.nombre;
        EXPECT_EQ(cursor->shape(), Qt::BitmapCursor) << c.nombre;
        EXPECT_EQ(cursor->hotSpot(), c.punto) << c.nombre;
        EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32)) << c.nombre;
    }
    EXPECT_EQ(cursores.Cursor("ManoIndice"), cursores.Cursor("MANOINDICE")); // made once
}

TEST_F(CursoresPrueba, poner_un_cursor_lo_muestra_en_el_control_con_el_puntero_99)
{
    zp::Cursores cursores(carpeta());
    QWidget boton;
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroNormal);
    EXPECT_TRUE(cursores.PonerCursor(&boton, "ManoCerrada"));
    EXPECT_EQ(boton.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(boton.cursor().hotSpot(), QPoint(15, 6));
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroPropio);
    EXPECT_EQ(zp::CursorDe(&boton), "manocerrada");

    // A name the program does not have leaves the control as it was.
    EXPECT_FALSE(cursores.PonerCursor(&boton, "Reloj"));
    EXPECT_EQ(zp::CursorDe(&boton), "manocerrada");
    EXPECT_FALSE(cursores.PonerCursor(nullptr, "ManoIndice"));
}

TEST_F(CursoresPrueba, los_punteros_normales_sustituyen_al_propio)
{
    zp::Cursores cursores(carpeta());
    QWidget boton;
    cursores.PonerCursor(&boton, "ManoIndice");
    const struct
    {
        zp::Entero codigo, queda;
        Qt::CursorShape forma;
    } casos[] = {
        {zp::kPunteroProhibido, 12, Qt::ForbiddenCursor},
        {zp::kPunteroEspera, 11, Qt::WaitCursor},
        {zp::kPunteroNormal, 0, Qt::ArrowCursor},
        {7, 0, Qt::ArrowCursor},
    };
    for (const auto& c : casos) {
        zp::PonerPuntero(&boton, c.codigo);
        EXPECT_EQ(zp::PunteroDe(&boton), c.queda) << c.codigo;
        EXPECT_EQ(boton.cursor().shape(), c.forma) << c.codigo;
        EXPECT_TRUE(zp::CursorDe(&boton).isEmpty());
    }
}

TEST(Cursores, sin_su_dibujo_el_boton_sigue_usable_con_una_mano_estandar)
{
    zp::Cursores cursores("/no/existe/");
    QWidget boton;
    EXPECT_TRUE(cursores.PonerCursor(&boton, "ManoIndice"));
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroPropio);
    EXPECT_EQ(boton.cursor().shape(), Qt::PointingHandCursor);
}

TEST(Cursores, los_del_programa_se_ponen_por_nombre_aun_sin_sus_dibujos)
{
    QWidget boton;
    EXPECT_TRUE(zp::PonerCursor(&boton, "manoverde"));
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroPropio);
    EXPECT_EQ(zp::CursorDe(&boton), "manoverde");
}

} // namespace

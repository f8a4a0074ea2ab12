// Los cursores del programa: cada uno apunta con la punta de su mano y se busca sin mirar mayúsculas; puesto
// en un control, este lo dice con el puntero 99; los punteros normales sustituyen al propio.
#include "assets/recursos.h"
#include "kit/cursores.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(Cursores, cada_cursor_del_programa_apunta_con_la_punta_de_su_mano)
{
    zp::recursos::RegistrarRecursos();
    zp::Cursores cursores;
    for (const char* nombre : {"ManoIndice", "MANOVERDE", "manoroja", "ManoCerrada", "Ordenar", "GIRAR"}) {
        SCOPED_TRACE(nombre);
        const QCursor* cursor = cursores.Cursor(nombre);
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
        const QImage dibujo = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(dibujo.size(), QSize(32, 32));
        // The hot spot is the tip: on the hand, and nothing of it above in its column.
        const QPoint punta = cursor->hotSpot();
        EXPECT_EQ(qAlpha(dibujo.pixel(punta)), 255);
        for (int y = 0; y < punta.y(); ++y) EXPECT_EQ(qAlpha(dibujo.pixel(punta.x(), y)), 0) << y;
    }
    EXPECT_EQ(cursores.Cursor("ManoIndice"), cursores.Cursor("MANOINDICE")); // made once
    EXPECT_EQ(cursores.Cursor("Mano"), nullptr);
}

TEST(Cursores, puesto_en_un_control_este_lo_dice_y_un_nombre_ajeno_no_lo_cambia)
{
    QWidget boton;
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroNormal);
    EXPECT_TRUE(zp::PonerCursor(&boton, "ManoCerrada"));
    EXPECT_EQ(boton.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(zp::PunteroDe(&boton), zp::kPunteroPropio);
    EXPECT_EQ(zp::CursorDe(&boton), "manocerrada");
    EXPECT_FALSE(zp::PonerCursor(&boton, "Reloj"));
    EXPECT_EQ(zp::CursorDe(&boton), "manocerrada");
    EXPECT_FALSE(zp::PonerCursor(nullptr, "ManoIndice"));
}

TEST(Cursores, los_punteros_normales_sustituyen_al_propio)
{
    QWidget boton;
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
        zp::PonerCursor(&boton, "ManoIndice");
        zp::PonerPuntero(&boton, c.codigo);
        EXPECT_EQ(zp::PunteroDe(&boton), c.queda) << c.codigo;
        EXPECT_EQ(boton.cursor().shape(), c.forma) << c.codigo;
        EXPECT_TRUE(zp::CursorDe(&boton).isEmpty());
    }
}

} // namespace

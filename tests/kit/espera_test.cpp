// El panel de espera de la mesa: la línea del tiempo esperado, su tamaño y sitio, y que no se redibuja más
// de una vez por segundo.
#include "comun_kit.h"

#include "common/imagen_referencia.h"
#include "kit/espera.h"

namespace {

using prueba::EntornoPrueba;

using PanelEspera = EntornoPrueba;

const QString kDoce = QStringLiteral("            Tiempo de espera: ");

TEST_F(PanelEspera, se_centra_en_la_mesa_con_su_alto_segun_las_lineas_y_se_ve_como_su_imagen)
{
    for (auto [lineas, sitio] :
         {std::pair{5, QRect(135, 225, 440, 149)}, std::pair{6, QRect(135, 217, 440, 165)},
          std::pair{4, QRect(135, 233, 440, 133)}}) {
        SCOPED_TRACE(lineas);
        QWidget mesa;
        mesa.resize(800, 600);
        zp::PanelEspera panel(&mesa, reloj);
        panel.IniciarEspera();
        QString texto = QStringLiteral("Está pendiente de la comunicación del Administrador.\r\n");
        panel.MostrarEspera(QStringLiteral("Juego en red"), texto, zp::Entero(lineas));
        EXPECT_FALSE(panel.isHidden());
        EXPECT_EQ(panel.logicalGeometry(), sitio);
        EXPECT_EQ(panel.geometry(), sitio);
        EXPECT_EQ(panel.TextoTitulo(), QStringLiteral("Juego en red"));
        if (lineas == 5) {
            EXPECT_TRUE(zp::prueba::CoincideConImagen(panel.grab().toImage(), "panel_de_espera", 8, 0));
        }
    }
}

TEST_F(PanelEspera, el_texto_lleva_el_tiempo_y_cambia_una_vez_por_segundo)
{
    zp::PanelEspera panel(nullptr, reloj);
    const std::uint32_t inicio = 0xFFFFFFFFu - 4000; // the clock's count wraps after four seconds
    reloj.ahora = inicio;
    panel.IniciarEspera();
    const QString base = QStringLiteral("Permanezca a la espera.\r\n");

    QString texto = base;
    panel.MostrarEspera(QStringLiteral("Juego en red"), texto, 5);
    EXPECT_EQ(texto, base + QStringLiteral("\r\n") + kDoce + QStringLiteral("0 segundos."));
    EXPECT_EQ(panel.TextoMensaje(), texto);
    const QImage visto = panel.surface().image();

    // Otra llamada en el mismo segundo, aunque traiga otro título, no cambia nada de lo que se ve.
    reloj.ahora += 999;
    QString otro = QStringLiteral("Otro texto");
    panel.MostrarEspera(QStringLiteral("Otro título"), otro, 5);
    EXPECT_EQ(otro, QStringLiteral("Otro texto"));
    EXPECT_EQ(panel.TextoTitulo(), QStringLiteral("Juego en red"));
    EXPECT_EQ(panel.surface().image(), visto);

    struct Paso
    {
        std::uint32_t ms;
        QString cola;
    };
    for (const Paso& p :
         {Paso{1000, QStringLiteral("1 segundos.")}, Paso{45000, QStringLiteral("45 segundos.")},
          Paso{60000, QStringLiteral("1 minuto y 0 segundos.")},
          Paso{125000, QStringLiteral("2 minutos y 5 segundos.")},
          Paso{3661000, QStringLiteral("61 minutos y 1 segundos.")}}) {
        reloj.ahora = inicio + p.ms;
        texto = base;
        panel.MostrarEspera(QStringLiteral("Juego en red"), texto, 5);
        EXPECT_EQ(texto, base + QStringLiteral("\r\n") + kDoce + p.cola);
        EXPECT_EQ(panel.SegundosEspera, int(p.ms / 1000));
    }
    EXPECT_NE(panel.surface().image(), visto);
    // The size is the first one's, though another wait asks for more lines with the panel in view.
    texto = base;
    reloj.ahora += 1000;
    panel.MostrarEspera(QStringLiteral("Juego en red"), texto, 8);
    EXPECT_EQ(panel.logicalGeometry().size(), QSize(440, 149));
}

} // namespace

// La caja de mensajes del programa: su tamaño y sus botones según las líneas y el modo, la respuesta de cada
// botón y tecla, el centrado y las cajas abiertas una sobre otra.
#include "comun_kit.h"

#include "common/cierre_escritorio.h"
#include "common/imagen_referencia.h"
#include "kit/ayuda.h"
#include "kit/cursores.h"
#include "kit/etiqueta.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"

#include <QPainter>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using prueba::EntornoPrueba;
using zp::mensajes;

mensajes* CajaAbierta()
{
    return qobject_cast<mensajes*>(QApplication::activeModalWidget());
}

// Hace `accion` con la caja en cuanto se muestre; si no hay caja, la prueba falla y nada queda esperando.
void AlAbrirse(std::function<void(mensajes&)> accion)
{
    QTimer::singleShot(0, [accion] {
        mensajes* caja = CajaAbierta();
        if (!caja) {
            ADD_FAILURE() << "no hay caja de mensajes abierta";
            return;
        }
        accion(*caja);
    });
}

void Pulsar(zp::PictureBox* boton, Qt::MouseButton raton = Qt::LeftButton)
{
    ASSERT_TRUE(boton->isVisible());
    QTest::mousePress(boton, raton, {}, QPoint(10, 10));
}

using CajaMensajes = EntornoPrueba;

TEST_F(CajaMensajes, cada_modo_de_la_caja_se_ve_como_su_imagen_revisada)
{
    // A question with help over a report with one exit button, as the person sees them.
    QImage tira(400, 184 + 168, QImage::Format_RGB32);
    QPainter pintor(&tira);
    AlAbrirse([&](mensajes& caja) {
        pintor.drawImage(0, 0, caja.grab().toImage());
        Pulsar(caja.Pic_No);
    });
    zp::MostrarMensaje(QStringLiteral("Jugador con cinco dobles"),
                       QStringLiteral("¿Desea rechazar las fichas y repartir de nuevo?"), 3, 2, 2144);
    AlAbrirse([&](mensajes& caja) {
        pintor.drawImage(0, 184, caja.grab().toImage());
        EXPECT_EQ(zp::CursorDe(caja.Pic_BotSalir), QStringLiteral("manoindice"));
        Pulsar(caja.Pic_BotSalir);
    });
    zp::MostrarMensaje(QStringLiteral("Final de Partida"), QStringLiteral("Ganan ellos."), 2, 1, 2183);
    pintor.end();
    EXPECT_TRUE(zp::prueba::CoincideConImagen(tira, "cajas_de_mensajes", 8, 0));
}

// A caller that counts fewer lines than its text fills gets a box tall enough for all of it; one that counts
// more keeps its count.
TEST_F(CajaMensajes, un_texto_con_mas_lineas_de_las_anunciadas_se_ve_entero)
{
    const QString texto = QStringLiteral(
        "El fichero de inicialización ZARPE33.INI está dañado (línea 1, tiene 400 caracteres y sus datos "
        "llegan a la columna 768). Se ha creado de nuevo con los valores establecidos por defecto. El "
        "fichero anterior se ha guardado como ZARPE33.INI.bak.");
    const int lineas = int(zp::PartirEnLineas(texto, 365, zp::FuenteTextoMensaje()).size());
    ASSERT_GT(lineas, 3);
    EXPECT_EQ(zp::ContarLineasMensaje(texto), lineas);
    auto alto = [&](int dadas) {
        int visto = 0;
        AlAbrirse([&](mensajes& caja) {
            visto = caja.GeometriaLogica().height();
            Pulsar(caja.Pic_BotSalir);
        });
        zp::MostrarMensaje(QStringLiteral("Error en la carga de datos iniciales"), texto, zp::Entero(dadas),
                           1);
        return visto;
    };
    EXPECT_EQ(alto(3), alto(lineas));
    EXPECT_GT(alto(lineas + 2), alto(lineas));
}

TEST_F(CajaMensajes, respuesta_de_cada_boton_y_tecla)
{
    using Accion = std::function<void(mensajes&)>;
    auto raton = [](zp::PictureBox* mensajes::*boton, Qt::MouseButton b) -> Accion {
        return [boton, b](mensajes& caja) { Pulsar(caja.*boton, b); };
    };
    auto tecla = [](Qt::Key k) -> Accion {
        return [k](mensajes& caja) {
            QTest::keyClick(&caja, k);
            if (caja.isVisible()) Pulsar(caja.Pic_No); // la tecla no hizo nada
        };
    };
    auto cerrar = [](mensajes& caja) { caja.close(); };
    struct Caso
    {
        const char* nombre;
        int botones;
        Accion accion;
        bool respuesta;
    };
    const Caso casos[] = {
        {"Sí", 2, raton(&mensajes::Pic_Si, Qt::LeftButton), true},
        {"Sí con el botón derecho", 2, raton(&mensajes::Pic_Si, Qt::RightButton), true},
        {"No", 2, raton(&mensajes::Pic_No, Qt::LeftButton), false},
        {"No con el botón derecho", 2, raton(&mensajes::Pic_No, Qt::RightButton), false},
        {"modo 0 es de dos botones", 0, raton(&mensajes::Pic_Si, Qt::LeftButton), true},
        {"modo 7 es de dos botones", 7, raton(&mensajes::Pic_No, Qt::LeftButton), false},
        {"Salir", 1, raton(&mensajes::Pic_BotSalir, Qt::LeftButton), true},
        {"Escape acepta", 2, tecla(Qt::Key_Escape), true},
        {"Intro acepta", 2, tecla(Qt::Key_Return), true},
        {"una letra acepta", 2, tecla(Qt::Key_N), true},
        {"Mayúsculas sola no responde", 2, tecla(Qt::Key_Shift), false},
        {"una tecla cierra la de un botón", 1, tecla(Qt::Key_Escape), true},
        {"cerrada desde fuera, la de un botón", 1, cerrar, true},
        {"cerrada desde fuera, la de dos", 2, cerrar, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::Mensajes().RespuestaMensaje = !c.respuesta;
        AlAbrirse(c.accion);
        const bool r = zp::MostrarMensaje(QStringLiteral("Pregunta"), QStringLiteral("¿Sí o no?"), 1,
                                          zp::Entero(c.botones));
        EXPECT_EQ(r, c.respuesta);
        EXPECT_EQ(zp::Mensajes().RespuestaMensaje, c.respuesta);
        EXPECT_EQ(zp::Mensajes().BotonesMensaje, c.botones);
    }
}

// Closed as the desktop closes it: the answer the caller chose for a close, and the box that asks about a
// close stays until a button answers it.
TEST_F(CajaMensajes, cerrada_por_el_escritorio_responde_lo_que_pide_quien_pregunta)
{
    using zp::CierreCaja;
    struct Caso
    {
        const char* nombre;
        int botones;
        CierreCaja alCerrar;
        bool respuesta, sigueAbierta;
    };
    const Caso casos[] = {
        {"la de dos, por defecto Cancelar", 2, CierreCaja::Cancelar, false, false},
        {"la de dos que no debe deshacer el juego, Aceptar", 2, CierreCaja::Aceptar, true, false},
        {"la de dos sobre ese mismo cierre se queda", 2, CierreCaja::Ninguno, true, true},
        {"la de un botón, siempre Aceptar", 1, CierreCaja::Cancelar, true, false},
        {"la de un botón se cierra aunque pregunte por el cierre", 1, CierreCaja::Ninguno, true, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        bool abierta = false;
        AlAbrirse([&](mensajes& caja) {
            prueba::PedirCierreDelEscritorio(caja);
            abierta = caja.isVisible();
            if (abierta) Pulsar(caja.Pic_Si);
        });
        const bool r = zp::MostrarMensaje(QStringLiteral("Pregunta"), QStringLiteral("¿Sí o no?"), 1,
                                          zp::Entero(c.botones), 0, c.alCerrar);
        EXPECT_EQ(r, c.respuesta);
        EXPECT_EQ(abierta, c.sigueAbierta);
    }
}

TEST_F(CajaMensajes, se_centra_en_la_mesa_o_en_toda_la_pantalla)
{
    struct Caso
    {
        const char* nombre;
        int anchoMesa, anchoPantalla, altoPantalla;
        bool ajustesAbiertos;
        QPoint esquina;
    };
    const Caso casos[] = {
        {"en la mesa", 710, 800, 600, false, {155, 208}},
        {"ajustes abiertos: toda la pantalla", 710, 800, 600, true, {200, 208}},
        {"pantalla ancha con ajustes", 910, 1000, 700, true, {300, 258}},
        {"antes de disponer la mesa", 0, 0, 0, false, {200, 208}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        zp::EntornoKit& e = zp::Entorno();
        e.AnchoMesa = zp::Entero(c.anchoMesa);
        e.AnchoPantalla = zp::Entero(c.anchoPantalla);
        e.AltoPantalla = zp::Entero(c.altoPantalla);
        e.AjustesAbiertos = c.ajustesAbiertos;
        AlAbrirse([&](mensajes& caja) {
            EXPECT_EQ(caja.GeometriaLogica().topLeft(), c.esquina);
            Pulsar(caja.Pic_BotSalir);
        });
        zp::MostrarMensaje(QStringLiteral("Aviso"), QStringLiteral("Texto"), 3, 1);
    }
    EXPECT_EQ(zp::Entorno().AltoPantalla, 600);
}

TEST_F(CajaMensajes, en_una_pantalla_mayor_crece_con_ella_y_sus_botones_responden)
{
    zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(1600, 1200))); // 1,6 píxeles reales por cada uno
    bool pulsadoEnSuSitio = false;
    AlAbrirse([&](mensajes& caja) {
        const zp::VirtualScreen& pantalla = zp::virtualScreen();
        EXPECT_EQ(caja.geometry(), pantalla.toRealOnScreen(caja.GeometriaLogica()));
        EXPECT_EQ(caja.geometry().width(), 640);
        EXPECT_EQ(caja.Pic_No->geometry(), pantalla.toReal(caja.Pic_No->logicalGeometry()));
        pulsadoEnSuSitio = true;
        QTest::mousePress(caja.Pic_No, Qt::LeftButton, {}, QPoint(80, 80));
    });
    const bool r = zp::MostrarMensaje(QStringLiteral("Pregunta"), QStringLiteral("¿Sí o no?"), 3, 2);
    EXPECT_TRUE(pulsadoEnSuSitio);
    EXPECT_FALSE(r);
}

TEST_F(CajaMensajes, una_caja_abierta_encima_de_otra_no_le_cambia_la_respuesta)
{
    bool segunda = false;
    AlAbrirse([&](mensajes& primera) {
        // Un suceso de la red pregunta mientras la primera espera.
        AlAbrirse([&](mensajes& otra) {
            EXPECT_NE(&otra, &primera);
            Pulsar(otra.Pic_BotSalir);
        });
        segunda = zp::MostrarMensaje(QStringLiteral("Juego en red"), QStringLiteral("Se perdió la conexión."),
                                     2, 1, 5100);
        // La primera sigue abierta y espera su propia respuesta.
        EXPECT_EQ(CajaAbierta(), &primera);
        EXPECT_TRUE(primera.isVisible());
        Pulsar(primera.Pic_No);
    });
    const bool primera = zp::MostrarMensaje(QStringLiteral("Abandonar la partida en curso"),
                                            QStringLiteral("¿Desea abandonar la partida?"), 1, 2);
    EXPECT_TRUE(segunda);
    EXPECT_FALSE(primera);
    EXPECT_FALSE(zp::Mensajes().RespuestaMensaje);
}

TEST_F(CajaMensajes, quita_el_reloj_de_arena_y_su_ayuda_abre_la_pagina_sin_cerrar_la_caja)
{
    QWidget mesa;
    zp::Entorno().mesa = &mesa;
    zp::PonerPuntero(&mesa, zp::kPunteroEspera);
    bool abiertaTrasLaAyuda = false;
    QUrl pagina;
    AlAbrirse([&](mensajes& caja) {
        EXPECT_EQ(zp::PunteroDe(&mesa), zp::kPunteroNormal) << "the box takes the hourglass off the table";
        Pulsar(caja.Pic_BotAyuda);
        abiertaTrasLaAyuda = caja.isVisible();
        ASSERT_NE(zp::AyudaAbierta(), nullptr);
        pagina = zp::AyudaAbierta()->PaginaMostrada();
        // The help window belongs to the box, so that the modal box does not block it.
        EXPECT_EQ(zp::AyudaAbierta()->parentWidget(), &caja);
        caja.close();
    });
    const bool r = zp::MostrarMensaje(QStringLiteral("Jugador con cinco dobles"),
                                      QStringLiteral("¿Las rechaza?"), 3, 2, 2144);
    // Once the box is closed the help stays open, now the table's.
    ASSERT_NE(zp::AyudaAbierta(), nullptr);
    EXPECT_TRUE(zp::AyudaAbierta()->isVisible());
    EXPECT_EQ(zp::AyudaAbierta()->parentWidget(), &mesa);
    delete zp::AyudaAbierta();
    EXPECT_TRUE(abiertaTrasLaAyuda);
    EXPECT_EQ(pagina.fileName(), QStringLiteral("2144.html"));
    EXPECT_FALSE(r);
    EXPECT_EQ(zp::Mensajes().AyudaMensaje, 2144);
}

TEST(EtiquetaMensaje, parte_en_los_saltos_y_en_las_palabras)
{
    const zp::FontSpec fuente = zp::FuenteTextoMensaje();
    struct Caso
    {
        const char* nombre;
        QString texto;
        int lineas;
    };
    const QString largo =
        QStringLiteral("Cuando se juega una partida en red en modo  Cliente  no  se puede comenzar "
                       "una nueva partida, ya que esta posibilidad sólo la tiene el Administrador "
                       "de la misma.");
    const Caso casos[] = {
        {"una línea", QStringLiteral("Texto corto"), 1},
        {"salto CR LF", QStringLiteral("Uno\r\nDos"), 2},
        {"salto al final", QStringLiteral("Permanezca a la espera.\r\n"), 2},
        {"texto largo", largo, 3},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const QStringList lineas = zp::PartirEnLineas(c.texto, 365, fuente);
        EXPECT_EQ(lineas.size(), c.lineas) << lineas.join(QLatin1Char('|')).toStdString();
        for (const QString& l : lineas) EXPECT_LE(zp::textWidth(l, fuente), 365);
    }
    // Los espacios dobles del texto se conservan dentro de la línea.
    EXPECT_TRUE(zp::PartirEnLineas(largo, 365, fuente)
                    .join(QLatin1Char(' '))
                    .contains(QStringLiteral("modo  Cliente")));
}

} // namespace

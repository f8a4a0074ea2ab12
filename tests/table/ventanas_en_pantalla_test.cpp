// Cada ventana del programa cabe entera en la pantalla en que se abre: en una de 640 x 480 tras aceptar la
// mesa de 800 x 600, en una de 800 x 600 y en una de 1024 x 768. Las cajas del arranque, la mesa, la ayuda,
// las ventanas de la barra y una caja de mensaje más larga que la pantalla.
#include "programa_prueba.h"

#include "kit/mensajes.h"

namespace {

struct VentanasEnPantalla : prueba::ProgramaPrueba
{
    // What stood off the screen, one line each: the window's name and where it stood.
    void Anotar(const QWidget* w, const QString& que)
    {
        vistas << que;
        const QRect donde = w->frameGeometry();
        // The table covers the screen, its two spare pixels off its right and bottom edges.
        const bool bien = programa && w == programa->Mesa.get()
                              ? donde.topLeft() == QPoint(0, 0) && donde.contains(zp::screenArea())
                              : zp::screenArea().contains(donde);
        // A message box's buttons stand within it, however long its text.
        if (auto* caja = qobject_cast<const zp::mensajes*>(w))
            for (const zp::PictureBox* boton : {caja->Pic_BotSalir, caja->Pic_Si, caja->Pic_No})
                if (boton->isVisible() && !caja->rect().contains(boton->geometry()))
                    fuera << que + QStringLiteral(": un botón fuera de la caja");
        if (!bien)
            fuera << QStringLiteral("%1 en (%2,%3) %4x%5 [%6,%7 %8x%9]")
                         .arg(que)
                         .arg(donde.x())
                         .arg(donde.y())
                         .arg(donde.width())
                         .arg(donde.height())
                         .arg(w->geometry().x())
                         .arg(w->geometry().y())
                         .arg(w->geometry().width())
                         .arg(w->geometry().height());
    }

    // Opens a window from the top-level loop; a timer looks at it once it is up and closes it, as the
    // window runs its own loop meanwhile. Message boxes are looked at as they are answered.
    void AbrirYCerrar(const QString& que, std::function<void()> abrir)
    {
        const qsizetype vistasAntes = vistas.size();
        QPointer<QWidget> vista;
        QTimer mirador;
        QObject::connect(&mirador, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w == vista || qobject_cast<zp::mensajes*>(w)) return;
            vista = w;
            Anotar(w, que);
            QTimer::singleShot(0, w, [w] { w->close(); });
        });
        mirador.start(5);
        QTimer::singleShot(0, programa->Mesa.get(), std::move(abrir));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return vistas.size() > vistasAntes && QApplication::activeModalWidget() == nullptr; },
            5000))
            << que.toStdString();
    }

    void Comprobar(zp::VirtualScreen pantalla)
    {
        zp::setVirtualScreen(pantalla);
        respuestas[QStringLiteral("Resolución de pantalla")] = true; // the 800 x 600 table on a small screen
        responder = [this](const QString& titulo) -> std::optional<bool> {
            Anotar(QApplication::activeModalWidget(), titulo);
            return std::nullopt;
        };
        Arrancar();
        ASSERT_FALSE(programa->Salir);
        Anotar(programa->Mesa.get(), QStringLiteral("mesa"));

        Pulsar(6);
        ASSERT_NE(zp::AyudaAbierta(), nullptr);
        Anotar(zp::AyudaAbierta(), QStringLiteral("ayuda"));
        zp::AyudaAbierta()->close();

        for (int boton : {2, 3, 5})
            AbrirYCerrar(QStringLiteral("botón %1").arg(boton), [this, boton] { Pulsar(boton); });
        programa->e.NumeroJugada = 1; // the statistics, empty at their largest
        AbrirYCerrar(QStringLiteral("estadísticas"), [this] { Pulsar(8); });
        QString larga;
        for (int i = 1; i <= 45; ++i) larga += QStringLiteral("Línea %1\n").arg(i);
        AbrirYCerrar(QStringLiteral("caja larga"),
                     [larga] { zp::MostrarMensaje(QStringLiteral("Larga"), larga, 45, 1); });

        EXPECT_GE(vistas.size(), 8) << vistas.join(QStringLiteral(", ")).toStdString();
        EXPECT_TRUE(fuera.isEmpty()) << fuera.join(QStringLiteral("; ")).toStdString();
    }

    QStringList vistas, fuera;
};

TEST_F(VentanasEnPantalla, en_640x480_con_la_mesa_de_800x600_todo_cabe)
{
    Comprobar(zp::VirtualScreen::fit(QSize(640, 480)));
    EXPECT_TRUE(vistas.contains(QStringLiteral("Resolución de pantalla")));
}

TEST_F(VentanasEnPantalla, en_800x600_todo_cabe)
{
    Comprobar(zp::VirtualScreen::fit(QSize(800, 600)));
}

TEST_F(VentanasEnPantalla, en_1024x768_todo_cabe)
{
    Comprobar(zp::VirtualScreen::fit(QSize(1024, 768)));
}

} // namespace

// Lo que comparten las pruebas de las ventanas de ajustes: un motor sin mesa sobre una carpeta de trabajo
// temporal, las pausas sin espera, sin sonido, y un guion que contesta cada caja de mensajes y la anota.
#pragma once

#include "common/imagen_referencia.h"
#include "engine/contexto.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "kit/pausa.h"
#include "platform/clock.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"
#include "settings/core/almacen_ficheros.h"
#include "settings/core/fichero_estado.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/reloj_falso.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace prueba {

struct Caja
{
    QString titulo, texto;
    zp::Entero ayuda = 0;
};

class VentanaAjustes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zp::setVirtualScreen(zp::VirtualScreen::fit(QSize(800, 600)));
        zp::PonerAjustesPorDefecto(e, a);
        a.Sonido = false;
        a.Velocidad = 100; // las pausas de los controles, de un milisegundo
        zp::Entorno() = zp::EntornoKit{};
        zp::Entorno().AnchoMesa = 710;
        zp::Entorno().AltoPantalla = 600;
        zp::Entorno().AnchoPantalla = 800;
        zp::Entorno().ajustes = &a;
        zp::PausaPrograma().PonerReloj(reloj);
        QObject::connect(&guion, &QTimer::timeout, [this] {
            auto* caja = qobject_cast<zp::mensajes*>(QApplication::activeModalWidget());
            if (!caja || caja == atendida) return;
            atendida = caja;
            cajas.push_back({caja->TextoTitulo(), caja->TextoMensaje(), zp::Mensajes().AyudaMensaje});
            const auto r = respuestas.find(caja->TextoTitulo());
            if (r == respuestas.end())
                caja->close();
            else
                QTest::mousePress(r->second ? caja->Pic_Si : caja->Pic_No, Qt::LeftButton, {},
                                  QPoint(10, 10));
        });
        guion.start(1);
    }
    void TearDown() override
    {
        guion.stop();
        zp::PausaPrograma().PonerReloj(zp::systemClock());
        zp::Entorno() = zp::EntornoKit{};
    }

    std::string Carpeta() const { return carpeta.path().toStdString() + "/"; }
    zp::Contexto Ctx() { return zp::Contexto{e, a, pantalla, mesa, usuario, ritmo, red, almacen, azar}; }

    // Los títulos de las cajas mostradas desde la última vez, y se olvidan.
    std::vector<QString> Titulos()
    {
        std::vector<QString> t;
        for (const Caja& c : cajas) t.push_back(c.titulo);
        cajas.clear();
        return t;
    }

    QTemporaryDir carpeta;
    zp::EstadoJuego e;
    zp::Ajustes a;
    zp::Pantalla pantalla = zp::MedirPantalla(800, 600);
    zp::MesaNula mesa;
    zp::UsuarioAutomatico usuario;
    zp::RitmoNulo ritmo;
    zp::RedNula red;
    zp::AlmacenFicheros almacen{e, a, Carpeta()};
    zp::AzarSemilla azar{1};
    zp::prueba::RelojFalso reloj;
    QTimer guion;
    QPointer<zp::mensajes> atendida;
    std::vector<Caja> cajas;
    std::map<QString, bool> respuestas; // por título: Aceptar o Cancelar; las demás se cierran
};

} // namespace prueba

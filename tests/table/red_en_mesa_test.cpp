// El administrador en la mesa con su asiento 2 jugado desde 127.0.0.1, entrado en red desde los ajustes del
// jugador, frente a quien llama a su puerto: el que se va antes de empezar, muchos que llegan y se van
// seguidos, el jugador que se va mientras se avisa de otro rechazado, dos sin asiento que llaman a la vez, y
// los que llaman ya empezada la partida sin asiento para su dirección. Nunca más de una caja de la red a la
// vez.
#include "ajustes_en_mesa.h"

#include "kit/espera.h"
#include "network/ciclo_red.h"
#include "platform/socket_control.h"
#include "settings/personal.h"

#include <QMouseEvent>
#include <QTcpSocket>

namespace {

const QString kDesconectado = QStringLiteral("Jugador desconectado");

class RedEnLaMesa : public prueba::AjustesEnLaMesa
{
protected:
    void TearDown() override
    {
        conCaja.stop();
        limite.stop();
        AjustesEnLaMesa::TearDown();
        llamadas.clear();
    }

    zp::ConexionRed& Red() const { return *zp::ConexionDe(*programa); }
    bool Escuchando() const { return Red().WSServidor[0]->state() == zp::SocketControl::Listening; }

    // Arranca y, desde el botón 2 de la barra, entra en red como administrador con el asiento 2 en Remoto
    // desde 127.0.0.1, en un puerto libre. La espera de la red corre dentro de la prueba: lo que se haga
    // mientras, con pasos del guion.
    void Administrar()
    {
        Arrancar();
        zp::Ajustes& aj = programa->a;
        aj.ModoRed = zp::PapelRed::Administrador;
        aj.Jugador[2].DireccionIP = "127.0.0.1";
        aj.Jugador[4].ControlJugador = zp::Control::Automatico; // la partida no espera a nadie de aquí
        Red().Puerto = 0;
        // Si algo se queda esperando, la red y la partida se acaban y la prueba falla en vez de colgarse.
        limite.setSingleShot(true);
        QObject::connect(&limite, &QTimer::timeout, [this] {
            ADD_FAILURE() << "algo se ha quedado esperando";
            zp::CerrarRed(Red());
            zp::abandonMatch();
        });
        limite.start(20000);
        respuestas[QStringLiteral("Jugar en red")] = true;
        AbrirAjustes([](zp::personal& ventana) {
            Clic(ventana.Pic_Buleano[3], QPoint(5, 5)); // Jugar en red
            // El control del asiento 2 pasa de Automático a Remoto.
            Clic(ventana.Pic_Selector[26], QPoint(10, 20));
            Clic(ventana.Pic_BotSalir, QPoint(25, 25));
        });
    }

    // Un ordenador que llama al administrador; lo que recibe se queda en `recibido`.
    struct Llamada
    {
        QTcpSocket socket;
        QByteArray recibido;
    };
    Llamada& Llamar()
    {
        auto& l = *llamadas.emplace_back(std::make_unique<Llamada>());
        QObject::connect(&l.socket, &QTcpSocket::readyRead, [&l] { l.recibido += l.socket.readAll(); });
        l.socket.connectToHost(QStringLiteral("127.0.0.1"), Red().WSServidor[0]->localPort());
        return l;
    }
    // Con una caja a la vista, sin contestarla, `vuelta` cada 5 ms hasta que diga que ha acabado; entonces
    // las cajas se vuelven a contestar. Nada espera dentro de la caja: otra que se abriera encima no lo
    // pararía.
    void ConLaCajaAbierta(std::function<bool()> vuelta)
    {
        contestarCajas = false;
        QObject::connect(&conCaja, &QTimer::timeout, [this, vuelta] {
            if (CajasAbiertas() == 0) return; // aún no se ve
            abiertasALaVez = std::max(abiertasALaVez, CajasAbiertas());
            if (!vuelta()) return;
            conCaja.stop();
            contestarCajas = true;
            cajaSoltada = true;
        });
        conCaja.start(5);
    }
    // Con una caja a la vista, `cuantas` llamadas una tras otra: cada una cuelga en cuanto le dan asiento o
    // le cuelgan, y la siguiente llama cuando el asiento 2 está libre si `alAsientoLibre`.
    void LlamarConLaCajaAbierta(int cuantas, bool alAsientoLibre)
    {
        ConLaCajaAbierta(
            [this, cuantas, alAsientoLibre, hechas = 0, actual = static_cast<Llamada*>(nullptr)]() mutable {
                if (actual) {
                    const bool acabada = actual->recibido.size() >= 8 ||
                                         actual->socket.state() == QAbstractSocket::UnconnectedState;
                    if (!acabada) return false;
                    colgadas += actual->recibido.isEmpty() ? 1 : 0;
                    actual->socket.abort();
                    actual = nullptr;
                }
                if (alAsientoLibre && programa->a.Jugador[2].Conectado) return false;
                if (hechas++ == cuantas) return true;
                actual = &Llamar();
                return false;
            });
    }

    // El jugador del asiento 2 llega; otro desde su misma dirección se rechaza y, con el aviso a la vista, el
    // jugador se va (y vuelve, si `vuelve`). Lo que se pregunta después y cómo acaba la entrada en red.
    void RechazadoYJugadorQueSeVa(bool vuelve)
    {
        Administrar();
        respuestas[kDesconectado] = false;
        Llamada* jugador = nullptr;
        Llamada* otraVez = nullptr;
        pasos = {
            {[&] { return Escuchando(); }, [&] { jugador = &Llamar(); }},
            {[&] { return jugador->recibido.size() >= 8; },
             [&] {
                 Llamar();
                 ConLaCajaAbierta([&, vuelve] {
                     if (otraVez) return otraVez->recibido.size() >= 8;
                     jugador->socket.abort();
                     if (programa->a.Jugador[2].Conectado) return false;
                     if (vuelve) otraVez = &Llamar();
                     return !vuelve;
                 });
             }},
            // De vuelta, sigue la espera de su respuesta: se acaba aquí.
            {[&] { return cajaSoltada && vuelve; }, [&] { zp::CerrarRed(Red()); }},
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return cajaSoltada && !Red().Estado.Arrancando; }, 30000));
        QTest::qWait(50);
        // Tras los de entrar en red, el aviso y luego la pregunta, si no ha vuelto ya.
        QStringList titulos;
        for (const prueba::Caja& c : cajas) titulos << c.titulo;
        QStringList esperados{QStringLiteral("Juego en red")};
        if (!vuelve) esperados << kDesconectado;
        EXPECT_EQ(titulos.mid(titulos.indexOf(QStringLiteral("Jugar en red")) + 1), esperados);
        EXPECT_EQ(abiertasALaVez, 1);
        EXPECT_EQ(CajasAbiertas(), 0);
        EXPECT_FALSE(programa->a.JuegoEnRed);
    }

    // Mientras se espera al jugador, antes de que llegue o ya sentado sin haber contestado, se pide una
    // partida nueva (`pulsar`); el jugador contesta sin partida que seguir. Se acaba la espera y empieza una
    // sola partida, la de los dos: el jugador recibe su asiento, los ajustes, el veredicto y después el
    // reparto.
    void NuevaMientrasSeEspera(bool yaSentado, std::function<void()> pulsar)
    {
        Administrar();
        Llamada* jugador = nullptr;
        bool enPartida = false;
        pasos = {
            {[&] { return Escuchando(); },
             [&, yaSentado] {
                 if (!yaSentado) pulsar();
                 jugador = &Llamar();
             }},
            {[&] { return jugador->recibido.size() >= 8; },
             [&, yaSentado] {
                 if (yaSentado) pulsar();
                 jugador->socket.write("ZRP33040000000000");
             }},
            // La partida espera ya la jugada del jugador o su caja de salida: se acaba aquí.
            {[&] { return jugador->recibido.contains("ZRP3301"); },
             [&] {
                 enPartida = programa->a.JuegoEnRed && programa->e.PartidaEnCurso && !Red().Estado.Arrancando;
                 zp::abandonMatch();
             }},
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 30000));
        // Asiento, ajustes y veredicto; los ajustes de la partida y su reparto; nada de otra partida.
        const QByteArray& r = jugador->recibido;
        constexpr int kEstado = 787;
        EXPECT_TRUE(r.startsWith("ZRP33032ZRP3311"));
        EXPECT_EQ(r.indexOf("ZRP33021"), 8 + kEstado);
        EXPECT_EQ(r.indexOf("ZRP3311", 8 + kEstado), 8 + kEstado + 8);
        EXPECT_EQ(r.indexOf("ZRP3312"), 8 + kEstado + 8 + kEstado);
        EXPECT_EQ(r.count("ZRP3312"), 1);
        EXPECT_FALSE(r.contains("ZRP3308"));
        EXPECT_TRUE(enPartida);
        EXPECT_FALSE(HayCaja(QStringLiteral("Abandonar la partida en curso")));
    }

    static int CajasAbiertas()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<zp::mensajes*>(w) && w->isVisible()) ++n;
        return n;
    }
    int Cajas(const QString& titulo) const
    {
        return int(std::count_if(cajas.begin(), cajas.end(),
                                 [&](const prueba::Caja& c) { return c.titulo == titulo; }));
    }

    QTimer conCaja;
    bool cajaSoltada = false; // la caja retenida se ha vuelto a contestar
    QTimer limite;
    int abiertasALaVez = 0; // las cajas de mensajes abiertas a la vez mientras llamaban
    int colgadas = 0;       // llamadas de la ráfaga a las que se colgó sin darles asiento
    std::vector<std::unique_ptr<Llamada>> llamadas;
};

TEST_F(RedEnLaMesa, quien_se_va_antes_de_empezar_y_se_juega_aqui_no_deja_a_la_vista_nada_de_la_red)
{
    Administrar();
    respuestas[kDesconectado] = false; // Cancelar: el asiento lo juega la máquina y la red se acaba
    Llamada* pasa = nullptr;
    pasos = {
        {[&] { return Escuchando(); }, [&] { pasa = &Llamar(); }},
        {[&] { return pasa->recibido.size() >= 8; }, [&] { pasa->socket.abort(); }},
    };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Cajas(kDesconectado) == 1 && !Red().Estado.Arrancando; }, 20000));
    QTest::qWait(50);
    EXPECT_EQ(pasa->recibido, "ZRP33032");
    EXPECT_FALSE(programa->a.JuegoEnRed);
    EXPECT_EQ(programa->a.Jugador[2].ControlJugador, zp::Control::Automatico);
    // Ni el botón de los mensajes en red ni el panel de espera.
    EXPECT_FALSE(Boton(9)->isVisible());
    EXPECT_FALSE(programa->Mesa->Pic_Info->isVisible());
    EXPECT_EQ(Red().WSServidor[0]->state(), zp::SocketControl::Closed);
}

TEST_F(RedEnLaMesa, muchos_que_llegan_y_se_van_mientras_se_espera_dejan_una_sola_caja_que_se_contesta_una_vez)
{
    Administrar();
    respuestas[kDesconectado] = false;
    Llamada* pasa = nullptr;
    pasos = {
        {[&] { return Escuchando(); }, [&] { pasa = &Llamar(); }},
        // Se va; con su caja a la vista llegan otros veinte, uno tras otro, y se van también.
        {[&] { return pasa->recibido.size() >= 8; },
         [&] {
             pasa->socket.abort();
             LlamarConLaCajaAbierta(20, true);
         }},
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return cajaSoltada && !Red().Estado.Arrancando; }, 20000));
    QTest::qWait(50);
    EXPECT_EQ(colgadas, 0); // todos tuvieron el asiento 2
    EXPECT_EQ(abiertasALaVez, 1);
    EXPECT_EQ(Cajas(kDesconectado), 1);
    EXPECT_EQ(CajasAbiertas(), 0);
    EXPECT_FALSE(programa->a.JuegoEnRed);
    EXPECT_FALSE(Boton(9)->isVisible());
}

TEST_F(RedEnLaMesa, quien_se_va_mientras_se_avisa_de_un_rechazado_se_pregunta_al_cerrar_ese_aviso)
{
    RechazadoYJugadorQueSeVa(false);
}

TEST_F(RedEnLaMesa, quien_se_va_y_vuelve_mientras_se_avisa_de_un_rechazado_no_se_pregunta)
{
    RechazadoYJugadorQueSeVa(true);
}

// Los que se cuelgan antes de que se vea el aviso del primero no añaden otro: una sola caja por todos ellos.
TEST_F(RedEnLaMesa, dos_que_llaman_a_la_vez_sin_asiento_se_avisan_con_una_sola_caja)
{
    Administrar();
    respuestas[kDesconectado] = false;
    const QString kRed = QStringLiteral("Juego en red");
    Llamada* jugador = nullptr;
    std::vector<Llamada*> ajenos;
    pasos = {
        {[&] { return Escuchando(); }, [&] { jugador = &Llamar(); }},
        // Con el jugador sentado, dos más desde su dirección, a la vez: los dos esperan ya en la cola del
        // administrador cuando este mira la primera llamada.
        {[&] { return jugador->recibido.size() >= 8; },
         [&] {
             for (int i = 0; i < 2; ++i) {
                 ajenos.push_back(&Llamar());
                 EXPECT_TRUE(ajenos.back()->socket.waitForConnected(10000));
             }
         }},
        // Contestado el aviso, el jugador se va: lo siguiente que se ve es la pregunta por él.
        {[&] { return Cajas(kRed) > 0; }, [&] { jugador->socket.abort(); }},
    };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Cajas(kDesconectado) == 1 && !Red().Estado.Arrancando; }, 20000));
    QStringList titulos;
    for (const prueba::Caja& c : cajas) titulos << c.titulo;
    const QStringList vistos = titulos.mid(titulos.indexOf(QStringLiteral("Jugar en red")) + 1);
    EXPECT_EQ(vistos.join(QStringLiteral(" | ")).toStdString(), "Juego en red | Jugador desconectado");
    ASSERT_EQ(ajenos.size(), 2u);
    for (Llamada* l : ajenos) {
        EXPECT_TRUE(l->recibido.isEmpty());
        EXPECT_EQ(l->socket.state(), QAbstractSocket::UnconnectedState);
    }
}

TEST_F(RedEnLaMesa, una_partida_nueva_pedida_mientras_se_espera_al_jugador_es_la_que_empieza_al_llegar_este)
{
    NuevaMientrasSeEspera(false, [this] { Pulsar(1); });
}

TEST_F(RedEnLaMesa, dos_pulsaciones_mientras_se_espera_al_jugador_dan_una_sola_partida_al_llegar_este)
{
    NuevaMientrasSeEspera(false, [this] {
        Pulsar(1);
        Pulsar(1);
    });
}

TEST_F(RedEnLaMesa, con_el_jugador_ya_sentado_una_partida_nueva_no_se_anuncia_y_es_la_que_empieza)
{
    NuevaMientrasSeEspera(true, [this] { Pulsar(1); });
}

// Como la pediría cualquier otra ventana: tampoco se juega dentro de la espera.
TEST_F(RedEnLaMesa, una_partida_pedida_al_programa_mientras_se_espera_no_se_juega_dentro_de_la_espera)
{
    NuevaMientrasSeEspera(false, [this] { zp::PedirAlPrograma(*programa, zp::Peticion::NuevaPartida); });
}

TEST_F(RedEnLaMesa, quien_llama_ya_empezada_sin_asiento_se_cuelga_y_se_avisa_con_su_direccion_caja_a_caja)
{
    Administrar();
    const QString kRed = QStringLiteral("Juego en red");
    Llamada* jugador = nullptr;
    Llamada* intruso = nullptr;
    bool sigueEnRed = false;
    pasos = {
        // El jugador del asiento 2 llega, contesta sin partida que seguir y empieza una nueva.
        {[&] { return Escuchando(); }, [&] { jugador = &Llamar(); }},
        {[&] { return jugador->recibido.size() >= 8; }, [&] { jugador->socket.write("ZRP33040000000000"); }},
        // Otro desde la misma dirección ya no tiene asiento; mientras se le avisa llaman diez más.
        {[&] { return programa->e.PartidaEnCurso && !Red().Estado.Arrancando; },
         [&] {
             intruso = &Llamar();
             LlamarConLaCajaAbierta(10, false);
         }},
        // Cerrada la caja, el siguiente se avisa otra vez.
        {[&] { return cajaSoltada; }, [&] { Llamar(); }},
        {[&] { return Cajas(kRed) == 2; },
         [&] {
             // La partida en red sigue con su jugador.
             sigueEnRed = programa->a.JuegoEnRed && programa->e.PartidaEnCurso &&
                          programa->a.Jugador[2].Conectado && Boton(9)->isVisible();
             zp::abandonMatch(); // fin de la prueba
         }},
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return resultados.size() == 2; }, 30000));
    EXPECT_EQ(pasoActual, pasos.size());
    EXPECT_TRUE(sigueEnRed);
    ASSERT_TRUE(intruso);
    EXPECT_TRUE(intruso->recibido.isEmpty());
    EXPECT_EQ(intruso->socket.state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(colgadas, 10);
    EXPECT_EQ(abiertasALaVez, 1);
    EXPECT_EQ(Cajas(kRed), 2);
    const auto aviso =
        std::find_if(cajas.begin(), cajas.end(), [&](const prueba::Caja& c) { return c.titulo == kRed; });
    ASSERT_NE(aviso, cajas.end());
    EXPECT_EQ(
        aviso->texto,
        QStringLiteral("Hay un jugador que ha solicitado conectarse con la partida, pero su  Dirección  IP  "
                       "(127.0.0.1) no coincide con la de ninguno de los jugadores de la mesa de juego. "
                       "Compruebe que la Dirección IP de ese jugador es correcta."));
}

} // namespace

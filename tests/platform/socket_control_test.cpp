// El control de sockets por la interfaz local: una petición de conexión tomada por otro control, lo enviado
// llega entero y en orden, el cierre del otro lado se avisa una vez, y nadie escuchando da el error 10061.
#include "common/espera_acotada.h"
#include "platform/socket_control.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace zp {
namespace {

using prueba::EsperarA;

TEST(ControlSocket, una_peticion_aceptada_por_otro_control_lleva_los_datos_enteros_y_avisa_el_cierre)
{
    SocketControl escucha, servidor, cliente;
    ASSERT_TRUE(escucha.listen(0));
    EXPECT_EQ(escucha.state(), SocketControl::Listening);
    int peticion = 0;
    QObject::connect(&escucha, &SocketControl::connectionRequest, [&](int id) { peticion = id; });
    cliente.connectTo("127.0.0.1", escucha.localPort());
    ASSERT_TRUE(EsperarA([&] { return peticion != 0 && cliente.state() == SocketControl::Connected; }));
    EXPECT_EQ(escucha.requestAddress(peticion), "127.0.0.1");
    ASSERT_TRUE(servidor.accept(escucha, peticion));
    servidor.setTag(2);
    EXPECT_EQ(servidor.state(), SocketControl::Connected);
    EXPECT_EQ(servidor.remoteHostIP(), "127.0.0.1");

    std::string enviado;
    for (int i = 0; i < 4; ++i) enviado += "ZRP3311" + std::string(780, char('a' + i)) + "\xF1";
    EXPECT_TRUE(servidor.sendData(enviado));
    std::string recibido;
    QObject::connect(&cliente, &SocketControl::dataArrival, [&] { recibido += cliente.getData(); });
    ASSERT_TRUE(EsperarA([&] { return recibido.size() >= enviado.size(); }));
    EXPECT_EQ(recibido, enviado);

    QSignalSpy cierres(&servidor, &SocketControl::closed);
    cliente.close();
    EXPECT_EQ(cliente.state(), SocketControl::Closed);
    ASSERT_TRUE(EsperarA([&] { return cierres.count() > 0; }));
    EXPECT_EQ(servidor.state(), SocketControl::Closing);
    EXPECT_FALSE(servidor.sendData("ZRP3308"));
    servidor.close();
    EXPECT_EQ(servidor.state(), SocketControl::Closed);
    QCoreApplication::processEvents();
    EXPECT_EQ(cierres.count(), 1);
}

TEST(ControlSocket, sin_nadie_escuchando_la_conexion_da_el_error_10061)
{
    quint16 puerto = 0;
    {
        SocketControl libre; // a port that was free a moment ago
        ASSERT_TRUE(libre.listen(0));
        puerto = libre.localPort();
    }
    SocketControl cliente;
    int numero = 0;
    QObject::connect(&cliente, &SocketControl::errorOccurred, [&](int n, const QString&) { numero = n; });
    cliente.connectTo("127.0.0.1", puerto);
    ASSERT_TRUE(EsperarA([&] { return numero != 0; }));
    EXPECT_EQ(numero, SocketControl::kErrorConnectionRefused);
    EXPECT_EQ(cliente.state(), SocketControl::Error);
}

} // namespace
} // namespace zp

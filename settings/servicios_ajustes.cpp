#include "settings/servicios_ajustes.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace zp {

std::string ServiciosAjustes::DireccionLocal() const
{
    // The first IPv4 address of an interface that is up and not the loopback; an IPv6 one would not fit the
    // address's 15 columns.
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || f.testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& d : i.addressEntries())
            if (d.ip().protocol() == QAbstractSocket::IPv4Protocol) return d.ip().toString().toStdString();
    }
    return "127.0.0.1";
}

} // namespace zp

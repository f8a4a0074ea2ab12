#include "settings/servicios_ajustes.h"

#include "platform/socket_control.h"

namespace zp {

std::string ServiciosAjustes::DireccionLocal() const
{
    return SocketControl::localIP().toStdString();
}

} // namespace zp

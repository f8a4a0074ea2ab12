#include "network/core/chat.h"

#include "engine/estado.h"
#include "platform/text/cp1252.h"

#include <cstdio>

namespace zp {

namespace {

std::string Campo(std::string s, std::size_t ancho)
{
    s.resize(ancho, ' ');
    return s;
}

} // namespace

std::string ComponerMensajeChat(std::string_view nombre, int hora, int minuto, std::string_view texto)
{
    std::string lineas;
    for (char c : texto) {
        if (c == '\r') continue;
        if (c == '\n') lineas += '\r';
        lineas += c;
    }
    char reloj[8];
    std::snprintf(reloj, sizeof reloj, "%02d:%02d", hora % 24, minuto % 60);
    return Campo(aCp1252(nombre), kLargoNombreChat) + Campo(reloj, kLargoHoraChat) +
           Campo(aCp1252(lineas), kLargoTextoChat);
}

std::string TextoMensajesChat(const std::vector<std::string>& mensajes)
{
    const std::string salto(SaltoLinea);
    std::string t;
    for (const std::string& m : mensajes) {
        if (SinEspacios(m).empty()) continue;
        const std::string_view v(m);
        const auto parte = [&v](std::size_t desde, std::size_t largo) {
            return desdeCp1252(SinEspacios(v.substr(std::min(desde, v.size()), largo)));
        };
        t += "<<< Mensaje de " + parte(0, kLargoNombreChat) + " a las " +
             parte(kLargoNombreChat, kLargoHoraChat) + " horas. >>>" + salto;
        t += parte(kLargoNombreChat + kLargoHoraChat, kLargoTextoChat) + salto + salto;
    }
    return t;
}

} // namespace zp

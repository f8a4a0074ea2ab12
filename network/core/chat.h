#pragma once
// The chat records: one line of a player, as it travels and is kept, 214 bytes in Windows-1252 (the sender's
// name, the time it was sent, the text); and the history as the chat window lists it.
#include <string>
#include <string_view>
#include <vector>

namespace zp {

inline constexpr std::size_t kLargoNombreChat = 9;
inline constexpr std::size_t kLargoHoraChat = 5;
inline constexpr std::size_t kLargoTextoChat = 200;

// `nombre` in UTF-8, cut to 9 characters; `hora` and `minuto` of the local time; `texto` in UTF-8, line
// breaks travelling as CR LF, cut to 200 characters. Blanks fill what is left of each field.
std::string ComponerMensajeChat(std::string_view nombre, int hora, int minuto, std::string_view texto);

// Every record stored, in order: a heading with the sender and the time, the text, and a blank line. In
// UTF-8, each line ending in CR LF.
std::string TextoMensajesChat(const std::vector<std::string>& mensajes);

} // namespace zp

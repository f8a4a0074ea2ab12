#include "network/core/trama.h"

#include "engine/mensajes_red.h"

namespace zp {

namespace {

char Mayuscula(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<MensajeRed> TramaRed::Recibir(std::string_view datos)
{
    pendiente_.append(datos);
    std::vector<MensajeRed> mensajes;
    std::size_t i = 0;
    const std::size_t n = pendiente_.size();
    for (;;) {
        while (i < n && pendiente_[i] == ' ') ++i;
        if (i == n) break;
        const std::size_t quedan = n - i;
        const std::size_t prefijo = std::min(quedan, kPrefijoRed.size());
        bool bueno = true;
        for (std::size_t k = 0; k < prefijo; ++k)
            if (Mayuscula(pendiente_[i + k]) != kPrefijoRed[k]) bueno = false;
        std::optional<std::size_t> largo;
        if (bueno && quedan >= kLargoCabecera) {
            const char d1 = pendiente_[i + 5], d2 = pendiente_[i + 6];
            bueno = EsDigito(d1) && EsDigito(d2);
            if (bueno) largo = LargoCuerpo((d1 - '0') * 10 + (d2 - '0'), administrador_);
            bueno = bueno && largo.has_value();
        }
        if (!bueno) {
            ++descartes_;
            pendiente_.clear();
            return mensajes;
        }
        if (!largo || quedan < kLargoCabecera + *largo) break; // the rest comes with a later read
        mensajes.push_back(MensajeRed{(pendiente_[i + 5] - '0') * 10 + (pendiente_[i + 6] - '0'),
                                      pendiente_.substr(i + kLargoCabecera, *largo)});
        i += kLargoCabecera + *largo;
    }
    pendiente_.erase(0, i);
    return mensajes;
}

} // namespace zp

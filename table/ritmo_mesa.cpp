#include "table/ritmo_mesa.h"

#include "kit/pausa.h"
#include "kit/sonido.h"

namespace zp {

void RitmoMesa::MarcarInicioPausa()
{
    PausaPrograma().MarcarInicioPausa();
}

void RitmoMesa::HacerPausa(Entero ms, Entero velocidad)
{
    PausaPrograma().HacerPausa(ms, velocidad);
}

void RitmoMesa::ReproducirSonido(Entero modo, Entero id, bool sonido)
{
    if (!sonido) return; // the sound device is not even opened
    SonidosPrograma().ReproducirSonido(modo, id, sonido);
}

RitmoMesa& RitmoMesaPrograma()
{
    static RitmoMesa ritmo;
    return ritmo;
}

} // namespace zp

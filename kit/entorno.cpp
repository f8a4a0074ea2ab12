#include "kit/entorno.h"

#include "assets/recursos.h"
#include "kit/cursores.h"
#include "kit/pausa.h"
#include "kit/sonido.h"

namespace zp {

EntornoKit& Entorno()
{
    static EntornoKit entorno;
    return entorno;
}

const Surface& HojaBmpVario()
{
    if (const Surface* hoja = Entorno().BmpVario) return *hoja;
    static const Surface propia = [] {
        if (auto cargada = Surface::load(QString::fromLatin1(recursos::bmpvario::Ruta))) return *cargada;
        return Surface(recursos::bmpvario::Hoja.ancho, recursos::bmpvario::Hoja.alto, kGrisClaro);
    }();
    return propia;
}

void SonarKit(Entero modo, Entero id)
{
    const Ajustes* a = Entorno().ajustes;
    if (a && !a->Sonido) return; // the sound device is not even opened
    SonidosPrograma().ReproducirSonido(modo, id, true);
}

void PausarKit(Entero ms)
{
    const Ajustes* a = Entorno().ajustes;
    PausaPrograma().HacerPausa(ms, a ? a->Velocidad : Entero(50));
}

void PunteroMesa(Entero codigo)
{
    if (QWidget* mesa = Entorno().mesa) PonerPuntero(mesa, codigo);
}

} // namespace zp

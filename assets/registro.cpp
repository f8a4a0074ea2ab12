#include "assets/recursos.h"

#include <QtGlobal>

// The resources are compiled into this library; naming their initialisers here keeps a static link from
// dropping them even where nothing else refers to them.
static void IniciarRecursosGenerados()
{
    Q_INIT_RESOURCE(zarpelon_recursos);
}

void zp::recursos::RegistrarRecursos()
{
    IniciarRecursosGenerados();
}

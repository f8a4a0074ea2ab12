#include "settings/core/almacen_ficheros.h"

#include "settings/core/ajustes_recibidos.h"
#include "settings/core/fichero_estado.h"

#include <cstdio>

namespace zp {

bool AlmacenFicheros::GrabarEstado(const std::string& nombre)
{
    return !zp::GrabarEstado(carpeta_, nombre, juego_, datos_).has_value();
}

void AlmacenFicheros::BorrarFichero(const std::string& nombre)
{
    std::remove((carpeta_ + nombre).c_str());
}

std::string AlmacenFicheros::GenerarCadenaSituacion()
{
    return GenerarCadenasEstado(juego_, datos_).CadenaSituacion;
}

void AlmacenFicheros::AplicarManosRecibidas(const std::string& cadenaSituacion)
{
    (void)zp::AplicarManosRecibidas(cadenaSituacion, juego_);
}

std::vector<AvisoAlmacen> AlmacenFicheros::CargarAjustes()
{
    return zp::CargarAjustes(carpeta_, juego_, datos_).Mensajes;
}

void AlmacenFicheros::CargarEtiquetasOpciones()
{
    zp::CargarEtiquetasOpciones(OpcionesSelector, datos_.ModoJuego);
}

} // namespace zp

#pragma once
// The engine's state-file service over the real work folder.
#include "engine/ajustes.h"
#include "engine/almacen.h"
#include "settings/core/etiquetas_opciones.h"

#include <string>
#include <vector>

namespace zp {

class AlmacenFicheros : public Almacen
{
public:
    AlmacenFicheros(EstadoJuego& juego, Ajustes& datos, std::string carpetaDatos)
        : juego_(juego), datos_(datos), carpeta_(std::move(carpetaDatos))
    {
    }
    bool GrabarEstado(const std::string& nombre) override;
    void BorrarFichero(const std::string& nombre) override;
    std::string GenerarCadenaSituacion() override;
    // A deal that does not read as a whole state is dropped: the hands stay as they were.
    void AplicarManosRecibidas(const std::string& cadenaSituacion) override;
    std::vector<AvisoAlmacen> CargarAjustes() override;
    void CargarEtiquetasOpciones() override;

    // The option texts of every selector, as the settings windows show them.
    TablaOpciones OpcionesSelector{};

private:
    EstadoJuego& juego_;
    Ajustes& datos_;
    std::string carpeta_;
};

} // namespace zp

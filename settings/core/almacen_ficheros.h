#pragma once
// The engine's state-file service over the real work folder.
#include "engine/almacen.h"
#include "engine/estado.h"

#include <string>

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

private:
    EstadoJuego& juego_;
    Ajustes& datos_;
    std::string carpeta_;
};

} // namespace zp

#pragma once
// State files and the state strings, which belong to the settings: the engine only asks for them.
#include <string>

namespace zp {

class Almacen
{
public:
    virtual ~Almacen() = default;
    // Writes the whole state under that name in the work folder; false when it could not.
    virtual bool GrabarEstado(const std::string& nombre) = 0;
    virtual void BorrarFichero(const std::string& nombre) = 0;
    // The 780-column situation string of the current state.
    virtual std::string GenerarCadenaSituacion() = 0;
    // Takes the hands, tiles held and stock of a situation received from the host, seats mapped to ours.
    virtual void AplicarManosRecibidas(const std::string& cadenaSituacion) = 0;
};

class AlmacenNulo : public Almacen
{
public:
    bool GrabarEstado(const std::string&) override { return true; }
    void BorrarFichero(const std::string&) override {}
    std::string GenerarCadenaSituacion() override { return {}; }
    void AplicarManosRecibidas(const std::string&) override {}
};

} // namespace zp

#pragma once
// A fresh folder of a test's own under the system's temporary one (or another), removed with all it holds;
// its files read and written whole, byte for byte.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace zp::prueba {

struct CarpetaTemporal
{
    CarpetaTemporal() : carpeta(Nueva(std::filesystem::temp_directory_path())) {}
    ~CarpetaTemporal() { std::filesystem::remove_all(carpeta); }
    // Starts again, empty, under `dentro`.
    void Mudar(const std::filesystem::path& dentro)
    {
        std::filesystem::remove_all(carpeta);
        carpeta = Nueva(dentro);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    std::string Leer(const std::string& nombre) const
    {
        std::ifstream f(carpeta + nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    void Escribir(const std::string& nombre, const std::string& bytes) const
    {
        std::ofstream(carpeta + nombre, std::ios::binary) << bytes;
    }
    bool Existe(const std::string& nombre) const { return std::filesystem::exists(carpeta + nombre); }

    std::string carpeta; // ends in '/', as the program's folders do

private:
    static std::string Nueva(const std::filesystem::path& dentro)
    {
        std::string plantilla = (dentro / "zp_prueba_XXXXXX").string();
        if (!::mkdtemp(plantilla.data())) throw std::runtime_error("no temporary folder");
        return plantilla + "/";
    }
};

} // namespace zp::prueba

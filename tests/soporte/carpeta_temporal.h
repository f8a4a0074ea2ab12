#pragma once
// A fresh folder of a test's own under the system's temporary one, removed with all it holds; its files read
// and written whole, byte for byte.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace zp::prueba {

struct CarpetaTemporal
{
    CarpetaTemporal()
    {
        std::string plantilla = (std::filesystem::temp_directory_path() / "zp_prueba_XXXXXX").string();
        if (!::mkdtemp(plantilla.data())) throw std::runtime_error("no temporary folder");
        carpeta = plantilla + "/";
    }
    ~CarpetaTemporal() { std::filesystem::remove_all(carpeta); }
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
};

} // namespace zp::prueba

#pragma once
// Whole-file reads and writes for the state files. A write goes to a temporary file beside the target and
// is renamed over it once on disk, so a crash or a full disk during a save never leaves half a file.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zp {

// A failed file operation: the error number the messages show and the system's own words for it.
struct FalloFichero
{
    int Numero = 0;
    std::string Texto;
};

// Error numbers the settings messages know, from a system error.
int NumeroErrorFichero(int errnoSistema, bool carpetaExiste);

// The bytes of `ruta`, or why it could not be read. Files larger than `maximo` are refused.
std::variant<std::string, FalloFichero> LeerFicheroEntero(const std::string& ruta, std::size_t maximo);

// What the temporary files end in: `ruta`, a dot, six characters of their own, and this.
inline constexpr std::string_view kSufijoTemporal = ".tmp";

// Writes `bytes` to a new temporary file beside `ruta`, flushes it to disk and renames it over `ruta`. A
// `ruta` that may not be written (read-only, or not this user's to write) is left as it is, and that is the
// failure. With `detenerAntesDeRenombrar` it stops where a crash would have: the old file untouched, the
// temporary left.
std::optional<FalloFichero> EscribirFicheroSeguro(const std::string& ruta, std::string_view bytes,
                                                  bool detenerAntesDeRenombrar = false);

} // namespace zp

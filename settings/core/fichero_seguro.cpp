#include "settings/core/fichero_seguro.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zp {
namespace {

FalloFichero Fallo(int err, const std::string& ruta)
{
    const std::string carpeta = ruta.substr(0, ruta.find_last_of('/') + 1);
    struct stat st
    {
    };
    const bool existe = carpeta.empty() || (::stat(carpeta.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
    return {NumeroErrorFichero(err, existe), std::strerror(err)};
}

bool EscribirTodo(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

int NumeroErrorFichero(int errnoSistema, bool carpetaExiste)
{
    switch (errnoSistema) {
    case ENOENT:
        return carpetaExiste ? 53 : 76; // file not found / path not found
    case ENOTDIR:
        return 76;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 75; // path/file access error
    case ENOSPC:
    case EDQUOT:
        return 61; // disk full
    case ENOMEM:
        return 7;
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
        return 68; // device unavailable
    default:
        return errnoSistema;
    }
}

std::variant<std::string, FalloFichero> LeerFicheroEntero(const std::string& ruta, std::size_t maximo)
{
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fallo(errno, ruta);
    std::string bytes;
    char trozo[8192];
    for (;;) {
        const ssize_t n = ::read(fd, trozo, sizeof trozo);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return Fallo(err, ruta);
        }
        if (n == 0) break;
        bytes.append(trozo, static_cast<std::size_t>(n));
        if (bytes.size() > maximo) {
            ::close(fd);
            return FalloFichero{27, "el fichero es demasiado grande"}; // EFBIG
        }
    }
    ::close(fd);
    return bytes;
}

std::optional<FalloFichero> EscribirFicheroSeguro(const std::string& ruta, std::string_view bytes,
                                                  bool detenerAntesDeRenombrar)
{
    // The rename below would replace a file whatever its permissions: one the person made read-only, or may
    // not write, is refused as a write into it would be. A file nobody may write is refused to the
    // administrator as well, who could write anything.
    struct stat actual
    {
    };
    if (::stat(ruta.c_str(), &actual) == 0 && S_ISREG(actual.st_mode) &&
        ((actual.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, ruta.c_str(), W_OK, AT_EACCESS) != 0))
        return Fallo(EACCES, ruta);
    // A name of its own beside the target, so the rename stays on one disk: created new (never a file or a
    // link already there, which a fixed name could have been made into) and never following a link.
    std::string temporal = ruta + ".XXXXXX" + std::string(kSufijoTemporal);
    const int fd = ::mkostemps(temporal.data(), static_cast<int>(kSufijoTemporal.size()), O_CLOEXEC);
    if (fd < 0) return Fallo(errno, temporal);
    if (::fchmod(fd, 0644) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporal.c_str());
        return Fallo(err, temporal);
    }
    if (!EscribirTodo(fd, bytes) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temporal.c_str());
        return Fallo(err, temporal);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        return Fallo(err, temporal);
    }
    if (detenerAntesDeRenombrar) return std::nullopt;
    if (::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporal.c_str());
        return Fallo(err, ruta);
    }
    // The rename itself must reach the disk too.
    const std::string carpeta = ruta.substr(0, ruta.find_last_of('/') + 1);
    const int dir = ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

} // namespace zp

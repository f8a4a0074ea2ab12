#pragma once
// The administrator reads and writes any file whatever its permissions, so what a permission refuses is tried
// as an ordinary user: while one of these lives, a process run by the administrator acts as "nobody" (no
// groups), and it is the administrator again once it ends. A process of an ordinary user stays as it is.
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <stdexcept>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace zp::prueba {

class UsuarioSinPrivilegios
{
public:
    static constexpr uid_t kNadie = 65534;

    UsuarioSinPrivilegios()
    {
        if (::geteuid() != 0) return;
        grupos_.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
        grupos_.resize(
            static_cast<std::size_t>(::getgroups(static_cast<int>(grupos_.size()), grupos_.data())));
        if (::setgroups(0, nullptr) != 0 || ::setegid(kNadie) != 0 || ::seteuid(kNadie) != 0) {
            Volver();
            throw std::runtime_error("no se puede dejar de ser administrador");
        }
        cambiado_ = true;
    }
    ~UsuarioSinPrivilegios()
    {
        if (cambiado_) Volver();
    }
    UsuarioSinPrivilegios(const UsuarioSinPrivilegios&) = delete;
    UsuarioSinPrivilegios& operator=(const UsuarioSinPrivilegios&) = delete;

private:
    void Volver()
    {
        (void)!::seteuid(0);
        (void)!::setegid(0);
        (void)!::setgroups(grupos_.size(), grupos_.data());
    }

    std::vector<gid_t> grupos_;
    bool cambiado_ = false;
};

// The folder under which a test keeps the files the ordinary user must reach: the system's temporary one, or,
// where the machine keeps that private, the first shared one that user can enter. Empty when there is none,
// and `motivo` then says why.
inline std::string CarpetaAlAlcanceDeNadie(std::string& motivo)
{
    const std::vector<std::string> candidatas = {std::filesystem::temp_directory_path().string(), "/tmp",
                                                 "/var/tmp", "/dev/shm"};
    for (const std::string& c : candidatas) {
        if (::access(c.c_str(), W_OK | X_OK) != 0) continue; // the test makes its folder there
        UsuarioSinPrivilegios corriente;
        if (::faccessat(AT_FDCWD, c.c_str(), X_OK, AT_EACCESS) == 0) return c;
    }
    motivo = "the ordinary user can enter none of these folders:";
    for (const std::string& c : candidatas) motivo += " " + c;
    return {};
}

} // namespace zp::prueba

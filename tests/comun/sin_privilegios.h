#pragma once
// Runs a piece of a test as an ordinary user, so that permissions hold even when the tests
// run as root: as root in a child process switched to "nobody", otherwise in place.
#include <string>

#ifdef _WIN32
namespace ttz::pruebas {

// Permission bits are POSIX's: on Windows std::filesystem::permissions only sets the read-only
// attribute, which neither hides a file from its reader nor closes a folder to new files.
inline constexpr bool hayPermisosPosix = false;
inline constexpr const char* kSinPermisosPosix = "Windows has no POSIX permission bits to take away";

template <class Accion>
std::string sinPrivilegios(Accion accion) { return accion(); }

}  // namespace ttz::pruebas
#else
#include <sys/wait.h>
#include <unistd.h>

namespace ttz::pruebas {

inline constexpr bool hayPermisosPosix = true;
inline constexpr const char* kSinPermisosPosix = "";

template <class Accion>
std::string sinPrivilegios(Accion accion) {
    if (geteuid() != 0) return accion();
    int tubo[2];
    if (pipe(tubo) != 0) return "pipe";
    const pid_t hijo = fork();
    if (hijo == 0) {
        close(tubo[0]);
        const std::string resultado =
            setgid(65534) == 0 && setuid(65534) == 0 ? accion() : std::string("setuid");
        const ssize_t escrito = write(tubo[1], resultado.data(), resultado.size());
        _exit(escrito == static_cast<ssize_t>(resultado.size()) ? 0 : 1);
    }
    close(tubo[1]);
    std::string resultado;
    char bufer[4096];
    ssize_t leidos;
    while ((leidos = read(tubo[0], bufer, sizeof bufer)) > 0) resultado.append(bufer, leidos);
    close(tubo[0]);
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return resultado;
}

}  // namespace ttz::pruebas
#endif

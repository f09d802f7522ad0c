#pragma once
// Runs a piece of a test as an ordinary user, so that permissions hold even when the tests
// run as root: as root in a child process switched to "nobody", otherwise in place.
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace ttz::pruebas {

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

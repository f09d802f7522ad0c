#include "fallos/procesos.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>

extern char** environ;

namespace ttz::pruebas {
namespace {

std::string leerHastaElFin(int descriptor) {
    std::string texto;
    char bufer[4096];
    ssize_t leidos;
    while ((leidos = ::read(descriptor, bufer, sizeof bufer)) > 0) texto.append(bufer, static_cast<std::size_t>(leidos));
    return texto;
}

}  // namespace

Proceso lanzar(const std::vector<std::string>& argumentos) {
    std::vector<char*> argv;
    for (const auto& argumento : argumentos) argv.push_back(const_cast<char*>(argumento.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t hijo = -1;
    const int error = posix_spawn(&hijo, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    return error == 0 ? hijo : -1;
}

void matar(Proceso proceso) { ::kill(proceso, SIGKILL); }

FinHijo esperar(Proceso hijo) {
    int estado = 0;
    while (::waitpid(hijo, &estado, 0) < 0) {
        if (errno != EINTR) return {};
    }
    if (WIFSIGNALED(estado)) return {true, -1};
    return {false, WEXITSTATUS(estado)};
}

std::string enHijo(std::string (*accion)(void*), void* datos) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "pipe";
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        std::string resultado;
        try {
            resultado = accion(datos);
        } catch (const std::exception& error) {
            resultado = std::string("excepcion: ") + error.what();
        }
        const ssize_t escrito = ::write(tubo[1], resultado.data(), resultado.size());
        ::_exit(escrito == static_cast<ssize_t>(resultado.size()) ? 0 : 1);
    }
    ::close(tubo[1]);
    std::string resultado = leerHastaElFin(tubo[0]);
    ::close(tubo[0]);
    esperar(hijo);
    return resultado;
}

HijoEnEspera::HijoEnEspera(void (*accion)(void*), void* datos) {
    int aviso[2];
    int soltar[2];
    if (::pipe(aviso) != 0) return;
    if (::pipe(soltar) != 0) {
        ::close(aviso[0]);
        ::close(aviso[1]);
        return;
    }
    hijo_ = ::fork();
    if (hijo_ == 0) {
        ::close(aviso[0]);
        ::close(soltar[1]);
        try {
            accion(datos);
        } catch (...) {
            ::_exit(1);
        }
        const char listo = 'l';
        if (::write(aviso[1], &listo, 1) != 1) ::_exit(1);
        char nada;
        while (::read(soltar[0], &nada, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(aviso[1]);
    ::close(soltar[0]);
    soltar_ = soltar[1];
    char respuesta = 0;
    listo_ = hijo_ > 0 && ::read(aviso[0], &respuesta, 1) == 1;
    ::close(aviso[0]);
}

HijoEnEspera::~HijoEnEspera() {
    if (soltar_ >= 0) ::close(soltar_);
    if (hijo_ > 0) esperar(hijo_);
}

}  // namespace ttz::pruebas

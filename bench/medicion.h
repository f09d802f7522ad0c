#pragma once
// Small measuring aids of the benchmarks (POSIX): elapsed time, peak memory, and one
// measurement run in a child process of its own so that its peak memory is its own.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace ttz::medicion {

using Reloj = std::chrono::steady_clock;

inline double segundosDesde(Reloj::time_point inicio) {
    return std::chrono::duration<double>(Reloj::now() - inicio).count();
}

// Peak resident memory of this process image (VmHWM; unlike ru_maxrss it does not carry
// over the parent's peak through fork and exec).
inline long picoDeMemoriaKiB() {
    std::FILE* estado = std::fopen("/proc/self/status", "r");
    char linea[256];
    long kib = -1;
    while (estado != nullptr && std::fgets(linea, sizeof linea, estado) != nullptr)
        if (std::sscanf(linea, "VmHWM: %ld kB", &kib) == 1) break;
    if (estado != nullptr) std::fclose(estado);
    return kib;
}

// Runs this program again with the arguments and returns what it printed.
inline std::string salidaDeHijo(const std::vector<std::string>& argumentos) {
    int tubo[2];
    if (pipe(tubo) != 0) std::exit(1);
    const pid_t hijo = fork();
    if (hijo == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        std::vector<char*> argv;
        for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(tubo[1]);
    std::string salida;
    char bloque[512];
    for (ssize_t leidos; (leidos = read(tubo[0], bloque, sizeof bloque)) > 0;) salida.append(bloque, leidos);
    close(tubo[0]);
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return salida;
}

}  // namespace ttz::medicion

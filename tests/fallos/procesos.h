#pragma once
// Child processes of the fault tests: the batch tool started as a program, killed or waited for
// (on every platform), and pieces of a test run in a forked child that reports back a text (POSIX).
#ifndef _WIN32
#include <sys/types.h>
#endif

#include <cstdint>
#include <string>
#include <vector>

namespace ttz::pruebas {

#ifdef _WIN32
using Proceso = std::intptr_t;  // the process's handle; -1 when it could not start
#else
using Proceso = pid_t;
#endif

// Starts the program with these arguments (the first is the program's path), its output
// thrown away.
Proceso lanzar(const std::vector<std::string>& argumentos);
// Ends the process at once, as a crash would (SIGKILL; TerminateProcess on Windows).
void matar(Proceso proceso);

struct FinHijo {
    bool matado = false;  // ended by a signal, or by matar() on Windows
    int estado = -1;      // exit status when it ended by itself
};
FinHijo esperar(Proceso hijo);

#ifndef _WIN32

// Runs the action in a forked child; gives the text that it returned.
std::string enHijo(std::string (*accion)(void*), void* datos);

template <class Accion>
std::string enHijo(Accion& accion) {
    return enHijo([](void* a) { return (*static_cast<Accion*>(a))(); }, &accion);
}

// A child that runs an action, tells the parent that it is done, and then waits, keeping what
// the action took hold of, until the parent lets it go (or ends).
class HijoEnEspera {
public:
    template <class Accion>
    explicit HijoEnEspera(Accion& accion) : HijoEnEspera([](void* a) { (*static_cast<Accion*>(a))(); }, &accion) {}
    ~HijoEnEspera();
    HijoEnEspera(const HijoEnEspera&) = delete;
    HijoEnEspera& operator=(const HijoEnEspera&) = delete;

    // False when the action failed in the child.
    bool listo() const { return listo_; }

private:
    HijoEnEspera(void (*accion)(void*), void* datos);

    pid_t hijo_ = -1;
    int soltar_ = -1;
    bool listo_ = false;
};

#endif

}  // namespace ttz::pruebas

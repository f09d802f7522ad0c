#pragma once
// Child processes of the fault tests (POSIX): the batch tool started as a program, and pieces of
// a test run in a forked child that reports back a text.
#include <sys/types.h>

#include <string>
#include <vector>

namespace ttz::pruebas {

// Starts the program with these arguments (the first is the program's path), its output
// thrown away.
pid_t lanzar(const std::vector<std::string>& argumentos);

struct FinHijo {
    bool matado = false;  // ended by a signal
    int estado = -1;      // exit status when it ended by itself
};
FinHijo esperar(pid_t hijo);

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

}  // namespace ttz::pruebas

#pragma once
// What the window shows the user: message boxes, the busy cursor and the error box, and the
// one handler for every error that escapes an event handler.
#include <string>

#include "transfer/interlocutor.h"

namespace ttz::ui {

constexpr const char* kTituloAplicacion = "transTempalosZeda";

class Dialogos : public Interlocutor {
public:
    // The error box with its final text (see textoCajaError); returns when it is closed.
    virtual void mostrarCajaError(const std::string& texto) = 0;
};

// Shows the exception being handled in the error box; the message loop then goes on.
void informarExcepcionActual(Dialogos& dialogos);

// Runs a handler; an exception that leaves it is reported by informarExcepcionActual.
template <typename Manejador>
void ejecutarProtegido(Dialogos& dialogos, Manejador&& manejador) {
    try {
        manejador();
    } catch (...) {
        informarExcepcionActual(dialogos);
    }
}

}  // namespace ttz::ui

#pragma once
// What the window shows the user: message boxes, the busy cursor and the error box.
#include <string>

#include "app/interlocutor.h"

namespace ttz::ui {

class Dialogos : public Interlocutor {
public:
    // The error box with its final text (see textoCajaError); returns when it is closed.
    virtual void mostrarCajaError(const std::string& texto) = 0;
};

// Modal Qt boxes centred on the screen, captioned with the application's name.
class DialogosQt : public Dialogos {
public:
    void mostrarMensaje(const std::string& texto) override;
    void mostrarCajaError(const std::string& texto) override;
    void ponerCursorOcupado() override;
    void ponerCursorNormal() override;
};

}  // namespace ttz::ui

#pragma once
// What the window shows the user: message boxes, the busy cursor and the error box.
#include <string>

#include "transfer/interlocutor.h"

namespace ttz::ui {

class Dialogos : public Interlocutor {
public:
    // The error box with its final text (see textoCajaError); returns when it is closed.
    virtual void mostrarCajaError(const std::string& texto) = 0;
};

}  // namespace ttz::ui

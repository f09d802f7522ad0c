#pragma once
// The window's dialogs drawn by Qt.
#include "ui/dialogos.h"

namespace ttz::ui {

// Modal Qt boxes centred on the screen, captioned with the application's name.
class DialogosQt : public Dialogos {
public:
    void mostrarMensaje(const std::string& texto) override;
    void mostrarCajaError(const std::string& texto) override;
    void ponerCursorOcupado() override;
    void ponerCursorNormal() override;
};

}  // namespace ttz::ui

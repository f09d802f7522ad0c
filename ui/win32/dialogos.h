#pragma once
// Owns the Win32 message boxes, the error box and the hourglass for the whole application.
#include <windows.h>

#include "ui/dialogos.h"

namespace ttz::ui {

class DialogosWin32 : public Dialogos {
public:
    // The window that a box keeps from taking input while it is open (none before it exists).
    void ponerVentana(HWND ventana) { ventana_ = ventana; }
    // Whether a transfer has the hourglass up: the window shows it over all its controls.
    bool ocupado() const { return ocupado_ > 0; }

    void mostrarMensaje(const std::string& texto) override;
    void mostrarCajaError(const std::string& texto) override;
    void ponerCursorOcupado() override;
    void ponerCursorNormal() override;

private:
    // aceptar: the button reads "Aceptar" whatever the language of Windows.
    int caja(const std::string& texto, UINT estilo, bool aceptar);

    HWND ventana_ = nullptr;
    int ocupado_ = 0;
};

}  // namespace ttz::ui

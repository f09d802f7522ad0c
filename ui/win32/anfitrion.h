#pragma once
// Owns the host window's watch and the following of the window's focus.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace ttz::ui {

// The host window of a hosted start, watched until it has gone, and the focus of the window's
// controls, kept across activations.
class AnfitrionWin32 {
public:
    // Raises ErrorAnfitrion when the handle names no window; handle 0 is none.
    void entrar(std::uint32_t manejador);
    bool alojada() const { return alojada_; }
    HWND ventana() const { return anfitrion_; }

    // Once the window exists: watches the host window, if any, from the window's timer;
    // alDesaparecer is called once the host has been destroyed (ours with it). Meanwhile the
    // focus is followed. primerFoco gets the focus back when no control of the window kept it.
    void vigilar(HWND ventana, HWND primerFoco, std::function<void()> alDesaparecer);
    // The window's WM_TIMER.
    void tiempo(WPARAM temporizador);

    // As a dialog does: the focused control is kept while the window is inactive and has the
    // focus again when it is activated.
    void guardarFoco();
    void restaurarFoco();

private:
    void seguirFoco();

    bool alojada_ = false;
    HWND anfitrion_ = nullptr;
    HWND ventana_ = nullptr;
    HWND primerFoco_ = nullptr;
    HWND foco_ = nullptr;  // the control that had the focus when the window was last deactivated
    std::function<void()> alDesaparecer_;
};

}  // namespace ttz::ui

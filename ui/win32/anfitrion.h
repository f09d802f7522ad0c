#pragma once
// The host window of a hosted start and the focus of the window's controls: the watch on the
// host window, which calls back once it has gone, and the focus kept across activations.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace ttz::ui {

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

#pragma once
// Owns the start-up probe of the Win32 window.
#include <windows.h>

#include <chrono>
#include <optional>

namespace ttz::ui {

// With TTZ_MEDIR_ARRANQUE set, the milliseconds from process start to the window's first paint
// are printed, and the window then closes as the user would.
class SondaArranque {
public:
    // Watches the window when the variable is set; does nothing otherwise.
    void medirDesde(std::chrono::steady_clock::time_point inicio);
    // A message of the window; true when the measure is taken and the window is to close.
    bool atender(HWND ventana, UINT mensaje);

private:
    std::optional<std::chrono::steady_clock::time_point> inicio_;
};

}  // namespace ttz::ui

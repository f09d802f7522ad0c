#include <windows.h>

#include "ui/qt/anfitrion.h"

namespace ttz::ui {

bool existeVentanaNativa(std::uint32_t manejador) {
    return IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(manejador))) != FALSE;
}

}  // namespace ttz::ui

#include <windows.h>

#include "ui/qt/anfitrion.h"

namespace ttz::ui {

bool existeVentanaNativa(std::uint32_t manejador) {
    return IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(manejador))) != FALSE;
}

bool avisaDestruccion(const QByteArray& tipo, const void* mensaje, WId ventana) {
    if (tipo != "windows_generic_MSG") return false;
    const auto* suceso = static_cast<const MSG*>(mensaje);
    return suceso->message == WM_DESTROY && suceso->hwnd == reinterpret_cast<HWND>(ventana);
}

}  // namespace ttz::ui

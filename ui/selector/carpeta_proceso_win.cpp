#include <windows.h>

#include <vector>

#include "base/errores.h"
#include "ui/selector/carpeta_proceso.h"

namespace ttz::ui {

// Windows' error codes are already the input/output codes of the error table.
std::string carpetaProceso() {
    std::vector<char> memoria(MAX_PATH + 1);
    for (;;) {
        const DWORD longitud = GetCurrentDirectoryA(static_cast<DWORD>(memoria.size()), memoria.data());
        if (longitud == 0) throw ErrorES(static_cast<int>(GetLastError()));
        if (longitud < memoria.size()) return std::string(memoria.data(), longitud);
        memoria.resize(longitud);
    }
}

void cambiarCarpetaProceso(const std::string& carpeta) {
    if (!SetCurrentDirectoryA(carpeta.c_str())) throw ErrorES(static_cast<int>(GetLastError()));
}

std::string carpetaDeRespaldo() {
    char windows[MAX_PATH + 1] = "C:\\";
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows, 3);
}

}  // namespace ttz::ui

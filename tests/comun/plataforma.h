#pragma once
// What the tests expect differently on Windows: the system's own error texts.
#include <cerrno>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "base/archivo.h"

namespace ttz::pruebas {

#ifdef _WIN32
inline constexpr bool kWindows = true;
#else
inline constexpr bool kWindows = false;
#endif

// The system's text when a file cannot be created because its folder is missing or is a file:
// Win32's "path not found" on Windows, the C library's error elsewhere.
inline std::string textoCarpetaInvalida([[maybe_unused]] int errorPosix) {
#ifdef _WIN32
    return textoErrorSistema(ERROR_PATH_NOT_FOUND);
#else
    return textoErrorSistema(errorPosix);
#endif
}

// The system's text when a folder is opened as a file: Win32's "access denied" on Windows, EISDIR's
// elsewhere.
inline std::string textoCarpetaEnVezDeArchivo() {
#ifdef _WIN32
    return textoErrorSistema(ERROR_ACCESS_DENIED);
#else
    return textoErrorSistema(EISDIR);
#endif
}

}  // namespace ttz::pruebas

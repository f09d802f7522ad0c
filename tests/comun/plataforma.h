#pragma once
// What the tests expect differently on Windows: the system's own error texts.
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "base/error_windows.h"
#endif

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
    return textoErrorWindows(ERROR_PATH_NOT_FOUND);
#else
    return std::strerror(errorPosix);
#endif
}

}  // namespace ttz::pruebas

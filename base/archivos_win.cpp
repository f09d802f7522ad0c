#include <windows.h>

#include <string>

#include "base/archivos.h"

namespace ttz {
namespace {

DWORD atributos(const fs::path& ruta) { return GetFileAttributesW(ruta.c_str()); }

}  // namespace

// Windows finds names whatever their letter case by itself; the folder listing gives the one
// on disk.
fs::path resolverMayusculas(const fs::path& ruta) {
    WIN32_FIND_DATAW datos{};
    const HANDLE busqueda = FindFirstFileW(ruta.c_str(), &datos);
    if (busqueda == INVALID_HANDLE_VALUE) return ruta;
    FindClose(busqueda);
    return ruta.parent_path() / datos.cFileName;
}

bool existeArchivo(const fs::path& ruta) {
    const DWORD a = atributos(ruta);
    if (a == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_INVALID_NAME &&
               error != ERROR_DIRECTORY;
    }
    return !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool existeCarpeta(const fs::path& ruta) {
    const DWORD a = atributos(ruta);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

char separadorCarpetas() { return '\\'; }

fs::path carpetaDatosPredeterminada() {
    wchar_t valor[MAX_PATH] = {};
    const DWORD largo = GetEnvironmentVariableW(L"TTEMP", valor, MAX_PATH);
    return largo > 0 && largo < MAX_PATH ? fs::path(std::wstring(valor, largo)) : fs::path(L"C:\\TTEMP");
}

}  // namespace ttz

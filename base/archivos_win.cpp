#include <windows.h>

#include <string>

#include "base/archivos.h"

namespace ttz {
namespace {

DWORD atributos(const fs::path& ruta) { return GetFileAttributesA(ruta.string().c_str()); }

}  // namespace

// Windows finds names whatever their letter case by itself.
fs::path resolverMayusculas(const fs::path& ruta) { return ruta; }

bool existeArchivo(const fs::path& ruta) {
    const DWORD a = atributos(ruta);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool existeCarpeta(const fs::path& ruta) {
    const DWORD a = atributos(ruta);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

char separadorCarpetas() { return '\\'; }

fs::path carpetaDatosPredeterminada() { return "C:\\TTEMP"; }

}  // namespace ttz

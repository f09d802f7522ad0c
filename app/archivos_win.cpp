#include <windows.h>

#include <string>

#include "app/archivos.h"
#include "app/errores.h"

namespace ttz {
namespace {

DWORD atributos(const fs::path& ruta) { return GetFileAttributesA(ruta.string().c_str()); }

std::string textoDeWindows(DWORD error) {
    char texto[512] = {};
    const DWORD largo = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                       0, texto, sizeof texto, nullptr);
    std::string mensaje(texto, largo);
    while (!mensaje.empty() && (mensaje.back() == '\r' || mensaje.back() == '\n')) mensaje.pop_back();
    return mensaje;
}

std::string errorDeCreacion(const fs::path& ruta, DWORD error) {
    return "Cannot create file \"" + ruta.string() + "\". " + textoDeWindows(error);
}

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

void reemplazarArchivo(const fs::path& ruta, std::string_view contenido) {
    const std::string temporal = ruta.string() + ".tmp";
    HANDLE archivo = CreateFileA(temporal.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (archivo == INVALID_HANDLE_VALUE) throw Error(errorDeCreacion(ruta, GetLastError()));
    DWORD escritos = 0;
    const bool escrito = WriteFile(archivo, contenido.data(), static_cast<DWORD>(contenido.size()), &escritos,
                                   nullptr) && escritos == contenido.size() && FlushFileBuffers(archivo);
    CloseHandle(archivo);
    if (!escrito) {
        DeleteFileA(temporal.c_str());
        throw Error("Stream write error");
    }
    if (!MoveFileExA(temporal.c_str(), ruta.string().c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporal.c_str());
        throw Error(errorDeCreacion(ruta, error));
    }
}

char separadorCarpetas() { return '\\'; }

fs::path carpetaDatosPredeterminada() { return "C:\\TTEMP"; }

}  // namespace ttz

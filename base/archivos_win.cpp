#include <windows.h>

#include <string>

#include "base/archivos.h"
#include "base/error_windows.h"
#include "base/errores.h"

namespace ttz {
namespace {

DWORD atributos(const fs::path& ruta) { return GetFileAttributesA(ruta.string().c_str()); }

std::string errorDeCreacion(const fs::path& ruta, DWORD error) {
    return "Cannot create file \"" + ruta.string() + "\". " + textoErrorWindows(error);
}

}  // namespace

std::string textoErrorWindows(unsigned long error) {
    char texto[512] = {};
    const DWORD largo = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                       0, texto, sizeof texto, nullptr);
    std::string mensaje(texto, largo);
    while (!mensaje.empty() && (mensaje.back() == '\r' || mensaje.back() == '\n')) mensaje.pop_back();
    return mensaje;
}

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

void ArchivoNuevo::crearTemporal() {
    temporal_ = destino_.string() + ".tmp";
    const HANDLE archivo = CreateFileA(temporal_.string().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (archivo == INVALID_HANDLE_VALUE) {
        temporal_.clear();
        throw Error(errorDeCreacion(ruta_, GetLastError()));
    }
    manejador_ = reinterpret_cast<std::intptr_t>(archivo);
}

bool ArchivoNuevo::escribirBloque(std::string_view bloque) {
    DWORD escritos = 0;
    return WriteFile(reinterpret_cast<HANDLE>(manejador_), bloque.data(), static_cast<DWORD>(bloque.size()),
                     &escritos, nullptr) && escritos == bloque.size();
}

bool ArchivoNuevo::cerrarTemporal() {
    const HANDLE archivo = reinterpret_cast<HANDLE>(manejador_);
    manejador_ = -1;
    const bool volcado = FlushFileBuffers(archivo);
    return CloseHandle(archivo) && volcado;
}

void ArchivoNuevo::renombrarSobreDestino() {
    if (!MoveFileExA(temporal_.string().c_str(), destino_.string().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        descartar();
        throw Error(errorDeCreacion(ruta_, error));
    }
    temporal_.clear();
}

void ArchivoNuevo::descartar() {
    if (manejador_ != -1) CloseHandle(reinterpret_cast<HANDLE>(manejador_));
    manejador_ = -1;
    DeleteFileA(temporal_.string().c_str());
    temporal_.clear();
}

char separadorCarpetas() { return '\\'; }

fs::path carpetaDatosPredeterminada() {
    char valor[MAX_PATH] = {};
    const DWORD largo = GetEnvironmentVariableA("TTEMP", valor, sizeof valor);
    return largo > 0 && largo < sizeof valor ? fs::path(std::string(valor, largo)) : fs::path("C:\\TTEMP");
}

}  // namespace ttz

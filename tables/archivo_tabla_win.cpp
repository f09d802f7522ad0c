#include <windows.h>

#include <system_error>
#include <utility>

#include "base/errores.h"
#include "tables/archivo_tabla.h"
#include "tables/mensajes_tabla.h"

namespace ttz::tablas {
namespace {

HANDLE manejo(std::intptr_t manejador) { return reinterpret_cast<HANDLE>(manejador); }
std::intptr_t numero(HANDLE h) { return reinterpret_cast<std::intptr_t>(h); }

std::string textoDeWindows(DWORD error) { return std::system_category().message(static_cast<int>(error)); }

// The share mode is the hold: a shared holder lets others read and write beside it, an
// exclusive one lets nobody else open the file.
HANDLE abrirCon(const std::filesystem::path& ruta, DWORD acceso, Retencion retencion) {
    const DWORD compartir = retencion == Retencion::Exclusiva ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    return CreateFileW(ruta.c_str(), acceso, compartir, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

OVERLAPPED en(std::uint64_t posicion) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(posicion);
    o.OffsetHigh = static_cast<DWORD>(posicion >> 32);
    return o;
}

}  // namespace

ArchivoTabla ArchivoTabla::abrir(const std::filesystem::path& ruta, bool escritura, Retencion retencion) {
    const DWORD acceso = escritura ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const HANDLE h = abrirCon(ruta, acceso, retencion);
    if (h != INVALID_HANDLE_VALUE) return ArchivoTabla(ruta, ruta, numero(h));
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) throw Error(mensajes::inexistente(ruta));
    if (error == ERROR_SHARING_VIOLATION) throw Error(mensajes::abiertaEnOtroPrograma(ruta));
    throw Error(mensajes::noSePuedeAbrir(ruta, textoDeWindows(error)));
}

ArchivoTabla ArchivoTabla::crearTemporal(const std::filesystem::path& carpeta, const std::string& base,
                                        const std::filesystem::path& mostrada) {
    const std::string prefijo = base + ".~" + std::to_string(GetCurrentProcessId()) + "-";
    for (int n = 0;; ++n) {
        auto ruta = carpeta / (prefijo + std::to_string(n) + ".dbf");
        const HANDLE h = CreateFileW(ruta.c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return ArchivoTabla(std::move(ruta), mostrada, numero(h));
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS || n == 999) throw Error(mensajes::noSePuedeCrear(mostrada, textoDeWindows(error)));
    }
}

std::uint64_t ArchivoTabla::tamano() const {
    LARGE_INTEGER t{};
    if (!GetFileSizeEx(manejo(manejador_), &t)) throw Error(mensajes::errorDeLectura(mostrada_, textoDeWindows(GetLastError())));
    return static_cast<std::uint64_t>(t.QuadPart);
}

void ArchivoTabla::leer(std::uint64_t posicion, char* destino, std::size_t bytes) const {
    OVERLAPPED o = en(posicion);
    DWORD leidos = 0;
    if (!ReadFile(manejo(manejador_), destino, static_cast<DWORD>(bytes), &leidos, &o))
        throw Error(mensajes::errorDeLectura(mostrada_, textoDeWindows(GetLastError())));
    if (leidos != bytes) throw Error(mensajes::danada(mostrada_));
}

void ArchivoTabla::escribir(std::uint64_t posicion, std::string_view bytes) {
    OVERLAPPED o = en(posicion);
    DWORD escritos = 0;
    if (!WriteFile(manejo(manejador_), bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, &o) ||
        escritos != bytes.size())
        throw Error(mensajes::errorDeEscritura(mostrada_, textoDeWindows(GetLastError())));
}

void ArchivoTabla::sincronizar() {
    if (!FlushFileBuffers(manejo(manejador_)))
        throw Error(mensajes::errorDeEscritura(mostrada_, textoDeWindows(GetLastError())));
}

// Share modes cannot be widened on an open handle: the file is opened again without sharing.
void ArchivoTabla::retenerExclusiva() {
    cerrar();
    const HANDLE h = abrirCon(ruta_, GENERIC_READ, Retencion::Exclusiva);
    if (h == INVALID_HANDLE_VALUE) throw Error(mensajes::abiertaEnOtroPrograma(mostrada_));
    manejador_ = numero(h);
}

// Windows cannot replace a file that is open, so the hold ends just before the move.
void ArchivoTabla::reemplazarCon(const std::filesystem::path& temporal) {
    cerrar();
    publicarArchivo(temporal, ruta_);
}

void ArchivoTabla::cerrar() noexcept {
    if (manejador_ != -1) CloseHandle(manejo(std::exchange(manejador_, -1)));
}

void publicarArchivo(const std::filesystem::path& temporal, const std::filesystem::path& destino) {
    if (!MoveFileExW(temporal.c_str(), destino.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw Error(mensajes::noSePuedeCrear(destino, textoDeWindows(GetLastError())));
}

void borrarArchivo(const std::filesystem::path& ruta) noexcept { DeleteFileW(ruta.c_str()); }

}  // namespace ttz::tablas

#include <windows.h>

#include <algorithm>
#include <utility>

#include "base/archivo.h"

namespace ttz {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fallar(DWORD numero) { throw FalloArchivo(static_cast<int>(numero)); }
[[noreturn]] void fallarUltimo() { fallar(GetLastError()); }

HANDLE manejo(std::intptr_t manejador) { return reinterpret_cast<HANDLE>(manejador); }
std::intptr_t numero(HANDLE h) { return reinterpret_cast<std::intptr_t>(h); }

// The share mode is the hold: a shared holder lets others read and write beside it, an
// exclusive one lets nobody else open the file.
DWORD comparticion(Retencion retencion) {
    return retencion == Retencion::Exclusiva ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
}

HANDLE crear(const fs::path& ruta, DWORD acceso, DWORD compartir, DWORD disposicion) {
    return CreateFileW(ruta.c_str(), acceso, compartir, nullptr, disposicion, FILE_ATTRIBUTE_NORMAL, nullptr);
}

OVERLAPPED en(std::uint64_t posicion) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(posicion);
    o.OffsetHigh = static_cast<DWORD>(posicion >> 32);
    return o;
}

}  // namespace

std::string textoErrorSistema(int numero) {
    char texto[512] = {};
    const DWORD largo = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                       static_cast<DWORD>(numero), 0, texto, sizeof texto, nullptr);
    std::string mensaje(texto, largo);
    while (!mensaje.empty() && (mensaje.back() == '\r' || mensaje.back() == '\n')) mensaje.pop_back();
    if (mensaje.empty()) return "Error n\xFAmero " + std::to_string(numero) + " del sistema";
    return mensaje;
}

std::string textoErrorSistema(const std::error_code& codigo) {
    if (codigo.category() == std::system_category()) return textoErrorSistema(codigo.value());
    return codigo.message();
}

int codigoES(int numero) {
    switch (numero) {
    case ERROR_INVALID_NAME: return 3;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return 101;
    default: return numero;
    }
}

FalloArchivo::Causa FalloArchivo::causa() const {
    switch (static_cast<DWORD>(numero_)) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return Causa::Inexistente;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return Causa::YaExiste;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return Causa::Retenido;
    default: return Causa::Otra;
    }
}

Archivo Archivo::abrir(const fs::path& ruta, Acceso acceso, Retencion retencion) {
    const DWORD permiso = acceso == Acceso::Lectura ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE h = crear(ruta, permiso, comparticion(retencion), OPEN_EXISTING);
    if (h == INVALID_HANDLE_VALUE) fallarUltimo();
    return Archivo(ruta, numero(h), false);
}

// Shared while it is staged, so that only its open handle tells it from one left by a crash:
// an exclusive opening fails while the handle lives.
Archivo Archivo::crearNuevo(const fs::path& ruta, const fs::path&) {
    const HANDLE h = crear(ruta, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_NEW);
    if (h == INVALID_HANDLE_VALUE) fallarUltimo();
    return Archivo(ruta, numero(h), true);
}

Archivo Archivo::abrirParaAnadir(const fs::path& ruta) {
    const HANDLE h = crear(ruta, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
    if (h == INVALID_HANDLE_VALUE) fallarUltimo();
    return Archivo(ruta, numero(h), false);
}

std::string Archivo::identificadorProceso() { return std::to_string(GetCurrentProcessId()); }

std::uint64_t Archivo::tamano() const {
    LARGE_INTEGER t{};
    if (!GetFileSizeEx(manejo(manejador_), &t)) fallarUltimo();
    return static_cast<std::uint64_t>(t.QuadPart);
}

std::size_t Archivo::leer(std::uint64_t posicion, char* destino, std::size_t bytes) const {
    std::size_t total = 0;
    while (total < bytes) {
        OVERLAPPED o = en(posicion + total);
        DWORD leidos = 0;
        const DWORD pedidos = static_cast<DWORD>(std::min<std::size_t>(bytes - total, 1u << 30));
        if (!ReadFile(manejo(manejador_), destino + total, pedidos, &leidos, &o)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            fallarUltimo();
        }
        if (leidos == 0) break;
        total += leidos;
    }
    return total;
}

void Archivo::escribir(std::uint64_t posicion, std::string_view bytes) {
    while (!bytes.empty()) {
        OVERLAPPED o = en(posicion);
        DWORD escritos = 0;
        const DWORD pedidos = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(manejo(manejador_), bytes.data(), pedidos, &escritos, &o)) fallarUltimo();
        if (escritos == 0) fallar(ERROR_DISK_FULL);
        bytes.remove_prefix(escritos);
        posicion += escritos;
    }
}

void Archivo::sincronizar() {
    if (!FlushFileBuffers(manejo(manejador_))) fallarUltimo();
}

// Share modes cannot be narrowed on an open handle: the file is opened again without sharing.
void Archivo::retenerExclusiva() {
    soltar();
    const HANDLE h = crear(ruta_, GENERIC_READ, 0, OPEN_EXISTING);
    if (h == INVALID_HANDLE_VALUE) fallarUltimo();
    manejador_ = numero(h);
}

void Archivo::cerrar() {
    if (manejador_ == -1) return;
    if (!CloseHandle(manejo(std::exchange(manejador_, -1)))) fallarUltimo();
}

void Archivo::soltar() noexcept {
    if (manejador_ != -1) CloseHandle(manejo(std::exchange(manejador_, -1)));
}

// Windows replaces no open file, so the earlier one is released just before the move.
void Archivo::renombrarSobre(const fs::path& destino, Archivo* anterior) {
    if (anterior != nullptr) anterior->soltar();
    if (!MoveFileExW(ruta_.c_str(), destino.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fallarUltimo();
}

void borrarArchivo(const fs::path& ruta) noexcept { DeleteFileW(ruta.c_str()); }

// NTFS links; FAT drives have none and get a copy.
bool enlazarDuro(const fs::path& origen, const fs::path& copia) noexcept {
    return CreateHardLinkW(copia.c_str(), origen.c_str(), nullptr) != 0;
}

}  // namespace ttz

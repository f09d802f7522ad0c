#pragma once
// A fresh temporary folder, removed afterwards; the process's current folder kept for a scope;
// reading a file's bytes and listing a folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ttz::pruebas {

class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& ruta() const { return ruta_; }
    std::filesystem::path operator/(std::string_view nombre) const { return ruta_ / nombre; }
    // The folder with the platform's separator appended, as Carpeta is composed.
    std::string conSeparador() const;

    // Writes the bytes as they are.
    std::filesystem::path escribir(std::string_view nombre, std::string_view bytes) const;

private:
    std::filesystem::path ruta_;
};

// The process's current folder put back at the end of the scope.
class CarpetaProcesoGuardada {
public:
    CarpetaProcesoGuardada() : guardada_(std::filesystem::current_path()) {}
    ~CarpetaProcesoGuardada() { std::filesystem::current_path(guardada_); }
    CarpetaProcesoGuardada(const CarpetaProcesoGuardada&) = delete;
    CarpetaProcesoGuardada& operator=(const CarpetaProcesoGuardada&) = delete;

private:
    std::filesystem::path guardada_;
};

std::string leerBytes(const std::filesystem::path& ruta);

// The names of the folder's entries, sorted.
std::vector<std::string> nombresEn(const std::filesystem::path& carpeta);

}  // namespace ttz::pruebas

#pragma once
// A fresh temporary folder for one test, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace ttz::pruebas {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("ttz-prueba-" + std::to_string(azar()) + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code ignorado;
        std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignorado);
        std::filesystem::remove_all(ruta_, ignorado);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& ruta() const { return ruta_; }
    std::filesystem::path operator/(std::string_view nombre) const { return ruta_ / nombre; }
    // The folder with the platform's separator appended, as Carpeta is composed.
    std::string conSeparador() const {
        return ruta_.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    }

    // Writes the bytes as they are.
    std::filesystem::path escribir(std::string_view nombre, std::string_view bytes) const {
        auto destino = ruta_ / nombre;
        std::filesystem::create_directories(destino.parent_path());
        std::ofstream(destino, std::ios::binary).write(bytes.data(), bytes.size());
        return destino;
    }

private:
    std::filesystem::path ruta_;
};

inline std::string leerBytes(const std::filesystem::path& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

}  // namespace ttz::pruebas

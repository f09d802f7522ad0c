#include "comun/carpeta_temporal.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace ttz::pruebas {

CarpetaTemporal::CarpetaTemporal() {
    std::random_device azar;
    ruta_ = fs::temp_directory_path() / ("ttz-prueba-" + std::to_string(azar()) + std::to_string(azar()));
    fs::create_directories(ruta_);
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ignorado;
    fs::permissions(ruta_, fs::perms::owner_all, fs::perm_options::add, ignorado);
    fs::remove_all(ruta_, ignorado);
}

std::string CarpetaTemporal::conSeparador() const {
    return ruta_.string() + static_cast<char>(fs::path::preferred_separator);
}

fs::path CarpetaTemporal::escribir(std::string_view nombre, std::string_view bytes) const {
    auto destino = ruta_ / nombre;
    fs::create_directories(destino.parent_path());
    std::ofstream(destino, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return destino;
}

std::string leerBytes(const fs::path& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

std::vector<std::string> nombresEn(const fs::path& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& entrada : fs::directory_iterator(carpeta)) nombres.push_back(entrada.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

}  // namespace ttz::pruebas

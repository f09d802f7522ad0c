#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "ui/selector/tabla_montajes_linux.h"
#include "ui/selector/unidades.h"

namespace ttz::ui {

namespace {

namespace fs = std::filesystem;

std::string leerTexto(const fs::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

// The device behind each volume label that the system publishes.
std::map<fs::path, std::string> etiquetasPorDispositivo() {
    std::map<fs::path, std::string> etiquetas;
    std::error_code error;
    for (const auto& enlace : fs::directory_iterator("/dev/disk/by-label", error)) {
        const auto dispositivo = fs::weakly_canonical(enlace.path(), error);
        if (!error) etiquetas[dispositivo] = desescaparEtiqueta(enlace.path().filename().string());
    }
    return etiquetas;
}

}  // namespace

std::vector<Unidad> unidadesDelSistema() {
    const auto etiquetas = etiquetasPorDispositivo();
    auto montajes = leerTablaMontajes(leerTexto("/proc/self/mounts"));
    std::erase_if(montajes, [](const Montaje& montaje) {
        std::error_code error;
        return !fs::is_directory(montaje.punto, error);
    });
    return unidadesDeMontajes(montajes, [&](const Montaje& montaje) {
        std::error_code error;
        const auto etiqueta = etiquetas.find(fs::weakly_canonical(montaje.origen, error));
        return etiqueta == etiquetas.end() ? std::string() : etiqueta->second;
    });
}

}  // namespace ttz::ui

#include "ui/subcarpetas.h"

#include <filesystem>

namespace ttz::ui {

std::vector<std::string> listarSubcarpetas(const std::string& carpeta) {
    namespace fs = std::filesystem;
    std::vector<std::string> nombres;
    std::error_code error;
    for (fs::directory_iterator entrada(carpeta, error), fin; !error && entrada != fin;
         entrada.increment(error)) {
        std::error_code errorTipo;
        if (entrada->is_directory(errorTipo)) nombres.push_back(entrada->path().filename().string());
    }
    return nombres;
}

}  // namespace ttz::ui

#include "ui/selector/subcarpetas.h"

#include <filesystem>

#include "base/texto_ruta.h"

namespace ttz::ui {

std::vector<std::string> listarSubcarpetas(const std::string& carpeta) {
    namespace fs = std::filesystem;
    std::vector<std::string> nombres;
    std::error_code error;
    for (fs::directory_iterator entrada(rutaDeTexto(carpeta), error), fin; !error && entrada != fin;
         entrada.increment(error)) {
        std::error_code errorTipo;
        if (entrada->is_directory(errorTipo)) nombres.push_back(textoDeRuta(entrada->path().filename()));
    }
    return nombres;
}

}  // namespace ttz::ui

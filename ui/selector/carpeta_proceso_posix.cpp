#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/archivos.h"
#include "base/errores.h"
#include "ui/selector/carpeta_proceso.h"

namespace ttz::ui {

std::string carpetaProceso() {
    std::vector<char> memoria(256);
    while (::getcwd(memoria.data(), memoria.size()) == nullptr) {
        if (errno != ERANGE) throw ErrorES(codigoES(errno));
        memoria.resize(memoria.size() * 2);
    }
    return memoria.data();
}

void cambiarCarpetaProceso(const std::string& carpeta) {
    if (::chdir(carpeta.c_str()) != 0) throw ErrorES(codigoES(errno));
}

std::string carpetaDeRespaldo() { return "/"; }

}  // namespace ttz::ui

#include <windows.h>

#include "app/linea_ordenes.h"

namespace ttz {

std::vector<std::string> parametrosDelProceso(int, char**) {
    auto parametros = dividirLineaOrdenes(GetCommandLineA());
    if (!parametros.empty()) parametros.erase(parametros.begin());
    return parametros;
}

}  // namespace ttz

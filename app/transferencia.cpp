#include "app/transferencia.h"

#include "app/archivos.h"

namespace ttz {

std::string componerCarpeta(const std::string& carpetaActual) {
    return carpetaActual + separadorCarpetas();
}

}  // namespace ttz

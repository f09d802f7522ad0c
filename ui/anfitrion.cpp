#include "ui/anfitrion.h"

#include <cstdio>
#include <string>

namespace ttz::ui {
namespace {

std::string textoError(std::uint32_t manejador) {
    char hexadecimal[16];
    std::snprintf(hexadecimal, sizeof hexadecimal, "%X", static_cast<unsigned>(manejador));
    return std::string("La ventana de Tempalix en la que se iba a abrir este programa ya no existe "
                       "(identificador ") + hexadecimal + "). Vuelva a abrirlo desde Tempalix";
}

}  // namespace

ErrorAnfitrion::ErrorAnfitrion(std::uint32_t manejador) : std::runtime_error(textoError(manejador)) {}

}  // namespace ttz::ui

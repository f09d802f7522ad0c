#include "ui/anfitrion.h"

#include <cstdio>
#include <string>

namespace ttz::ui {
namespace {

std::string textoError(std::uint32_t manejador) {
    char hexadecimal[16];
    std::snprintf(hexadecimal, sizeof hexadecimal, "%X", static_cast<unsigned>(manejador));
    return std::string("transtempaloszeda: la ventana anfitriona ") + hexadecimal +
           " no existe; no se puede abrir la ventana dentro de ella";
}

}  // namespace

ErrorAnfitrion::ErrorAnfitrion(std::uint32_t manejador) : std::runtime_error(textoError(manejador)) {}

}  // namespace ttz::ui

#include "tables/archivo_tabla.h"

#include <utility>

namespace ttz::tablas {

ArchivoTabla::ArchivoTabla(std::filesystem::path ruta, std::filesystem::path mostrada, std::intptr_t manejador)
    : ruta_(std::move(ruta)), mostrada_(std::move(mostrada)), manejador_(manejador) {}

ArchivoTabla::ArchivoTabla(ArchivoTabla&& otro) noexcept
    : ruta_(std::move(otro.ruta_)), mostrada_(std::move(otro.mostrada_)), manejador_(std::exchange(otro.manejador_, -1)) {}

ArchivoTabla& ArchivoTabla::operator=(ArchivoTabla&& otro) noexcept {
    if (this != &otro) {
        cerrar();
        ruta_ = std::move(otro.ruta_);
        mostrada_ = std::move(otro.mostrada_);
        manejador_ = std::exchange(otro.manejador_, -1);
    }
    return *this;
}

ArchivoTabla::~ArchivoTabla() { cerrar(); }

}  // namespace ttz::tablas

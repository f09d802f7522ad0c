#include "tables/archivo_tabla.h"

#include <system_error>
#include <utility>

#include "base/errores.h"

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

void borrarTemporalesAbandonados(const std::filesystem::path& carpeta, const std::string& base) {
    std::error_code error;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta, error)) {
        const std::string nombre = entrada.path().filename().string();
        if (!nombre.starts_with(base + ".~") || !nombre.ends_with(".dbf")) continue;
        try {
            ArchivoTabla::abrir(entrada.path(), false, Retencion::Exclusiva);
            borrarArchivo(entrada.path());
        } catch (const Error&) {
            // Still being staged by its owner.
        }
    }
}

}  // namespace ttz::tablas

#pragma once
// What every export step works with: the working folder and the run's surroundings.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/texto_ruta.h"
#include "transfer/transferencia.h"

namespace ttz::exportacion {

struct Contexto {
    const std::string& Carpeta;  // ends with the folder separator
    Entorno& entorno;

    std::filesystem::path ruta(std::string_view archivo) const {
        return rutaDeTexto(Carpeta + std::string(archivo));
    }
    tablas::AlmacenTablas& almacen() const { return entorno.almacen; }

    // True when the ZEDA file exists; otherwise its message is shown and the run is marked as
    // failed (Transformado -1).
    bool hayArchivoDelPaso(const std::filesystem::path& ruta, const std::string& mensajeSiFalta) const;
};

}  // namespace ttz::exportacion

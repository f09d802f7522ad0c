#include "tables/publicacion.h"

#include <utility>

namespace ttz::tablas {

Publicacion::Publicacion(std::filesystem::path temporal, std::filesystem::path destino,
                         std::optional<ArchivoTabla> retenido, std::filesystem::path indice)
    : temporal_(std::move(temporal)),
      destino_(std::move(destino)),
      retenido_(std::move(retenido)),
      indice_(std::move(indice)) {}

Publicacion::Publicacion(Publicacion&& otra) noexcept
    : temporal_(std::move(otra.temporal_)),
      destino_(std::move(otra.destino_)),
      retenido_(std::move(otra.retenido_)),
      indice_(std::move(otra.indice_)),
      pendiente_(std::exchange(otra.pendiente_, false)) {}

Publicacion::~Publicacion() { descartar(); }

// The index goes only once the new table is in place, so that a failed publication leaves the
// earlier table together with its index.
void Publicacion::publicar() {
    try {
        if (retenido_) {
            retenido_->retenerExclusiva();
            retenido_->reemplazarCon(temporal_);
        } else {
            publicarArchivo(temporal_, destino_);
        }
    } catch (...) {
        descartar();
        throw;
    }
    pendiente_ = false;
    retenido_.reset();
    borrarArchivo(indice_);
}

void Publicacion::descartar() noexcept {
    if (!std::exchange(pendiente_, false)) return;
    borrarArchivo(temporal_);
    retenido_.reset();
}

}  // namespace ttz::tablas

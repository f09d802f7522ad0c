#pragma once
// A recreated table waiting in its staging file beside the table it replaces. Published, it
// takes the table's place in one step; otherwise it is removed and the earlier table stays
// exactly as it was.
#include <filesystem>
#include <optional>

#include "tables/archivo_tabla.h"

namespace ttz::tablas {

class Publicacion {
public:
    // retenido: the earlier table, when there is one, held shared until the publication.
    // indice: the earlier table's index file, removed when the new table is in place.
    Publicacion(std::filesystem::path temporal, std::filesystem::path destino,
                std::optional<ArchivoTabla> retenido, std::filesystem::path indice);
    Publicacion(Publicacion&& otra) noexcept;
    Publicacion& operator=(Publicacion&&) = delete;
    Publicacion(const Publicacion&) = delete;
    Publicacion& operator=(const Publicacion&) = delete;
    ~Publicacion();

    // Takes the earlier table exclusively (failing at once while another program has it open),
    // puts the staging file in its place and removes its index. On failure the staging file is
    // removed and the earlier table is left as it was.
    void publicar();
    void descartar() noexcept;

private:
    std::filesystem::path temporal_;
    std::filesystem::path destino_;
    std::optional<ArchivoTabla> retenido_;
    std::filesystem::path indice_;
    bool pendiente_ = true;
};

}  // namespace ttz::tablas
